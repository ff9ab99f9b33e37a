// preflight: the show check, for people (a line per finding) and pipelines (JSON).
#include "cli/cli_commands.h"
#include "cli/command_support.h"

#include "export/check_report.h"
#include "export/media_probe.h"
#include "export/show_check.h"
#include "media/image_cache.h"
#include "media/path_resolver.h"

namespace vistrelle::cli {

int runPreflight(const QString& file, bool asJson, const CheckOptions& options, CommandOutput io) {
    const std::optional<VistrelleDocument> document = readOrReport(file, io);
    if (!document)
        return exitFailure;
    MediaProbe media(PathResolver::shared(), ImageCache::shared());
    const QList<CheckFinding> findings = checkShow(document->project, media, options);
    if (asJson) {
        io.out << QString::fromUtf8(findingsJson(findings));
    } else {
        for (const CheckFinding& finding : findings)
            io.out << findingLine(finding, document->project.metadata.name) << '\n';
        io.out << countsLine(countFindings(findings)) << '\n';
    }
    io.out.flush();
    return countFindings(findings).errors > 0 ? exitFailure : exitSuccess;
}

} // namespace vistrelle::cli
