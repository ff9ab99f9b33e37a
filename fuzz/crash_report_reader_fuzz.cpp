// Leaves arbitrary bytes as the report of a crashed process and lets the next start take it: the reader
// must never crash, must queue a report that has any byte exactly once (as a new crash once), and must
// build its upload body.
#include "app/crash_report_upload.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace vistrelle;

namespace {
QTemporaryDir* folder = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir reports;
    folder = &reports;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A process id that cannot be running, so an empty report is cleared away too.
    QFile report(QDir(folder->path()).filePath(QStringLiteral("crash-2147483646.log")));
    if (!report.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    report.write(reinterpret_cast<const char*>(data), qint64(size));
    report.close();

    const PendingCrashReports pending = collectPendingCrashReports(folder->path());
    const int expected = size > 0 ? 1 : 0;
    if (pending.newCrashes != expected || pending.files.size() != expected || report.exists() ||
        collectPendingCrashReports(folder->path()).newCrashes != 0)
        std::abort();
    for (const QString& file : pending.files) {
        if (!crashReportBody(readCrashReport(file), QStringLiteral("B")).endsWith("\r\n--B--\r\n"))
            std::abort();
        QFile::remove(file); // as when the collector accepted it
    }
    return 0;
}
