#pragma once

#include <QMetaType>
#include <QSet>
#include <QUuid>

namespace vistrelle {

// What changed in a document session during one turn of the event loop: the one message views refresh
// from. Several edits of a turn add up into one change.
struct DocumentChange {
    bool screenList = false; // screens added, removed, reordered or replaced all at once
    bool info = false;       // the project's information or settings
    bool selection = false;  // the selected screen or components
    bool document = false;   // the whole document was replaced (revert, recovery, a project's setup)
    QSet<QUuid> screens;     // screens whose own content changed (their components included)
    QSet<QUuid> components;  // components that changed, by id (unique within their screen)

    // Whether anything of the project's content changed (the selection alone is no edit).
    bool edited() const { return screenList || info || document || !screens.isEmpty(); }
    bool isEmpty() const { return !edited() && !selection; }

    DocumentChange& operator+=(const DocumentChange& other) {
        screenList = screenList || other.screenList;
        info = info || other.info;
        selection = selection || other.selection;
        document = document || other.document;
        screens.unite(other.screens);
        components.unite(other.components);
        return *this;
    }
    bool operator==(const DocumentChange&) const = default;
};

} // namespace vistrelle

Q_DECLARE_METATYPE(vistrelle::DocumentChange)
