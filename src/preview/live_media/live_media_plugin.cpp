// The plugin that brings the media framework and the web engine into the
// preview, loaded the first time a preview shows a video or a web page.
#include "preview/live_media.h"
#include "preview/live_media/live_video.h"
#include "preview/live_media/live_web_view.h"

namespace vistrelle {

class LiveMediaPlugin : public QObject, public LiveMediaFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VistrelleLiveMediaFactory_iid)
    Q_INTERFACES(vistrelle::LiveMediaFactory)

public:
    std::unique_ptr<LiveVideo> createVideo(LiveVideo::Options options) override {
        return std::make_unique<MediaPlayerVideo>(std::move(options));
    }

    std::unique_ptr<LiveWebSession> createWebSession() override {
        return std::make_unique<WebEngineSession>();
    }
};

} // namespace vistrelle

#include "live_media_plugin.moc"
