#pragma once

#include <QFrame>

class QLabel;

namespace vistrelle {

// What a web view shows in its frame when its page cannot be shown: the address it was given and why,
// instead of a blank box.
class PreviewPageError : public QFrame {
    Q_OBJECT

public:
    PreviewPageError(const QString& address, const QString& reason, QWidget* parent = nullptr);

    QString address() const;
    QString reason() const;

private:
    QLabel* address_ = nullptr;
    QLabel* reason_ = nullptr;
};

} // namespace vistrelle
