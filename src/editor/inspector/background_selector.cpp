#include "editor/inspector/background_selector.h"

#include "editor/sheets/color_button.h"
#include "editor/sheets/sheet_layout.h"
#include "editor/sheets/symbol_icon.h"
#include "media/path_resolver.h"
#include "model/color_text.h"
#include "render/background_renderer.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace vistrelle {

namespace {

// The named colours of the predefined gradients and of a new gradient.
namespace hue {
constexpr QRgb orange = 0xFF9500;
constexpr QRgb pink = 0xFF2D55;
constexpr QRgb blue = 0x007AFF;
constexpr QRgb cyan = 0x32ADE6;
constexpr QRgb green = 0x34C759;
constexpr QRgb mint = 0x00C7BE;
constexpr QRgb purple = 0xAF52DE;
constexpr QRgb red = 0xFF3B30;
constexpr QRgb white = 0xFFFFFF;
constexpr QRgb black = 0x000000;
constexpr QRgb yellow = 0xFFCC00;
constexpr QRgb brown = 0xA2845E;
constexpr QRgb gray = 0x8E8E93;
} // namespace hue

struct PredefinedGradient {
    const char* name;
    QRgb start;
    QRgb end;
};

constexpr std::array<PredefinedGradient, 12> kPredefinedGradients{{
    {QT_TRANSLATE_NOOP("vistrelle::BackgroundSelector", "Sunset"), hue::orange, hue::pink},
    {QT_TRANSLATE_NOOP("vistrelle::BackgroundSelector", "Ocean"), hue::blue, hue::cyan},
    {QT_TRANSLATE_NOOP("vistrelle::BackgroundSelector", "Forest"), hue::green, hue::mint},
    {QT_TRANSLATE_NOOP("vistrelle::BackgroundSelector", "Lavender"), hue::purple, hue::pink},
    {QT_TRANSLATE_NOOP("vistrelle::BackgroundSelector", "Fire"), hue::red, hue::orange},
    {QT_TRANSLATE_NOOP("vistrelle::BackgroundSelector", "Sky"), hue::blue, hue::white},
    {QT_TRANSLATE_NOOP("vistrelle::BackgroundSelector", "Midnight"), hue::black, hue::blue},
    {QT_TRANSLATE_NOOP("vistrelle::BackgroundSelector", "Spring"), hue::green, hue::yellow},
    {QT_TRANSLATE_NOOP("vistrelle::BackgroundSelector", "Autumn"), hue::orange, hue::brown},
    {QT_TRANSLATE_NOOP("vistrelle::BackgroundSelector", "Neon"), hue::cyan, hue::pink},
    {QT_TRANSLATE_NOOP("vistrelle::BackgroundSelector", "Corporate"), hue::gray, hue::white},
    {QT_TRANSLATE_NOOP("vistrelle::BackgroundSelector", "Royal"), hue::purple, hue::yellow},
}};

constexpr int kSwatchColumns = 3;
constexpr int kSwatchHeight = 36;
constexpr QSize kPreviewBox(160, 100);
constexpr int kPhotoSymbolSize = 40;

// The pages of the type choice, in the order of the buttons.
constexpr std::array<BackgroundType, 3> kTypeOrder{BackgroundType::color, BackgroundType::gradient,
                                                   BackgroundType::image};

int pageOf(BackgroundType type) {
    return int(std::find(kTypeOrder.begin(), kTypeOrder.end(), type) - kTypeOrder.begin());
}

QString colorText(QRgb rgb, const char* fallback) {
    return formatColor(QColor(rgb)).value_or(QString::fromLatin1(fallback));
}

// `text` as "#RRGGBB", or `fallback` when it is no colour.
QString formattedOr(const QString& text, const QString& fallback) {
    const std::optional<QColor> color = parseColor(text);
    return color ? formatColor(*color).value_or(fallback) : fallback;
}

QString defaultGradientStart() {
    return colorText(hue::blue, "#0000FF");
}

QString defaultGradientEnd() {
    return colorText(hue::purple, "#8000FF");
}

QLabel* makeHeading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    return label;
}

// A predefined gradient: its colours in a rounded field, its name below.
// Checked while the custom colours are its colours.
class GradientSwatch : public QAbstractButton {
public:
    GradientSwatch(const QString& name, QColor start, QColor end, QWidget* parent)
        : QAbstractButton(parent)
        , start_(start)
        , end_(end) {
        setText(name);
        setToolTip(name);
        setCheckable(true);
        setCursor(Qt::PointingHandCursor);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        QFont small = font();
        if (small.pointSizeF() > 0)
            small.setPointSizeF(small.pointSizeF() * 0.85);
        setFont(small);
    }

    QSize sizeHint() const override { return {80, kSwatchHeight + 4 + fontMetrics().height()}; }
    QSize minimumSizeHint() const override { return {48, sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF field(1, 1, width() - 2, kSwatchHeight - 2);
        QLinearGradient gradient(field.topLeft(), field.bottomRight());
        gradient.setColorAt(0, start_);
        gradient.setColorAt(1, end_);
        painter.setBrush(gradient);
        const bool marked = isChecked() || hasFocus();
        painter.setPen(marked ? QPen(palette().color(QPalette::Highlight), 2)
                              : QPen(palette().color(QPalette::Mid), 1));
        painter.drawRoundedRect(field, 6, 6);

        const QRectF caption(0, kSwatchHeight + 4, width(), fontMetrics().height());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop,
                         fontMetrics().elidedText(text(), Qt::ElideRight, width()));
    }

private:
    QColor start_;
    QColor end_;
};

// The picture at `storedPath`, decoded no larger than the preview; none when it cannot be read.
QPixmap loadPreview(const QString& storedPath, qreal devicePixelRatio) {
    QImageReader reader(PathResolver::shared().resolvePath(storedPath));
    reader.setAutoTransform(true);
    const QSizeF box = QSizeF(kPreviewBox) * devicePixelRatio;
    const QSize full = reader.size();
    if (full.isValid() && !full.isEmpty())
        reader.setScaledSize(PathResolver::downscaledSize(QSizeF(full), box.width(), box.height())
                                 .toSize()
                                 .expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.width() > box.width() || image.height() > box.height())
        image = image.scaled(box.toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

QPixmap placeholderPreview(qreal devicePixelRatio) {
    QPixmap picture(kPreviewBox * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(placeholderGrey());
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(kPreviewBox)), 6, 6);
    return picture;
}

} // namespace

BackgroundSelector::BackgroundSelector(StoredPathFor storedPathFor, QWidget* parent)
    : QWidget(parent)
    , storedPathFor_(std::move(storedPathFor)) {
    if (!storedPathFor_)
        storedPathFor_ = [](const QString& file) { return PathResolver::shared().storedPathFor(file); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(makeTypeChoice());

    pages_ = new QStackedWidget(this);
    pages_->addWidget(makeColorPage());
    pages_->addWidget(makeGradientPage());
    pages_->addWidget(makeImagePage());
    layout->addWidget(pages_);

    setBackground(style_);
}

QWidget* BackgroundSelector::makeTypeChoice() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(new QLabel(tr("Type"), row));

    // Segmented: the buttons touch.
    auto* segments = new QHBoxLayout;
    segments->setSpacing(0);
    typeButtons_ = new QButtonGroup(this);
    typeButtons_->setExclusive(true);
    const std::array<QString, 3> titles{tr("Color"), tr("Gradient"), tr("Image")};
    const std::array<const char*, 3> names{"typeColor", "typeGradient", "typeImage"};
    for (std::size_t i = 0; i < kTypeOrder.size(); ++i) {
        auto* button = new QPushButton(titles[i], row);
        button->setObjectName(QString::fromLatin1(names[i]));
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        typeButtons_->addButton(button, int(i));
        segments->addWidget(button);
    }
    layout->addLayout(segments, 1);
    connect(typeButtons_, &QButtonGroup::idClicked, this, [this](int id) { chooseType(kTypeOrder.at(id)); });
    return row;
}

QWidget* BackgroundSelector::makeColorPage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    colorWell_ = new ColorButton(style_.color, page);
    colorWell_->setObjectName(QStringLiteral("backgroundColor"));
    form->addRow(tr("Color"), colorWell_);
    connect(colorWell_, &ColorButton::colorChanged, this, [this] { write(); });
    return page;
}

QWidget* BackgroundSelector::makeGradientPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    layout->addWidget(makeHeading(tr("Predefined Gradients"), page));
    auto* grid = new QGridLayout;
    grid->setSpacing(8);
    for (int i = 0; i < int(kPredefinedGradients.size()); ++i) {
        const PredefinedGradient& preset = kPredefinedGradients[std::size_t(i)];
        auto* swatch = new GradientSwatch(tr(preset.name), QColor(preset.start), QColor(preset.end), page);
        swatch->setObjectName(QStringLiteral("gradient") + QString::fromLatin1(preset.name));
        grid->addWidget(swatch, i / kSwatchColumns, i % kSwatchColumns);
        gradientSwatches_.append(swatch);
        connect(swatch, &QAbstractButton::clicked, this, [this, i] { choosePredefinedGradient(i); });
    }
    layout->addLayout(grid);

    layout->addSpacing(4);
    layout->addWidget(makeHeading(tr("Custom Gradient"), page));
    auto* form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    startWell_ = new ColorButton(defaultGradientStart(), page);
    startWell_->setObjectName(QStringLiteral("gradientStart"));
    endWell_ = new ColorButton(defaultGradientEnd(), page);
    endWell_->setObjectName(QStringLiteral("gradientEnd"));
    direction_ = new QComboBox(page);
    direction_->setObjectName(QStringLiteral("gradientDirection"));
    direction_->addItem(tr("Horizontal"), int(GradientDirection::horizontal));
    direction_->addItem(tr("Vertical"), int(GradientDirection::vertical));
    direction_->addItem(tr("Diagonal"), int(GradientDirection::diagonal));
    form->addRow(tr("Start Color"), startWell_);
    form->addRow(tr("End Color"), endWell_);
    form->addRow(tr("Direction"), direction_);
    layout->addLayout(form);

    const auto edited = [this] {
        markSelectedGradient();
        write();
    };
    connect(startWell_, &ColorButton::colorChanged, this, edited);
    connect(endWell_, &ColorButton::colorChanged, this, edited);
    connect(direction_, &QComboBox::activated, this, [this] { write(); });
    return page;
}

QWidget* BackgroundSelector::makeImagePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(makeHeading(tr("Background Image"), page));

    imageStates_ = new QStackedWidget(page);

    auto* empty = new QWidget(imageStates_);
    auto* emptyLayout = new QVBoxLayout(empty);
    emptyLayout->setContentsMargins(0, 8, 0, 8);
    emptyLayout->setSpacing(6);
    auto* symbol = new QLabel(empty);
    symbol->setPixmap(symbolPixmap(QStringLiteral("photo"), kPhotoSymbolSize, palette().color(QPalette::Mid),
                                   devicePixelRatioF()));
    symbol->setAlignment(Qt::AlignCenter);
    emptyLayout->addWidget(symbol);
    auto* none = makeNoteLabel(tr("No image selected"), empty);
    none->setAlignment(Qt::AlignCenter);
    emptyLayout->addWidget(none);
    auto* choose = new QPushButton(tr("Choose Image"), empty);
    choose->setObjectName(QStringLiteral("chooseImage"));
    emptyLayout->addWidget(choose, 0, Qt::AlignHCenter);
    imageStates_->addWidget(empty);

    auto* chosen = new QWidget(imageStates_);
    auto* chosenLayout = new QVBoxLayout(chosen);
    chosenLayout->setContentsMargins(0, 0, 0, 0);
    chosenLayout->setSpacing(6);
    chosenLayout->addWidget(makeNoteLabel(tr("Selected Image"), chosen));
    imagePreview_ = new QLabel(chosen);
    imagePreview_->setObjectName(QStringLiteral("imagePreview"));
    imagePreview_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    imagePreview_->setMaximumSize(kPreviewBox);
    chosenLayout->addWidget(imagePreview_);
    imageName_ = new QLabel(chosen);
    imageName_->setObjectName(QStringLiteral("imageName"));
    imageName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chosenLayout->addWidget(imageName_);
    auto* buttons = new QHBoxLayout;
    auto* change = new QPushButton(tr("Change Image"), chosen);
    change->setObjectName(QStringLiteral("changeImage"));
    auto* remove = new QPushButton(tr("Remove"), chosen);
    remove->setObjectName(QStringLiteral("removeImage"));
    buttons->addWidget(change);
    buttons->addWidget(remove);
    buttons->addStretch();
    chosenLayout->addLayout(buttons);
    imageStates_->addWidget(chosen);

    layout->addWidget(imageStates_);
    connect(choose, &QPushButton::clicked, this, &BackgroundSelector::chooseImage);
    connect(change, &QPushButton::clicked, this, &BackgroundSelector::chooseImage);
    connect(remove, &QPushButton::clicked, this, &BackgroundSelector::removeImage);
    return page;
}

void BackgroundSelector::setBackground(const BackgroundStyle& style) {
    style_ = style;

    const QSignalBlocker colorBlocker(colorWell_);
    const QSignalBlocker startBlocker(startWell_);
    const QSignalBlocker endBlocker(endWell_);
    colorWell_->setColor(formattedOr(style.color, QStringLiteral("#FFFFFF")));
    // Without a gradient of its own the style starts from the default colours.
    const std::optional<GradientStyle>& gradient = style.gradient;
    startWell_->setColor(gradient ? formattedOr(gradient->startColor, defaultGradientStart())
                                  : defaultGradientStart());
    endWell_->setColor(gradient ? formattedOr(gradient->endColor, defaultGradientEnd())
                                : defaultGradientEnd());
    const GradientDirection direction = gradient ? gradient->direction : GradientDirection::vertical;
    direction_->setCurrentIndex(direction_->findData(int(direction)));
    imagePath_ = style.imagePath;

    showType();
    showImage();
    markSelectedGradient();
}

void BackgroundSelector::chooseType(BackgroundType type) {
    if (type == style_.type)
        return;
    style_.type = type;
    showType();
    write();
}

void BackgroundSelector::choosePredefinedGradient(int index) {
    const PredefinedGradient& preset = kPredefinedGradients.at(std::size_t(index));
    {
        // One report for both colours.
        const QSignalBlocker startBlocker(startWell_);
        const QSignalBlocker endBlocker(endWell_);
        startWell_->setColor(colorText(preset.start, "#0000FF"));
        endWell_->setColor(colorText(preset.end, "#8000FF"));
    }
    markSelectedGradient();
    write();
}

void BackgroundSelector::chooseImage() {
    auto* dialog = new QFileDialog(this, tr("Select background image"));
    dialog->setObjectName(QStringLiteral("backgroundImageDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
    dialog->setNameFilter(tr("Images (%1)").arg(patterns.join(u' ')));
    if (imagePath_)
        dialog->setDirectory(QFileInfo(PathResolver::shared().resolvePath(*imagePath_)).absolutePath());
    connect(dialog, &QFileDialog::fileSelected, this, &BackgroundSelector::imageChosen);
    connect(dialog, &QDialog::finished, this, &BackgroundSelector::dialogClosed);
    emit dialogOpened();
    dialog->open();
}

void BackgroundSelector::imageChosen(const QString& file) {
    if (file.isEmpty())
        return;
    imagePath_ = storedPathFor_(file);
    showImage();
    write();
}

void BackgroundSelector::removeImage() {
    imagePath_.reset();
    showImage();
    write();
}

void BackgroundSelector::write() {
    switch (style_.type) {
    case BackgroundType::color:
        style_.color = formattedOr(colorWell_->color(), QStringLiteral("#FFFFFF"));
        break;
    case BackgroundType::gradient:
        style_.gradient = GradientStyle{startWell_->color(), endWell_->color(),
                                        GradientDirection(direction_->currentData().toInt())};
        break;
    case BackgroundType::image:
        style_.imagePath = imagePath_;
        break;
    }
    emit backgroundEdited(style_);
}

void BackgroundSelector::showType() {
    const int page = pageOf(style_.type);
    typeButtons_->button(page)->setChecked(true);
    // The selector takes the height of the page shown, not of the tallest (the colour page is one row).
    for (int i = 0; i < pages_->count(); ++i)
        pages_->widget(i)->setSizePolicy(i == page ? QSizePolicy::Preferred : QSizePolicy::Ignored,
                                         i == page ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    pages_->setCurrentIndex(page);
    pages_->updateGeometry();
}

void BackgroundSelector::showImage() {
    imageStates_->setCurrentIndex(imagePath_ ? 1 : 0);
    if (!imagePath_ || previewPath_ == imagePath_)
        return;
    previewPath_ = imagePath_;
    const qreal ratio = devicePixelRatioF();
    const QPixmap preview = loadPreview(*imagePath_, ratio);
    imagePreview_->setPixmap(preview.isNull() ? placeholderPreview(ratio) : preview);
    const QString name = QFileInfo(PathResolver::shared().resolvePath(*imagePath_)).fileName();
    imageName_->setText(name.isEmpty() ? tr("Unknown") : name);
}

void BackgroundSelector::markSelectedGradient() {
    for (std::size_t i = 0; i < kPredefinedGradients.size(); ++i) {
        const PredefinedGradient& preset = kPredefinedGradients[i];
        gradientSwatches_.at(qsizetype(i))
            ->setChecked(startWell_->color() == colorText(preset.start, "") &&
                         endWell_->color() == colorText(preset.end, ""));
    }
}

} // namespace vistrelle
