#include "richtext/rtf_reader.h"

#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextList>

#include "richtext/font_resolver.h"
#include "richtext/rich_text_lists.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace vistrelle {

namespace {

constexpr int maximumDepth = 512;
constexpr int maximumControlWordLength = 32;

// Windows-1252 for 0x80…0x9F; the rest is Latin-1.
char16_t windows1252(unsigned char byte) {
    static constexpr char16_t high[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                          0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    return byte >= 0x80 && byte <= 0x9F ? high[byte - 0x80] : char16_t(byte);
}

enum class Destination { text, fontTable, colorTable, listMarker, skip };

struct CharacterState {
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = 0;
};

struct ParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int lineSpacing = 0; // \sl, twentieths of a point; 0 = single
    bool multiple = false;
};

struct GroupState {
    CharacterState character;
    ParagraphState paragraph;
    Destination destination = Destination::text;
    int unicodeSkip = 1;
};

class RtfParser {
public:
    explicit RtfParser(const QByteArray& rtf)
        : data_(rtf) {}

    std::unique_ptr<QTextDocument> parse() {
        const QByteArray start = data_.left(16).trimmed();
        if (!start.startsWith("{\\rtf"))
            return nullptr;
        document_ = std::make_unique<QTextDocument>();
        cursor_ = QTextCursor(document_.get());
        stack_.push_back(GroupState{});
        while (position_ < data_.size()) {
            const char c = data_[position_];
            if (c == '{') {
                ++position_;
                openGroup();
            } else if (c == '}') {
                ++position_;
                closeGroup();
            } else if (c == '\\') {
                ++position_;
                controlSequence();
            } else if (static_cast<unsigned char>(c) < 0x20) {
                ++position_; // line breaks and other control characters are not text in RTF
            } else {
                ++position_;
                character(windows1252(static_cast<unsigned char>(c)));
            }
        }
        flush();
        finishListItem();
        takeMarkerFormatFromText();
        return std::move(document_);
    }

private:
    GroupState& state() { return stack_.back(); }

    void openGroup() {
        flush();
        // Past the depth limit groups still count, but share their parent's state.
        if (++depth_ <= maximumDepth)
            stack_.push_back(state());
    }

    void closeGroup() {
        flush();
        if (depth_ <= 0)
            return; // unbalanced: ignore the stray brace
        if (depth_-- <= maximumDepth && stack_.size() > 1) {
            const Destination ending = state().destination;
            stack_.pop_back();
            if (ending == Destination::colorTable && state().destination != Destination::colorTable)
                finishColor(false);
        }
    }

    void controlSequence() {
        if (position_ >= data_.size())
            return;
        const char c = data_[position_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++position_;
            controlSymbol(c);
            return;
        }
        const qsizetype wordStart = position_;
        while (position_ < data_.size() && std::isalpha(static_cast<unsigned char>(data_[position_])) &&
               position_ - wordStart < maximumControlWordLength)
            ++position_;
        const QByteArray word = data_.mid(wordStart, position_ - wordStart);
        // Skip what remains of an overlong word.
        while (position_ < data_.size() && std::isalpha(static_cast<unsigned char>(data_[position_])))
            ++position_;
        bool hasParameter = false;
        long long parameter = 0;
        bool negative = false;
        if (position_ < data_.size() && data_[position_] == '-') {
            negative = true;
            ++position_;
        }
        int digits = 0;
        while (position_ < data_.size() && std::isdigit(static_cast<unsigned char>(data_[position_]))) {
            if (digits++ < 10)
                parameter = parameter * 10 + (data_[position_] - '0');
            hasParameter = true;
            ++position_;
        }
        if (negative)
            parameter = -parameter;
        if (position_ < data_.size() && data_[position_] == ' ')
            ++position_; // the delimiter belongs to the control word
        controlWord(word, hasParameter, int(std::clamp<long long>(parameter, -1000000000, 1000000000)));
    }

    void controlSymbol(char c) {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            character(char16_t(c));
            return;
        case '~':
            character(u'\u00A0');
            return;
        case '_':
            character(u'\u2011');
            return;
        case '-':
            return; // an optional hyphen
        case '*':
            // An ignorable destination: this system knows none of them.
            flush();
            state().destination = Destination::skip;
            return;
        case '\'': {
            if (position_ + 2 > data_.size())
                return;
            bool ok = false;
            const int byte = data_.mid(position_, 2).toInt(&ok, 16);
            position_ += 2;
            if (!ok)
                return;
            if (skipAfterUnicode_ > 0) {
                --skipAfterUnicode_;
                return;
            }
            character(windows1252(static_cast<unsigned char>(byte)));
            return;
        }
        case '\r':
        case '\n':
            paragraph();
            return;
        default:
            return;
        }
    }

    void controlWord(const QByteArray& word, bool hasParameter, int parameter) {
        GroupState& s = state();
        CharacterState& ch = s.character;
        ParagraphState& para = s.paragraph;
        const int value = hasParameter ? parameter : 1;

        static const QList<QByteArray> skipped = {
            "info",
            "stylesheet",
            "pict",
            "header",
            "footer",
            "headerl",
            "headerr",
            "headerf",
            "footerl",
            "footerr",
            "footerf",
            "listtable",
            "listoverridetable",
            "expandedcolortbl",
            "generator",
            "rsidtbl",
            "xmlnstbl",
            "themedata",
            "colorschememapping",
            "latentstyles",
            "datastore",
            "fldinst",
            "object",
            "footnote",
            "filetbl",
            "revtbl",
            "pgdsctbl",
            "nonshppict",
            "bkmkstart",
            "bkmkend",
            "mmathPr",
        };
        if (word == "listtext" || word == "pntext") {
            // The bullet or number a list paragraph shows: read to tell the kind of list.
            flush();
            s.destination = Destination::listMarker;
            listMarker_.clear();
        } else if (word == "bin") {
            // Binary data of the given length: never text, and never to be parsed as RTF.
            if (hasParameter && parameter > 0)
                position_ = std::min(data_.size(), position_ + qsizetype(parameter));
        } else if (word == "fonttbl") {
            flush();
            s.destination = Destination::fontTable;
        } else if (word == "colortbl") {
            flush();
            s.destination = Destination::colorTable;
            colors_.clear();
            pendingColor_ = {};
        } else if (skipped.contains(word)) {
            flush();
            s.destination = Destination::skip;
        } else if (s.destination == Destination::skip) {
            return;
        } else if (s.destination == Destination::colorTable) {
            const int component = std::clamp(parameter, 0, 255);
            if (word == "red")
                pendingColor_.setRed(component);
            else if (word == "green")
                pendingColor_.setGreen(component);
            else if (word == "blue")
                pendingColor_.setBlue(component);
            colorSet_ = colorSet_ || word == "red" || word == "green" || word == "blue";
        } else if (s.destination == Destination::fontTable) {
            if (word == "f")
                currentFontNumber_ = parameter;
        } else if (word == "par") {
            paragraph();
        } else if (word == "line") {
            character(u'\u2028');
        } else if (word == "tab") {
            character(u'\t');
        } else if (word == "u") {
            const int code = parameter < 0 ? parameter + 65536 : parameter;
            character(char16_t(std::clamp(code, 0, 0xFFFF)));
            skipAfterUnicode_ = s.unicodeSkip;
            return;
        } else if (word == "uc") {
            s.unicodeSkip = std::clamp(parameter, 0, 10);
        } else if (word == "emdash") {
            character(u'\u2014');
        } else if (word == "endash") {
            character(u'\u2013');
        } else if (word == "bullet") {
            character(u'\u2022');
        } else if (word == "lquote") {
            character(u'\u2018');
        } else if (word == "rquote") {
            character(u'\u2019');
        } else if (word == "ldblquote") {
            character(u'\u201C');
        } else if (word == "rdblquote") {
            character(u'\u201D');
        } else if (word == "plain") {
            flush();
            ch = CharacterState{};
        } else if (word == "pard") {
            flush();
            para = ParagraphState{};
        } else if (word == "f") {
            flush();
            ch.font = parameter;
        } else if (word == "fs") {
            flush();
            ch.halfPoints = std::clamp(hasParameter ? parameter : 24, 2, 4000);
        } else if (word == "b") {
            flush();
            ch.bold = value != 0;
        } else if (word == "i") {
            flush();
            ch.italic = value != 0;
        } else if (word == "ul") {
            flush();
            ch.underline = value != 0;
        } else if (word == "ulnone") {
            flush();
            ch.underline = false;
        } else if (word == "cf") {
            flush();
            ch.color = parameter;
        } else if (word == "ql" || word == "qc" || word == "qr" || word == "qj") {
            para.alignment = word == "qc"   ? Qt::AlignHCenter
                             : word == "qr" ? Qt::AlignRight
                             : word == "qj" ? Qt::AlignJustify
                                            : Qt::AlignLeft;
        } else if (word == "sl") {
            para.lineSpacing = parameter;
        } else if (word == "slmult") {
            para.multiple = parameter != 0;
        }
        skipAfterUnicode_ = 0;
    }

    void finishColor(bool fromSemicolon) {
        if (fromSemicolon || colorSet_)
            colors_.append(colorSet_ ? std::optional(pendingColor_) : std::nullopt);
        pendingColor_ = QColor(0, 0, 0);
        colorSet_ = false;
    }

    void character(char16_t c) {
        GroupState& s = state();
        if (skipAfterUnicode_ > 0) {
            --skipAfterUnicode_;
            return;
        }
        // Control characters (from \'hh or \uN) are no text; tabs are written as \tab.
        if (c < 0x20 && c != u'\t')
            return;
        switch (s.destination) {
        case Destination::skip:
            return;
        case Destination::colorTable:
            if (c == u';')
                finishColor(true);
            return;
        case Destination::fontTable:
            if (c == u';') {
                fonts_[currentFontNumber_] = fontName_.trimmed();
                fontName_.clear();
            } else if (fontName_.size() < 256) {
                fontName_ += QChar(c);
            }
            return;
        case Destination::listMarker:
            if (listMarker_.size() < 32)
                listMarker_ += QChar(c);
            return;
        case Destination::text:
            break;
        }
        // Documents of absurd size are cut rather than held whole.
        if (characters_++ > 50'000'000)
            return;
        if (run_.isEmpty())
            runState_ = s;
        else if (!sameFormat(runState_, s)) {
            flush();
            runState_ = s;
        }
        run_ += QChar(c);
    }

    static bool sameFormat(const GroupState& a, const GroupState& b) {
        const CharacterState& x = a.character;
        const CharacterState& y = b.character;
        return x.font == y.font && x.halfPoints == y.halfPoints && x.bold == y.bold && x.italic == y.italic &&
               x.underline == y.underline && x.color == y.color;
    }

    void paragraph() {
        if (state().destination != Destination::text)
            return;
        flush();
        applyBlockFormat(state().paragraph);
        finishListItem();
        takeMarkerFormatFromText();
        cursor_.insertBlock();
        applyBlockFormat(state().paragraph);
    }

    // A list item's bullet or number is drawn in its paragraph's own character format, which a new
    // paragraph would otherwise inherit from the end of the one before (a heading's size): it is the format
    // of the paragraph's first character, as the editor keeps it.
    void takeMarkerFormatFromText() {
        const QTextBlock block = cursor_.block();
        if (block.begin().atEnd())
            return;
        QTextCursor(block).setBlockCharFormat(block.begin().fragment().charFormat());
    }

    // A paragraph that showed a bullet or a number is an item of a list of that kind, and of the
    // list just before it when that is of the same kind.
    void finishListItem() {
        const std::optional<QTextListFormat::Style> style = listStyleOfMarker(listMarker_);
        listMarker_.clear();
        if (!style) {
            lastList_ = nullptr;
            return;
        }
        QTextBlock block = cursor_.block();
        if (lastList_ && lastList_->format().style() == *style && lastListBlock_ == block.blockNumber() - 1) {
            lastList_->add(block);
        } else {
            QTextListFormat format;
            format.setStyle(*style);
            lastList_ = cursor_.createList(format);
        }
        lastListBlock_ = block.blockNumber();
    }

    void applyBlockFormat(const ParagraphState& p) {
        QTextBlockFormat format;
        format.setAlignment(p.alignment);
        if (p.lineSpacing > 0) {
            if (p.multiple)
                format.setLineHeight(p.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
            else
                format.setLineHeight(p.lineSpacing / 20.0, QTextBlockFormat::MinimumHeight);
        }
        cursor_.setBlockFormat(format);
    }

    void flush() {
        if (run_.isEmpty())
            return;
        const CharacterState& c = runState_.character;
        QTextCharFormat format;
        format.setProperty(QTextFormat::FontPixelSize, std::max(1, c.halfPoints / 2));
        format.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(c.italic);
        format.setFontUnderline(c.underline);
        // Drawn in the installed twin of the named family, as titles are; written back by its name.
        setDocumentFamily(format, fonts_.value(c.font, QStringLiteral("Helvetica")));
        // \cf0 (and unknown entries) mean the automatic colour.
        if (c.color > 0 && c.color < colors_.size() && colors_[c.color])
            format.setForeground(*colors_[c.color]);
        applyBlockFormat(runState_.paragraph);
        cursor_.insertText(run_, format);
        run_.clear();
    }

    const QByteArray& data_;
    qsizetype position_ = 0;
    int depth_ = 0;
    std::vector<GroupState> stack_;
    std::unique_ptr<QTextDocument> document_;
    QTextCursor cursor_;

    QHash<int, QString> fonts_;
    int currentFontNumber_ = 0;
    QString fontName_;
    QList<std::optional<QColor>> colors_;
    QColor pendingColor_{0, 0, 0};
    bool colorSet_ = false;

    QString listMarker_;
    QTextList* lastList_ = nullptr;
    int lastListBlock_ = -1;

    int skipAfterUnicode_ = 0;
    QString run_;
    GroupState runState_;
    qint64 characters_ = 0;
};

} // namespace

std::unique_ptr<QTextDocument> readRtf(const QByteArray& rtf) {
    return RtfParser(rtf).parse();
}

std::unique_ptr<QTextDocument> readBase64Rtf(const QString& base64) {
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(base64.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return nullptr;
    return readRtf(*decoded);
}

} // namespace vistrelle
