#include "editor/vistrelle_commands.h"

#include "editing/document_session.h"
#include "editor/editor_window.h"
#include "editor/help_links.h"
#include "editor/palette_windows.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace vistrelle {
namespace {

QAction* addCommand(QMenu* menu, const QString& title, const QKeySequence& shortcut,
                    std::function<void()> run) {
    QAction* action = menu->addAction(title);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, action, std::move(run));
    return action;
}

// The usual text commands go to the focused text field; elsewhere in the window (the canvas) they act on
// the selected components.
void sendToFocusedTextOr(const char* slot, const std::function<void()>& onComponents) {
    QWidget* focus = QApplication::focusWidget();
    if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QTextEdit*>(focus) ||
        qobject_cast<QPlainTextEdit*>(focus))
        QMetaObject::invokeMethod(focus, slot);
    else
        onComponents();
}

void openHelp(HelpPage page) {
    QDesktopServices::openUrl(helpPageUrl(page));
}

} // namespace

void addVistrelleCommands(EditorWindow& window) {
    QMenuBar* bar = window.menuBar();
    DocumentSession& session = window.session();

    QMenu* edit = bar->addMenu(EditorWindow::tr("&Edit"));
    // Every command of a window's menus acts on that window's document, whichever window is active (a
    // menu can be used without activating its window); Undo and Redo say what they would undo or redo and
    // are disabled when there is nothing.
    QUndoStack& stacks = session.undoStack();
    QAction* undo = addCommand(edit, EditorWindow::tr("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                               [&stacks] { stacks.undo(); });
    undo->setObjectName(QStringLiteral("undo"));
    QAction* redo = addCommand(edit, EditorWindow::tr("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                               [&stacks] { stacks.redo(); });
    redo->setObjectName(QStringLiteral("redo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    const auto showUndo = [undo](const QString& step) {
        undo->setText(step.isEmpty() ? EditorWindow::tr("Undo") : EditorWindow::tr("Undo %1").arg(step));
    };
    const auto showRedo = [redo](const QString& step) {
        redo->setText(step.isEmpty() ? EditorWindow::tr("Redo") : EditorWindow::tr("Redo %1").arg(step));
    };
    QObject::connect(&stacks, &QUndoStack::undoTextChanged, undo, showUndo);
    QObject::connect(&stacks, &QUndoStack::redoTextChanged, redo, showRedo);
    QObject::connect(&stacks, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    QObject::connect(&stacks, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    showUndo(stacks.undoText());
    showRedo(stacks.redoText());
    undo->setEnabled(stacks.canUndo());
    redo->setEnabled(stacks.canRedo());
    edit->addSeparator();
    addCommand(edit, EditorWindow::tr("Cu&t"), QKeySequence::Cut, [&session] {
        sendToFocusedTextOr("cut", [&session] { session.cutSelectedComponents(); });
    })->setObjectName(QStringLiteral("cut"));
    addCommand(edit, EditorWindow::tr("&Copy"), QKeySequence::Copy, [&session] {
        sendToFocusedTextOr("copy", [&session] { session.copySelectedComponent(); });
    })->setObjectName(QStringLiteral("copy"));
    addCommand(edit, EditorWindow::tr("&Paste"), QKeySequence::Paste, [&session] {
        sendToFocusedTextOr("paste", [&session] { session.pasteComponent(); });
    })->setObjectName(QStringLiteral("paste"));
    addCommand(edit, EditorWindow::tr("Select &All"), QKeySequence::SelectAll, [&session] {
        sendToFocusedTextOr("selectAll", [&session] { session.selectAllComponents(); });
    })->setObjectName(QStringLiteral("selectAll"));
    edit->addSeparator();
    addCommand(edit, EditorWindow::tr("Copy Component"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
               [&session] { session.copySelectedComponent(); });
    addCommand(edit, EditorWindow::tr("Paste Component"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
               [&session] { session.pasteComponent(); });
    addCommand(edit, EditorWindow::tr("Duplicate Component"), QKeySequence(Qt::CTRL | Qt::Key_D), [&session] {
        session.duplicateSelectedComponent();
    })->setObjectName(QStringLiteral("duplicate"));
    addCommand(edit, EditorWindow::tr("Delete Component"), QKeySequence(),
               [&window] { window.deleteSelectedComponent(); });
    edit->addSeparator();
    addCommand(edit, EditorWindow::tr("Pr&eferences…"), QKeySequence(Qt::CTRL | Qt::Key_Comma),
               [&window] { window.showPreferences(); });

    QMenu* arrange = bar->addMenu(EditorWindow::tr("&Arrange"));
    addCommand(arrange, EditorWindow::tr("Bring to Front"),
               QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_BracketRight),
               [&session] { session.changeZOrder(ZOrderOperation::bringToFront); });
    addCommand(arrange, EditorWindow::tr("Bring Forward"), QKeySequence(Qt::CTRL | Qt::Key_BracketRight),
               [&session] { session.changeZOrder(ZOrderOperation::bringForward); });
    addCommand(arrange, EditorWindow::tr("Send Backward"), QKeySequence(Qt::CTRL | Qt::Key_BracketLeft),
               [&session] { session.changeZOrder(ZOrderOperation::sendBackward); });
    addCommand(arrange, EditorWindow::tr("Send to Back"),
               QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_BracketLeft),
               [&session] { session.changeZOrder(ZOrderOperation::sendToBack); });
    arrange->addSeparator();
    const QList<QAction*> arrangement = window.arrangeActions();
    for (qsizetype i = 0; i < arrangement.size(); ++i) {
        // Align, distribute and match size, each group apart.
        if (i == 6 || i == 8)
            arrange->addSeparator();
        arrange->addAction(arrangement[i]);
    }

    QMenu* view = bar->addMenu(EditorWindow::tr("&View"));
    QAction* zoomIn =
        addCommand(view, EditorWindow::tr("Zoom In"), QKeySequence::ZoomIn, [&window] { window.zoomIn(); });
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    addCommand(view, EditorWindow::tr("Zoom Out"), QKeySequence::ZoomOut, [&window] { window.zoomOut(); });
    addCommand(view, EditorWindow::tr("Actual Size"), QKeySequence(Qt::CTRL | Qt::Key_0),
               [&window] { window.zoomToActualSize(); });
    addCommand(view, EditorWindow::tr("Zoom to Fit"), QKeySequence(Qt::CTRL | Qt::Key_9),
               [&window] { window.zoomToFit(); });
    view->addSeparator();
    // The palettes as separate windows, as some prefer them on a large or second display.
    QAction* floating = addCommand(view, EditorWindow::tr("Floating Palettes"), QKeySequence(), [] {});
    floating->setObjectName(QStringLiteral("floatingPalettes"));
    floating->setCheckable(true);
    floating->setChecked(PaletteWindows::shared().floatingPalettes());
    QObject::connect(floating, &QAction::toggled, &PaletteWindows::shared(),
                     &PaletteWindows::setFloatingPalettes);
    QObject::connect(&PaletteWindows::shared(), &PaletteWindows::floatingPalettesChanged, floating,
                     &QAction::setChecked);
    view->addSeparator();
    addCommand(view, EditorWindow::tr("Preview"), QKeySequence(Qt::Key_F5),
               [&window] { window.showPreview(); });
    addCommand(view, EditorWindow::tr("Schedule"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), [&window] {
        window.showSchedule();
    })->setObjectName(QStringLiteral("showSchedule"));
    addCommand(view, EditorWindow::tr("Project Settings…"), QKeySequence(),
               [&window] { window.showProjectSettings(); });
    addCommand(view, EditorWindow::tr("Export Bundle…"), QKeySequence(Qt::CTRL | Qt::Key_E),
               [&window] { window.exportBundle(); });

    QMenu* windows = bar->addMenu(EditorWindow::tr("&Window"));
    addCommand(windows, EditorWindow::tr("Screens"), QKeySequence(Qt::CTRL | Qt::Key_1),
               [] { PaletteWindows::shared().show(PaletteWindows::screensIdentifier); });
    addCommand(windows, EditorWindow::tr("Components"), QKeySequence(Qt::CTRL | Qt::Key_2),
               [] { PaletteWindows::shared().show(PaletteWindows::componentLibraryIdentifier); });
    addCommand(windows, EditorWindow::tr("Inspector"), QKeySequence(Qt::CTRL | Qt::Key_3),
               [] { PaletteWindows::shared().show(PaletteWindows::inspectorIdentifier); });
    addCommand(windows, EditorWindow::tr("Show Check"), QKeySequence(Qt::CTRL | Qt::Key_4),
               [] { PaletteWindows::shared().show(PaletteWindows::showCheckIdentifier); });

    QMenu* help = bar->addMenu(EditorWindow::tr("&Help"));
    addCommand(help, EditorWindow::tr("About Vistrelle..."), QKeySequence(), [&window] {
        emit window.aboutRequested();
    })->setMenuRole(QAction::AboutRole);
    help->addSeparator();
#ifdef Q_OS_LINUX
    // The player ships with the editor here: the item says how to put it on a display computer.
    addCommand(help, EditorWindow::tr("Set Up a Display Computer…"), QKeySequence(),
               [] { QDesktopServices::openUrl(displaySetupGuideUrl()); });
#else
    addCommand(help, EditorWindow::tr("Download Vistrelle Player freeware"), QKeySequence(),
               [] { openHelp(HelpPage::playerDownload); });
#endif
    help->addSeparator();
    addCommand(help, EditorWindow::tr("Download an example made with Vistrelle"), QKeySequence(),
               [] { openHelp(HelpPage::exampleDownload); });
    help->addSeparator();
    addCommand(help, EditorWindow::tr("Live Chat Support"), QKeySequence(),
               [] { openHelp(HelpPage::liveChat); });
    addCommand(help, EditorWindow::tr("AI Assistant"), QKeySequence(), [] { openHelp(HelpPage::assistant); });
    addCommand(help, EditorWindow::tr("Frequently Asked Questions"), QKeySequence(),
               [] { openHelp(HelpPage::frequentlyAskedQuestions); });
    addCommand(help, EditorWindow::tr("Feature Request"), QKeySequence(),
               [] { openHelp(HelpPage::featureRequest); });
    addCommand(help, EditorWindow::tr("Bug Report"), QKeySequence(), [] { openHelp(HelpPage::bugReport); });
}

} // namespace vistrelle
