#include "editor/notice_bar.h"

#include "editor/sheets/symbol_icon.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace vistrelle {

namespace {
const QColor noticeBackground(255, 244, 206);
const QColor noticeBorder(230, 190, 90);
const QColor noticeText(70, 50, 0);
const QColor warningSign(200, 120, 0);
} // namespace

NoticeBar::NoticeBar(const QString& actionText, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("noticeBar"));
    setAccessibleName(tr("Notice"));
    // Its own colours, readable in light and dark themes alike.
    setStyleSheet(QStringLiteral("#noticeBar { background: %1; border-bottom: 1px solid %2; }"
                                 "#noticeBar QLabel { color: %3; }")
                      .arg(noticeBackground.name(), noticeBorder.name(), noticeText.name()));

    auto* sign = new QLabel(this);
    sign->setPixmap(
        symbolPixmap(QStringLiteral("exclamationmark.triangle.fill"), 18, warningSign, devicePixelRatioF()));
    text_ = new QLabel(this);
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    auto* action = new QPushButton(actionText, this);
    action->setFocusPolicy(Qt::TabFocus); // never takes the focus from the canvas by appearing
    action->setVisible(!actionText.isEmpty());
    connect(action, &QPushButton::clicked, this, &NoticeBar::actionTriggered);

    auto* close = new QToolButton(this);
    close->setIcon(symbolIcon(QStringLiteral("xmark")));
    close->setAutoRaise(true);
    close->setToolTip(tr("Close"));
    close->setAccessibleName(tr("Close"));
    connect(close, &QToolButton::clicked, this, &QWidget::hide);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 6, 6, 6);
    layout->setSpacing(10);
    layout->addWidget(sign, 0, Qt::AlignTop);
    layout->addWidget(text_, 1);
    layout->addWidget(action, 0, Qt::AlignVCenter);
    layout->addWidget(close, 0, Qt::AlignVCenter);
    hide();
}

void NoticeBar::showMessage(const QString& message) {
    text_->setText(message);
    show();
}

QString NoticeBar::message() const {
    return isHidden() ? QString() : text_->text();
}

} // namespace vistrelle
