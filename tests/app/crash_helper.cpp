// vistrelle_crash_helper FOLDER segv|abort|throw|overflow|clean: installs the crash reporter with its
// reports in FOLDER, then crashes as asked (or ends cleanly), for the crash reporter's tests.
#include "app/crash_reporter.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include <sys/prctl.h>

using namespace vistrelle;

namespace {

// Through a pointer the compiler cannot see is null; the undefined-behaviour checks of the sanitizer
// build would otherwise stop the process first, without a signal.
__attribute__((no_sanitize("undefined"))) void writeThroughNull() {
    volatile int* volatile target = nullptr;
    *target = 42; // a volatile store the optimiser must keep
}

// Stops only at a depth nobody sets: the compiler can neither drop the recursion nor make it a loop.
volatile int stopDepth = -1;

int recurse(int depth) {
    volatile char frame[1024];
    frame[0] = char(depth);
    if (depth == stopDepth)
        return 0;
    return recurse(depth + 1) + frame[0];
}

} // namespace

int main(int argc, char** argv) {
    // Crashes on purpose: no core files.
    ::prctl(PR_SET_DUMPABLE, 0);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vistrelle"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.5.0"));
    if (argc < 3 || !CrashReporter::install(QFile::decodeName(argv[1])))
        return 2;

    const std::string_view mode = argv[2];
    if (mode == "segv") {
        writeThroughNull();
    } else if (mode == "abort") {
        std::abort();
    } else if (mode == "throw") {
        throw std::runtime_error("the disk is a teapot");
    } else if (mode == "overflow") {
        return recurse(0);
    } else if (mode == "clean") {
        CrashReporter::uninstall();
        return 0;
    }
    return 3;
}
