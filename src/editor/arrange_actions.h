#pragma once

#include <QList>

class QAction;
class QObject;

namespace vistrelle {

class DocumentSession;

// Align (left, centre, right, top, middle, bottom), distribute (horizontally, vertically) and match size
// (width, height) for the selected components, as actions the Arrange menu and the toolbar share. Each is
// one undo step; each is enabled only when the selection allows it (aligning one component aligns it to the
// screen; distributing needs three, matching two). They act on `session`, the document of their window.
QList<QAction*> makeArrangeActions(DocumentSession& session, QObject* parent);

} // namespace vistrelle
