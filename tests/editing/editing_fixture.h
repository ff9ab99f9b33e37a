#pragma once

#include "editing/document_session.h"
#include "platform/pasteboard.h"
#include "platform/user_alerts.h"

#include <QCoreApplication>
#include <QUndoStack>

#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <memory>

namespace vistrelle::test_support {

// Records alerts instead of showing them.
class AlertRecorder : public AlertPresenter {
public:
    void present(const UserAlert& alert) override { alerts.append(alert); }
    QList<UserAlert> alerts;
};

// Every test starts with an empty clipboard and a session of its own, whose reported changes it records.
class EditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Pasteboard::general().clear();
        UserAlerts::setPresenter(&alertRecorder);
        open();
    }

    void TearDown() override {
        processEvents();
        UserAlerts::setPresenter(nullptr);
    }

    DocumentSession& session() { return *session_; }
    const DocumentSession& session() const { return *session_; }
    QUndoStack& undoStack() { return session_->undoStack(); }
    static void processEvents() { QCoreApplication::sendPostedEvents(); }

    // A fresh session on `project` (or a new one); what opening it reported is forgotten.
    void open(const KioskProject& project = KioskProject()) {
        VistrelleDocument document;
        document.project = project;
        session_ = std::make_unique<DocumentSession>(document);
        QObject::connect(session_.get(), &DocumentSession::changed,
                         [this](const DocumentChange& change) { changes.append(change); });
        processEvents();
        changes.clear();
    }

    const KioskProject& project() const { return session_->project(); }

    QStringList undoNames() const {
        QStringList names;
        for (int i = 0; i < session_->undoStack().count(); ++i)
            names << session_->undoStack().text(i);
        return names;
    }

    AlertRecorder alertRecorder;
    QList<DocumentChange> changes;

private:
    std::unique_ptr<DocumentSession> session_;
};

// A project with the start screen and `extra` more screens named "Screen 2", ….
KioskProject projectWithScreens(int extra);

} // namespace vistrelle::test_support
