#include "editor/arrange_actions.h"

#include "editing/document_session.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace vistrelle {

namespace {

enum class Kind {
    alignLeft,
    alignCenter,
    alignRight,
    alignTop,
    alignMiddle,
    alignBottom,
    distributeHorizontally,
    distributeVertically,
    matchWidth,
    matchHeight
};

struct ArrangeCommand {
    Kind kind;
    const char* text;
    int fewest; // selected components it needs
};

// One table for the menu, the toolbar and their icons.
constexpr ArrangeCommand commands[] = {
    {Kind::alignLeft, QT_TRANSLATE_NOOP("ArrangeActions", "Align Left Edges"), 1},
    {Kind::alignCenter, QT_TRANSLATE_NOOP("ArrangeActions", "Align Horizontal Centres"), 1},
    {Kind::alignRight, QT_TRANSLATE_NOOP("ArrangeActions", "Align Right Edges"), 1},
    {Kind::alignTop, QT_TRANSLATE_NOOP("ArrangeActions", "Align Top Edges"), 1},
    {Kind::alignMiddle, QT_TRANSLATE_NOOP("ArrangeActions", "Align Vertical Centres"), 1},
    {Kind::alignBottom, QT_TRANSLATE_NOOP("ArrangeActions", "Align Bottom Edges"), 1},
    {Kind::distributeHorizontally, QT_TRANSLATE_NOOP("ArrangeActions", "Distribute Horizontally"), 3},
    {Kind::distributeVertically, QT_TRANSLATE_NOOP("ArrangeActions", "Distribute Vertically"), 3},
    {Kind::matchWidth, QT_TRANSLATE_NOOP("ArrangeActions", "Match Width"), 2},
    {Kind::matchHeight, QT_TRANSLATE_NOOP("ArrangeActions", "Match Height"), 2},
};

void run(DocumentSession& m, Kind kind) {
    switch (kind) {
    case Kind::alignLeft:
        return m.alignSelectedComponents(AlignEdge::left);
    case Kind::alignCenter:
        return m.alignSelectedComponents(AlignEdge::horizontalCenter);
    case Kind::alignRight:
        return m.alignSelectedComponents(AlignEdge::right);
    case Kind::alignTop:
        return m.alignSelectedComponents(AlignEdge::top);
    case Kind::alignMiddle:
        return m.alignSelectedComponents(AlignEdge::verticalCenter);
    case Kind::alignBottom:
        return m.alignSelectedComponents(AlignEdge::bottom);
    case Kind::distributeHorizontally:
        return m.distributeSelectedComponents(Axis::horizontal);
    case Kind::distributeVertically:
        return m.distributeSelectedComponents(Axis::vertical);
    case Kind::matchWidth:
        return m.matchSelectedComponentsSize(Axis::horizontal);
    case Kind::matchHeight:
        return m.matchSelectedComponentsSize(Axis::vertical);
    }
}

// The drawing of a horizontal arrangement (a vertical one is the same turned a quarter): bars of two
// lengths against a line, or spread with equal gaps, or of one length.
void drawHorizontal(QPainter& p, Kind kind) {
    const QColor ink = QApplication::palette().color(QPalette::WindowText);
    QColor bars = ink;
    bars.setAlphaF(0.55);
    p.setPen(Qt::NoPen);
    switch (kind) {
    case Kind::alignLeft:
    case Kind::alignTop:
        p.fillRect(QRectF(2, 2, 1.5, 14), ink);
        p.fillRect(QRectF(4.5, 4, 11, 4), bars);
        p.fillRect(QRectF(4.5, 10, 7, 4), bars);
        return;
    case Kind::alignCenter:
    case Kind::alignMiddle:
        p.fillRect(QRectF(8.25, 2, 1.5, 14), ink);
        p.fillRect(QRectF(2, 4, 14, 4), bars);
        p.fillRect(QRectF(4.5, 10, 9, 4), bars);
        return;
    case Kind::alignRight:
    case Kind::alignBottom:
        p.fillRect(QRectF(14.5, 2, 1.5, 14), ink);
        p.fillRect(QRectF(2.5, 4, 11, 4), bars);
        p.fillRect(QRectF(6.5, 10, 7, 4), bars);
        return;
    case Kind::distributeHorizontally:
    case Kind::distributeVertically:
        p.fillRect(QRectF(1, 2, 1.5, 14), ink);
        p.fillRect(QRectF(15.5, 2, 1.5, 14), ink);
        p.fillRect(QRectF(4, 5, 3, 8), bars);
        p.fillRect(QRectF(11, 5, 3, 8), bars);
        return;
    case Kind::matchWidth:
    case Kind::matchHeight:
        p.fillRect(QRectF(3, 3, 12, 4), bars);
        p.fillRect(QRectF(3, 11, 12, 4), bars);
        p.fillRect(QRectF(2, 8.25, 14, 1.5), ink);
        return;
    }
}

QIcon iconFor(Kind kind) {
    const bool vertical = kind == Kind::alignTop || kind == Kind::alignMiddle || kind == Kind::alignBottom ||
                          kind == Kind::distributeVertically || kind == Kind::matchHeight;
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap(QSize(18, 18) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (vertical) {
        // A quarter turn mirrored: left becomes top, right becomes bottom.
        painter.setTransform(QTransform(0, 1, 1, 0, 0, 0));
    }
    drawHorizontal(painter, kind);
    return QIcon(pixmap);
}

} // namespace

QList<QAction*> makeArrangeActions(DocumentSession& session, QObject* parent) {
    QList<QAction*> actions;
    for (const ArrangeCommand& command : commands) {
        auto* action = new QAction(iconFor(command.kind),
                                   QCoreApplication::translate("ArrangeActions", command.text), parent);
        action->setToolTip(action->text());
        const Kind kind = command.kind;
        QObject::connect(action, &QAction::triggered, action, [&session, kind] { run(session, kind); });
        actions.append(action);
    }
    const auto enable = [actions, &session] {
        const qsizetype selected = session.selectedComponentIds().size();
        for (qsizetype i = 0; i < actions.size(); ++i)
            actions[i]->setEnabled(selected >= commands[i].fewest);
    };
    QObject::connect(&session, &DocumentSession::changed, parent, enable);
    enable();
    return actions;
}

} // namespace vistrelle
