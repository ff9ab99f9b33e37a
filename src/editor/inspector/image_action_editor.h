#pragma once

#include "editor/inspector/property_editors.h"

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vistrelle {

// The "On Click" rows of an image: what a tap on it does on the display — nothing, go to a screen picked
// from the project's list, the next or previous screen, an alert with a title and a message, print, or open
// a web page. It writes the keys the file format keeps for an image button, each choice as one step; an
// action the menu does not offer (a component command, say) is shown and kept as it is.
class ImageActionEditor : public PropertyEditor {
    Q_OBJECT

public:
    // The project's screens, by id and name, in their order.
    using ScreenList = std::function<QList<std::pair<QUuid, QString>>()>;
    ImageActionEditor(ScreenList screens, QWidget* parent = nullptr);

    void showValue(const PlacedComponent& component) override;

private:
    enum class Choice { none, screen, next, previous, alert, print, webPage, other };

    static Choice choiceOf(const PlacedComponent& component);
    void fillScreens(const QString& selectedTarget);
    void choose(Choice choice);
    void showRows(Choice choice);
    void typeText(const QString& key, const QString& text);

    ScreenList screens_;
    QComboBox* action_ = nullptr;
    QComboBox* screen_ = nullptr;
    QLabel* screenLabel_ = nullptr;
    QLineEdit* alertTitle_ = nullptr;
    QLineEdit* alertMessage_ = nullptr;
    QList<QWidget*> alertRows_;
    QLabel* note_ = nullptr;
    bool typing_ = false;
};

} // namespace vistrelle
