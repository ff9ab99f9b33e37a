#pragma once

#include "editing/document_session.h"

#include <QObject>
#include <QPointer>

namespace vistrelle {

// The document session of the project window the user works in: the one pointer the application keeps to
// it. A project window hands over its session when it is activated; the palettes (inspector, screens, show
// check) follow it. Nothing edits through it: edits go to the session a view or dialog was given.
class ActiveSession : public QObject {
    Q_OBJECT

public:
    static ActiveSession& shared();

    DocumentSession* session() const { return session_; }
    void setSession(DocumentSession* session);

signals:
    // Another session is active (none: no project window is open).
    void sessionChanged(vistrelle::DocumentSession* session);

private:
    ActiveSession() = default;

    QPointer<DocumentSession> session_;
};

} // namespace vistrelle
