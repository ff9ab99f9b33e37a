#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace vistrelle {

// The system clipboard, for data of the application's private types.
// Needs a QGuiApplication.
class Pasteboard {
public:
    static Pasteboard& general();

    // Replaces the clipboard's contents with `data` under `type` alone.
    void setData(const QString& type, const QByteArray& data);
    // The data under `type`; nothing when the clipboard holds anything else.
    std::optional<QByteArray> data(const QString& type) const;
    void clear();
};

} // namespace vistrelle
