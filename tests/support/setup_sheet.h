#pragma once

#include <QApplication>
#include <QDialog>
#include <QWidget>

#include <functional>

namespace vistrelle::test_support {

// A new document opens with its project setup sheet (window-modal, shown with open()): lets the posted
// first show run, fills the sheet in with `fill` and accepts it. Returns how many sheets were answered.
inline int acceptProjectSetup(const std::function<void(QDialog&)>& fill = {}) {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    int answered = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || !top->inherits("vistrelle::ProjectSetupSheet"))
            continue;
        auto* sheet = static_cast<QDialog*>(top);
        if (fill)
            fill(*sheet);
        sheet->accept();
        ++answered;
    }
    return answered;
}

} // namespace vistrelle::test_support
