#pragma once

#include <QPointer>
#include <QPushButton>

class QColorDialog;

namespace vistrelle {

// A button showing a colour swatch and its "#RRGGBB" text; a click opens the
// colour dialog as a sheet, and every colour tried in it shows at once
// (colorChanged); Cancel goes back to the colour it started with.
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
    // Around a session in the colour dialog: its colours belong to one edit.
    void editingStarted();
    void editingFinished();

private:
    void chooseColor();

    QString color_;
    QPointer<QColorDialog> dialog_;
};

} // namespace vistrelle
