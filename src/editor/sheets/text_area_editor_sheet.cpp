#include "editor/sheets/text_area_editor_sheet.h"

#include "editing/document_edit_commands.h"
#include "editing/document_session.h"
#include "editor/sheets/color_button.h"
#include "editor/sheets/sheet_layout.h"
#include "editor/sheets/symbol_icon.h"
#include "model/component_properties.h"
#include "model/property_schema.h"
#include "platform/app_logger.h"
#include "richtext/font_resolver.h"
#include "richtext/rich_text_editor.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include <cmath>

namespace vistrelle {

namespace {
const QString solid = QStringLiteral("solid");
const QString transparent = QStringLiteral("transparent");
} // namespace

TextAreaEditorSheet::TextAreaEditorSheet(const PlacedComponent& component, QWidget* parent)
    : QDialog(parent)
    , component_(component) {
    setWindowTitle(tr("Text Area"));
    setObjectName(QStringLiteral("textAreaEditor"));
    resize(800, 600);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);

    editor_ = new RichTextEditor([](const QString& name) { return symbolIcon(name); }, false, this);
    // Lines break where the canvas breaks them.
    editor_->setTextWidth(component.size.width);
    loadTextArea(*editor_, component);
    layout->addWidget(editor_, 1);

    QFormLayout* background = addSheetSection(layout, QStringLiteral("paintbrush"), tr("Background"));
    auto* styles = new QWidget(this);
    auto* styleRow = new QHBoxLayout(styles);
    styleRow->setContentsMargins(0, 0, 0, 0);
    styleRow->setSpacing(0);
    style_ = new QButtonGroup(this);
    for (const auto& [word, label] :
         {std::pair{solid, tr("Solid")}, std::pair{transparent, tr("Transparent")}}) {
        auto* button = new QPushButton(label, styles);
        button->setObjectName(QStringLiteral("backgroundStyle.") + word);
        button->setCheckable(true);
        style_->addButton(button);
        styleRow->addWidget(button);
    }
    styleRow->addStretch();
    background->addRow(tr("Style"), styles);
    color_ = new ColorButton(colorPropertyOf(component, PropertyKey::backgroundColor).name(), this);
    color_->setObjectName(QStringLiteral("backgroundColor"));
    background->addRow(tr("Color"), color_);

    const bool isTransparent = hasTransparentBackground(component);
    style_->buttons()[isTransparent ? 1 : 0]->setChecked(true);
    showBackground();
    connect(style_, &QButtonGroup::buttonClicked, this, &TextAreaEditorSheet::showBackground);
    connect(color_, &ColorButton::colorChanged, this, &TextAreaEditorSheet::showBackground);

    QDialogButtonBox* buttons = makeSheetButtons(tr("Cancel"), tr("Save"), this);
    // Return makes a new line in the text; only a click (or Ctrl+Return) saves.
    acceptButton(buttons)->setObjectName(QStringLiteral("save"));
    acceptButton(buttons)->setAutoDefault(false);
    acceptButton(buttons)->setDefault(false);
    acceptButton(buttons)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        emit saved(updatedComponent());
        accept();
    });
    editor_->textEdit()->setFocus();
}

void TextAreaEditorSheet::showBackground() {
    const bool isTransparent = style_->buttons()[1]->isChecked();
    color_->setEnabled(!isTransparent);
    // The text on what it will stand on: the colour, or the canvas's checkerless white when transparent.
    editor_->setTextBackground(isTransparent ? palette().color(QPalette::Base) : QColor(color_->color()));
}

PlacedComponent TextAreaEditorSheet::updatedComponent() const {
    PlacedComponent updated = component_;
    if (const std::optional<StoredRichText> text = editor_->stored()) {
        updated.properties.insert(PropertyKey::text, text->text);
        if (text->richTextData)
            updated.properties.insert(PropertyKey::richTextData, *text->richTextData);
        else
            AppLogger::logFailure(QStringLiteral("Failed to save rich text data: "),
                                  QStringLiteral("the text could not be written as RTF"));
    }
    // The background is written only when it was changed here: an untouched sheet changes nothing.
    const bool isTransparent = style_->buttons()[1]->isChecked();
    if (isTransparent != hasTransparentBackground(component_))
        updated.properties.insert(PropertyKey::backgroundStyle, isTransparent ? transparent : solid);
    if (!isTransparent &&
        QColor(color_->color()) != colorPropertyOf(component_, PropertyKey::backgroundColor))
        updated.properties.insert(PropertyKey::backgroundColor, color_->color());
    return updated;
}

void loadTextArea(RichTextEditor& editor, const PlacedComponent& textArea) {
    QTextCharFormat plain;
    setDocumentFamily(plain, textPropertyOf(textArea, PropertyKey::fontName));
    plain.setProperty(QTextFormat::FontPixelSize,
                      std::max(1, int(std::lround(numberPropertyOf(textArea, PropertyKey::fontSize)))));
    plain.setFontWeight(textArea.boolProperty(PropertyKey::isBold) ? QFont::Bold : QFont::Normal);
    plain.setFontItalic(textArea.boolProperty(PropertyKey::isItalic));
    plain.setFontUnderline(textArea.boolProperty(PropertyKey::isUnderlined));
    plain.setForeground(colorPropertyOf(textArea, PropertyKey::textColor));
    const QString alignment = wordProperty(textArea, PropertyKey::textAlignment);
    editor.load(textArea.stringProperty(PropertyKey::richTextData),
                textArea.stringProperty(PropertyKey::text), plain,
                alignment == QLatin1StringView("center")     ? Qt::AlignHCenter
                : alignment == QLatin1StringView("trailing") ? Qt::AlignRight
                                                             : Qt::AlignLeft);
}

void editTextArea(QWidget* parent, DocumentSession& session, const QUuid& screenId,
                  const PlacedComponent& component) {
    auto* sheet = new TextAreaEditorSheet(component, parent);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    // Bound to its text area in its window's document: it never writes elsewhere, and it closes when the
    // text area is deleted (or its window closes).
    const QPointer<DocumentSession> target(&session);
    const QUuid componentId = component.id;
    QObject::connect(&session, &DocumentSession::changed, sheet, [sheet, target, screenId, componentId] {
        if (target && !target->findComponent(screenId, componentId))
            sheet->reject();
    });
    QObject::connect(&session, &QObject::destroyed, sheet, &QDialog::reject);
    QObject::connect(
        sheet, &TextAreaEditorSheet::saved, sheet, [target, screenId](const PlacedComponent& updated) {
            const PlacedComponent* current = target ? target->findComponent(screenId, updated.id) : nullptr;
            if (!current)
                return; // deleted meanwhile
            // The sheet's text and background over what the component is now (it may have moved meanwhile).
            PlacedComponent latest = *current;
            for (auto it = updated.properties.cbegin(); it != updated.properties.cend(); ++it)
                latest.properties.insert(it.key(), it.value());
            EditInteraction::begin();
            target->updateComponentOnScreen(screenId, latest);
        });
    sheet->open();
}

} // namespace vistrelle
