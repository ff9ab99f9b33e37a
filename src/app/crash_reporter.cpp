#include "app/crash_reporter.h"

#include "app/crash_report_text.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <iterator>
#include <typeinfo>

#include <cxxabi.h>
#include <execinfo.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vistrelle {
namespace {

// The handlers run while the process dies, perhaps inside malloc or with the heap broken: they only
// write() what install prepared, and call functions that are safe in a signal handler.

constexpr int handledSignals[] = {SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGSEGV, SIGTRAP};
constexpr std::size_t signalCount = std::size(handledSignals);
constexpr int maxFrames = 128;

static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free,
              "the handlers need atomics without locks");

bool installed = false;
QByteArray reportPath;
std::atomic<int> reportFd{-1};
char header[4096];
std::size_t headerLength = 0;
struct sigaction previousActions[signalCount];
std::terminate_handler previousTerminate = nullptr;
stack_t previousStack;
bool stackReplaced = false;
// Where the signal handler runs, so that a stack overflow, which leaves no room on the thread's own
// stack, is reported too. Only the installing thread has it: other threads overflowing die unreported.
alignas(16) char alternateStack[64 * 1024];

// The first crashing thread writes the report; any other one waits for it to end the process.
std::atomic<bool> reportClaimed{false};
std::atomic<bool> reportWritten{false};

void writeAll(int fd, const char* data, std::size_t size) noexcept {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written <= 0) {
            if (written < 0 && errno == EINTR)
                continue;
            return;
        }
        data += written;
        size -= std::size_t(written);
    }
}

void writeText(int fd, std::string_view text) noexcept {
    writeAll(fd, text.data(), text.size());
}

// The header, the time and the blank line that every report starts with.
void writeReportStart(int fd) noexcept {
    writeAll(fd, header, headerLength);
    char timestamp[isoTimestampLength];
    formatIsoTimestamp(::time(nullptr), timestamp);
    writeAll(fd, timestamp, sizeof timestamp);
    writeText(fd, "\n\n");
}

void writeCallStack(int fd) noexcept {
    void* frames[maxFrames];
    const int count = ::backtrace(frames, maxFrames);
    ::backtrace_symbols_fd(frames, count, fd);
}

void writeSignalReport(int fd, int signal) noexcept {
    writeReportStart(fd);
    writeText(fd, crash_text::signalTypeLabel);
    const std::string_view known = knownSignalText(signal);
    if (!known.empty()) {
        writeText(fd, known);
    } else {
        writeText(fd, crash_text::unlistedSignalPrefix);
        char digits[decimalCapacity];
        writeAll(fd, digits, formatDecimal(signal, digits));
    }
    writeText(fd, "\n\n");
    writeText(fd, crash_text::callStackLabel);
    writeCallStack(fd);
    ::fsync(fd);
}

void setDefaultAction(int signal) noexcept {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
}

// Ends the process with `signal`. It is blocked while its handler runs, so it is unblocked here to act
// at once; should it still come back (a fault), the faulting instruction runs again under the default.
void endWithSignal(int signal) noexcept {
    setDefaultAction(signal);
    sigset_t unblocked;
    sigemptyset(&unblocked);
    sigaddset(&unblocked, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &unblocked, nullptr);
    ::raise(signal);
}

// At most two seconds, so that a thread whose report never ends cannot hold the process.
void waitForReport() noexcept {
    const timespec pause{0, 10'000'000};
    for (int i = 0; i < 200 && !reportWritten.load(); ++i)
        ::nanosleep(&pause, nullptr);
}

void onFatalSignal(int signal, siginfo_t*, void*) {
    if (!reportClaimed.exchange(true)) {
        if (const int fd = reportFd.load(); fd >= 0)
            writeSignalReport(fd, signal);
        reportWritten.store(true);
    } else {
        waitForReport();
    }
    endWithSignal(signal);
}

void writeExceptionType(int fd) {
    const std::type_info* type = abi::__cxa_current_exception_type();
    if (type == nullptr) {
        writeText(fd, crash_text::unknown);
        return;
    }
    int status = 0;
    char* demangled = abi::__cxa_demangle(type->name(), nullptr, nullptr, &status);
    writeText(fd, demangled != nullptr ? demangled : type->name());
    std::free(demangled);
}

void writeExceptionReason(int fd) {
    if (const std::exception_ptr current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const std::exception& error) {
            if (const char* reason = error.what()) {
                writeText(fd, reason);
                return;
            }
        } catch (...) {
        }
    }
    writeText(fd, crash_text::unknown);
}

void writeExceptionReport(int fd) {
    writeReportStart(fd);
    writeText(fd, crash_text::exceptionTypeLabel);
    writeExceptionType(fd);
    writeText(fd, "\n");
    writeText(fd, crash_text::exceptionReasonLabel);
    writeExceptionReason(fd);
    writeText(fd, "\n\n");
    writeText(fd, crash_text::callStackLabel);
    writeCallStack(fd);
    ::fsync(fd);
}

[[noreturn]] void onTerminate() {
    if (!reportClaimed.exchange(true)) {
        // The abort that follows belongs to this crash: it must not write a second report over this one.
        setDefaultAction(SIGABRT);
        if (const int fd = reportFd.load(); fd >= 0)
            writeExceptionReport(fd);
        reportWritten.store(true);
    }
    if (previousTerminate != nullptr)
        previousTerminate();
    std::abort();
}

// A report left by an earlier process that had our process id would be emptied by ours: it is kept
// under another name, to be sent with the others.
void keepEarlierReport(const QString& folder, const QString& path, qint64 pid) {
    const QFileInfo earlier(path);
    if (earlier.exists() && earlier.size() > 0)
        QFile::rename(
            path, QDir(folder).filePath(
                      QStringLiteral("crash-%1-%2.log").arg(pid).arg(QDateTime::currentMSecsSinceEpoch())));
}

void prepareHeader() {
    const QByteArray text =
        crashReportHeader(QCoreApplication::applicationName(), QCoreApplication::applicationVersion(),
                          QSysInfo::prettyProductName())
            .toUtf8();
    headerLength = std::min(std::size_t(text.size()), sizeof header);
    std::memcpy(header, text.constData(), headerLength);
}

} // namespace

bool CrashReporter::install(const QString& reportFolder) {
    if (installed)
        return true;
    if (!QDir().mkpath(reportFolder))
        return false;
    const qint64 pid = QCoreApplication::applicationPid();
    const QString path = QDir(reportFolder).filePath(crashReportFileName(pid));
    keepEarlierReport(reportFolder, path, pid);
    const QByteArray encodedPath = QFile::encodeName(path);
    const int fd = ::open(encodedPath.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;

    installed = true;
    reportPath = encodedPath;
    prepareHeader();
    reportClaimed.store(false);
    reportWritten.store(false);
    reportFd.store(fd);
    // The first call loads the unwinder, which allocates: it must not happen first in a handler.
    void* frame[1];
    ::backtrace(frame, 1);

    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof alternateStack;
    stack.ss_flags = 0;
    stackReplaced = ::sigaltstack(&stack, &previousStack) == 0;

    struct sigaction action {};
    action.sa_sigaction = onFatalSignal;
    // Reset on entry: a fault inside the handler ends the process instead of entering it again.
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signal : handledSignals)
        sigaddset(&action.sa_mask, signal);
    for (std::size_t i = 0; i < signalCount; ++i)
        ::sigaction(handledSignals[i], &action, &previousActions[i]);
    previousTerminate = std::set_terminate(onTerminate);
    return true;
}

void CrashReporter::uninstall() {
    if (!installed)
        return;
    installed = false;
    std::set_terminate(previousTerminate);
    previousTerminate = nullptr;
    for (std::size_t i = 0; i < signalCount; ++i)
        ::sigaction(handledSignals[i], &previousActions[i], nullptr);
    if (stackReplaced) {
        stack_t stack = previousStack;
        stack.ss_flags = (previousStack.ss_flags & SS_DISABLE) != 0 ? SS_DISABLE : 0;
        ::sigaltstack(&stack, nullptr);
        stackReplaced = false;
    }

    const int fd = reportFd.exchange(-1);
    struct stat status {};
    const bool empty = ::fstat(fd, &status) == 0 && status.st_size == 0;
    ::close(fd);
    if (empty)
        ::unlink(reportPath.constData());
    reportPath.clear();
}

bool CrashReporter::isInstalled() {
    return installed;
}

} // namespace vistrelle
