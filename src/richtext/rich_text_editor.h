#pragma once

#include <QIcon>
#include <QTextCharFormat>
#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QSpinBox;

class QTextEdit;
class QToolButton;

namespace vistrelle {

// What a text area stores of its text: the plain characters and the whole
// formatted text as Base64 RTF (none when it could not be written).
struct StoredRichText {
    QString text;
    std::optional<QString> richTextData;
};

// A formatted-text editor for text areas: a compact toolbar (family, size,
// bold, italic, underline, colour, alignment, line spacing, bulleted and
// numbered lists, clear formatting) over a text field that lays the text out
// exactly as the canvas and the slides draw it: the same document, fonts,
// sizes in screen units, margin and width.
class RichTextEditor : public QWidget {
    Q_OBJECT

public:
    using IconProvider = std::function<QIcon(const QString& symbolName)>;
    static inline const QString placeholder = QStringLiteral("Type here...");

    // `compact`: the toolbar in two rows, for a narrow place such as the inspector.
    explicit RichTextEditor(IconProvider icons = {}, bool compact = false, QWidget* parent = nullptr);

    // Shows the stored text: its rich text when it reads, else the plain text in `plainFormat`
    // and `plainAlignment` (as the canvas draws it), else the placeholder. Typing into an empty
    // text starts in Helvetica 12. Loading is no edit.
    void load(const QString& richTextData, const QString& plainText, const QTextCharFormat& plainFormat = {},
              Qt::Alignment plainAlignment = Qt::AlignLeft);
    // What to store, or nothing while the placeholder shows and nothing was typed.
    std::optional<StoredRichText> stored() const;
    // Wraps lines at the width the text area draws them (its width, less nothing: the margin is inside).
    void setTextWidth(double width);
    void setTextBackground(const QColor& color);

    QTextEdit* textEdit() const { return text_; }

signals:
    // The text or its formatting changed by the user.
    void edited();

private:
    QToolButton* addToggle(const QString& symbol, const QString& letter, const QString& tip,
                           const QKeySequence& shortcut);
    // A button or a list hands the keyboard back to the text; a field being typed in keeps it.
    enum class FocusAfter { text, stay };
    void mergeFormat(const QTextCharFormat& format, FocusAfter focus = FocusAfter::text);
    void showFormatAt();
    void setAlignment(Qt::Alignment alignment);
    void setLineSpacing(int percent);
    void toggleList(bool numbered);
    void clearFormatting();
    void chooseColor();

    IconProvider icons_;
    QTextEdit* text_ = nullptr;
    QComboBox* family_ = nullptr;
    QSpinBox* size_ = nullptr;
    QToolButton* bold_ = nullptr;
    QToolButton* italic_ = nullptr;
    QToolButton* underline_ = nullptr;
    QToolButton* color_ = nullptr;
    QList<std::pair<Qt::Alignment, QToolButton*>> alignments_;
    QComboBox* spacing_ = nullptr;
    QToolButton* bullets_ = nullptr;
    QToolButton* numbers_ = nullptr;
    bool loading_ = false;
    bool editedSinceLoad_ = false;
    bool showingFormat_ = false;
};

} // namespace vistrelle
