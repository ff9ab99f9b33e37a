#pragma once

#include <QFrame>

class QLabel;

namespace vistrelle {

// A strip above the canvas that tells of a problem the user did not cause by a
// click (an automatic save that failed) without taking the focus or stopping
// the work: a warning sign, the message, one action and a close button.
class NoticeBar : public QFrame {
    Q_OBJECT

public:
    // Without `actionText` the bar only tells, with nothing to do but close it.
    explicit NoticeBar(const QString& actionText, QWidget* parent = nullptr);

    // Shows `message` (again, if it was closed).
    void showMessage(const QString& message);
    QString message() const;

signals:
    void actionTriggered();

private:
    QLabel* text_ = nullptr;
};

} // namespace vistrelle
