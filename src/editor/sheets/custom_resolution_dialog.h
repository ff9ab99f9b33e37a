#pragma once

#include "model/project_model.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

namespace vistrelle {

// Asks for a custom width and height; it closes only on valid numbers of at
// least 1024 × 768, and otherwise says in red what is wrong.
class CustomResolutionDialog : public QDialog {
    Q_OBJECT

public:
    // `mode` is the orientation the resolution gets; without one, it follows
    // the shape (taller than wide is vertical).
    CustomResolutionDialog(const QString& widthText, const QString& heightText,
                           std::optional<ScreenMode> mode, QWidget* parent = nullptr);

    QString widthText() const;
    QString heightText() const;
    // The accepted resolution (meaningful after the dialog was accepted).
    ScreenResolution resolution() const { return resolution_; }
    // What is wrong with the last attempt; empty when nothing is.
    QString errorText() const;

    void accept() override;

private:
    QLineEdit* width_;
    QLineEdit* height_;
    QLabel* error_;
    std::optional<ScreenMode> mode_;
    ScreenResolution resolution_;
};

} // namespace vistrelle
