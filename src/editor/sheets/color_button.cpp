#include "editor/sheets/color_button.h"

#include "model/color_text.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace vistrelle {

namespace {

QIcon swatch(const QColor& color, const QColor& outline) {
    QPixmap picture(28, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(outline);
    painter.setBrush(color);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 27, 15), 3, 3);
    return QIcon(picture);
}

} // namespace

ColorButton::ColorButton(const QString& color, QWidget* parent)
    : QPushButton(parent)
    , color_(QStringLiteral("#FFFFFF")) {
    setIconSize(QSize(28, 16));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setColor(color_); // shows white when `color` is not a colour
    setColor(color);
    connect(this, &QPushButton::clicked, this, &ColorButton::chooseColor);
}

void ColorButton::setColor(const QString& color) {
    const std::optional<QColor> parsed = parseColor(color);
    const std::optional<QString> text = parsed ? formatColor(*parsed) : std::nullopt;
    if (!text)
        return;
    const bool changed = *text != color_;
    color_ = *text;
    setText(color_);
    setIcon(swatch(*parsed, palette().color(QPalette::Mid)));
    if (changed)
        emit colorChanged(color_);
}

void ColorButton::chooseColor() {
    if (dialog_) {
        dialog_->raise();
        return;
    }
    auto* dialog = new QColorDialog(*parseColor(color_), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Choose Color"));
    dialog_ = dialog;
    const QString original = color_;
    emit editingStarted();
    connect(dialog, &QColorDialog::currentColorChanged, this, [this](const QColor& color) {
        if (color.isValid())
            setColor(color.name(QColor::HexRgb));
    });
    connect(dialog, &QColorDialog::finished, this, [this, dialog, original](int result) {
        if (result == QDialog::Accepted && dialog->selectedColor().isValid())
            setColor(dialog->selectedColor().name(QColor::HexRgb));
        else
            setColor(original);
        emit editingFinished();
    });
    dialog->open();
}

} // namespace vistrelle
