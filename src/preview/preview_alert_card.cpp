#include "preview/preview_alert_card.h"

#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistrelle {

namespace {

// The card: a rounded plate in the application's control background colour (not the black window's).
class Card : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), 12, 12);
        painter.fillPath(shape, palette().color(QPalette::Base));
    }
    void mousePressEvent(QMouseEvent* event) override { event->accept(); } // clicks on the card do nothing
};

} // namespace

PreviewAlertCard::PreviewAlertCard(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    card_ = new Card(this);
    card_->setPalette(QApplication::palette());
    auto* column = new QVBoxLayout(card_);
    column->setContentsMargins(30, 30, 30, 30);
    column->setSpacing(20);
    title_ = new QLabel(card_);
    QFont titleFont = title_->font();
    titleFont.setPointSizeF(17);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    title_->setAlignment(Qt::AlignCenter);
    title_->setWordWrap(true);
    message_ = new QLabel(card_);
    QFont messageFont = message_->font();
    messageFont.setPointSizeF(std::max(messageFont.pointSizeF(), 12.0));
    message_->setFont(messageFont);
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    title_->setTextFormat(Qt::PlainText);
    ok_ = new QPushButton(tr("OK"), card_);
    ok_->setDefault(true);
    ok_->setMinimumWidth(100);
    ok_->setFocusPolicy(Qt::NoFocus);
    column->addWidget(title_);
    column->addWidget(message_);
    column->addWidget(ok_, 0, Qt::AlignHCenter);
    connect(ok_, &QPushButton::clicked, this, &PreviewAlertCard::dismissed);

    auto* shadow = new QGraphicsDropShadowEffect(card_);
    shadow->setColor(QColor(0, 0, 0, 77));
    shadow->setBlurRadius(20);
    shadow->setOffset(0, 5);
    card_->setGraphicsEffect(shadow);
    hide();
}

void PreviewAlertCard::present(const QString& title, const QString& message) {
    title_->setText(title);
    message_->setText(message);
    setGeometry(parentWidget() ? parentWidget()->rect() : rect());
    placeCard();
    show();
    raise();
    setFocus();
}

void PreviewAlertCard::placeCard() {
    const int width = std::min(400, std::max(200, this->width() - 40));
    card_->setFixedWidth(width);
    const int height = card_->layout()->heightForWidth(width);
    card_->setFixedHeight(height > 0 ? height : card_->sizeHint().height());
    card_->move((this->width() - width) / 2, (this->height() - card_->height()) / 2);
}

void PreviewAlertCard::resizeEvent(QResizeEvent*) {
    placeCard();
}

void PreviewAlertCard::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), QColor(0, 0, 0, 179));
}

void PreviewAlertCard::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit dismissed(); // a click on the backdrop
}

void PreviewAlertCard::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit dismissed();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace vistrelle
