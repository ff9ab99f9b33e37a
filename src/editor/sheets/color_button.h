#pragma once

#include <QPushButton>

namespace vistrelle {

// A button showing a colour swatch and its "#RRGGBB" text; a click opens the
// colour dialog.
class ColorButton : public QPushButton {
    Q_OBJECT

public:
    explicit ColorButton(const QString& color, QWidget* parent = nullptr);

    // "#RRGGBB" in upper case.
    QString color() const { return color_; }
    // Text that is not a colour is ignored.
    void setColor(const QString& color);

signals:
    void colorChanged(const QString& color);

private:
    void chooseColor();

    QString color_;
};

} // namespace vistrelle
