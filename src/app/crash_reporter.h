#pragma once

#include <QString>

namespace vistrelle {

// Writes a report when the process dies of a fatal signal (SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGSEGV,
// SIGTRAP) or of an uncaught C++ exception, into "crash-<pid>.log" in the report folder, and then lets
// the process end as it would have without it. Sending the report and telling the user wait for the
// next start (see crash_report_upload.h): a dying process can do neither safely.
class CrashReporter {
public:
    CrashReporter() = delete;

    // Creates `reportFolder` and this process's (empty) report file, and installs the handlers. Does
    // nothing when already installed. Returns whether the reporter is installed; without a report file
    // it is not.
    static bool install(const QString& reportFolder);
    // Puts back the handlers found at install and removes the report file when nothing was written to
    // it. Call before leaving main, on the thread that installed, so that a clean run leaves no file.
    // Does nothing when not installed.
    static void uninstall();
    static bool isInstalled();
};

} // namespace vistrelle
