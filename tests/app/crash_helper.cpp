// vistrelle_crash_helper FOLDER segv|abort|throw|overflow|clean|start: installs the crash reporter with its
// reports in FOLDER, then crashes as asked (or ends cleanly), for the crash reporter's tests. "start" does
// what the editor's start does with the reports earlier runs left: it sends them (to the address in
// VISTRELLE_CRASH_REPORT_URL) and prints the number of new crashes and the alert the user would see.
#include "app/crash_report_text.h"
#include "app/crash_report_upload.h"
#include "app/crash_reporter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <cstdio>

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
    } else if (mode == "start") {
        const PendingCrashReports reports = collectPendingCrashReports(QFile::decodeName(argv[1]));
        CrashReportUploader uploader;
        for (const QString& report : reports.files)
            uploader.send(report, QCoreApplication::applicationName(),
                          QCoreApplication::applicationVersion());
        if (uploader.isSending()) {
            QEventLoop loop;
            QObject::connect(&uploader, &CrashReportUploader::finished, &loop, &QEventLoop::quit);
            QTimer::singleShot(20000, &loop, &QEventLoop::quit);
            loop.exec();
        }
        std::printf("new crashes: %d\n", reports.newCrashes);
        if (reports.newCrashes > 0)
            std::printf("%s\n", qPrintable(crashAlertText(newReportsAccepted(reports, uploader)
                                                              ? CrashReportDelivery::sent
                                                              : CrashReportDelivery::notSent)));
        CrashReporter::uninstall();
        return 0;
    } else if (mode == "clean") {
        CrashReporter::uninstall();
        return 0;
    }
    return 3;
}
