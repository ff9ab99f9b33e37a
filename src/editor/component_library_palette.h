#pragma once

#include "model/enumerations.h"

#include <QWidget>

namespace vistrelle {

// One card of the component library: the type's symbol and name. Dragging it
// carries the type's stored name as plain text, which the canvas turns into a
// component at the drop point.
class ComponentCard : public QWidget {
    Q_OBJECT

public:
    ComponentCard(ComponentType type, QWidget* parent = nullptr);

    ComponentType type() const { return type_; }
    // The symbol of each type's card.

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ComponentType type_;
    QPoint pressPoint_;
    bool pressed_ = false;
};

// The palette of the eight component cards, in the order of the types.
class ComponentLibraryPalette : public QWidget {
    Q_OBJECT

public:
    explicit ComponentLibraryPalette(QWidget* parent = nullptr);
};

} // namespace vistrelle
