#pragma once

#include "export/kiosk_deploy_manager.h"
#include "model/project_model.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QWidget;

namespace vistrelle {

// The deploy sheet: options, a folder, and the deployment followed step by
// step, for a copy of the project taken when it opens. Window-modal, opened
// with open(); the editor stays responsive while a deployment runs. Closing it
// during a deployment asks first and then cancels.
class KioskDeployView : public QDialog {
    Q_OBJECT

public:
    KioskDeployView(const KioskProject& project, QWidget* parent = nullptr);

    KioskDeployManager& manager() { return manager_; }
    const DeployOptions& options() const { return options_; }
    bool exportOptimized() const { return options_.exportOptimized; }
    // Starts a deployment into `folder`, as the folder chooser's "Deploy" does.
    void deployTo(const QString& folder);
    // Asks whether to stop a running deployment; `then` runs once it is stopped
    // (at once when nothing runs). Declining leaves everything running and runs `declined`.
    void askToStop(std::function<void()> then, std::function<void()> declined = {});

    // "Deploying... 45%"
    static QString progressText(double progress);
    // The folder "Reveal Folder" opens: the one holding a bundle, else the folder written.
    static QString folderToReveal(const QUrl& destination);

    // What the show check found ("1 error, 2 warnings"), above "Generate Content...", with a button that
    // opens the list; hidden until given.
    void setCheckSummary(const QString& counts, int errors, int warnings);

    // What names the project among those published from this computer (its file, or its name).
    void setProjectKey(const QString& key) { projectKey_ = key; }
    // "Publish to Channel…": the sheet that publishes the project for many displays.
    void showPublishSheet();

    // Close, Escape: during a deployment, asks first.
    void reject() override;

signals:
    // "Set Deploy Password…" after "Deploy password is required": the sheet has closed itself.
    void passwordRequested();
    // Ctrl+Q in the sheet: the application quits (asking to stop a deployment first).
    void quitRequested();
    // "Show Problems…": the show check's list.
    void showCheckRequested();
    // "High-performance mode" switched: what the show check looks for changes with it.
    void highPerformanceToggled(bool on);

private:
    void chooseFolder();
    void showState();
    void revealFolder();
    void playDeployed();

    KioskProject project_;
    QString projectKey_;
    DeployOptions options_;
    KioskDeployManager manager_;
    QCheckBox* highPerformance_ = nullptr;
    QWidget* optimizedOptions_ = nullptr;
    QButtonGroup* format_ = nullptr;
    QWidget* checkRow_ = nullptr;
    QLabel* checkSymbol_ = nullptr;
    QLabel* checkSummary_ = nullptr;
    QPushButton* generate_ = nullptr;
    QWidget* progressRow_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* progressLabel_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QWidget* outcomeRow_ = nullptr;
    QLabel* outcomeSymbol_ = nullptr;
    QLabel* outcome_ = nullptr;
    QLabel* detail_ = nullptr;
    QPushButton* reveal_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* setPassword_ = nullptr;
    QListWidget* log_ = nullptr;
    bool stopping_ = false;
};

} // namespace vistrelle
