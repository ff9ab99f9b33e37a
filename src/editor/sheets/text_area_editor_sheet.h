#pragma once

#include "model/project_model.h"

#include <QDialog>

class QButtonGroup;

namespace vistrelle {

class DocumentSession;

class ColorButton;
class RichTextEditor;

// The text area editor: the formatted-text editor over the text as the
// canvas draws it (same width, fonts and background), and the text area's
// background (solid in a colour, or transparent). "Save" reports the updated
// component; "Cancel" changes nothing.
class TextAreaEditorSheet : public QDialog {
    Q_OBJECT

public:
    explicit TextAreaEditorSheet(const PlacedComponent& component, QWidget* parent = nullptr);

    RichTextEditor& editor() const { return *editor_; }
    // The component with the sheet's text and background. While the placeholder shows (nothing
    // typed), its text stays as it was.
    PlacedComponent updatedComponent() const;

signals:
    void saved(const PlacedComponent& component);

private:
    void showBackground();

    PlacedComponent component_;
    RichTextEditor* editor_ = nullptr;
    QButtonGroup* style_ = nullptr;
    ColorButton* color_ = nullptr;
};

// Loads a text area's stored text into `editor`; plain text in the text area's font, colour and
// alignment, as the canvas draws it.
void loadTextArea(RichTextEditor& editor, const PlacedComponent& textArea);

// Opens the sheet over `parent` for the component of that screen of `session`'s document; its "Save" is one
// undo step there. It closes when the component goes.
void editTextArea(QWidget* parent, DocumentSession& session, const QUuid& screenId,
                  const PlacedComponent& component);

} // namespace vistrelle
