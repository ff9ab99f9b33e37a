// Reading and writing a large project, next to a plain QJsonDocument parse and
// serialise of the same bytes; and the cost of an edit on a copied project.
#include "large_project.h"

#include "model/project_json_decoder.h"
#include "model/project_json_encoder.h"
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
