#include "richtext/rich_text_editor.h"

#include <QApplication>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

// The pixel sizes of the text's characters, one entry per run.
QList<int> sizesOf(const QTextEdit& text) {
    QList<int> sizes;
    for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            sizes.append(fragment.fragment().charFormat().intProperty(QTextFormat::FontPixelSize));
    return sizes;
}

// Keys as a person types them, a fifth of a second apart.
void typeSlowly(QWidget* widget, const QList<int>& keys) {
    for (const int key : keys) {
        QTest::keyClick(widget, Qt::Key(key));
        QTest::qWait(200);
    }
}

} // namespace

TEST(RichTextEditorTest, TypingAFontSizeNeverReplacesTheSelectedText) {
    RichTextEditor editor;
    editor.load({}, QStringLiteral("Harbour Library"));
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    QTextEdit* text = editor.textEdit();
    text->setFocus();
    text->selectAll();

    auto* size = editor.findChild<QSpinBox*>(QStringLiteral("fontSize"));
    ASSERT_NE(size, nullptr);
    QTest::mouseClick(size, Qt::LeftButton);
    ASSERT_TRUE(size->hasFocus());
    QTest::keyClick(size, Qt::Key_A, Qt::ControlModifier); // the box's own digits, to type over them
    typeSlowly(size, {Qt::Key_2, Qt::Key_4});
    EXPECT_EQ(text->toPlainText(), "Harbour Library") << "the digits went into the text";
    EXPECT_TRUE(size->hasFocus()) << "the keyboard left the box the user typed in";
    EXPECT_EQ(sizesOf(*text), QList<int>{12}) << "a size applies when it is committed, not digit by digit";

    QTest::keyClick(size, Qt::Key_Return);
    EXPECT_EQ(sizesOf(*text), QList<int>{24});
    EXPECT_EQ(text->toPlainText(), "Harbour Library");
    EXPECT_TRUE(size->hasFocus());

    // An arrow step is a commit of its own.
    QTest::keyClick(size, Qt::Key_Up);
    EXPECT_EQ(sizesOf(*text), QList<int>{25});
    EXPECT_EQ(text->textCursor().selectedText(), "Harbour Library");
}
