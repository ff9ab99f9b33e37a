// Feeds arbitrary bytes, read as a document, to the show check. Whatever the reader accepts must be checked
// without a crash; every finding must say something and name a screen of the project (or the project), and
// the JSON report must hold each finding once.
#include "export/check_report.h"
#include "export/media_probe.h"
#include "export/show_check.h"
#include "media/image_cache.h"
#include "media/path_resolver.h"
#include "model/vistrelle_document.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>

#include <cstdint>
#include <cstdlib>

using namespace vistrelle;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // text is measured with real fonts
    static QGuiApplication application(*argc, *argv);
    QLoggingCategory::setFilterRules(QStringLiteral("com.quendrix.vistrelle.*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Result<VistrelleDocument> document = VistrelleDocument::read(bytes);
    if (!document)
        return 0;
    const KioskProject& project = document->project;
    ImageCache cache;
    MediaProbe media(PathResolver::shared(), cache);
    const QList<CheckFinding> findings = checkShow(project, media, {size % 2 == 1});
    for (const CheckFinding& finding : findings) {
        if (finding.message.isEmpty() || finding.rule.isEmpty())
            std::abort();
        if (finding.screenNumber < 0 || finding.screenNumber > project.screens.size())
            std::abort();
        if (finding.screenNumber > 0 &&
            (finding.screenName != project.screens[finding.screenNumber - 1].name ||
             finding.screenId != project.screens[finding.screenNumber - 1].id))
            std::abort();
    }
    if (QJsonDocument::fromJson(findingsJson(findings)).array().size() != findings.size())
        std::abort();
    return 0;
}
