#include "preview/preview_page_error.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vistrelle {

PreviewPageError::PreviewPageError(const QString& address, const QString& reason, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("pageError"));
    // Its own colours: it stands on whatever the screen draws under the page.
    setStyleSheet(QStringLiteral("#pageError { background: #F2F2F7; border: 1px solid #C7C7CC; }"
                                 "#pageError QLabel { color: #3A3A3C; background: transparent; }"));
    auto* title = new QLabel(tr("This page cannot be shown"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    address_ = new QLabel(address, this);
    address_->setTextFormat(Qt::PlainText);
    address_->setWordWrap(true);
    reason_ = new QLabel(reason, this);
    reason_->setTextFormat(Qt::PlainText);
    reason_->setWordWrap(true);
    for (QLabel* label : {title, address_, reason_})
        label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addStretch();
    layout->addWidget(title);
    layout->addWidget(address_);
    layout->addWidget(reason_);
    layout->addStretch();
}

QString PreviewPageError::address() const {
    return address_->text();
}

QString PreviewPageError::reason() const {
    return reason_->text();
}

} // namespace vistrelle
