// The cost of one component update with its undo step (what every pointer
// event of a drag does), on a large project and on a one-screen project, and
// the memory that 1,000 such steps hold.
#include "large_project.h"

#include "editing/document_session.h"

#include <QCoreApplication>
#include <QUndoStack>

#include <benchmark/benchmark.h>
#include <malloc.h>

using namespace vistrelle;

namespace {

constexpr int kComponentsPerScreen = 50;

VistrelleDocument largeDocument(int screens) {
    VistrelleDocument document;
    document.project = bench::makeLargeProject(screens, kComponentsPerScreen);
    return document;
}

struct OpenProject {
    DocumentSession session;
    QUndoStack& undoStack = session.undoStack();
    PlacedComponent dragged;

    explicit OpenProject(int screens)
        : session(largeDocument(screens)) {
        const KioskScreen& middle = session.project().screens[screens / 2];
        session.setSelectedScreen(middle);
        dragged = middle.components[kComponentsPerScreen / 2];
        session.setSelectedComponent(dragged);
        QCoreApplication::sendPostedEvents();
    }

    void dragStep() {
        dragged.position.x += 1;
        session.updateComponent(dragged, true);
    }
};

void updateComponent(benchmark::State& state, int screens) {
    OpenProject open(screens);
    open.undoStack.setUndoLimit(1000); // as a long editing session would
    for (auto _ : state) {
        open.dragStep();
        if (state.iterations() % 256 == 0)
            QCoreApplication::sendPostedEvents();
    }
}

void BM_UpdateComponent_OneScreen(benchmark::State& state) {
    updateComponent(state, 1);
}
void BM_UpdateComponent_500Screens(benchmark::State& state) {
    updateComponent(state, 500);
}

void BM_UndoMemoryOf1000DragSteps(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        OpenProject open(500);
        malloc_trim(0);
        const std::size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i)
            open.dragStep();
        QCoreApplication::sendPostedEvents();
        state.PauseTiming();
        state.counters["held_bytes"] = double(mallinfo2().uordblks - before);
        state.counters["steps"] = open.undoStack.count();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_UpdateComponent_OneScreen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UpdateComponent_500Screens)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoMemoryOf1000DragSteps)->Unit(benchmark::kMillisecond)->Iterations(3);
