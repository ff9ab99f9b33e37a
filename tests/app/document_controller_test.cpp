#include "app/document_controller.h"

#include "editor/active_session.h"
#include "editor/editor_window.h"
#include "platform/notification_center.h"
#include "platform/preferences.h"
#include "support/manual_scheduler.h"
#include "support/setup_sheet.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vistrelle;

namespace {

class DocumentControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Preferences::setStoreFolder(folder.filePath("config"));
        NotificationCenter::defaultCenter().reset();
        documents.setQuietForTests([this](EditorWindow&) { return answer; });
        auto scheduler = std::make_unique<ManualScheduler>();
        clock = scheduler.get();
        documents.setScheduler(std::move(scheduler));
    }
    void TearDown() override {
        answer = DocumentController::CloseAnswer::discard;
        documents.closeAll();
        settle();
    }
    static void settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A saved project with one screen named `name`.
    QString savedProject(const QString& fileName, bool autoSave = true) {
        VistrelleDocument document;
        document.project.metadata.name = "Lobby";
        document.project.settings.autoSave = autoSave;
        const QString path = folder.filePath(fileName);
        EXPECT_FALSE(document.writeFile(path).has_value());
        return path;
    }
    static QString savedName(const QString& path) {
        return VistrelleDocument::readFile(path)->project.screens.first().name;
    }
    // An edit through the window's session, as the canvas and palettes make them.
    static void renameStartScreen(EditorWindow& window, const QString& name) {
        window.activateDocument();
        window.session().renameScreen(window.session().project().screens.first().id, name);
        settle();
    }

    QTemporaryDir folder;
    DocumentController documents{folder.filePath("recovery")};
    RecoveryStore& recovery = documents.recoveryStore();
    DocumentController::CloseAnswer answer = DocumentController::CloseAnswer::cancel;
    ManualScheduler* clock = nullptr;
};

} // namespace

TEST_F(DocumentControllerTest, ChangesAreSavedInPlaceWithinThreeSecondsEvenWhileEditsContinue) {
    const QString path = savedProject("lobby.vistrelle");
    EditorWindow* window = documents.openFile(path);
    ASSERT_TRUE(window);
    EXPECT_EQ(documents.recentFiles().first(), QFileInfo(path).absoluteFilePath());
    renameStartScreen(*window, "Foyer");
    EXPECT_TRUE(window->isModified());
    clock->advanceBy(1.5);
    EXPECT_EQ(savedName(path), "Start") << "too early";
    renameStartScreen(*window, "Foyer 2"); // a later edit does not push the save back
    clock->advanceBy(1.49);
    EXPECT_EQ(savedName(path), "Start") << "still too early";
    clock->advanceBy(0.01);
    EXPECT_EQ(savedName(path), "Foyer 2");
    EXPECT_FALSE(window->isModified());
    EXPECT_FALSE(recovery.hasCopy(window->windowId()));
}

TEST_F(DocumentControllerTest, UntitledWorkAndWorkWithoutAutoSaveIsKeptAsARecoveryCopy) {
    const QString path = savedProject("manual.vistrelle", false);
    EditorWindow* manual = documents.openFile(path);
    renameStartScreen(*manual, "Edited");
    documents.autosave(*manual);
    EXPECT_EQ(savedName(path), "Start") << "automatic saving is off for this project";
    EXPECT_TRUE(recovery.hasCopy(manual->windowId()));

    // The new document asks for its setup first.
    EditorWindow* untitled = documents.newDocument();
    ASSERT_EQ(test_support::acceptProjectSetup(), 1);
    renameStartScreen(*untitled, "Draft");
    documents.autosave(*untitled);
    EXPECT_TRUE(recovery.hasCopy(untitled->windowId()));

    // Windows closed normally take their copies with them.
    answer = DocumentController::CloseAnswer::discard;
    const QUuid untitledId = untitled->windowId();
    untitled->close();
    settle();
    EXPECT_FALSE(recovery.hasCopy(untitledId));
    EXPECT_TRUE(recovery.hasCopy(manual->windowId()));
}

TEST_F(DocumentControllerTest, CopiesOfAnApplicationThatEndedAreOfferedBackOnce) {
    const QString recoveryFolder = folder.filePath("shared-recovery");
    const QString path = savedProject("crashed.vistrelle");
    {
        // An application that ends without closing its windows, as in a crash, leaves its copies behind.
        RecoveryStore crashed(recoveryFolder);
        VistrelleDocument draft;
        draft.project.screens.first().name = "Draft";
        VistrelleDocument edited = VistrelleDocument::readFile(path).value();
        edited.project.screens.first().name = "Edited";
        ASSERT_EQ(crashed.save(QUuid::createUuid(), draft, {}), std::nullopt);
        ASSERT_EQ(crashed.save(QUuid::createUuid(), edited, path), std::nullopt);

        // While it runs, another application does not touch them.
        RecoveryStore other(recoveryFolder);
        EXPECT_TRUE(other.leftovers().isEmpty());
    }

    DocumentController restarted(recoveryFolder);
    restarted.setQuietForTests([](EditorWindow&) { return DocumentController::CloseAnswer::discard; });
    ASSERT_TRUE(restarted.offerRecovery());
    QStringList names;
    QString restoredPath;
    for (EditorWindow* window : restarted.windows()) {
        names << window->currentDocument().project.screens.first().name;
        EXPECT_TRUE(window->isModified());
        if (!window->filePath().isEmpty())
            restoredPath = window->filePath();
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{"Draft", "Edited"}));
    EXPECT_EQ(restoredPath, path);

    DocumentController third(recoveryFolder);
    third.setQuietForTests([](EditorWindow&) { return DocumentController::CloseAnswer::discard; });
    EXPECT_FALSE(third.offerRecovery()) << "offered once only";
    restarted.closeAll();
    settle();
}

TEST_F(DocumentControllerTest, ClosingWithUnsavedChangesAsksFirst) {
    const QString path = savedProject("ask.vistrelle");
    EditorWindow* window = documents.openFile(path);
    renameStartScreen(*window, "Changed");

    answer = DocumentController::CloseAnswer::cancel;
    EXPECT_FALSE(documents.closeAll());
    settle();
    EXPECT_EQ(documents.windows().size(), 1);

    answer = DocumentController::CloseAnswer::save;
    EXPECT_TRUE(documents.closeAll());
    settle();
    EXPECT_TRUE(documents.windows().isEmpty());
    EXPECT_EQ(savedName(path), "Changed");
    EXPECT_FALSE(ActiveSession::shared().session()) << "no window, no active session";
}

TEST_F(DocumentControllerTest, RevertAndOpenFailuresLeaveTheDocumentIntact) {
    const QString path = savedProject("revert.vistrelle");
    EditorWindow* window = documents.openFile(path);
    EXPECT_EQ(documents.openFile(path), window) << "an open file is brought to the front, not opened twice";
    renameStartScreen(*window, "Scratch");
    documents.revert(*window);
    settle();
    EXPECT_EQ(window->currentDocument().project.screens.first().name, "Start");
    EXPECT_FALSE(window->isModified());

    QFile broken(folder.filePath("broken.vistrelle"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"metadata\": ");
    broken.close();
    EXPECT_EQ(documents.openFile(broken.fileName()), nullptr);
    EXPECT_EQ(documents.windows().size(), 1);
}

TEST_F(DocumentControllerTest, AnAutomaticSaveThatFailsIsShownAndTheWorkStaysUnsaved) {
    const QString path = savedProject("lobby.vistrelle");
    EditorWindow* window = documents.openFile(path);
    ASSERT_TRUE(window);
    // The document's folder is gone (an unplugged drive, say): its file cannot be written.
    window->setFilePath(folder.filePath("unplugged/lobby.vistrelle"));
    renameStartScreen(*window, "Foyer");
    documents.autosave(*window);
    EXPECT_TRUE(window->isModified());
    EXPECT_TRUE(window->saveProblem().startsWith(
        "“lobby” could not be saved automatically: No such file or directory. "))
        << window->saveProblem().toStdString();
    EXPECT_TRUE(window->saveProblem().contains("recovery copy"));
    EXPECT_TRUE(recovery.hasCopy(window->windowId()));

    // Saved somewhere that works, the notice goes.
    window->setFilePath(path);
    documents.autosave(*window);
    EXPECT_FALSE(window->isModified());
    EXPECT_EQ(window->saveProblem(), "");
    EXPECT_EQ(savedName(path), "Foyer");
}

TEST_F(DocumentControllerTest, WorkThatCannotBeKeptAnywhereIsShown) {
    QFile notAFolder(folder.filePath("not-a-folder"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    DocumentController nowhere(notAFolder.fileName() + "/recovery");
    nowhere.setQuietForTests([](EditorWindow&) { return DocumentController::CloseAnswer::discard; });
    EditorWindow* window = nowhere.openFile(savedProject("manual.vistrelle", false));
    renameStartScreen(*window, "Edited");
    nowhere.autosave(*window);
    EXPECT_TRUE(window->isModified());
    EXPECT_TRUE(window->saveProblem().startsWith("Your changes to “manual” are not saved anywhere: "))
        << window->saveProblem().toStdString();
    nowhere.closeAll();
    settle();
}

TEST_F(DocumentControllerTest, ClosingTheLastWindowIsReportedOnce) {
    QSignalSpy lastClosed(&documents, &DocumentController::lastWindowClosed);
    EditorWindow* first = documents.openFile(savedProject("one.vistrelle"));
    EditorWindow* second = documents.openFile(savedProject("two.vistrelle"));
    first->close();
    settle();
    EXPECT_EQ(documents.windows(), QList<EditorWindow*>{second});
    EXPECT_EQ(lastClosed.count(), 0);
    second->close();
    settle();
    EXPECT_TRUE(documents.windows().isEmpty());
    EXPECT_EQ(lastClosed.count(), 1);
}
