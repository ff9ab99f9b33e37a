#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <ctime>
#include <optional>
#include <string_view>

namespace vistrelle {

// The fixed pieces of a crash report, shared by the texts below and by the handlers that write a report
// while the process dies (which cannot build QStrings).
namespace crash_text {
inline constexpr std::string_view reportTitle = "Crash Report\n============\nApp: ";
inline constexpr std::string_view versionLabel = "\nVersion: ";
inline constexpr std::string_view systemLabel = "\nLinux Version: ";
inline constexpr std::string_view timestampLabel = "\nTimestamp: ";
inline constexpr std::string_view signalTypeLabel = "Signal Type: ";
inline constexpr std::string_view unlistedSignalPrefix = "Signal ";
inline constexpr std::string_view exceptionTypeLabel = "Exception Type: ";
inline constexpr std::string_view exceptionReasonLabel = "Exception Reason: ";
inline constexpr std::string_view callStackLabel = "Call Stack:\n";
inline constexpr std::string_view unknown = "Unknown";
} // namespace crash_text

// The report of the process `pid`, in the report folder: "crash-<pid>.log".
QString crashReportFileName(qint64 pid);

// "SIGSEGV (Segmentation Violation)" and the like, or "Signal <n>" for a signal not in our list.
QString signalText(int signal);
// "Exception Type: …\nException Reason: …\n\nCall Stack:\n…"; an absent reason reads "Unknown".
QString exceptionDetails(const QString& type, const std::optional<QString>& reason,
                         const QStringList& callStack);
// "Signal Type: …\n\nCall Stack:\n…".
QString signalDetails(int signal, const QStringList& callStack);
// The report's first lines, up to and including "Timestamp: "; an empty name or version reads "Unknown".
QString crashReportHeader(const QString& appName, const QString& version, const QString& osVersion);
// The whole report: the header, `timestamp` in UTC as "YYYY-MM-DDTHH:MM:SSZ", a blank line, `details`.
QString fullReport(const QString& appName, const QString& version, const QString& osVersion,
                   const QDateTime& timestamp, const QString& details);

// The alert shown at the start after a crash: it says that the team was notified only when the report
// reached the crash collector.
enum class CrashReportDelivery { sent, notSent };
QString crashAlertTitle();
QString crashAlertText(CrashReportDelivery delivery);

// Async-signal-safe pieces: no allocation, no locale, no locks.

// The text of a listed signal, or an empty view for any other number.
std::string_view knownSignalText(int signal) noexcept;

inline constexpr std::size_t isoTimestampLength = 20;
// Writes `time` as "YYYY-MM-DDTHH:MM:SSZ" (UTC) into `out`: exactly isoTimestampLength characters, no
// terminating zero. For years 0 to 9999.
void formatIsoTimestamp(std::time_t time, char* out) noexcept;

inline constexpr std::size_t decimalCapacity = 20;
// Writes `value` in decimal into `out` (room for decimalCapacity characters, no terminating zero) and
// returns the number of characters written.
std::size_t formatDecimal(long value, char* out) noexcept;

} // namespace vistrelle
