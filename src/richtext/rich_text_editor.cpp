#include "richtext/rich_text_editor.h"

#include "model/property_schema.h"
#include "richtext/font_resolver.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextList>
#include <QToolButton>
#include <QVBoxLayout>

namespace vistrelle {

namespace {

constexpr int documentMargin = 4; // as the renderer lays text areas out
constexpr int typingSize = 12;
const QString typingFamily = QStringLiteral("Helvetica");

QTextCharFormat typingFormat() {
    QTextCharFormat format;
    setDocumentFamily(format, typingFamily);
    format.setProperty(QTextFormat::FontPixelSize, typingSize);
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    format.setForeground(QColor(Qt::black));
    return format;
}

int pixelSizeOf(const QTextCharFormat& format) {
    return format.hasProperty(QTextFormat::FontPixelSize) ? format.intProperty(QTextFormat::FontPixelSize)
                                                          : typingSize;
}

QIcon swatch(const QColor& color) {
    QPixmap picture(18, 18);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.setBrush(color);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 15, 15), 3, 3);
    return QIcon(picture);
}

} // namespace

RichTextEditor::RichTextEditor(IconProvider icons, bool compact, QWidget* parent)
    : QWidget(parent)
    , icons_(std::move(icons)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto* tools = new QHBoxLayout;
    tools->setSpacing(2);
    family_ = new QComboBox(this);
    family_->setObjectName(QStringLiteral("fontFamily"));
    family_->setToolTip(tr("Font"));
    if (const PropertySpec* fonts = propertySpec(ComponentType::title, QStringLiteral("fontName")))
        for (const PropertyChoice& choice : fonts->choices)
            family_->addItem(choice.stored);
    family_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    size_ = new QSpinBox(this);
    size_->setObjectName(QStringLiteral("fontSize"));
    size_->setToolTip(tr("Size"));
    size_->setRange(1, 999);
    // A size applies when the user commits it (Return, leaving the box, an arrow or wheel step), never
    // digit by digit: "24" typed at a person's pace is not 2 px first.
    size_->setKeyboardTracking(false);
    tools->addWidget(family_);
    tools->addWidget(size_);
    tools->addSpacing(6);
    bold_ = addToggle(QStringLiteral("bold"), QStringLiteral("B"), tr("Bold"), QKeySequence::Bold);
    italic_ = addToggle(QStringLiteral("italic"), QStringLiteral("I"), tr("Italic"), QKeySequence::Italic);
    underline_ =
        addToggle(QStringLiteral("underline"), QStringLiteral("U"), tr("Underline"), QKeySequence::Underline);
    for (auto [button, style] : {std::pair{bold_, 0}, std::pair{italic_, 1}, std::pair{underline_, 2}}) {
        QFont font = button->font();
        font.setBold(style == 0);
        font.setItalic(style == 1);
        font.setUnderline(style == 2);
        button->setFont(font);
        tools->addWidget(button);
    }
    color_ = new QToolButton(this);
    color_->setObjectName(QStringLiteral("textColor"));
    color_->setToolTip(tr("Text Color"));
    color_->setAutoRaise(true);
    tools->addWidget(color_);
    if (compact) {
        // The paragraph tools on a second row.
        tools->addStretch();
        layout->addLayout(tools);
        tools = new QHBoxLayout;
        tools->setSpacing(2);
        family_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        family_->setMinimumContentsLength(9);
    } else {
        tools->addSpacing(6);
    }

    const struct {
        Qt::Alignment alignment;
        const char* symbol;
        const char* letter;
        const char* tip;
    } alignments[] = {{Qt::AlignLeft, "text.alignleft", "L", QT_TR_NOOP("Align Left")},
                      {Qt::AlignHCenter, "text.aligncenter", "C", QT_TR_NOOP("Center")},
                      {Qt::AlignRight, "text.alignright", "R", QT_TR_NOOP("Align Right")},
                      {Qt::AlignJustify, "text.justify", "J", QT_TR_NOOP("Justify")}};
    for (const auto& a : alignments) {
        QToolButton* button =
            addToggle(QString::fromLatin1(a.symbol), QString::fromLatin1(a.letter), tr(a.tip), {});
        tools->addWidget(button);
        alignments_.append({a.alignment, button});
        connect(button, &QToolButton::clicked, this,
                [this, alignment = a.alignment] { setAlignment(alignment); });
    }
    spacing_ = new QComboBox(this);
    spacing_->setObjectName(QStringLiteral("lineSpacing"));
    spacing_->setToolTip(tr("Line Spacing"));
    for (const int percent : {100, 115, 150, 200})
        spacing_->addItem(QString::number(percent / 100.0, 'f', percent % 10 ? 2 : 1), percent);
    tools->addWidget(spacing_);
    tools->addSpacing(6);
    bullets_ = addToggle(QStringLiteral("list.bullet"), QStringLiteral("•"), tr("Bulleted List"), {});
    numbers_ = addToggle(QStringLiteral("list.number"), QStringLiteral("1."), tr("Numbered List"), {});
    auto* clear = addToggle(QStringLiteral("eraser"), QStringLiteral("⌫"), tr("Clear Formatting"), {});
    clear->setCheckable(false);
    tools->addWidget(bullets_);
    tools->addWidget(numbers_);
    tools->addWidget(clear);
    tools->addStretch();
    layout->addLayout(tools);

    text_ = new QTextEdit(this);
    text_->setObjectName(QStringLiteral("richText"));
    text_->setAcceptRichText(true);
    text_->setTabChangesFocus(false);
    text_->setPlaceholderText(tr("Type here..."));
    text_->document()->setDocumentMargin(documentMargin);
    layout->addWidget(text_, 1);

    connect(family_, &QComboBox::activated, this, [this](int index) {
        QTextCharFormat format;
        setDocumentFamily(format, family_->itemText(index));
        mergeFormat(format);
    });
    connect(size_, &QSpinBox::valueChanged, this, [this](int size) {
        if (showingFormat_)
            return;
        QTextCharFormat format;
        format.setProperty(QTextFormat::FontPixelSize, size);
        // The keyboard stays in the box: the next keys are meant for it, not for the selected text.
        mergeFormat(format, FocusAfter::stay);
    });
    connect(bold_, &QToolButton::clicked, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        mergeFormat(format);
    });
    connect(italic_, &QToolButton::clicked, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontItalic(on);
        mergeFormat(format);
    });
    connect(underline_, &QToolButton::clicked, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontUnderline(on);
        mergeFormat(format);
    });
    connect(color_, &QToolButton::clicked, this, &RichTextEditor::chooseColor);
    connect(spacing_, &QComboBox::activated, this,
            [this](int index) { setLineSpacing(spacing_->itemData(index).toInt()); });
    connect(bullets_, &QToolButton::clicked, this, [this] { toggleList(false); });
    connect(numbers_, &QToolButton::clicked, this, [this] { toggleList(true); });
    connect(clear, &QToolButton::clicked, this, &RichTextEditor::clearFormatting);
    connect(text_, &QTextEdit::currentCharFormatChanged, this, &RichTextEditor::showFormatAt);
    connect(text_, &QTextEdit::cursorPositionChanged, this, &RichTextEditor::showFormatAt);
    connect(text_->document(), &QTextDocument::contentsChanged, this, [this] {
        if (loading_)
            return;
        editedSinceLoad_ = true;
        emit edited();
    });
    load({}, {}, {});
}

QToolButton* RichTextEditor::addToggle(const QString& symbol, const QString& letter, const QString& tip,
                                       const QKeySequence& shortcut) {
    auto* button = new QToolButton(this);
    button->setObjectName(symbol);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setToolTip(shortcut.isEmpty()
                           ? tip
                           : QStringLiteral("%1 (%2)").arg(tip, shortcut.toString(QKeySequence::NativeText)));
    button->setAccessibleName(tip);
    const QIcon icon = icons_ ? icons_(symbol) : QIcon();
    if (icon.isNull() || symbol == QStringLiteral("bold") || symbol == QStringLiteral("italic") ||
        symbol == QStringLiteral("underline"))
        button->setText(letter);
    else
        button->setIcon(icon);
    button->setMinimumSize(26, 26);
    if (!shortcut.isEmpty()) {
        auto* action = new QAction(tip, this);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        connect(action, &QAction::triggered, button, &QToolButton::click);
    }
    return button;
}

void RichTextEditor::load(const QString& richTextData, const QString& plainText,
                          const QTextCharFormat& plainFormat, Qt::Alignment plainAlignment) {
    const QScopedValueRollback guard(loading_, true);
    std::unique_ptr<QTextDocument> rich = richTextData.isEmpty() ? nullptr : readBase64Rtf(richTextData);
    QTextDocument* document = text_->document();
    if (rich) {
        // Our document keeps its margin and width; the content comes from the stored one.
        document->clear();
        QTextCursor(document).insertFragment(QTextDocumentFragment(rich.get()));
    } else {
        document->clear();
        QTextCursor cursor(document);
        QTextCharFormat format = typingFormat();
        format.merge(plainFormat);
        QTextBlockFormat block;
        block.setAlignment(plainAlignment);
        cursor.setBlockFormat(block);
        cursor.insertText(plainText, format);
    }
    document->setDocumentMargin(documentMargin);
    text_->moveCursor(QTextCursor::Start);
    // New text starts in Helvetica 12 where nothing else is typed.
    if (document->isEmpty())
        text_->setCurrentCharFormat(typingFormat());
    editedSinceLoad_ = false;
    showFormatAt();
}

std::optional<StoredRichText> RichTextEditor::stored() const {
    const QString plain = text_->toPlainText();
    if ((plain.isEmpty() && !editedSinceLoad_) || plain == placeholder)
        return std::nullopt;
    StoredRichText stored{plain, std::nullopt};
    const QString rtf = writeBase64Rtf(*text_->document());
    if (!rtf.isEmpty())
        stored.richTextData = rtf;
    return stored;
}

void RichTextEditor::setTextWidth(double width) {
    if (width > 0) {
        text_->setLineWrapMode(QTextEdit::FixedPixelWidth);
        text_->setLineWrapColumnOrWidth(int(std::lround(width)));
    } else {
        text_->setLineWrapMode(QTextEdit::WidgetWidth);
    }
}

void RichTextEditor::setTextBackground(const QColor& color) {
    QPalette palette = text_->palette();
    palette.setColor(QPalette::Base, color);
    text_->setPalette(palette);
}

void RichTextEditor::mergeFormat(const QTextCharFormat& format, FocusAfter focus) {
    QTextCursor cursor = text_->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    text_->mergeCurrentCharFormat(format);
    // A list item's bullet is drawn in its paragraph's own format: it follows the paragraph's first
    // character (and an empty paragraph's typing format), as the stored text reads back.
    QTextDocument* document = text_->document();
    for (QTextBlock block = document->findBlock(cursor.selectionStart()); block.isValid();
         block = block.next()) {
        if (block.position() > cursor.selectionEnd())
            break;
        const bool startsInside =
            block.position() >= cursor.selectionStart() && block.position() < cursor.selectionEnd();
        if (startsInside || block.length() == 1)
            QTextCursor(block).mergeBlockCharFormat(format);
    }
    if (focus == FocusAfter::text)
        text_->setFocus();
}

void RichTextEditor::showFormatAt() {
    const QScopedValueRollback guard(showingFormat_, true);
    const QTextCharFormat format = text_->currentCharFormat();
    const QString family = documentFamilyOf(format);
    if (family_->findText(family) < 0)
        family_->addItem(family);
    family_->setCurrentText(family);
    size_->setValue(pixelSizeOf(format));
    bold_->setChecked(format.fontWeight() >= QFont::Bold);
    italic_->setChecked(format.fontItalic());
    underline_->setChecked(format.fontUnderline());
    color_->setIcon(swatch(format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                            : QColor(Qt::black)));
    const QTextCursor cursor = text_->textCursor();
    const Qt::Alignment alignment = cursor.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    for (const auto& [value, button] : std::as_const(alignments_))
        button->setChecked(value == (alignment == Qt::AlignLeading ? Qt::AlignLeft : alignment));
    const QTextBlockFormat block = cursor.blockFormat();
    const int percent =
        block.lineHeightType() == QTextBlockFormat::ProportionalHeight ? int(block.lineHeight()) : 100;
    spacing_->setCurrentIndex(std::max(0, spacing_->findData(percent)));
    const QTextList* list = cursor.currentList();
    const bool numbered = list && list->format().style() == QTextListFormat::ListDecimal;
    bullets_->setChecked(list && !numbered);
    numbers_->setChecked(numbered);
}

void RichTextEditor::setAlignment(Qt::Alignment alignment) {
    text_->setAlignment(alignment);
    showFormatAt();
    text_->setFocus();
}

void RichTextEditor::setLineSpacing(int percent) {
    QTextBlockFormat format;
    if (percent == 100)
        format.setLineHeight(100, QTextBlockFormat::SingleHeight);
    else
        format.setLineHeight(percent, QTextBlockFormat::ProportionalHeight);
    text_->textCursor().mergeBlockFormat(format);
    text_->setFocus();
}

void RichTextEditor::toggleList(bool numbered) {
    QTextCursor cursor = text_->textCursor();
    const QTextListFormat::Style style = numbered ? QTextListFormat::ListDecimal : QTextListFormat::ListDisc;
    cursor.beginEditBlock();
    if (QTextList* list = cursor.currentList(); list && list->format().style() == style) {
        // Off again: the selected paragraphs leave the list.
        const QTextBlock end = text_->document()->findBlock(cursor.selectionEnd());
        for (QTextBlock block = text_->document()->findBlock(cursor.selectionStart()); block.isValid();
             block = block.next()) {
            if (QTextList* own = block.textList())
                own->remove(block);
            QTextCursor indent(block);
            QTextBlockFormat plain = block.blockFormat();
            plain.setIndent(0);
            indent.setBlockFormat(plain);
            if (block == end)
                break;
        }
    } else {
        QTextListFormat format;
        format.setStyle(style);
        cursor.createList(format);
    }
    cursor.endEditBlock();
    showFormatAt();
    text_->setFocus();
}

void RichTextEditor::clearFormatting() {
    QTextCursor cursor = text_->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::BlockUnderCursor);
    cursor.setCharFormat(typingFormat());
    text_->setCurrentCharFormat(typingFormat());
    showFormatAt();
    text_->setFocus();
}

void RichTextEditor::chooseColor() {
    auto* dialog = new QColorDialog(text_->textColor(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Text Color"));
    const QTextCursor selection = text_->textCursor();
    connect(dialog, &QColorDialog::colorSelected, this, [this, selection](const QColor& color) {
        text_->setTextCursor(selection);
        QTextCharFormat format;
        format.setForeground(color);
        mergeFormat(format);
        showFormatAt();
    });
    dialog->open();
}

} // namespace vistrelle
