#include "editor/sheets/resolution_picker.h"

#include "editor/sheets/custom_resolution_dialog.h"
#include "editor/sheets/project_setup.h"
#include "editor/sheets/symbol_icon.h"

#include <QComboBox>
#include <QHBoxLayout>

namespace vistrelle {

namespace {

// Item data of the entries that are not resolutions.
constexpr int kOtherEntry = -1;
constexpr int kEditEntry = -2;

QIcon orientationIcon(ScreenMode mode) {
    return symbolIcon(mode == ScreenMode::vertical ? QStringLiteral("rectangle.portrait")
                                                   : QStringLiteral("rectangle"));
}

} // namespace

ResolutionPicker::ResolutionPicker(Listing listing, QWidget* parent)
    : QWidget(parent)
    , combo_(new QComboBox(this))
    , listing_(listing) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(combo_);
    setFocusProxy(combo_);
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(combo_, &QComboBox::activated, this, &ResolutionPicker::entryActivated);
    rebuild();
}

void ResolutionPicker::setMode(ScreenMode mode) {
    if (mode == mode_)
        return;
    const QList<ScreenResolution> before = listedPresets();
    mode_ = mode;
    if (listing_ == Listing::bothOrientations)
        return;

    if (custom_)
        custom_->mode = mode;
    ScreenResolution selection = selected_;
    const qsizetype place = before.indexOf(selected_);
    const QList<ScreenResolution> after = listedPresets();
    if (place >= 0)
        selection = after.value(place, after.first());
    else if (custom_)
        selection = *custom_;
    select(selection);
}

void ResolutionPicker::setSelectedResolution(const ScreenResolution& resolution) {
    if (!listedPresets().contains(resolution)) {
        custom_ = resolution;
        customWidthText_ = QString::number(resolution.width);
        customHeightText_ = QString::number(resolution.height);
    }
    select(resolution);
}

QList<ScreenResolution> ResolutionPicker::listedPresets() const {
    if (listing_ == Listing::oneOrientation)
        return ScreenResolution::presets(mode_);
    return ScreenResolution::presets(ScreenMode::horizontal) +
           ScreenResolution::presets(ScreenMode::vertical);
}

QList<ScreenResolution> ResolutionPicker::listedResolutions() const {
    QList<ScreenResolution> listed = listedPresets();
    if (custom_ && !listed.contains(*custom_))
        listed.append(*custom_);
    return listed;
}

void ResolutionPicker::select(const ScreenResolution& resolution) {
    const bool changed = resolution != selected_;
    selected_ = resolution;
    rebuild();
    if (changed)
        emit selectedResolutionChanged(selected_);
}

void ResolutionPicker::rebuild() {
    const QList<ScreenResolution> listed = listedResolutions();
    combo_->clear();
    for (qsizetype i = 0; i < listed.size(); ++i) {
        const ScreenResolution& resolution = listed[i];
        if (listing_ == Listing::bothOrientations)
            combo_->addItem(orientationIcon(resolution.mode), resolutionLabel(resolution), int(i));
        else
            combo_->addItem(resolutionLabel(resolution), int(i));
    }
    combo_->insertSeparator(combo_->count());
    combo_->addItem(tr("Other..."), kOtherEntry);
    const bool customSelected = custom_ && selected_ == *custom_;
    if (customSelected)
        combo_->addItem(tr("Edit..."), kEditEntry);
    combo_->setCurrentIndex(int(listed.indexOf(selected_)));
}

void ResolutionPicker::entryActivated(int index) {
    const QVariant data = combo_->itemData(index);
    if (!data.isValid()) // the separator
        return;
    const int entry = data.toInt();
    if (entry >= 0) {
        select(listedResolutions().value(entry, selected_));
        return;
    }
    // "Other..." and "Edit..." are actions, not choices: the selection stays
    // until the dialog delivers a resolution.
    combo_->setCurrentIndex(int(listedResolutions().indexOf(selected_)));
    if (entry == kEditEntry && custom_)
        openCustomDialog(QString::number(custom_->width), QString::number(custom_->height));
    else if (entry == kOtherEntry)
        openCustomDialog(customWidthText_, customHeightText_);
}

void ResolutionPicker::openCustomDialog(const QString& widthText, const QString& heightText) {
    const std::optional<ScreenMode> mode =
        listing_ == Listing::oneOrientation ? std::optional(mode_) : std::nullopt;
    auto* dialog = new CustomResolutionDialog(widthText, heightText, mode, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        customWidthText_ = dialog->widthText().trimmed();
        customHeightText_ = dialog->heightText().trimmed();
        custom_ = dialog->resolution();
        select(*custom_);
    });
    dialog->open();
}

} // namespace vistrelle
