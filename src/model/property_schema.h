#pragma once

#include "model/project_model.h"

#include <QColor>
#include <QList>
#include <QString>

#include <optional>

namespace vistrelle {

// How a property's value is written in the document.
enum class PropertyKind {
    text,
    boolean,
    number,
    integer,
    color,
    mediaPath,
    word,
    richText,
    webAddress,
    symbolName
};

// The inspector control that edits a property; `none` for keys the inspector
// does not show (they are kept and carried along all the same).
enum class PropertyControl {
    none,
    textField,
    textEditor,  // several lines
    styleToggle, // B, I, U
    toggle,      // a labelled switch
    segments,    // a few choices side by side
    menu,        // a drop-down list of choices
    integerField,
    slider,
    colorWell,
    imageChooser,
    videoChooser,
    urlField,
    iconPicker,
    richTextButton, // opens the text area's editor
};

// How a slider shows its value.
enum class ValueDisplay { plain, percent, degrees };

struct PropertyChoice {
    QString stored{};
    const char* label = nullptr;       // translated in the "PropertySchema" context
    QString symbol{};                  // a symbol shown with the label, or empty
    const char* description = nullptr; // what it does, shown under the control ("PropertySchema" context)

    bool operator==(const PropertyChoice&) const = default;
};

// One key of one component type: how it is stored, what a new component gets,
// what readers take when it is missing or unreadable, and how the inspector
// edits it. The one place each of these is written down.
struct PropertySpec {
    QString key{};
    PropertyKind kind = PropertyKind::text;
    std::optional<QString> createdWith{}; // none: not set when a component is made
    QString fallback{};                   // the reader's default, as stored text
    PropertyControl control = PropertyControl::none;
    const char* label = nullptr;       // the inspector's label ("PropertySchema" context)
    const char* group = nullptr;       // a sub-section of its own ("Colors"), or the type's section
    const char* placeholder = nullptr; // for text fields
    QList<PropertyChoice> choices{};   // words: unknown ones read as `fallback`
    double minimum = 0;                // sliders and integer fields
    double maximum = 0;
    double step = 1;
    int decimals = 0; // digits after the point when stored: 2 for "%.2f"
    ValueDisplay display = ValueDisplay::plain;
    int controlWidth = 0; // points; 0 leaves it to the layout
};

// The keys of `type`, in the order the inspector shows them; keys it does not show come last.
const QList<PropertySpec>& propertySchema(ComponentType type);
const PropertySpec* propertySpec(ComponentType type, const QString& key);

// The properties a new component of `type` gets.
PropertyMap createdProperties(ComponentType type);

// `edited` as an edit of `before` may store it: keys its type does not have are dropped unless `before`
// already held them (a document's own keys are carried along, an edit adds none: a label gets no
// "imagePath"). Nothing when the edit would change the component's type.
std::optional<PlacedComponent> editWithinType(const PlacedComponent& before, const PlacedComponent& edited);

// Readers that fall back to the schema's default for the component's type.
QString wordProperty(const PlacedComponent& component, const QString& key);
double numberPropertyOf(const PlacedComponent& component, const QString& key);
qint64 integerPropertyOf(const PlacedComponent& component, const QString& key);
QColor colorPropertyOf(const PlacedComponent& component, const QString& key);
// The stored text, or the default when the key is missing.
QString textPropertyOf(const PlacedComponent& component, const QString& key);

// Whether a text area draws no background behind its text.
bool hasTransparentBackground(const PlacedComponent& textArea);

// `value` as the key stores it: with its decimals, or as a whole number.
QString storedNumberText(const PropertySpec& entry, double value);

} // namespace vistrelle
