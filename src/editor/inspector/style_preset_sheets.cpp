#include "editor/inspector/style_preset_sheets.h"

#include "editor/sheets/sheet_layout.h"
#include "editor/sheets/symbol_icon.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vistrelle {

namespace {

constexpr int kSheetMargin = 16;
constexpr int kEmptySymbolSize = 48;

void setBoldFont(QWidget* widget, qreal scale = 1.0) {
    QFont font = widget->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(true);
    widget->setFont(font);
}

// One preset of the list: its name and creation date, and its two buttons.
class PresetRowView : public QFrame {
    Q_DECLARE_TR_FUNCTIONS(PresetRowView)

public:
    PresetRowView(const ComponentStylePreset& preset, QWidget* parent)
        : QFrame(parent)
        , apply_(new QPushButton(tr("Apply"), this))
        , delete_(new QPushButton(symbolIcon(QStringLiteral("trash")), tr("Delete"), this)) {
        setObjectName(QStringLiteral("presetRow"));
        setFrameShape(QFrame::StyledPanel);
        setFrameShadow(QFrame::Plain);
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);

        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(12, 10, 12, 10);
        layout->setSpacing(12);

        auto* texts = new QVBoxLayout;
        texts->setSpacing(2);
        // Names are the user's own text, never markup.
        auto* name = new QLabel(preset.name, this);
        name->setObjectName(QStringLiteral("presetRowName"));
        name->setTextFormat(Qt::PlainText);
        name->setWordWrap(true);
        name->setToolTip(preset.name);
        setBoldFont(name);
        texts->addWidget(name);
        const QString date =
            QLocale().toString(preset.createdDate.toLocalTime().date(), QLocale::ShortFormat);
        auto* created = makeNoteLabel(tr("Created %1").arg(date), this);
        created->setObjectName(QStringLiteral("presetCreated"));
        created->setTextFormat(Qt::PlainText);
        created->setWordWrap(false);
        texts->addWidget(created);
        layout->addLayout(texts, 1);

        // Enter belongs to "Done", not to the first row.
        apply_->setObjectName(QStringLiteral("apply"));
        apply_->setAutoDefault(false);
        delete_->setObjectName(QStringLiteral("delete"));
        delete_->setAutoDefault(false);
        layout->addWidget(apply_, 0, Qt::AlignRight | Qt::AlignVCenter);
        layout->addWidget(delete_, 0, Qt::AlignRight | Qt::AlignVCenter);
    }

    QPushButton* applyButton() const { return apply_; }
    QPushButton* deleteButton() const { return delete_; }

private:
    QPushButton* apply_;
    QPushButton* delete_;
};

} // namespace

SaveStylePresetSheet::SaveStylePresetSheet(QWidget* parent)
    : QDialog(parent)
    , name_(new QLineEdit(this))
    , save_(nullptr) {
    setWindowTitle(tr("Save Style Preset"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kSheetMargin, kSheetMargin, kSheetMargin, kSheetMargin);
    layout->setSpacing(12);
    layout->addWidget(makeSheetHeader(tr("Save Style Preset"), QString(), this));

    auto* field = new QVBoxLayout;
    field->setSpacing(4);
    auto* label = new QLabel(tr("Preset Name"), this);
    label->setBuddy(name_);
    field->addWidget(label);
    name_->setObjectName(QStringLiteral("presetName"));
    name_->setPlaceholderText(tr("Enter a name for this style preset"));
    field->addWidget(name_);
    layout->addLayout(field);

    layout->addStretch();
    QDialogButtonBox* buttons = makeSheetButtons(tr("Cancel"), tr("Save"), this);
    rejectButton(buttons)->setObjectName(QStringLiteral("cancel"));
    save_ = acceptButton(buttons);
    save_->setObjectName(QStringLiteral("save"));
    save_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &SaveStylePresetSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SaveStylePresetSheet::reject);
    layout->addWidget(buttons);

    // A name of blanks is the user's choice; only an empty one cannot be saved.
    connect(name_, &QLineEdit::textChanged, save_,
            [this](const QString& text) { save_->setEnabled(!text.isEmpty()); });

    name_->setFocus();
    setFixedWidth(320);
}

QString SaveStylePresetSheet::presetName() const {
    return name_->text();
}

StylePresetsSheet::StylePresetsSheet(StylePresetManager& manager, ComponentType type, QWidget* parent)
    : QDialog(parent)
    , manager_(manager)
    , type_(type)
    , list_(new QScrollArea(this)) {
    setWindowTitle(tr("Style Presets"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kSheetMargin, kSheetMargin, kSheetMargin, kSheetMargin);
    layout->setSpacing(12);

    auto* heading = new QHBoxLayout;
    heading->setSpacing(12);
    heading->addWidget(makeSheetHeader(tr("Style Presets"), QString(), this), 1);
    auto* done = new QPushButton(tr("Done"), this);
    done->setObjectName(QStringLiteral("done"));
    done->setDefault(true);
    connect(done, &QPushButton::clicked, this, &StylePresetsSheet::reject);
    heading->addWidget(done, 0, Qt::AlignRight | Qt::AlignVCenter);
    layout->addLayout(heading);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    layout->addWidget(separator);

    list_->setObjectName(QStringLiteral("presetList"));
    list_->setFrameShape(QFrame::NoFrame);
    list_->setWidgetResizable(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->viewport()->setBackgroundRole(QPalette::Window);
    layout->addWidget(list_, 1);

    rebuildRows();
    connect(&manager_, &StylePresetManager::presetsChanged, this, &StylePresetsSheet::rebuildRows);

    resize(400, 500);
}

void StylePresetsSheet::rebuildRows() {
    if (QWidget* old = list_->takeWidget()) {
        // The Delete button being clicked lives in it: delete it once the click is over.
        old->setParent(this);
        old->hide();
        old->deleteLater();
    }

    auto* content = new QWidget(list_);
    content->setObjectName(QStringLiteral("presetRows"));
    auto* rows = new QVBoxLayout(content);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(8);

    const QList<ComponentStylePreset> presets = manager_.presets(type_);
    if (presets.isEmpty()) {
        rows->addWidget(makeEmptyState(content), 1);
    } else {
        for (const ComponentStylePreset& preset : presets) {
            auto* row = new PresetRowView(preset, content);
            connect(row->applyButton(), &QPushButton::clicked, this, [this, preset] {
                emit applyRequested(preset);
                accept();
            });
            const QUuid id = preset.id;
            connect(row->deleteButton(), &QPushButton::clicked, this, [this, id] { manager_.remove(id); });
            rows->addWidget(row);
        }
        rows->addStretch(1);
    }

    list_->setWidget(content);
    // Rows sit on the sheet's own background, not on a list's.
    content->setAutoFillBackground(false);
}

QWidget* StylePresetsSheet::makeEmptyState(QWidget* parent) const {
    auto* empty = new QWidget(parent);
    empty->setObjectName(QStringLiteral("emptyState"));
    auto* layout = new QVBoxLayout(empty);
    layout->setContentsMargins(24, 0, 24, 0);
    layout->setSpacing(8);
    layout->addStretch(1);

    auto* symbol = new QLabel(empty);
    symbol->setObjectName(QStringLiteral("emptySymbol"));
    symbol->setPixmap(symbolPixmap(QStringLiteral("paintbrush"), kEmptySymbolSize,
                                   palette().color(QPalette::PlaceholderText), devicePixelRatioF()));
    symbol->setAlignment(Qt::AlignCenter);
    layout->addWidget(symbol);

    auto* title = new QLabel(tr("No Style Presets"), empty);
    title->setObjectName(QStringLiteral("emptyTitle"));
    title->setAlignment(Qt::AlignCenter);
    setBoldFont(title, 1.15);
    layout->addWidget(title);

    auto* note = makeNoteLabel(
        tr("Save component styles as presets to quickly apply them to other components"), empty);
    note->setObjectName(QStringLiteral("emptyNote"));
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note);

    layout->addStretch(1);
    return empty;
}

} // namespace vistrelle
