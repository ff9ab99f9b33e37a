// Reading and writing a large project, next to a plain QJsonDocument parse and
// serialise of the same bytes; and the cost of an edit on a copied project.
#include "large_project.h"

#include "model/project_json_decoder.h"
#include "model/project_json_encoder.h"
#include "model/screen_schedule.h"
#include "model/screen_sequence.h"
#include "model/vistrelle_document.h"

#include <QJsonDocument>

#include <benchmark/benchmark.h>

using namespace vistrelle;

namespace {

constexpr int kScreens = 500;
constexpr int kComponentsPerScreen = 50;

const KioskProject& largeProject() {
    static const KioskProject project = bench::makeLargeProject(kScreens, kComponentsPerScreen);
    return project;
}

const QByteArray& largeProjectJson() {
    static const QByteArray json = encodeProjectJson(largeProject());
    return json;
}

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(int64_t(state.iterations()) * largeProjectJson().size());
}

void BM_PlainJsonParse(benchmark::State& state) {
    largeProjectJson(); // built once, outside the timing
    for (auto _ : state)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(largeProjectJson()));
    setBytes(state);
}

void BM_DocumentRead(benchmark::State& state) {
    largeProjectJson();
    for (auto _ : state)
        benchmark::DoNotOptimize(VistrelleDocument::read(largeProjectJson()));
    setBytes(state);
}

void BM_PlainJsonSerialise(benchmark::State& state) {
    const QJsonDocument parsed = QJsonDocument::fromJson(largeProjectJson());
    for (auto _ : state)
        benchmark::DoNotOptimize(parsed.toJson(QJsonDocument::Indented));
    setBytes(state);
}

void BM_DocumentWrite(benchmark::State& state) {
    VistrelleDocument document;
    document.project = largeProject();
    for (auto _ : state)
        benchmark::DoNotOptimize(document.fileContents());
    setBytes(state);
}

// What an edit costs: copy the project (as an undo step keeps it) and move one component.
void BM_CopyProjectAndEditOneComponent(benchmark::State& state) {
    const KioskProject& original = largeProject();
    for (auto _ : state) {
        KioskProject edited = original;
        edited.screens[kScreens / 2].components[kComponentsPerScreen / 2].position.x += 1;
        benchmark::DoNotOptimize(edited);
    }
}

} // namespace

BENCHMARK(BM_PlainJsonParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocumentRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainJsonSerialise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocumentWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyProjectAndEditOneComponent)->Unit(benchmark::kMicrosecond);

namespace {

// What a display asks of a 500-screen show at every boundary: which screen plays next, and when to look
// again. The moments walk through one week, within every schedule's dates.
void BM_SchedulesOf500ScreensAtAMoment(benchmark::State& state) {
    using namespace vistrelle;
    KioskProject project;
    project.screens.clear();
    for (int i = 0; i < 500; ++i) {
        ScreenSchedule schedule;
        schedule.from = QDate(2026, 1, 1).addDays(i % 30);
        schedule.until = QDate(2026, 12, 31);
        schedule.weekdays = {1, 2, 3, 4, 5, 6, 7};
        schedule.weekdays.removeAt(i % 7);
        schedule.windows = {{(i % 20) * 60, (i % 20) * 60 + 90}, {22 * 60, 2 * 60}};
        KioskScreen screen(QStringLiteral("Screen %1").arg(i));
        screen.schedule = schedule;
        project.screens.append(screen);
    }
    const QDateTime monday(QDate(2026, 12, 7), QTime(0, 0), Qt::LocalTime);
    qint64 step = 0;
    qint64 current = -1;
    qint64 blank = 0;
    for (auto _ : state) {
        const QDateTime moment = monday.addSecs((step++ * 6117) % (7 * 86400));
        current = nextScreenAt(project, current, moment).value_or(-1);
        blank += current < 0;
        benchmark::DoNotOptimize(nextShowBoundary(project, moment));
    }
    state.SetLabel(std::to_string(blank) + " of " + std::to_string(step) + " moments with nothing to play");
}

} // namespace

BENCHMARK(BM_SchedulesOf500ScreensAtAMoment)->Unit(benchmark::kMicrosecond);
