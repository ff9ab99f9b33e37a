// Leaves arbitrary bytes as the report of a crashed process and lets the next start take it: the reader
// must never crash, must take a report that has any byte exactly once, and must build its upload body.
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

    const QStringList taken = takePendingCrashReports(folder->path());
    if (taken.size() != (size > 0 ? 1 : 0) || report.exists() || !takePendingCrashReports(folder->path()).isEmpty())
        std::abort();
    for (const QString& text : taken)
        if (!crashReportBody(text, QStringLiteral("B")).endsWith("\r\n--B--\r\n"))
            std::abort();
    return 0;
}
