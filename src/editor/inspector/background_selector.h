#pragma once

#include "model/project_model.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QStackedWidget;

namespace vistrelle {

class ColorButton;

// Edits a screen's or the project's background: a colour, a gradient (one of
// the predefined ones or custom colours and direction) or an image. Every
// change by the user is reported at once with the whole new style.
class BackgroundSelector : public QWidget {
    Q_OBJECT

public:
    // Turns a file the user picked into the path the style stores.
    using StoredPathFor = std::function<QString(const QString& absoluteFilePath)>;

    // Without `storedPathFor`, picked files are stored by PathResolver::storedPathFor.
    explicit BackgroundSelector(StoredPathFor storedPathFor = {}, QWidget* parent = nullptr);

    // Shows `style` without reporting anything.
    void setBackground(const BackgroundStyle& style);
    const BackgroundStyle& background() const { return style_; }

signals:
    void backgroundEdited(const BackgroundStyle& style);
    // Around the picture's file dialog: what it chooses belongs to the screen it was opened for.
    void dialogOpened();
    void dialogClosed();

private:
    QWidget* makeTypeChoice();
    QWidget* makeColorPage();
    QWidget* makeGradientPage();
    QWidget* makeImagePage();

    void chooseType(BackgroundType type);
    void choosePredefinedGradient(int index);
    void chooseImage();
    void imageChosen(const QString& file);
    void removeImage();

    // Writes the current type's values into the style and reports it.
    void write();
    void showType();
    void showImage();
    void markSelectedGradient();

    StoredPathFor storedPathFor_;
    BackgroundStyle style_;
    std::optional<QString> imagePath_;
    std::optional<QString> previewPath_; // the path whose preview is shown

    QButtonGroup* typeButtons_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    ColorButton* colorWell_ = nullptr;
    QList<QAbstractButton*> gradientSwatches_;
    ColorButton* startWell_ = nullptr;
    ColorButton* endWell_ = nullptr;
    QComboBox* direction_ = nullptr;
    QStackedWidget* imageStates_ = nullptr;
    QLabel* imagePreview_ = nullptr;
    QLabel* imageName_ = nullptr;
};

} // namespace vistrelle
