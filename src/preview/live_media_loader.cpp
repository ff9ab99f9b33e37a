#include "preview/live_media_loader.h"

#include "model/component_properties.h"
#include "platform/app_logger.h"
#include "preview/live_media.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace vistrelle {

bool needsLiveMedia(const KioskProject& project) {
    for (const KioskScreen& screen : project.screens)
        for (const PlacedComponent& component : screen.components) {
            if (component.componentType == ComponentType::video &&
                !component.stringProperty(PropertyKey::videoPath).isEmpty())
                return true;
            if (component.componentType == ComponentType::webView &&
                (!component.stringProperty(PropertyKey::url).isEmpty() ||
                 !component.stringProperty(PropertyKey::htmlContent).isEmpty()))
                return true;
        }
    return false;
}

LiveMediaFactory* liveMediaFactory() {
    static LiveMediaFactory* const factory = []() -> LiveMediaFactory* {
        const QString name = QStringLiteral("vistrelle_live_media");
        const QDir programFolder(QCoreApplication::applicationDirPath());
        QString reasons;
        for (const QString& candidate :
             {programFolder.filePath(name),
              programFolder.filePath(QStringLiteral("../lib/vistrelle/") + name)}) {
            QPluginLoader loader(candidate);
            if (auto* found = qobject_cast<LiveMediaFactory*>(loader.instance()))
                return found; // stays loaded for the rest of the run
            reasons += (reasons.isEmpty() ? QString() : QStringLiteral("; ")) + loader.errorString();
        }
        AppLogger::logFailure(QStringLiteral("Videos and web pages cannot play in the preview: "), reasons);
        return nullptr;
    }();
    return factory;
}

} // namespace vistrelle
