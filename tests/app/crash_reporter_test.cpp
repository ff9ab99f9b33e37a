#include "app/crash_report_text.h"
#include "app/crash_report_upload.h"
#include "app/crash_reporter.h"
#include "support/local_http_server.h"
#include "support/qt_printers.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <ctime>
#include <exception>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vistrelle;

namespace {

// How a run of the crash helper ended. QProcess tells a crash but not its signal, hence posix_spawn.
struct Ending {
    qint64 pid = 0;
    bool signalled = false;
    int signal = 0;
    int exitCode = -1;
};

// The test's event loop keeps turning while the helper runs: a local server of the test may be answering it.
Ending runHelper(const QString& folder, const char* mode, QByteArray* output = nullptr) {
    QByteArray program = VISTRELLE_CRASH_HELPER;
    QByteArray folderArgument = QFile::encodeName(folder);
    QByteArray modeArgument = mode;
    char* arguments[] = {program.data(), folderArgument.data(), modeArgument.data(), nullptr};
    pid_t pid = 0;
    const QString outputPath = QDir(QFileInfo(folder).path()).filePath(QStringLiteral("helper-output.txt"));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, QFile::encodeName(outputPath).constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int spawned = posix_spawn(&pid, program.constData(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << program.constData();
        return {};
    }
    int status = 0;
    const QDeadlineTimer deadline(30000);
    pid_t ended = 0;
    while ((ended = waitpid(pid, &status, WNOHANG)) == 0 || (ended < 0 && errno == EINTR)) {
        if (deadline.hasExpired()) {
            ADD_FAILURE() << "the helper still runs after 30 s: " << mode;
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return {};
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    if (output) {
        QFile file(outputPath);
        *output = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    Ending ending;
    ending.pid = pid;
    ending.signalled = WIFSIGNALED(status);
    ending.signal = ending.signalled ? WTERMSIG(status) : 0;
    ending.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return ending;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

std::uintptr_t handlerOf(const struct sigaction& action) {
    return (action.sa_flags & SA_SIGINFO) != 0 ? reinterpret_cast<std::uintptr_t>(action.sa_sigaction)
                                               : reinterpret_cast<std::uintptr_t>(action.sa_handler);
}

} // namespace

TEST(CrashReportText, NamesTheListedSignalsAndNumbersTheOthers) {
    EXPECT_EQ(signalText(SIGILL), "SIGILL (Illegal Instruction)");
    EXPECT_EQ(signalText(SIGTRAP), "SIGTRAP (Trace Trap)");
    EXPECT_EQ(signalText(6), "SIGABRT (Abort)");
    EXPECT_EQ(signalText(SIGFPE), "SIGFPE (Floating Point Exception)");
    EXPECT_EQ(signalText(SIGBUS), "SIGBUS (Bus Error)");
    EXPECT_EQ(signalText(SIGSEGV), "SIGSEGV (Segmentation Violation)");
    // 10 is the bus error elsewhere; here it is an ordinary signal.
    EXPECT_EQ(signalText(10), "Signal 10");
}

TEST(CrashReportText, PutsReportsTogether) {
    EXPECT_EQ(exceptionDetails("std::bad_alloc", std::nullopt, {"#0 main", "#1 start"}),
              "Exception Type: std::bad_alloc\nException Reason: Unknown\n\nCall Stack:\n#0 main\n#1 start");
    EXPECT_EQ(signalDetails(SIGABRT, {"#0 abort"}), "Signal Type: SIGABRT (Abort)\n\nCall Stack:\n#0 abort");
    // An hour ahead of UTC just after midnight: the report's time is the day before, in UTC.
    const QDateTime time(QDate(2024, 3, 1), QTime(0, 30, 5), QTimeZone(3600));
    EXPECT_EQ(fullReport("", "", "Debian GNU/Linux 12 (bookworm)", time, "Signal Type: x"),
              "Crash Report\n============\nApp: Unknown\nVersion: Unknown\n"
              "Linux Version: Debian GNU/Linux 12 (bookworm)\nTimestamp: 2024-02-29T23:30:05Z\n\n"
              "Signal Type: x");
}

TEST(CrashReportText, SignalSafeFormattingAgreesWithQt) {
    char text[isoTimestampLength];
    formatIsoTimestamp(0, text);
    EXPECT_EQ(QByteArray(text, sizeof text), "1970-01-01T00:00:00Z");
    formatIsoTimestamp(1709164800, text);
    EXPECT_EQ(QByteArray(text, sizeof text), "2024-02-29T00:00:00Z");
    // Leap days, the ends of days and years, a century that is not a leap year, before 1970.
    for (const qint64 seconds :
         {qint64(1709251199), qint64(1709251200), qint64(951811200), qint64(4107587696), qint64(1704067199),
          qint64(-1), qint64(-86400 * 365), qint64(253402300799)}) {
        formatIsoTimestamp(std::time_t(seconds), text);
        EXPECT_EQ(QByteArray(text, sizeof text),
                  QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(Qt::ISODate).toLatin1())
            << seconds;
    }

    for (const long value : {0L, 7L, -7L, 1234567890L, LONG_MAX, LONG_MIN}) {
        char digits[decimalCapacity];
        EXPECT_EQ(QByteArray(digits, qsizetype(formatDecimal(value, digits))),
                  QByteArray::number(qint64(value)));
    }
}

TEST(CrashReportUpload, BodyIsOneFormField) {
    EXPECT_EQ(crashReportBody("Crash Report\nApp: Vistrélle", "B0UND"),
              QByteArray("--B0UND\r\nContent-Disposition: form-data; name=\"crashlog\"\r\n\r\n"
                         "Crash Report\nApp: Vistr\xc3\xa9lle\r\n--B0UND--\r\n"));
}

TEST(CrashReportUpload, QueuesReportsUntilTheCollectorAcceptsThemAndKeepsTheNewestTwenty) {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QByteArray truncated = "Crash Report\n============\nApp: Vistrelle\n";
    writeFile(dir.filePath("crash-999999990.log"), truncated);
    writeFile(dir.filePath("crash-999999991.log"), "Vistr\xff\xfe");
    writeFile(dir.filePath("crash-999999992.log"), QByteArray((1 << 20) + 100, 'x'));
    writeFile(dir.filePath("crash-999999993-1700000000000.log"), "kept aside");
    // Empty: of a process that has ended (removed), of one that runs (left alone).
    writeFile(dir.filePath("crash-999999994.log"), {});
    const QString running = crashReportFileName(getppid());
    writeFile(dir.filePath(running), {});
    // Ours, and a file that is no report.
    const QString own = crashReportFileName(QCoreApplication::applicationPid());
    writeFile(dir.filePath(own), "not yet");
    writeFile(dir.filePath("notes.log"), "no report");

    const PendingCrashReports first = collectPendingCrashReports(folder.path());
    EXPECT_EQ(first.newCrashes, 4);
    ASSERT_EQ(first.files.size(), 4);
    QStringList texts;
    for (const QString& file : first.files)
        texts.append(readCrashReport(file));
    texts.sort();
    EXPECT_EQ(texts[0], QString::fromLatin1(truncated));
    EXPECT_TRUE(texts[1].startsWith("Vistr") && texts[1].contains(QChar::ReplacementCharacter))
        << texts[1].toStdString();
    EXPECT_EQ(texts[2], "kept aside");
    EXPECT_EQ(texts[3], QString((1 << 20), 'x'));

    // Not sent: still queued at the next start, and no longer new.
    const PendingCrashReports second = collectPendingCrashReports(folder.path());
    EXPECT_EQ(second.newCrashes, 0);
    EXPECT_EQ(second.files, first.files);
    QStringList others = dir.entryList({"crash-*.log", "*.log"}, QDir::Files);
    others.removeIf([](const QString& name) { return name.startsWith("unsent-"); });
    others.sort();
    QStringList expected{running, own, "notes.log"};
    expected.sort();
    EXPECT_EQ(others, expected);

    // Months offline: only the newest twenty wait.
    for (int i = 0; i < 30; ++i)
        writeFile(dir.filePath(QStringLiteral("crash-99999%1.log").arg(1000 + i)), QByteArray::number(i));
    const PendingCrashReports many = collectPendingCrashReports(folder.path());
    EXPECT_EQ(many.newCrashes, 30);
    ASSERT_EQ(many.files.size(), keptCrashReportCount);
    EXPECT_EQ(dir.entryList({"unsent-*.log"}, QDir::Files).size(), keptCrashReportCount);
    EXPECT_FALSE(many.files.contains(first.files.first()));
}

TEST(CrashReportUpload, OnlyAnAcceptedReportLeavesTheQueue) {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    writeFile(dir.filePath("crash-999999990.log"), "refused");
    writeFile(dir.filePath("crash-999999991.log"), "accepted");
    const PendingCrashReports pending = collectPendingCrashReports(folder.path());
    ASSERT_EQ(pending.files.size(), 2);

    test::LocalHttpServer server;
    server.setResponder([](const test::LocalHttpServer::Request& request) {
        test::LocalHttpServer::Response response;
        response.status = request.body.contains("refused") ? 503 : 200;
        return response;
    });
    CrashReportUploader uploader(server.url("/crash_reports/index.php"));
    QSignalSpy finished(&uploader, &CrashReportUploader::finished);
    for (const QString& file : pending.files)
        uploader.send(file, "Vistrelle", "3.5.0");
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_FALSE(uploader.allAccepted());
    const PendingCrashReports left = collectPendingCrashReports(folder.path());
    ASSERT_EQ(left.files.size(), 1);
    EXPECT_EQ(readCrashReport(left.files.first()), "refused");
}

TEST(CrashReportUpload, FinishesWhenNobodyListensAndKeepsTheReports) {
    QTemporaryDir folder;
    writeFile(QDir(folder.path()).filePath("crash-999999990.log"), "first");
    writeFile(QDir(folder.path()).filePath("crash-999999991.log"), "second");
    const PendingCrashReports pending = collectPendingCrashReports(folder.path());
    CrashReportUploader uploader(QUrl("http://127.0.0.1:1/crash_reports/index.php"));
    QSignalSpy finished(&uploader, &CrashReportUploader::finished);
    for (const QString& file : pending.files)
        uploader.send(file, "Vistrelle", "3.5.0");
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(uploader.isSending());
    EXPECT_FALSE(uploader.allAccepted());
    EXPECT_EQ(collectPendingCrashReports(folder.path()).files, pending.files);
}

TEST(CrashReporter, InstallsOnceAndUninstallsToWhatWasThere) {
    QTemporaryDir folder;
    struct sigaction before {};
    sigaction(SIGSEGV, nullptr, &before);
    const std::terminate_handler terminateBefore = std::get_terminate();
    CrashReporter::uninstall();

    ASSERT_TRUE(CrashReporter::install(folder.filePath("first")));
    const QString report =
        QDir(folder.filePath("first")).filePath(crashReportFileName(QCoreApplication::applicationPid()));
    EXPECT_TRUE(QFileInfo::exists(report));
    struct sigaction installed {};
    sigaction(SIGSEGV, nullptr, &installed);
    EXPECT_NE(handlerOf(installed), handlerOf(before));
    EXPECT_NE(std::get_terminate(), terminateBefore);
    EXPECT_TRUE(CrashReporter::install(folder.filePath("second")));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("second")));

    CrashReporter::uninstall();
    EXPECT_FALSE(CrashReporter::isInstalled());
    struct sigaction after {};
    sigaction(SIGSEGV, nullptr, &after);
    EXPECT_EQ(handlerOf(after), handlerOf(before));
    constexpr int ourFlags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND; // the C library adds flags of its own
    EXPECT_EQ(after.sa_flags & ourFlags, before.sa_flags & ourFlags);
    EXPECT_EQ(std::get_terminate(), terminateBefore);
    EXPECT_FALSE(QFileInfo::exists(report));
    CrashReporter::uninstall();
}

TEST(CrashReporter, CleanRunLeavesNoReport) {
    QTemporaryDir folder;
    const QString reports = folder.filePath("Crash Reports");
    const Ending ending = runHelper(reports, "clean");
    EXPECT_FALSE(ending.signalled) << ending.signal;
    EXPECT_EQ(ending.exitCode, 0);
    EXPECT_TRUE(QFileInfo(reports).isDir());
    EXPECT_TRUE(QDir(reports).isEmpty());
}

namespace {

struct Crash {
    const char* mode;
    int signal;
    const char* details;
};

void PrintTo(const Crash& crash, std::ostream* out) {
    *out << crash.mode;
}

class CrashReporterCrash : public ::testing::TestWithParam<Crash> {};

} // namespace

TEST_P(CrashReporterCrash, LeavesOneReportThatTheNextStartSendsOnce) {
    const Crash crash = GetParam();
    QTemporaryDir folder;
    const QString reports = folder.filePath("Crash Reports");
    const qint64 start = QDateTime::currentSecsSinceEpoch();
    const Ending ending = runHelper(reports, crash.mode);
    const qint64 end = QDateTime::currentSecsSinceEpoch();
    ASSERT_TRUE(ending.signalled) << "exit code " << ending.exitCode;
    EXPECT_EQ(ending.signal, crash.signal);

    const QString name = crashReportFileName(ending.pid);
    ASSERT_EQ(QDir(reports).entryList(QDir::Files), QStringList{name});
    const QString report = QString::fromUtf8(readFile(QDir(reports).filePath(name)));
    const QString header = "Crash Report\n============\nApp: Vistrelle\nVersion: 3.5.0\nLinux Version: " +
                           QSysInfo::prettyProductName() + "\nTimestamp: ";
    ASSERT_TRUE(report.startsWith(header)) << report.toStdString();
    const QDateTime stamp = QDateTime::fromString(report.mid(header.size(), 20), Qt::ISODate);
    ASSERT_TRUE(stamp.isValid()) << report.toStdString();
    EXPECT_GE(stamp.toSecsSinceEpoch(), start);
    EXPECT_LE(stamp.toSecsSinceEpoch(), end);
    EXPECT_TRUE(report.mid(header.size() + 20).startsWith(QString("\n\n") + crash.details))
        << report.toStdString();
    EXPECT_TRUE(QRegularExpression("Call Stack:\n[^\n]*\\[0x[0-9a-f]+\\]\n").match(report).hasMatch())
        << report.toStdString();
    // One report: the signal that ends a C++ crash does not add its own.
    EXPECT_EQ(report.count("Crash Report"), 1) << report.toStdString();
    EXPECT_EQ(report.count("Signal Type: ") + report.count("Exception Type: "), 1) << report.toStdString();

    // The next start.
    const PendingCrashReports pending = collectPendingCrashReports(reports);
    EXPECT_EQ(pending.newCrashes, 1);
    ASSERT_EQ(pending.files.size(), 1);
    EXPECT_EQ(readCrashReport(pending.files.first()), report);

    test::LocalHttpServer server;
    server.answerWith(200, "OK");
    CrashReportUploader uploader(server.url("/crash_reports/index.php"));
    QSignalSpy finished(&uploader, &CrashReportUploader::finished);
    uploader.send(pending.files.first(), "Vistrelle", "3.5.0");
    ASSERT_TRUE(server.waitForRequests(1));
    const test::LocalHttpServer::Request& request = server.requests().first();
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.path, "/crash_reports/index.php");
    EXPECT_EQ(request.headers.value("user-agent"), "Vistrelle-3.5.0");
    const QRegularExpressionMatch type =
        QRegularExpression("^multipart/form-data; boundary=([0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-"
                           "[0-9A-F]{12})$")
            .match(QString::fromLatin1(request.headers.value("content-type")));
    ASSERT_TRUE(type.hasMatch()) << request.headers.value("content-type").constData();
    EXPECT_EQ(request.body, crashReportBody(report, type.captured(1)));
    ASSERT_TRUE(!finished.isEmpty() || finished.wait(5000));
    EXPECT_TRUE(uploader.allAccepted());
    EXPECT_TRUE(QDir(reports).isEmpty()) << "an accepted report is sent once";
}

// The overflow is reported from the alternate signal stack: without it the handler has no room to run.
INSTANTIATE_TEST_SUITE_P(
    Crashes, CrashReporterCrash,
    ::testing::Values(
        Crash{"segv", SIGSEGV, "Signal Type: SIGSEGV (Segmentation Violation)\n\nCall Stack:\n"},
        Crash{"abort", SIGABRT, "Signal Type: SIGABRT (Abort)\n\nCall Stack:\n"},
        Crash{"throw", SIGABRT,
              "Exception Type: std::runtime_error\nException Reason: the disk is a teapot\n\n"
              "Call Stack:\n"},
        Crash{"overflow", SIGSEGV, "Signal Type: SIGSEGV (Segmentation Violation)\n\nCall Stack:\n"}),
    [](const ::testing::TestParamInfo<Crash>& info) { return std::string(info.param.mode); });

TEST(CrashReporter, AReportOfARealCrashWaitsForANetworkAndIsSentOnce) {
    QTemporaryDir folder;
    const QString reports = folder.filePath("Crash Reports");
    const Ending crash = runHelper(reports, "segv");
    ASSERT_TRUE(crash.signalled);
    const QString report =
        QString::fromUtf8(readFile(QDir(reports).filePath(crashReportFileName(crash.pid))));
    ASSERT_TRUE(report.startsWith("Crash Report\n")) << report.toStdString();

    // A start with the collector down: the user is not told that the team was notified, and the report stays.
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.serverPort();
    }
    qputenv("VISTRELLE_CRASH_REPORT_URL",
            QStringLiteral("http://127.0.0.1:%1/crash_reports/index.php").arg(closedPort).toUtf8());
    QByteArray output;
    Ending start = runHelper(reports, "start", &output);
    EXPECT_EQ(start.exitCode, 0);
    EXPECT_TRUE(output.startsWith("new crashes: 1\n")) << output.constData();
    EXPECT_TRUE(output.contains("will be sent to the developer team at Quendrix when the computer is online"))
        << output.constData();
    EXPECT_FALSE(output.contains("automatically notified")) << output.constData();
    ASSERT_EQ(QDir(reports).entryList({"unsent-*.log"}, QDir::Files).size(), 1);

    // A start with it up: the report arrives once, and the crash is not announced again.
    test::LocalHttpServer server;
    server.answerWith(200, "OK");
    qputenv("VISTRELLE_CRASH_REPORT_URL", server.url("/crash_reports/index.php").toString().toUtf8());
    start = runHelper(reports, "start", &output);
    qunsetenv("VISTRELLE_CRASH_REPORT_URL");
    EXPECT_EQ(start.exitCode, 0);
    EXPECT_EQ(output, "new crashes: 0\n");
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(server.requests().first().body.contains(report.toUtf8()));
    EXPECT_TRUE(QDir(reports).isEmpty());
}
