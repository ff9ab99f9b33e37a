#pragma once

#include "editing/inspector_update_manager.h"
#include "editing/shared_document_manager.h"
#include "platform/notification_center.h"
#include "platform/preferences.h"
#include "support/qt_printers.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace vistrelle::test_support {

// A project open in the shared manager with an undo stack, as an active window has it.
class InspectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Preferences::setStoreFolder(store.path());
        SharedDocumentManager::resetShared();
        NotificationCenter::defaultCenter().reset();
        manager().undoManager().setUndoManager(&undoStack);
    }
    void TearDown() override {
        InspectorUpdateManager::shared().flush();
        QApplication::processEvents();
        SharedDocumentManager::resetShared();
        NotificationCenter::defaultCenter().reset();
    }

    static SharedDocumentManager& manager() { return SharedDocumentManager::shared(); }

    void open(const KioskProject& project) {
        VistrelleDocument document;
        document.project = project;
        manager().setActiveDocument(document, windowId);
        manager().setSelectedScreen(project.screens.first());
        QApplication::processEvents();
    }
    const KioskProject& project() const { return manager().currentDocument()->project; }

    // The widget named `name` among those `parent` shows (each type's panel has its own controls).
    template <typename T> T* shown(const QWidget& parent, const QString& name) const {
        for (T* candidate : parent.findChildren<T*>(name))
            if (candidate->isVisibleTo(&parent))
                return candidate;
        ADD_FAILURE() << "no shown " << qPrintable(name);
        return nullptr;
    }

    QTemporaryDir store;
    QUndoStack undoStack;
    QUuid windowId = QUuid::createUuid();
};

} // namespace vistrelle::test_support
