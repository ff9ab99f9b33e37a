#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace vistrelle {

// The welcome window ("welcome"): who we are and what the application does, with a way in: a new project,
// an open one, or one of the recent projects (one click opens it). On the first start it carries "Get
// Started"; later it is the start window that stands in for the documents when none is open.
class WelcomeWindow : public QWidget {
    Q_OBJECT

public:
    static inline const QString identifier = QStringLiteral("welcome");

    explicit WelcomeWindow(QWidget* parent = nullptr);

    // The first start's page shows "Get Started"; the start window does not.
    void setFirstStart(bool firstStart);
    // Newest first; paths that no longer exist are left out.
    void setRecentProjects(const QStringList& paths);

    QListWidget* recentList() const { return recent_; }

signals:
    void getStartedClicked();
    void newProjectRequested();
    void openRequested();
    void recentProjectRequested(const QString& path);
    // The user closed the window (not the application's own closing of it).
    void dismissed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* getStarted_ = nullptr;
    QPushButton* newProject_ = nullptr;
    QLabel* recentTitle_ = nullptr;
    QListWidget* recent_ = nullptr;
};

} // namespace vistrelle
