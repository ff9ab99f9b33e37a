#include "platform/pasteboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vistrelle {

Pasteboard& Pasteboard::general() {
    static Pasteboard pasteboard;
    return pasteboard;
}

void Pasteboard::setData(const QString& type, const QByteArray& data) {
    auto* mime = new QMimeData; // the clipboard takes ownership
    mime->setData(type, data);
    QGuiApplication::clipboard()->setMimeData(mime);
}

std::optional<QByteArray> Pasteboard::data(const QString& type) const {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime || !mime->hasFormat(type))
        return std::nullopt;
    return mime->data(type);
}

void Pasteboard::clear() {
    QGuiApplication::clipboard()->clear();
}

} // namespace vistrelle
