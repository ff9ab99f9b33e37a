#pragma once

namespace vistrelle {

class EditorWindow;

// Adds the Edit, Arrange, View, Window and Help menus to `window`'s menu bar.
// Their commands act on whichever document the shared document manager holds,
// and are never disabled: each does nothing when it has nothing to act on.
void addVistrelleCommands(EditorWindow& window);

} // namespace vistrelle
