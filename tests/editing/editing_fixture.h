#pragma once

#include "editing/notification_names.h"
#include "editing/shared_document_manager.h"
#include "platform/notification_center.h"
#include "platform/pasteboard.h"
#include "platform/user_alerts.h"

#include <QCoreApplication>
#include <QUndoStack>

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace vistrelle::test_support {

// Records alerts instead of showing them.
class AlertRecorder : public AlertPresenter {
public:
    void present(const UserAlert& alert) override { alerts.append(alert); }
    QList<UserAlert> alerts;
};

// Every test starts from a fresh manager, clipboard and notification centre,
// with a document open in a window that has an undo stack.
class EditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        SharedDocumentManager::resetShared();
        NotificationCenter::defaultCenter().reset();
        Pasteboard::general().clear();
        UserAlerts::setPresenter(&alertRecorder);
        for (const QString& name : {NotificationName::documentUpdated, NotificationName::documentCleared,
                                    NotificationName::componentAdded, NotificationName::componentDeleted})
            NotificationCenter::defaultCenter().observe(name, &observerContext,
                                                        [this, name](const QVariantMap& info) {
                                                            posts.append(name);
                                                            lastUserInfo = info;
                                                        });
        manager().undoManager().setUndoManager(&undoStack);
    }

    void TearDown() override {
        processEvents();
        UserAlerts::setPresenter(nullptr);
        NotificationCenter::defaultCenter().reset();
        SharedDocumentManager::resetShared();
    }

    static SharedDocumentManager& manager() { return SharedDocumentManager::shared(); }
    static void processEvents() { QCoreApplication::sendPostedEvents(); }

    // Opens `project` (or a new one) in the window `windowId`.
    void open(const KioskProject& project = KioskProject()) {
        VistrelleDocument document;
        document.project = project;
        manager().setActiveDocument(document, windowId);
        processEvents();
        posts.clear();
    }

    const KioskProject& project() const { return manager().currentDocument()->project; }

    QStringList undoNames() const {
        QStringList names;
        for (int i = 0; i < undoStack.count(); ++i)
            names << undoStack.text(i);
        return names;
    }

    QUuid windowId = QUuid::createUuid();
    QUndoStack undoStack;
    QObject observerContext;
    AlertRecorder alertRecorder;
    QStringList posts;
    QVariantMap lastUserInfo;
};

// A project with the start screen and `extra` more screens named "Screen 2", ….
KioskProject projectWithScreens(int extra);

} // namespace vistrelle::test_support
