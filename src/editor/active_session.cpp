#include "editor/active_session.h"

#include "editing/document_session.h"

namespace vistrelle {

ActiveSession& ActiveSession::shared() {
    static ActiveSession active;
    return active;
}

void ActiveSession::setSession(DocumentSession* session) {
    if (session_ == session)
        return;
    if (session_)
        disconnect(session_, &QObject::destroyed, this, nullptr);
    session_ = session;
    // A window that goes takes its session with it: nothing is active until another window is.
    if (session)
        connect(session, &QObject::destroyed, this, [this] {
            session_ = nullptr;
            emit sessionChanged(nullptr);
        });
    emit sessionChanged(session);
}

} // namespace vistrelle
