#include "editor/inspector/text_area_dialog.h"

#include "editor/sheets/sheet_layout.h"
#include "model/component_properties.h"
#include "model/property_schema.h"
#include "richtext/font_resolver.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace vistrelle {

void openTextAreaDialog(QWidget* parent, const PlacedComponent& component,
                        std::function<void(const PropertyMap& values)> onSave) {
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QDialog::tr("Text Area"));
    dialog->resize(520, 380);
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(makeSheetHeader(QDialog::tr("Edit Text"),
                                      QDialog::tr("The text keeps the formatting it has."), dialog));

    auto* editor = new QTextEdit(dialog);
    editor->setObjectName(QStringLiteral("textAreaEditor"));
    editor->setAcceptRichText(true);
    // The text as the canvas draws it: its rich text, or the plain text in the component's font.
    if (std::unique_ptr<QTextDocument> rich =
            readBase64Rtf(component.stringProperty(PropertyKey::richTextData))) {
        editor->setDocument(rich.release());
        editor->document()->setParent(editor);
    } else {
        editor->setCurrentFont(documentFont(textPropertyOf(component, PropertyKey::fontName),
                                            numberPropertyOf(component, PropertyKey::fontSize),
                                            component.boolProperty(PropertyKey::isBold),
                                            component.boolProperty(PropertyKey::isItalic),
                                            component.boolProperty(PropertyKey::isUnderlined)));
        editor->setTextColor(colorPropertyOf(component, PropertyKey::textColor));
        editor->setPlainText(component.stringProperty(PropertyKey::text));
    }
    layout->addWidget(editor, 1);

    QDialogButtonBox* buttons = makeSheetButtons(QDialog::tr("Cancel"), QDialog::tr("Save"), dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog,
                     [dialog, editor, onSave = std::move(onSave)] {
                         onSave({{PropertyKey::text, editor->toPlainText()},
                                 {PropertyKey::richTextData, writeBase64Rtf(*editor->document())}});
                         dialog->accept();
                     });
    dialog->open();
    editor->setFocus();
}

} // namespace vistrelle
