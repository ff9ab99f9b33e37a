#pragma once

#include "model/project_model.h"

#include <QWidget>

#include <optional>

class QComboBox;

namespace vistrelle {

// A drop-down of screen resolutions: the presets, the custom resolution if
// there is one, "Other..." to enter a custom one and, while the custom one is
// selected, "Edit..." to change it.
class ResolutionPicker : public QWidget {
    Q_OBJECT

public:
    enum class Listing {
        oneOrientation,   // the presets of mode()
        bothOrientations, // every preset, each with its orientation's symbol
    };

    explicit ResolutionPicker(Listing listing, QWidget* parent = nullptr);

    ScreenMode mode() const { return mode_; }
    // With one orientation listed, the selection moves to the preset in the
    // same place of the other list; a custom resolution keeps its size and
    // takes the new orientation.
    void setMode(ScreenMode mode);

    ScreenResolution selectedResolution() const { return selected_; }
    // A resolution that is not one of the listed presets becomes the custom one.
    void setSelectedResolution(const ScreenResolution& resolution);
    std::optional<ScreenResolution> customResolution() const { return custom_; }

    QComboBox* comboBox() const { return combo_; }

signals:
    void selectedResolutionChanged(const ScreenResolution& resolution);

private:
    QList<ScreenResolution> listedPresets() const;
    QList<ScreenResolution> listedResolutions() const;
    void rebuild();
    void select(const ScreenResolution& resolution);
    void entryActivated(int index);
    void openCustomDialog(const QString& widthText, const QString& heightText);

    QComboBox* combo_;
    Listing listing_;
    ScreenMode mode_ = ScreenMode::horizontal;
    ScreenResolution selected_;
    std::optional<ScreenResolution> custom_;
    // What was last typed into the custom dialog, offered again by "Other...".
    QString customWidthText_ = QStringLiteral("1024");
    QString customHeightText_ = QStringLiteral("768");
};

} // namespace vistrelle
