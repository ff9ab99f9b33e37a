#include "richtext/font_resolver.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFragment>
#include <QTextList>

#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

struct TextRun {
    QString text;
    QString family;
    int pixelSize;
    bool bold;
    bool italic;
    bool underline;
    QColor color;
    Qt::Alignment alignment;
    bool operator==(const TextRun&) const = default;
};

QList<TextRun> runsOf(const QTextDocument& document) {
    QList<TextRun> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            runs.append({it.fragment().text(), documentFamilyOf(f), f.intProperty(QTextFormat::FontPixelSize),
                         f.fontWeight() >= QFont::Bold, f.fontItalic(), f.fontUnderline(),
                         f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor(),
                         block.blockFormat().alignment() & Qt::AlignHorizontal_Mask});
        }
    return runs;
}

} // namespace

TEST(RtfTest, FormattingAndUnicodeRoundTrip) {
    QTextDocument original;
    QTextCursor cursor(&original);
    QTextCharFormat plain;
    plain.setFontFamilies({"Times"});
    plain.setProperty(QTextFormat::FontPixelSize, 18);
    QTextCharFormat loud = plain;
    loud.setFontFamilies({"Helvetica"});
    loud.setFontWeight(QFont::Bold);
    loud.setFontItalic(true);
    loud.setFontUnderline(true);
    loud.setForeground(QColor("#C01020"));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    cursor.setBlockFormat(centred);
    cursor.insertText("Café {braces} \\ 😀 漢字\t", plain);
    cursor.insertText("Loud", loud);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    cursor.insertBlock(right);
    cursor.insertText("Second line", plain);

    const QByteArray rtf = writeRtf(original);
    for (const char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80); // plain ASCII on disk
    const std::unique_ptr<QTextDocument> read = readRtf(rtf);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->toPlainText(), original.toPlainText());
    EXPECT_EQ(runsOf(*read), runsOf(original));
    EXPECT_EQ(read->begin().blockFormat().lineHeight(), 150);
    EXPECT_EQ(readBase64Rtf(writeBase64Rtf(original))->toPlainText(), original.toPlainText());
}

TEST(RtfTest, ReadsWhatOtherWordProcessorsWrite) {
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\cocoartf2761\n\\cocoatextscaling0\\cocoaplatform0"
        "{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;\\f1\\froman\\fcharset0 Times-Roman;}\n"
        "{\\colortbl;\\red255\\green255\\blue255;\\red0\\green128\\blue0;}\n"
        "{\\*\\expandedcolortbl;;\\cssrgb\\c0\\c50\\c0;}\n{\\info{\\author Someone}}\n"
        "\\paperw11900\\margl1440\\pard\\tx566\\pardirnatural\\qc\\partightenfactor0\n"
        "\\f0\\fs48 \\cf2 Price: 5\\'80 \\u8364?\\uc2\\u8364??\\'93quoted\\'94\\par\n"
        "\\pard\\ql \\f1\\b Bold \\b0 plain\\unknownword42 end}";
    const std::unique_ptr<QTextDocument> document = readRtf(rtf);
    ASSERT_TRUE(document);
    EXPECT_EQ(document->toPlainText(), QStringLiteral("Price: 5€ €€\u201Cquoted\u201D\nBold plainend"));
    const QList<TextRun> runs = runsOf(*document);
    ASSERT_GE(runs.size(), 3);
    EXPECT_EQ(runs[0].color, QColor(0, 128, 0));
    EXPECT_EQ(runs[0].pixelSize, 24);
    EXPECT_EQ(runs[0].family, "Helvetica");
    EXPECT_EQ(runs[0].alignment, Qt::AlignHCenter);
    EXPECT_EQ(runs[1].family, "Times-Roman");
    // Drawn in the installed twin, as a title in that family is.
    const QTextCharFormat times = document->begin().next().begin().fragment().charFormat();
    EXPECT_EQ(times.fontFamilies().toStringList().value(0), resolveFontFamily("Times-Roman"));
    EXPECT_TRUE(runs[1].bold);
    EXPECT_FALSE(runs[2].bold);
}

TEST(RtfTest, DamagedInputNeverCrashes) {
    EXPECT_FALSE(readRtf("plain text, not RTF"));
    EXPECT_FALSE(readBase64Rtf("***not base64***"));
    EXPECT_EQ(readRtf("{\\rtf1 Hello")->toPlainText(), "Hello");  // truncated
    EXPECT_EQ(readRtf("{\\rtf1 a}}}} b{")->toPlainText(), "a b"); // unbalanced
    EXPECT_EQ(readRtf("{\\rtf1 x\\'")->toPlainText(), "x");       // cut escape
    EXPECT_EQ(readRtf("{\\rtf1 \\u99999999999 \\fs-5 y}")->toPlainText().right(1), "y");
    const QByteArray deep = "{\\rtf1 " + QByteArray(200000, '{') + "deep" + QByteArray(200000, '}') + "}";
    EXPECT_EQ(readRtf(deep)->toPlainText(), "deep");
    const QByteArray longWord = "{\\rtf1 \\" + QByteArray(100000, 'a') + " z}";
    EXPECT_EQ(readRtf(longWord)->toPlainText(), "z");
    // Binary data is skipped by its length, never read as RTF; a length past the end stops there.
    EXPECT_EQ(readRtf("{\\rtf1 A{\\*\\pict\\bin5 }}}{{} B}")->toPlainText(), "A B");
    EXPECT_EQ(readRtf("{\\rtf1 A\\bin999999999 }}}")->toPlainText(), "A");
    const QByteArray picture = "{\\rtf1 a{\\pict " + QByteArray(20 * 1024 * 1024, '7') + "}b}";
    EXPECT_EQ(readRtf(picture)->toPlainText(), "ab");
}

namespace {

struct ListItem {
    QString text;
    std::optional<QTextListFormat::Style> style;
    int listIndex; // which list of the document, in order; -1 outside lists
    bool operator==(const ListItem&) const = default;
};

QList<ListItem> listItemsOf(const QTextDocument& document) {
    QList<ListItem> items;
    QList<const QTextList*> lists;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextList* list = block.textList();
        if (list && !lists.contains(list))
            lists.append(list);
        items.append({block.text(), list ? std::optional(list->format().style()) : std::nullopt,
                      list ? int(lists.indexOf(list)) : -1});
    }
    return items;
}

} // namespace

TEST(RtfTest, ListsRoundTripAndAreReadFromOtherProducers) {
    QTextDocument original;
    QTextCursor cursor(&original);
    cursor.insertText("Opening hours");
    for (const char* line : {"Mon–Fri 9–20", "Sat 10–16", "Events", "Reading group", "Film night"}) {
        cursor.insertBlock();
        cursor.insertText(QString::fromUtf8(line));
    }
    const auto makeList = [&](int first, int last, QTextListFormat::Style style) {
        QTextListFormat format;
        format.setStyle(style);
        QTextList* list = QTextCursor(original.findBlockByNumber(first)).createList(format);
        for (int block = first + 1; block <= last; ++block)
            list->add(original.findBlockByNumber(block));
    };
    makeList(1, 2, QTextListFormat::ListDisc);
    makeList(4, 5, QTextListFormat::ListDecimal);

    const QByteArray rtf = writeRtf(original);
    // Each marker in its item's own format: other readers draw it at the item's size.
    EXPECT_TRUE(QRegularExpression(R"(\{\\listtext\\plain\\f0\\fs\d+ \\u8226\?\\tab\})")
                    .match(QString::fromLatin1(rtf))
                    .hasMatch())
        << rtf.constData();
    EXPECT_TRUE(QRegularExpression(R"(\{\\listtext\\plain\\f0\\fs\d+ 2\.\\tab\})")
                    .match(QString::fromLatin1(rtf))
                    .hasMatch());
    const std::unique_ptr<QTextDocument> read = readRtf(rtf);
    ASSERT_TRUE(read);
    EXPECT_EQ(listItemsOf(*read), listItemsOf(original));
    EXPECT_EQ(read->toPlainText(), original.toPlainText()) << "markers are not text";

    // As other word processors write them: list tables aside, each item carries its marker.
    const std::unique_ptr<QTextDocument> other = readRtf(
        "{\\rtf1\\ansi{\\fonttbl\\f0 Helvetica;\\f2 Symbol;}"
        "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext \\'01\\uc0\\u8226 ;}}}}"
        "\\pard\\li720\\fi-720\\ls1\\ilvl0{\\listtext\\uc0\\u8226 \\tab}Tea\\par"
        "{\\listtext\\pard\\plain\\f2 \\'b7\\tab}Coffee\\par"
        "\\pard{\\pntext\\f0 1.\\tab}First\\par"
        "{\\pntext\\f0 2.\\tab}Second\\par\\pard After}");
    ASSERT_TRUE(other);
    EXPECT_EQ(listItemsOf(*other), (QList<ListItem>{{"Tea", QTextListFormat::ListDisc, 0},
                                                    {"Coffee", QTextListFormat::ListDisc, 0},
                                                    {"First", QTextListFormat::ListDecimal, 1},
                                                    {"Second", QTextListFormat::ListDecimal, 1},
                                                    {"After", std::nullopt, -1}}));
}

TEST(RtfTest, AListItemsMarkerTakesTheItemsFormatNotTheHeadingsBeforeIt) {
    QTextDocument original;
    QTextCursor cursor(&original);
    QTextCharFormat heading;
    heading.setProperty(QTextFormat::FontPixelSize, 96);
    cursor.insertText("Lobby News", heading);
    cursor.insertBlock(); // the new paragraph's own format is still the heading's, as after Return
    QTextCharFormat item;
    item.setProperty(QTextFormat::FontPixelSize, 20);
    cursor.insertText("Coffee at nine", item);
    QTextListFormat list;
    list.setStyle(QTextListFormat::ListDisc);
    cursor.createList(list);

    const QByteArray rtf = writeRtf(original);
    EXPECT_TRUE(rtf.contains("{\\listtext\\plain\\f0\\fs40 \\u8226?\\tab}")) << rtf.constData();
    const std::unique_ptr<QTextDocument> read = readRtf(rtf);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->findBlockByNumber(1).charFormat().intProperty(QTextFormat::FontPixelSize), 20)
        << "the bullet is drawn at this size";
    EXPECT_EQ(read->findBlockByNumber(0).charFormat().intProperty(QTextFormat::FontPixelSize), 96);
}
