#include "editor/sheets/text_area_editor_sheet.h"

#include "editing/document_session.h"
#include "model/component_factory.h"
#include "model/component_properties.h"
#include "render/text_layout.h"
#include "richtext/font_resolver.h"
#include "richtext/rich_text_editor.h"
#include "richtext/rtf_reader.h"
#include "support/log_capture.h"
#include "support/qt_printers.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTextList>
#include <QToolButton>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

PlacedComponent textArea(const PropertyMap& properties) {
    PlacedComponent area = makeComponent(ComponentType::textArea, {0, 0});
    area.properties = properties;
    return area;
}

template <typename T> T* child(const QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Types `text` where the cursor is, in the format the toolbar is set to.
void type(RichTextEditor& editor, const QString& text) {
    QTest::keyClicks(editor.textEdit(), text);
}

} // namespace

TEST(TextAreaEditorSheetTest, LoadsRichTextElsePlainTextElseThePlaceholder) {
    TextAreaEditorSheet plain(textArea({{PropertyKey::text, "Open 9–5"}, {PropertyKey::fontSize, "30"}}));
    EXPECT_EQ(plain.editor().textEdit()->toPlainText(), "Open 9–5");
    EXPECT_EQ(plain.editor().textEdit()->document()->begin().begin().fragment().charFormat().intProperty(
                  QTextFormat::FontPixelSize),
              30)
        << "plain text shows as the canvas draws it";
    const PlacedComponent saved = plain.updatedComponent();
    EXPECT_EQ(saved.properties.value(PropertyKey::text), "Open 9–5");
    ASSERT_TRUE(saved.properties.contains(PropertyKey::richTextData))
        << "after Save it carries rich text too";
    EXPECT_EQ(readBase64Rtf(saved.properties.value(PropertyKey::richTextData))->toPlainText(), "Open 9–5");

    // Rich text that does not read falls back to the plain text; hostile rich text opens with what it says.
    for (const char* damaged : {"%%% not base64", "aGVsbG8=" /* "hello": no RTF */}) {
        TextAreaEditorSheet fallback(
            textArea({{PropertyKey::richTextData, damaged}, {PropertyKey::text, "Kept"}}));
        EXPECT_EQ(fallback.editor().textEdit()->toPlainText(), "Kept") << damaged;
    }
    const QByteArray hostile = "{\\rtf1 " + QByteArray(100000, '{') + "\\fs999999999 Big\\bin999999999 ";
    TextAreaEditorSheet survivor(textArea(
        {{PropertyKey::richTextData, QString::fromLatin1(hostile.toBase64())}, {PropertyKey::text, "x"}}));
    EXPECT_EQ(survivor.editor().textEdit()->toPlainText(), "Big");

    const PlacedComponent empty = textArea({});
    TextAreaEditorSheet placeholder(empty);
    EXPECT_EQ(placeholder.editor().textEdit()->toPlainText(), "");
    EXPECT_EQ(placeholder.editor().textEdit()->placeholderText(), "Type here...");
    EXPECT_EQ(placeholder.updatedComponent().properties, empty.properties)
        << "saving the placeholder stores nothing";
}

TEST(TextAreaEditorSheetTest, TheOlderTransparentKeyCountsOnlyWithoutBackgroundStyle) {
    TextAreaEditorSheet legacy(textArea({{PropertyKey::legacyTransparent, "true"}}));
    EXPECT_TRUE(child<QPushButton>(legacy, "backgroundStyle.transparent")->isChecked());
    EXPECT_FALSE(legacy.updatedComponent().properties.contains(PropertyKey::backgroundStyle)) << "untouched";

    TextAreaEditorSheet overruled(
        textArea({{PropertyKey::legacyTransparent, "true"}, {PropertyKey::backgroundStyle, "solid"}}));
    EXPECT_TRUE(child<QPushButton>(overruled, "backgroundStyle.solid")->isChecked());
    child<QPushButton>(overruled, "backgroundStyle.transparent")->click();
    EXPECT_EQ(overruled.updatedComponent().properties.value(PropertyKey::backgroundStyle), "transparent");
}

TEST(TextAreaEditorSheetTest, FormattingTypedInTheEditorComesBackWhenReopened) {
    TextAreaEditorSheet sheet(textArea({}));
    sheet.show();
    sheet.activateWindow();
    QApplication::processEvents();
    RichTextEditor& editor = sheet.editor();
    type(editor, "Opening hours");
    child<QToolButton>(editor, "text.aligncenter")->click();
    QTest::keyClick(editor.textEdit(), Qt::Key_Return);
    child<QToolButton>(editor, "text.alignleft")->click();
    child<QToolButton>(editor, "list.bullet")->click();
    auto* family = child<QComboBox>(editor, "fontFamily");
    family->setCurrentText("Times");
    emit family->activated(family->currentIndex());
    child<QSpinBox>(editor, "fontSize")->setValue(28);
    type(editor, "Mon-Fri 9-20");
    QTest::keyClick(editor.textEdit(), Qt::Key_Return);
    QTest::keyClick(editor.textEdit(), Qt::Key_B, Qt::ControlModifier);
    type(editor, "Sat 10-16");
    auto* spacing = child<QComboBox>(editor, "lineSpacing");
    spacing->setCurrentIndex(spacing->findData(150));
    emit spacing->activated(spacing->currentIndex());

    const PlacedComponent saved = sheet.updatedComponent();
    EXPECT_EQ(saved.properties.value(PropertyKey::text), "Opening hours\nMon-Fri 9-20\nSat 10-16");
    TextAreaEditorSheet reopened(saved);
    const QTextDocument* document = reopened.editor().textEdit()->document();
    ASSERT_EQ(document->blockCount(), 3);
    const QTextBlock title = document->begin();
    const QTextBlock first = title.next();
    const QTextBlock second = first.next();
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_FALSE(title.textList());
    ASSERT_TRUE(first.textList());
    EXPECT_EQ(first.textList(), second.textList());
    EXPECT_EQ(first.textList()->format().style(), QTextListFormat::ListDisc);
    const QTextCharFormat hours = first.begin().fragment().charFormat();
    EXPECT_EQ(documentFamilyOf(hours), "Times");
    EXPECT_EQ(hours.intProperty(QTextFormat::FontPixelSize), 28);
    EXPECT_GE(second.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(second.blockFormat().lineHeight(), 150);
    EXPECT_EQ(reopened.updatedComponent().properties, saved.properties)
        << "reopened and saved: the same data";
}

TEST(TextAreaEditorSheetTest, SavingIsOneStepOnItsOwnComponentWhereverTheSelectionWent) {
    KioskProject project;
    const PlacedComponent area = textArea({{PropertyKey::text, "Before"}, {PropertyKey::fontSize, "20"}});
    const PlacedComponent other = textArea({{PropertyKey::text, "Other"}});
    project.screens.first().components = {area, other};
    VistrelleDocument document;
    document.project = project;
    DocumentSession session(document);
    const auto propertiesNow = [&](int index) {
        return session.project().screens[0].components[index].properties;
    };

    QWidget parent;
    editTextArea(&parent, session, project.screens.first().id, area);
    auto* sheet = parent.findChild<TextAreaEditorSheet*>();
    ASSERT_TRUE(sheet);
    session.setSelectedComponent(other); // the sheet stays open while the user clicks elsewhere
    sheet->editor().textEdit()->selectAll();
    QTest::keyClicks(sheet->editor().textEdit(), "After");
    child<QPushButton>(*sheet, "save")->click();
    EXPECT_EQ(propertiesNow(0).value(PropertyKey::text), "After");
    EXPECT_EQ(propertiesNow(1), other.properties);
    EXPECT_EQ(session.undoStack().count(), 1);
    session.undoStack().undo();
    EXPECT_EQ(propertiesNow(0), area.properties);
}

TEST(TextAreaEditorSheetTest, TheSheetClosesWhenItsComponentIsDeleted) {
    KioskProject project;
    const PlacedComponent area = textArea({{PropertyKey::text, "Doomed"}});
    project.screens.first().components = {area};
    VistrelleDocument document;
    document.project = project;
    DocumentSession session(document);

    QWidget parent;
    editTextArea(&parent, session, project.screens.first().id, area);
    QPointer<TextAreaEditorSheet> sheet = parent.findChild<TextAreaEditorSheet*>();
    ASSERT_TRUE(sheet);
    session.setSelectedComponent(area);
    session.deleteSelectedComponent();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(!sheet || !sheet->isVisible());
    EXPECT_EQ(session.undoStack().count(), 1) << "nothing written after the delete";
    EXPECT_TRUE(session.project().screens[0].components.isEmpty());
}

namespace {

// Where a list item's marker is drawn in its document: the text layout draws it left of the item's first
// line, a space away, at the size of the paragraph's own character format.
QRectF markerRect(QTextDocument& document, const QTextBlock& block) {
    document.documentLayout()->blockBoundingRect(block); // lays it out
    const QTextLine line = block.layout()->lineAt(0);
    const QFontMetricsF metrics(block.charFormat().font());
    const double side = metrics.lineSpacing() / 3; // a disc
    const QPointF start = block.layout()->position() + line.position();
    return {start.x() - metrics.horizontalAdvance(u' ') - side, start.y() + metrics.height() / 2 - side / 2,
            side, side};
}

} // namespace

TEST(TextAreaEditorSheetTest, AListAfterAHeadingIsDrawnAsItWasEdited) {
    PlacedComponent area = textArea({});
    area.size = {600, 400};
    TextAreaEditorSheet sheet(area);
    sheet.show();
    sheet.activateWindow();
    QApplication::processEvents();
    RichTextEditor& editor = sheet.editor();
    auto* size = child<QSpinBox>(editor, "fontSize");
    size->setValue(96); // a heading large enough that its bullet would reach past the frame's left edge
    type(editor, "Lobby News");
    QTest::keyClick(editor.textEdit(), Qt::Key_Return);
    size->setValue(20);
    child<QToolButton>(editor, "list.bullet")->click();
    type(editor, "Coffee at nine");
    QTest::keyClick(editor.textEdit(), Qt::Key_Return);
    type(editor, "New books");

    // The document the canvas, the preview and the slides draw, beside the editor's own at the same width.
    const PlacedComponent saved = sheet.updatedComponent();
    QTextDocument* drawn = textAreaDocument(saved, area.size.width);
    ASSERT_NE(drawn, nullptr);
    std::unique_ptr<QTextDocument> edited(editor.textEdit()->document()->clone());
    edited->setDocumentMargin(drawn->documentMargin());
    edited->setTextWidth(drawn->textWidth());
    ASSERT_EQ(drawn->blockCount(), 3);
    for (int i = 1; i < 3; ++i) {
        const QTextBlock item = drawn->findBlockByNumber(i);
        const QTextBlock asEdited = edited->findBlockByNumber(i);
        ASSERT_TRUE(item.textList()) << i;
        EXPECT_EQ(item.charFormat().intProperty(QTextFormat::FontPixelSize), 20)
            << "the bullet takes the size of its own item, not of the heading before it";
        const QRectF marker = markerRect(*drawn, item);
        EXPECT_EQ(marker, markerRect(*edited, asEdited)) << i;
        EXPECT_GE(marker.left(), 0) << "the bullet is cut off at the frame's left edge";
    }
}
