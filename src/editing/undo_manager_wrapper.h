#pragma once

#include <QPointer>
#include <QUndoStack>

namespace vistrelle {

// Holds the active window's undo stack (none while no window is active).
class UndoManagerWrapper {
public:
    QUndoStack* undoManager() const { return undoManager_; }
    void setUndoManager(QUndoStack* stack) { undoManager_ = stack; }

private:
    QPointer<QUndoStack> undoManager_;
};

} // namespace vistrelle
