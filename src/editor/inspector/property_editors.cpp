#include "editor/inspector/property_editors.h"

#include "editing/document_edit_commands.h"
#include "editor/inspector/icon_picker.h"
#include "editor/inspector/inspector_rules.h"
#include "editor/sheets/color_button.h"
#include "editor/sheets/sheet_layout.h"
#include "editor/sheets/symbol_icon.h"
#include "editor/sheets/text_area_editor_sheet.h"
#include "model/component_properties.h"
#include "model/web_address.h"
#include "richtext/rich_text_editor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSlider>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

namespace vistrelle {

namespace {

QString schemaText(const char* text) {
    return QCoreApplication::translate("PropertySchema", text);
}

// Texts of the "PropertyEditors" catalogue context, written out where they are used so that the translation
// tools see them.
struct PropertyEditorTexts {
    Q_DECLARE_TR_FUNCTIONS(PropertyEditors)
};

QHBoxLayout* rowLayout(QWidget* owner) {
    auto* layout = new QHBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    return layout;
}

// A line of explanation under a control: dimmed, or with a warning sign.
class StatusLine : public QWidget {
public:
    explicit StatusLine(QWidget* parent)
        : QWidget(parent) {
        QHBoxLayout* layout = rowLayout(this);
        sign_ = new QLabel(this);
        sign_->setPixmap(symbolPixmap(QStringLiteral("exclamationmark.triangle.fill"), 14,
                                      QColor(0xFF, 0x95, 0x00), devicePixelRatioF()));
        text_ = makeNoteLabel(QString(), this);
        text_->setWordWrap(true);
        layout->addWidget(sign_, 0, Qt::AlignTop);
        layout->addWidget(text_, 1);
    }
    void show(const QString& text, bool warning) {
        text_->setText(text);
        sign_->setVisible(warning);
        setVisible(!text.isEmpty());
    }
    QString text() const { return isHidden() ? QString() : text_->text(); }

private:
    QLabel* sign_ = nullptr;
    QLabel* text_ = nullptr;
};

class TextFieldEditor : public PropertyEditor {
public:
    TextFieldEditor(const PropertySpec& entry, QWidget* parent)
        : PropertyEditor(parent)
        , key_(entry.key) {
        setRowLabel(schemaText(entry.label));
        field_ = new QLineEdit(this);
        field_->setObjectName(entry.key);
        if (entry.placeholder)
            field_->setPlaceholderText(schemaText(entry.placeholder));
        field_->setClearButtonEnabled(true);
        rowLayout(this)->addWidget(field_);
        connect(field_, &QLineEdit::textEdited, this, [this](const QString& text) {
            if (!typing_) {
                EditInteraction::begin();
                typing_ = true;
            }
            emit edited({{key_, text}}, true);
        });
        connect(field_, &QLineEdit::editingFinished, this, [this] {
            typing_ = false;
            EditInteraction::begin();
        });
    }
    void showValue(const PlacedComponent& component) override {
        const QString value = component.stringProperty(key_);
        if (field_->text() == value)
            return;
        // Another edit (an undo, say) while the user types: the text changes, the caret stays put.
        const int caret = field_->cursorPosition();
        field_->setText(value);
        field_->setCursorPosition(std::min(caret, int(value.size())));
    }

private:
    QString key_;
    QLineEdit* field_ = nullptr;
    bool typing_ = false;
};

class TextEditorEditor : public PropertyEditor {
public:
    TextEditorEditor(const PropertySpec& entry, QWidget* parent)
        : PropertyEditor(parent)
        , key_(entry.key) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(4);
        layout->addWidget(makeNoteLabel(schemaText(entry.label), this));
        editor_ = new QPlainTextEdit(this);
        editor_->setObjectName(entry.key);
        editor_->setFixedHeight(90);
        editor_->setTabChangesFocus(true);
        QFont mono(QStringLiteral("monospace"));
        mono.setStyleHint(QFont::Monospace);
        editor_->setFont(mono);
        editor_->installEventFilter(this);
        layout->addWidget(editor_);
        connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
            if (showing_)
                return;
            if (!typing_) {
                EditInteraction::begin();
                typing_ = true;
            }
            emit edited({{key_, editor_->toPlainText()}}, true);
        });
    }
    QString rowLabel() const override { return {}; }
    void showValue(const PlacedComponent& component) override {
        const QString value = component.stringProperty(key_);
        if (editor_->toPlainText() == value)
            return;
        const QScopedValueRollback guard(showing_, true);
        editor_->setPlainText(value);
    }

protected:
    // Leaving the editor ends the burst of typing.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == editor_ && event->type() == QEvent::FocusOut) {
            typing_ = false;
            EditInteraction::begin();
        }
        return PropertyEditor::eventFilter(watched, event);
    }

private:
    QString key_;
    QPlainTextEdit* editor_ = nullptr;
    bool typing_ = false;
    bool showing_ = false;
};

class ToggleEditor : public PropertyEditor {
public:
    ToggleEditor(const PropertySpec& entry, QWidget* parent)
        : PropertyEditor(parent)
        , key_(entry.key) {
        box_ = new QCheckBox(schemaText(entry.label), this);
        box_->setObjectName(entry.key);
        rowLayout(this)->addWidget(box_);
        connect(box_, &QCheckBox::clicked, this, [this](bool on) {
            emit edited({{key_, boolPropertyText(on)}}, false);
        });
    }
    QString rowLabel() const override { return {}; }
    void showValue(const PlacedComponent& component) override {
        box_->setChecked(component.boolProperty(key_));
    }

private:
    QString key_;
    QCheckBox* box_ = nullptr;
};

class StyleTogglesEditor : public PropertyEditor {
public:
    StyleTogglesEditor(const QList<PropertySpec>& specs, QWidget* parent)
        : PropertyEditor(parent) {
        setRowLabel(PropertyEditorTexts::tr("Style"));
        QHBoxLayout* layout = rowLayout(this);
        layout->setSpacing(2);
        for (const PropertySpec& entry : specs) {
            auto* button = new QToolButton(this);
            button->setObjectName(entry.key);
            button->setCheckable(true);
            button->setToolTip(schemaText(entry.label));
            button->setAccessibleName(schemaText(entry.label));
            // The letter drawn in the style it switches on.
            button->setText(QString(schemaText(entry.label).front()));
            QFont font = button->font();
            font.setBold(entry.key == PropertyKey::isBold);
            font.setItalic(entry.key == PropertyKey::isItalic);
            font.setUnderline(entry.key == PropertyKey::isUnderlined);
            button->setFont(font);
            button->setFixedSize(30, 26);
            layout->addWidget(button);
            buttons_.append({entry.key, button});
            connect(button, &QToolButton::clicked, this, [this, key = entry.key](bool on) {
                emit edited({{key, boolPropertyText(on)}}, false);
            });
        }
        layout->addStretch();
    }
    void showValue(const PlacedComponent& component) override {
        for (const auto& [key, button] : buttons_)
            button->setChecked(component.boolProperty(key));
    }

private:
    QList<std::pair<QString, QToolButton*>> buttons_;
};

class SegmentsEditor : public PropertyEditor {
public:
    SegmentsEditor(const PropertySpec& entry, QWidget* parent)
        : PropertyEditor(parent)
        , spec_(entry) {
        setRowLabel(schemaText(entry.label));
        QHBoxLayout* layout = rowLayout(this);
        layout->setSpacing(0);
        group_ = new QButtonGroup(this);
        for (qsizetype i = 0; i < entry.choices.size(); ++i) {
            const PropertyChoice& choice = entry.choices[i];
            auto* button = new QToolButton(this);
            button->setObjectName(entry.key + u'.' + choice.stored);
            button->setCheckable(true);
            button->setToolTip(schemaText(choice.label));
            button->setAccessibleName(schemaText(choice.label));
            if (choice.symbol.isEmpty()) {
                button->setText(schemaText(choice.label));
                button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            } else {
                button->setIcon(symbolIcon(choice.symbol));
                button->setFixedWidth(36);
            }
            button->setMinimumHeight(26);
            group_->addButton(button, int(i));
            layout->addWidget(button);
        }
        if (!entry.choices.isEmpty() && !entry.choices.front().symbol.isEmpty())
            layout->addStretch();
        connect(group_, &QButtonGroup::idClicked, this, [this](int index) {
            emit edited({{spec_.key, spec_.choices[index].stored}}, false);
        });
    }
    void showValue(const PlacedComponent& component) override {
        const QString word = wordProperty(component, spec_.key);
        for (qsizetype i = 0; i < spec_.choices.size(); ++i)
            if (spec_.choices[i].stored == word)
                group_->button(int(i))->setChecked(true);
    }

private:
    PropertySpec spec_;
    QButtonGroup* group_ = nullptr;
};

class MenuEditor : public PropertyEditor {
public:
    MenuEditor(const PropertySpec& entry, QWidget* parent)
        : PropertyEditor(parent)
        , spec_(entry) {
        setRowLabel(schemaText(entry.label));
        box_ = new QComboBox(this);
        box_->setObjectName(entry.key);
        box_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        for (const PropertyChoice& choice : entry.choices) {
            if (choice.symbol.isEmpty())
                box_->addItem(schemaText(choice.label), choice.stored);
            else
                box_->addItem(symbolIcon(choice.symbol), schemaText(choice.label), choice.stored);
        }
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(4);
        layout->addWidget(box_);
        // Choices that say what they do show it under the menu.
        if (std::any_of(entry.choices.cbegin(), entry.choices.cend(),
                        [](const PropertyChoice& choice) { return choice.description != nullptr; })) {
            description_ = makeNoteLabel(QString(), this);
            description_->setObjectName(entry.key + QStringLiteral(".description"));
            description_->setWordWrap(true);
            layout->addWidget(description_);
        }
        connect(box_, &QComboBox::activated, this, [this](int index) {
            emit edited({{spec_.key, box_->itemData(index).toString()}}, false);
        });
    }
    void showValue(const PlacedComponent& component) override {
        // A font the list does not offer is shown as it is; an unknown word shows the default.
        const QString value = spec_.kind == PropertyKind::word ? wordProperty(component, spec_.key)
                                                               : textPropertyOf(component, spec_.key);
        int index = box_->findData(value);
        if (index < 0) {
            box_->addItem(value, value);
            index = box_->count() - 1;
        }
        box_->setCurrentIndex(index);
        if (description_) {
            const auto choice = std::find_if(spec_.choices.cbegin(), spec_.choices.cend(),
                                             [&](const PropertyChoice& c) { return c.stored == value; });
            description_->setText(choice != spec_.choices.cend() && choice->description
                                      ? schemaText(choice->description)
                                      : QString());
        }
    }

private:
    PropertySpec spec_;
    QComboBox* box_ = nullptr;
    QLabel* description_ = nullptr;
};

class IntegerFieldEditor : public PropertyEditor {
public:
    IntegerFieldEditor(const PropertySpec& entry, QWidget* parent)
        : PropertyEditor(parent)
        , spec_(entry) {
        setRowLabel(schemaText(entry.label));
        field_ = new QLineEdit(this);
        field_->setObjectName(entry.key);
        field_->setFixedWidth(60);
        field_->setAlignment(Qt::AlignRight);
        QHBoxLayout* layout = rowLayout(this);
        layout->addWidget(field_);
        layout->addStretch();
        connect(field_, &QLineEdit::editingFinished, this, &IntegerFieldEditor::commit);
    }
    void showValue(const PlacedComponent& component) override {
        shown_ = qint64(std::trunc(numberPropertyOf(component, spec_.key)));
        if (!field_->isModified() || !field_->hasFocus())
            field_->setText(QString::number(shown_));
    }

private:
    void commit() {
        const std::optional<qint64> typed = InspectorRules::parseInteger(field_->text().trimmed());
        field_->setModified(false);
        if (!typed) { // not a number: the stored value again
            field_->setText(QString::number(shown_));
            return;
        }
        const qint64 value = std::clamp(*typed, qint64(spec_.minimum), qint64(spec_.maximum));
        field_->setText(QString::number(value));
        if (value != shown_)
            emit edited({{spec_.key, QString::number(value)}}, false);
    }

    PropertySpec spec_;
    QLineEdit* field_ = nullptr;
    qint64 shown_ = 0;
};

class SliderEditor : public PropertyEditor {
public:
    SliderEditor(const PropertySpec& entry, QWidget* parent)
        : PropertyEditor(parent)
        , spec_(entry) {
        setRowLabel(schemaText(entry.label));
        slider_ = new QSlider(Qt::Horizontal, this);
        slider_->setObjectName(entry.key);
        slider_->setRange(0, int(std::lround((entry.maximum - entry.minimum) / entry.step)));
        slider_->setPageStep(std::max(1, slider_->maximum() / 10));
        if (entry.controlWidth > 0)
            slider_->setFixedWidth(entry.controlWidth);
        value_ = new QLabel(this);
        value_->setObjectName(entry.key + QStringLiteral(".value"));
        value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value_->setMinimumWidth(QFontMetrics(value_->font()).horizontalAdvance(QStringLiteral("-180°")) + 4);
        QHBoxLayout* layout = rowLayout(this);
        layout->addWidget(slider_, entry.controlWidth > 0 ? 0 : 1);
        if (entry.controlWidth > 0)
            layout->addStretch();
        layout->addWidget(value_);
        // A sweep is one interaction from press to release; keyboard steps are steps of their own.
        connect(slider_, &QSlider::sliderPressed, this, [] { EditInteraction::begin(); });
        connect(slider_, &QSlider::sliderReleased, this, [] { EditInteraction::begin(); });
        connect(slider_, &QSlider::valueChanged, this, [this](int tick) {
            const double value = valueOf(tick);
            value_->setText(sliderValueText(spec_, value));
            if (!showing_)
                emit edited({{spec_.key, storedNumberText(spec_, value)}}, slider_->isSliderDown());
        });
    }
    void showValue(const PlacedComponent& component) override {
        const double value = numberPropertyOf(component, spec_.key);
        const QScopedValueRollback guard(showing_, true);
        slider_->setValue(
            int(std::lround((std::clamp(value, spec_.minimum, spec_.maximum) - spec_.minimum) / spec_.step)));
        value_->setText(sliderValueText(spec_, value));
    }

private:
    double valueOf(int tick) const { return spec_.minimum + tick * spec_.step; }

    PropertySpec spec_;
    QSlider* slider_ = nullptr;
    QLabel* value_ = nullptr;
    bool showing_ = false;
};

class ColorWellEditor : public PropertyEditor {
public:
    ColorWellEditor(const PropertySpec& entry, const PropertyEditorServices& services, QWidget* parent)
        : PropertyEditor(parent)
        , spec_(entry) {
        setRowLabel(schemaText(entry.label));
        well_ = new ColorButton(entry.fallback, this);
        well_->setObjectName(entry.key);
        QHBoxLayout* layout = rowLayout(this);
        layout->addWidget(well_);
        layout->addStretch();
        // The colour dialog belongs to the component it was opened for: every colour tried there, and
        // Cancel's return to the first, go to it as one step.
        connect(well_, &ColorButton::editingStarted, this, [this, services] {
            target_ = services.bindTarget ? services.bindTarget() : EditTarget{};
            dialogOpen_ = true;
        });
        connect(well_, &ColorButton::editingFinished, this, [this] {
            target_ = {};
            dialogOpen_ = false;
            EditInteraction::begin();
            if (lastShown_) // the component shown now, which may be another than the dialog's
                showValue(*lastShown_);
        });
        connect(well_, &ColorButton::colorChanged, this, [this](const QString& color) {
            if (!showing_)
                emit edited({{spec_.key, color}}, true, target_);
        });
    }
    void showValue(const PlacedComponent& component) override {
        lastShown_ = component;
        // While the dialog is open the well is the dialog's: showing another component's colour there
        // would make a colour equal to it (or Cancel) look like no change and skip its own component.
        if (dialogOpen_)
            return;
        const QScopedValueRollback guard(showing_, true);
        well_->setColor(colorPropertyOf(component, spec_.key).name(QColor::HexRgb));
    }

private:
    PropertySpec spec_;
    ColorButton* well_ = nullptr;
    EditTarget target_; // while the colour dialog is open
    bool dialogOpen_ = false;
    std::optional<PlacedComponent> lastShown_;
    bool showing_ = false;
};

// Choosing, replacing and removing a picture or a film, with a line that says what is chosen.
class MediaChooserEditor : public PropertyEditor {
public:
    MediaChooserEditor(const PropertySpec& entry, const PropertyEditorServices& services, QWidget* parent)
        : PropertyEditor(parent)
        , key_(entry.key)
        , isImage_(entry.control == PropertyControl::imageChooser)
        , services_(services) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(6);
        auto* buttons = new QHBoxLayout;
        buttons->setSpacing(6);
        choose_ = new QPushButton(isImage_ ? PropertyEditorTexts::tr("Select image...")
                                           : PropertyEditorTexts::tr("Select video..."),
                                  this);
        choose_->setObjectName(key_ + QStringLiteral(".choose"));
        remove_ = new QPushButton(isImage_ ? PropertyEditorTexts::tr("Remove Image")
                                           : PropertyEditorTexts::tr("Remove Current Video"),
                                  this);
        remove_->setObjectName(key_ + QStringLiteral(".remove"));
        buttons->addWidget(choose_);
        buttons->addStretch();
        layout->addLayout(buttons);
        status_ = new StatusLine(this);
        status_->setObjectName(key_ + QStringLiteral(".status"));
        layout->addWidget(status_);
        // Under the file it removes, and only while there is one.
        layout->addWidget(remove_, 0, Qt::AlignLeft);
        connect(choose_, &QPushButton::clicked, this, &MediaChooserEditor::choose);
        connect(remove_, &QPushButton::clicked, this, [this] { emit edited({{key_, QString()}}, false); });
    }
    QString rowLabel() const override { return {}; }
    void showValue(const PlacedComponent& component) override {
        const QString stored = component.stringProperty(key_);
        remove_->setVisible(!stored.isEmpty());
        if (stored.isEmpty()) {
            status_->show(isImage_ ? PropertyEditorTexts::tr("No image selected")
                                   : PropertyEditorTexts::tr("No video selected"),
                          false);
            return;
        }
        const QString file = services_.resolvedPathFor ? services_.resolvedPathFor(stored) : stored;
        if (!QFileInfo(file).isFile())
            status_->show(isImage_ ? PropertyEditorTexts::tr("Image not found")
                                   : PropertyEditorTexts::tr("Video file not found"),
                          true);
        else if (isImage_ && !QImageReader(file).canRead())
            status_->show(PropertyEditorTexts::tr("Invalid image file"), true);
        else
            status_->show(QFileInfo(file).fileName(), false);
    }

private:
    void choose() {
        auto* dialog = new QFileDialog(window(), isImage_ ? PropertyEditorTexts::tr("Choose Image")
                                                          : PropertyEditorTexts::tr("Choose Video"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setNameFilter(
            isImage_ ? PropertyEditorTexts::tr("Images (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.tif *.tiff)")
                     : PropertyEditorTexts::tr("Movies (*.mp4 *.mov *.m4v *.avi *.mkv *.webm)"));
        dialog->setLabelText(QFileDialog::Accept, PropertyEditorTexts::tr("Choose"));
        dialog->setToolTip(isImage_ ? PropertyEditorTexts::tr("Select an image file")
                                    : PropertyEditorTexts::tr("Select a video file"));
        // The file goes to the component the dialog was opened for, whatever is selected when it closes.
        const EditTarget target = services_.bindTarget ? services_.bindTarget() : EditTarget{};
        connect(dialog, &QFileDialog::fileSelected, this, [this, target](const QString& file) {
            // A picture that does not decode is stored all the same: the file may be mended.
            emit edited({{key_, services_.storedPathFor ? services_.storedPathFor(file) : file}}, false,
                        target);
        });
        dialog->open();
    }

    QString key_;
    bool isImage_;
    PropertyEditorServices services_;
    QPushButton* choose_ = nullptr;
    QPushButton* remove_ = nullptr;
    StatusLine* status_ = nullptr;
};

class UrlFieldEditor : public PropertyEditor {
public:
    UrlFieldEditor(const PropertySpec& entry, QWidget* parent)
        : PropertyEditor(parent)
        , key_(entry.key) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(4);
        layout->addWidget(makeNoteLabel(schemaText(entry.label), this));
        field_ = new QLineEdit(this);
        field_->setObjectName(entry.key);
        if (entry.placeholder)
            field_->setPlaceholderText(schemaText(entry.placeholder));
        field_->setClearButtonEnabled(true);
        layout->addWidget(field_);
        warning_ = new StatusLine(this);
        warning_->setObjectName(entry.key + QStringLiteral(".status"));
        warning_->hide();
        layout->addWidget(warning_);
        connect(field_, &QLineEdit::textEdited, this, [this](const QString& text) {
            // Only addresses the player can show are stored; the warning stays until the text is one.
            const bool valid = InspectorRules::isValidWebAddress(text);
            warning_->show(valid ? QString() : PropertyEditorTexts::tr("Invalid URL format"), true);
            if (!valid)
                return;
            if (!typing_) {
                EditInteraction::begin();
                typing_ = true;
            }
            // "www.example.org" is stored as an address the engine can load.
            emit edited({{key_, storedWebAddress(text)}}, true);
        });
        connect(field_, &QLineEdit::editingFinished, this, [this] {
            typing_ = false;
            EditInteraction::begin();
            // Typing done: the field shows what is stored.
            if (InspectorRules::isValidWebAddress(field_->text()))
                field_->setText(storedWebAddress(field_->text()));
        });
    }
    QString rowLabel() const override { return {}; }
    void showValue(const PlacedComponent& component) override {
        const QString value = component.stringProperty(key_);
        // Invalid text being typed stays in the field with its warning, and valid text as typed.
        if (field_->hasFocus() &&
            (!InspectorRules::isValidWebAddress(field_->text()) || storedWebAddress(field_->text()) == value))
            return;
        if (field_->text() != value) {
            field_->setText(value);
            warning_->hide();
        }
    }

private:
    QString key_;
    QLineEdit* field_ = nullptr;
    StatusLine* warning_ = nullptr;
    bool typing_ = false;
};

class IconPickerEditor : public PropertyEditor {
public:
    IconPickerEditor(const PropertySpec& entry, const PropertyEditorServices& services, QWidget* parent)
        : PropertyEditor(parent)
        , key_(entry.key)
        , services_(services) {
        setRowLabel(PropertyEditorTexts::tr("Icon"));
        button_ = new QPushButton(this);
        button_->setObjectName(entry.key);
        button_->setIconSize(QSize(20, 20));
        button_->setToolTip(schemaText(entry.label));
        QHBoxLayout* layout = rowLayout(this);
        layout->addWidget(button_, 1);
        connect(button_, &QPushButton::clicked, this, [this] {
            if (!picker_) {
                picker_ = new IconPicker(this);
                connect(picker_, &IconPicker::iconChosen, this, [this](const QString& name) {
                    emit edited({{key_, name}}, false, target_);
                });
            }
            // The icon goes to the component the picker was opened for.
            target_ = services_.bindTarget ? services_.bindTarget() : EditTarget{};
            picker_->popup(button_->mapToGlobal(QPoint(0, button_->height())), current_);
        });
    }
    void showValue(const PlacedComponent& component) override {
        const QString name = textPropertyOf(component, key_);
        if (name == current_)
            return;
        current_ = name;
        button_->setIcon(symbolIcon(name));
        button_->setText(PropertyEditorTexts::tr("Choose Icon") + QStringLiteral(" · ") + name);
    }

private:
    QString key_;
    PropertyEditorServices services_;
    EditTarget target_; // the component the picker was last opened for
    QString current_;
    QPushButton* button_ = nullptr;
    IconPicker* picker_ = nullptr;
};

// A text area's text, edited in place as rich text: stored as it is typed (a burst of typing is one
// step), and never loaded again over what the user types; "Text Editor..." opens the large editor.
class TextAreaInlineEditor : public PropertyEditor {
public:
    TextAreaInlineEditor(const PropertySpec& entry, const PropertyEditorServices& services, QWidget* parent)
        : PropertyEditor(parent) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(6);
        editor_ = new RichTextEditor([](const QString& name) { return symbolIcon(name); }, true, this);
        editor_->setObjectName(QStringLiteral("inlineRichText"));
        editor_->textEdit()->setMinimumHeight(160);
        editor_->textEdit()->installEventFilter(this);
        auto* open = new QPushButton(symbolIcon(QStringLiteral("textformat")),
                                     PropertyEditorTexts::tr("Text Editor..."), this);
        open->setObjectName(entry.key);
        layout->addWidget(editor_);
        layout->addWidget(open, 0, Qt::AlignLeft);
        connect(open, &QPushButton::clicked, this, [this, services] {
            if (services.openTextAreaEditor)
                services.openTextAreaEditor(this);
        });
        connect(editor_, &RichTextEditor::edited, this, [this] {
            const std::optional<StoredRichText> text = editor_->stored();
            if (!text)
                return;
            if (!typing_) {
                EditInteraction::begin();
                typing_ = true;
            }
            PropertyMap values{{PropertyKey::text, text->text}};
            if (text->richTextData) {
                values.insert(PropertyKey::richTextData, *text->richTextData);
                lastStored_ = *text->richTextData;
            }
            emit edited(values, true);
        });
    }
    QString rowLabel() const override { return {}; }
    void showValue(const PlacedComponent& component) override {
        const QString stored = component.stringProperty(PropertyKey::richTextData);
        // Loaded once per component; again only when something else changed the text (an undo, the
        // large editor), and never while the user types here.
        const bool another = component.id != componentId_;
        if (!another && (stored == lastStored_ || editor_->textEdit()->hasFocus()))
            return;
        componentId_ = component.id;
        lastStored_ = stored;
        loadTextArea(*editor_, component);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == editor_->textEdit() && event->type() == QEvent::FocusOut) {
            typing_ = false;
            EditInteraction::begin();
        }
        return PropertyEditor::eventFilter(watched, event);
    }

private:
    RichTextEditor* editor_ = nullptr;
    QUuid componentId_;
    QString lastStored_;
    bool typing_ = false;
};

} // namespace

QString sliderValueText(const PropertySpec& entry, double value) {
    switch (entry.display) {
    case ValueDisplay::percent:
        return QStringLiteral("%1%").arg(std::lround(value * 100));
    case ValueDisplay::degrees:
        return QStringLiteral("%1°").arg(std::lround(value));
    case ValueDisplay::plain:
        break;
    }
    return entry.decimals > 0 ? QString::number(value, 'f', entry.decimals)
                              : QString::number(std::lround(value));
}

PropertyEditor* makePropertyEditor(const PropertySpec& entry, const PropertyEditorServices& services,
                                   QWidget* parent) {
    switch (entry.control) {
    case PropertyControl::none:
    case PropertyControl::styleToggle:
        return nullptr;
    case PropertyControl::textField:
        return new TextFieldEditor(entry, parent);
    case PropertyControl::textEditor:
        return new TextEditorEditor(entry, parent);
    case PropertyControl::toggle:
        return new ToggleEditor(entry, parent);
    case PropertyControl::segments:
        return new SegmentsEditor(entry, parent);
    case PropertyControl::menu:
        return new MenuEditor(entry, parent);
    case PropertyControl::integerField:
        return new IntegerFieldEditor(entry, parent);
    case PropertyControl::slider:
        return new SliderEditor(entry, parent);
    case PropertyControl::colorWell:
        return new ColorWellEditor(entry, services, parent);
    case PropertyControl::imageChooser:
    case PropertyControl::videoChooser:
        return new MediaChooserEditor(entry, services, parent);
    case PropertyControl::urlField:
        return new UrlFieldEditor(entry, parent);
    case PropertyControl::iconPicker:
        return new IconPickerEditor(entry, services, parent);
    case PropertyControl::richTextButton:
        return new TextAreaInlineEditor(entry, services, parent);
    }
    return nullptr;
}

PropertyEditor* makeStyleToggles(const QList<PropertySpec>& specs, QWidget* parent) {
    return new StyleTogglesEditor(specs, parent);
}

} // namespace vistrelle
