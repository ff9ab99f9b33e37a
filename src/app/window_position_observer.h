#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace vistrelle {

// Watches one palette window for moves and resizes and has the window manager store its frame. A drag
// moves a window hundreds of times; the frame is stored once the window has been still for a moment, and
// at once when it is hidden or closed. Lives as long as its window (it is the window's child).
class WindowPositionObserver : public QObject {
    Q_OBJECT

public:
    WindowPositionObserver(QWidget& window, QString identifier);

    static constexpr int settleDelayMs = 250;

    // Stores a pending frame now.
    void flush();
    // What the window shows from now on (the inspector keeps a height per content); a pending frame is
    // stored under the content it was made for first.
    void setContentName(const QString& contentName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QString identifier_;
    QString contentName_;
    QTimer settle_;
    bool pending_ = false;
};

} // namespace vistrelle
