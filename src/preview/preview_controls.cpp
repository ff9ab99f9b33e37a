#include "preview/preview_controls.h"

#include "render/symbol_catalog.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace vistrelle {

PreviewControls::PreviewControls(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(10, 8, 10, 8);
    row->setSpacing(4);

    QToolButton* zoomOut = addButton(QStringLiteral("minus.magnifyingglass"), 14, tr("Zoom Out"));
    zoomLabel_ = new QLabel(this);
    QFont labelFont = zoomLabel_->font();
    labelFont.setPointSizeF(11);
    labelFont.setWeight(QFont::Medium);
    zoomLabel_->setFont(labelFont);
    zoomLabel_->setFixedWidth(45);
    zoomLabel_->setAlignment(Qt::AlignCenter);
    zoomLabel_->setStyleSheet(QStringLiteral("color: white;"));
    QToolButton* zoomIn = addButton(QStringLiteral("plus.magnifyingglass"), 14, tr("Zoom In"));
    sizeButton_ = addButton(QString(), 14, QString());
    sizeButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    sizeButton_->setFont(labelFont);
    sizeButton_->setFixedSize(48, 28);
    sizeButton_->setStyleSheet(sizeButton_->styleSheet() + QStringLiteral("QToolButton { color: white; }"));
    setFitting(true);
    auto* divider = new QWidget(this);
    divider->setFixedSize(1, 24);
    divider->setStyleSheet(QStringLiteral("background: rgba(255, 255, 255, 0.3);"));
    QToolButton* close = addButton(QStringLiteral("xmark"), 13, tr("Close Preview (Esc)"));

    row->addWidget(zoomOut);
    row->addWidget(zoomLabel_);
    row->addWidget(zoomIn);
    row->addWidget(sizeButton_);
    row->addSpacing(4);
    row->addWidget(divider);
    row->addSpacing(4);
    row->addWidget(close);

    connect(zoomOut, &QToolButton::clicked, this, &PreviewControls::zoomOutClicked);
    connect(zoomIn, &QToolButton::clicked, this, &PreviewControls::zoomInClicked);
    connect(sizeButton_, &QToolButton::clicked, this,
            [this] { fitting_ ? emit actualSizeClicked() : emit fitClicked(); });
    connect(close, &QToolButton::clicked, this, &PreviewControls::closeClicked);

    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setColor(QColor(0, 0, 0, 77));
    shadow->setBlurRadius(8);
    shadow->setOffset(0, 2);
    setGraphicsEffect(shadow);
}

QToolButton* PreviewControls::addButton(const QString& symbol, int symbolSize, const QString& tip) {
    auto* button = new QToolButton(this);
    if (!symbol.isEmpty()) {
        const qreal ratio = devicePixelRatioF();
        QPixmap picture = QPixmap::fromImage(SymbolCatalog::shared().image(
            symbol, int(std::ceil(symbolSize * ratio)), Qt::white, SymbolWeight::semibold));
        picture.setDevicePixelRatio(ratio);
        button->setIcon(QIcon(picture));
        button->setIconSize(QSize(symbolSize, symbolSize));
    }
    button->setFixedSize(28, 28);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setFocusPolicy(Qt::NoFocus); // Escape and the page keep the keyboard
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoRaise(true);
    button->setStyleSheet(
        QStringLiteral("QToolButton { border: none; border-radius: 6px; background: transparent; }"
                       "QToolButton:hover { background: rgba(255, 255, 255, 0.15); }"
                       "QToolButton:pressed { background: rgba(255, 255, 255, 0.3); }"));
    return button;
}

void PreviewControls::setZoomLabel(const QString& text) {
    zoomLabel_->setText(text);
}

void PreviewControls::setFitting(bool fitting) {
    fitting_ = fitting;
    sizeButton_->setText(fitting ? tr("100%") : tr("Fit"));
    const QString tip = fitting ? tr("Actual Size (Ctrl+0)") : tr("Fit to Window (Ctrl+9)");
    sizeButton_->setToolTip(tip);
    sizeButton_->setAccessibleName(tip);
}

void PreviewControls::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    // A dark translucent plate: the screen shows through, the white controls stay readable on any screen.
    painter.fillPath(shape, QColor(28, 28, 30, 200));
    painter.strokePath(shape, QPen(QColor(255, 255, 255, 51), 1));
}

} // namespace vistrelle
