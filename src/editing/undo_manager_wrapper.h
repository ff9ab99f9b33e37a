#pragma once

#include <QPointer>
#include <QUndoGroup>
#include <QUndoStack>

namespace vistrelle {

// Holds the active window's undo stack (none while no window is active), and a
// group of every window's stack whose active one it is, so that the Undo and
// Redo commands can show what they would undo and whether there is anything.
class UndoManagerWrapper {
public:
    QUndoStack* undoManager() const { return undoManager_; }
    void setUndoManager(QUndoStack* stack) {
        undoManager_ = stack;
        if (stack && !group_.stacks().contains(stack))
            group_.addStack(stack);
        group_.setActiveStack(stack);
    }
    QUndoGroup& group() { return group_; }

private:
    QPointer<QUndoStack> undoManager_;
    QUndoGroup group_;
};

} // namespace vistrelle
