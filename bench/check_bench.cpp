// The show check on the 500 × 50 project (goal: under 2 s), and the re-check of one screen after an edit
// (goal: under 50 ms), both with the check's own media probe (decoded pictures, file stamps).
#include "large_project.h"

#include "export/media_probe.h"
#include "export/show_check.h"
#include "media/image_cache.h"
#include "media/path_resolver.h"

#include <benchmark/benchmark.h>

using namespace vistrelle;

namespace {

const KioskProject& largeProject() {
    static const KioskProject project = [] {
        KioskProject p = bench::makeLargeProject(500, 50);
        p.settings.deployPassword = QStringLiteral("secret");
        return p;
    }();
    return project;
}

void BM_CheckWholeShow(benchmark::State& state) {
    const KioskProject& project = largeProject();
    for (auto _ : state) {
        ImageCache cache;
        MediaProbe media(PathResolver::shared(), cache);
        const QList<CheckFinding> findings = checkShow(project, media);
        benchmark::DoNotOptimize(findings.size());
        state.counters["findings"] = double(findings.size());
    }
}
BENCHMARK(BM_CheckWholeShow)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RecheckOneScreen(benchmark::State& state) {
    KioskProject project = largeProject();
    ImageCache cache;
    MediaProbe media(PathResolver::shared(), cache);
    int edit = 0;
    for (auto _ : state) {
        // An edit: the screen's first title moves, and its layouts and pictures are what the editor had.
        project.screens[250].components[1].position.x = 100 + (++edit % 50);
        benchmark::DoNotOptimize(checkScreen(project, 250, media, {}).size());
    }
}
BENCHMARK(BM_RecheckOneScreen)->Unit(benchmark::kMillisecond);

} // namespace
