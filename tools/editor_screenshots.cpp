// Pictures of the editor for looking at it without a display:
//   editor_screenshots PROJECT OUTPUT_FOLDER
// writes the editor window with the project, its palettes and every sheet as PNG files.
#include "app/document_controller.h"
#include "editing/document_session.h"
#include "editing/style_preset_manager.h"
#include "editor/editor_window.h"
#include "editor/inspector/component_inspector.h"
#include "editor/inspector/icon_picker.h"
#include "editor/inspector/inspector_palette.h"
#include "editor/inspector/screen_inspector.h"
#include "editor/inspector/style_preset_sheets.h"
#include "editor/palette_windows.h"
#include "editor/sheets/custom_resolution_dialog.h"
#include "editor/sheets/kiosk_deploy_view.h"
#include "editor/sheets/preferences_sheet.h"
#include "editor/sheets/project_settings_sheet.h"
#include "editor/sheets/project_setup_sheet.h"
#include "editor/sheets/screen_edit_dialog.h"
#include "editor/sheets/text_area_editor_sheet.h"
#include "model/stored_enum.h"
#include "platform/preferences.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

using namespace vistrelle;

namespace {

void settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

void save(QWidget& widget, const QString& folder, const QString& name) {
    settle();
    widget.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    std::printf("%s\n", qPrintable(QDir(folder).filePath(name + QStringLiteral(".png"))));
}

template <typename Dialog> void saveDialog(Dialog& dialog, const QString& folder, const QString& name) {
    dialog.show();
    save(dialog, folder, name);
    dialog.hide();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: editor_screenshots PROJECT OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    QTemporaryDir store;
    Preferences::setStoreFolder(store.path());

    // A copy: the pictures add components, and saving in place must not change the project given.
    const QString copy = store.filePath(QStringLiteral("project.vistrelle"));
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), copy))
        return 1;
    DocumentController documents(store.filePath(QStringLiteral("recovery")));
    documents.setQuietForTests([](EditorWindow&) { return DocumentController::CloseAnswer::discard; });
    EditorWindow* window = documents.openFile(copy);
    if (!window)
        return 1;
    window->resize(1280, 860);
    settle();
    save(*window, folder, QStringLiteral("editor"));

    DocumentSession& session = window->session();
    const KioskProject project = session.project();
    if (!project.screens.isEmpty() && !project.screens.first().components.isEmpty())
        session.setSelectedComponent(project.screens.first().components.first());
    window->zoomOut();
    window->zoomOut();
    save(*window, folder, QStringLiteral("editor-selection-80"));

    PaletteWindows::shared().show(PaletteWindows::screensIdentifier);
    PaletteWindows::shared().show(PaletteWindows::componentLibraryIdentifier);
    save(*PaletteWindows::shared().window(PaletteWindows::screensIdentifier), folder,
         QStringLiteral("screens-palette"));
    save(*PaletteWindows::shared().window(PaletteWindows::componentLibraryIdentifier), folder,
         QStringLiteral("component-library"));

    // The inspector: one picture per component type (on a screen of their own), one of a screen.
    PaletteWindows::shared().show(PaletteWindows::inspectorIdentifier);
    auto* inspector =
        static_cast<InspectorPalette*>(PaletteWindows::shared().window(PaletteWindows::inspectorIdentifier));
    session.setSelectedComponent(std::nullopt);
    inspector->refresh();
    save(*inspector->screenInspector()->parentWidget(), folder, QStringLiteral("inspector-screen"));
    save(*inspector, folder, QStringLiteral("inspector-palette"));
    // The sample's text area: on the canvas, in the inspector and in its editor sheet.
    if (project.screens.size() > 1) {
        session.setSelectedScreen(project.screens[1]);
        for (const PlacedComponent& component : project.screens[1].components)
            if (component.componentType == ComponentType::textArea) {
                session.setSelectedComponent(component);
                inspector->refresh();
                save(*window, folder, QStringLiteral("editor-text-area"));
                save(*inspector->componentInspector()->parentWidget(), folder,
                     QStringLiteral("inspector-sample-text-area"));
                TextAreaEditorSheet sheet(component, window);
                saveDialog(sheet, folder, QStringLiteral("text-area-editor"));
            }
    }
    session.addScreen();
    settle();
    for (const ComponentType type : allCases<ComponentType>()) {
        session.addComponent(type, {100, 100});
        settle();
        inspector->refresh();
        QString name = storedString(type).toLower();
        name.replace(u' ', u'-');
        save(*inspector->componentInspector()->parentWidget(), folder, QStringLiteral("inspector-") + name);
    }
    {
        StylePresetManager presets;
        const PlacedComponent icon = *session.selectedComponent();
        presets.add(presetFrom(icon, QStringLiteral("Lobby blue"), QDateTime::currentDateTimeUtc()));
        presets.add(presetFrom(icon, QStringLiteral("Large warning"), QDateTime::currentDateTimeUtc()));
        StylePresetsSheet list(presets, ComponentType::icon, window);
        saveDialog(list, folder, QStringLiteral("style-presets"));
        StylePresetsSheet none(presets, ComponentType::video, window);
        saveDialog(none, folder, QStringLiteral("style-presets-empty"));
        SaveStylePresetSheet saveSheet(window);
        saveDialog(saveSheet, folder, QStringLiteral("save-style-preset"));
        IconPicker picker;
        picker.popup(QPoint(0, 0), QStringLiteral("star.fill"));
        save(picker, folder, QStringLiteral("icon-picker"));
        picker.hide();
    }

    { // the sheets are the window's children: gone before the window goes
        ProjectSetupSheet setup(window);
        saveDialog(setup, folder, QStringLiteral("project-setup"));
        ProjectSettingsSheet settings(project, window);
        saveDialog(settings, folder, QStringLiteral("project-settings"));
        ScreenEditDialog screenEdit(project.screens.first(), window);
        saveDialog(screenEdit, folder, QStringLiteral("screen-edit"));
        PreferencesSheet preferences(window);
        saveDialog(preferences, folder, QStringLiteral("preferences"));
        CustomResolutionDialog custom(QStringLiteral("1024"), QStringLiteral("768"), ScreenMode::horizontal,
                                      window);
        saveDialog(custom, folder, QStringLiteral("custom-resolution"));

        // After a deploy: Play, Reveal Folder and the log.
        KioskDeployView deploy(project, window);
        deploy.show();
        QEventLoop deployed;
        QObject::connect(&deploy.manager(), &KioskDeployManager::finished, &deployed, &QEventLoop::quit);
        deploy.deployTo(store.filePath(QStringLiteral("deployed")));
        deployed.exec();
        settle();
        save(deploy, folder, QStringLiteral("deploy-sheet-success"));
    }

    VistrelleDocument empty;
    empty.project.screens.clear();
    empty.isLoadedFromDisk = true;
    EditorWindow emptyWindow(empty);
    emptyWindow.setAttribute(Qt::WA_DeleteOnClose, false);
    emptyWindow.resize(1100, 760);
    emptyWindow.show();
    save(emptyWindow, folder, QStringLiteral("editor-empty"));
    emptyWindow.close();

    documents.closeAll();
    settle();
    return 0;
}
