#include "editor/component_library_palette.h"

#include "editor/drag_start.h"
#include "editor/sheets/symbol_icon.h"
#include "model/stored_enum.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vistrelle {

ComponentCard::ComponentCard(ComponentType type, QWidget* parent)
    : QWidget(parent)
    , type_(type) {
    const QString name = QApplication::translate("ComponentType", qPrintable(storedString(type)));
    setToolTip(tr("Drag to add %1").arg(name));
    setAccessibleName(name);
    setCursor(Qt::OpenHandCursor);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    auto* symbol = new QLabel(this);
    symbol->setFixedSize(28, 28);
    symbol->setAlignment(Qt::AlignCenter);
    symbol->setPixmap(symbolPixmap(componentSymbolName(type), 24, palette().color(QPalette::Highlight),
                                   devicePixelRatioF()));
    auto* title = new QLabel(name, this);
    QFont headline = title->font();
    headline.setBold(true);
    title->setFont(headline);
    layout->addWidget(symbol);
    layout->addWidget(title, 1);
}

void ComponentCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = palette().color(QPalette::WindowText);
    fill.setAlphaF(0.08);
    QColor outline = palette().color(QPalette::WindowText);
    outline.setAlphaF(0.15);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
}

void ComponentCard::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressPoint_ = event->position().toPoint();
        pressed_ = true;
    }
}

void ComponentCard::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_)
        return;
    const auto typeName = [this] {
        auto* data = new QMimeData;
        data->setText(storedString(type_));
        return data;
    };
    if (startDragWhenMoved(*this, *event, pressPoint_, typeName, Qt::CopyAction))
        pressed_ = false;
}

ComponentLibraryPalette::ComponentLibraryPalette(QWidget* parent)
    : QWidget(parent) {
    setMinimumSize(203, 150);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 12, 0, 0);
    layout->setSpacing(8);

    auto* heading = new QLabel(tr("Components"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.15);
    heading->setFont(headingFont);
    heading->setContentsMargins(12, 0, 12, 0);
    heading->setObjectName(QStringLiteral("paletteHeading"));
    layout->addWidget(heading);

    auto* divider = new QFrame(this);
    divider->setObjectName(QStringLiteral("paletteHeading"));
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    layout->addWidget(divider);

    auto* list = new QWidget;
    auto* cards = new QVBoxLayout(list);
    cards->setContentsMargins(12, 4, 12, 12);
    cards->setSpacing(8);
    for (const ComponentType type : allCases<ComponentType>())
        cards->addWidget(new ComponentCard(type, list));
    cards->addStretch(1);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(scroll, 1);
}

} // namespace vistrelle
