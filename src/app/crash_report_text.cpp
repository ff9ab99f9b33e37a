#include "app/crash_report_text.h"

#include "export/deploy_constants.h"

#include <QCoreApplication>

#include <csignal>

namespace vistrelle {
namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString orUnknown(const QString& text) {
    return text.isEmpty() ? toQString(crash_text::unknown) : text;
}

QString callStackText(const QStringList& callStack) {
    return toQString(crash_text::callStackLabel) + callStack.join(QLatin1Char('\n'));
}

// Writes the last `width` decimal digits of `value` (not negative), zero-padded.
void writeDigits(char* out, long long value, int width) noexcept {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = char('0' + value % 10);
        value /= 10;
    }
}

} // namespace

QString crashReportFileName(qint64 pid) {
    return QStringLiteral("crash-%1.log").arg(pid);
}

std::string_view knownSignalText(int signal) noexcept {
    // By the platform's constants: SIGBUS in particular has different numbers on different systems.
    switch (signal) {
    case SIGILL:
        return "SIGILL (Illegal Instruction)";
    case SIGTRAP:
        return "SIGTRAP (Trace Trap)";
    case SIGABRT:
        return "SIGABRT (Abort)";
    case SIGFPE:
        return "SIGFPE (Floating Point Exception)";
    case SIGBUS:
        return "SIGBUS (Bus Error)";
    case SIGSEGV:
        return "SIGSEGV (Segmentation Violation)";
    default:
        return {};
    }
}

QString signalText(int signal) {
    const std::string_view known = knownSignalText(signal);
    if (!known.empty())
        return toQString(known);
    return toQString(crash_text::unlistedSignalPrefix) + QString::number(signal);
}

QString exceptionDetails(const QString& type, const std::optional<QString>& reason,
                         const QStringList& callStack) {
    return toQString(crash_text::exceptionTypeLabel) + type + QLatin1Char('\n') +
           toQString(crash_text::exceptionReasonLabel) + reason.value_or(toQString(crash_text::unknown)) +
           QStringLiteral("\n\n") + callStackText(callStack);
}

QString signalDetails(int signal, const QStringList& callStack) {
    return toQString(crash_text::signalTypeLabel) + signalText(signal) + QStringLiteral("\n\n") +
           callStackText(callStack);
}

QString crashReportHeader(const QString& appName, const QString& version, const QString& osVersion) {
    return toQString(crash_text::reportTitle) + orUnknown(appName) + toQString(crash_text::versionLabel) +
           orUnknown(version) + toQString(crash_text::systemLabel) + osVersion +
           toQString(crash_text::timestampLabel);
}

QString fullReport(const QString& appName, const QString& version, const QString& osVersion,
                   const QDateTime& timestamp, const QString& details) {
    return crashReportHeader(appName, version, osVersion) + timestamp.toUTC().toString(Qt::ISODate) +
           QStringLiteral("\n\n") + details;
}

QString crashAlertTitle() {
    return QCoreApplication::translate("CrashReporter", "Application Error");
}

QString crashAlertText(CrashReportDelivery delivery) {
    if (delivery == CrashReportDelivery::sent)
        return QCoreApplication::translate(
                   "CrashReporter",
                   "The application encountered an unexpected error.\n\nThe developer team at Quendrix has "
                   "been "
                   "automatically notified of this crash and will work on a fix as soon as possible.\n\nAn "
                   "update of "
                   "the app will be available very soon.\n\nTo be told when the fix is out, write to %1.")
            .arg(DeployConstants::supportAddress);
    // Never claim a report arrived that did not: it is kept and sent at a later start.
    return QCoreApplication::translate("CrashReporter",
                                       "The application encountered an unexpected error.\n\nThe crash report "
                                       "could not be sent now. It is "
                                       "kept on this computer and will be sent to the developer team at "
                                       "Quendrix when the computer is "
                                       "online.\n\nTo be told when the fix is out, write to %1.")
        .arg(DeployConstants::supportAddress);
}

void formatIsoTimestamp(std::time_t time, char* out) noexcept {
    constexpr long long secondsPerDay = 86400;
    long long days = static_cast<long long>(time) / secondsPerDay;
    long long secondOfDay = static_cast<long long>(time) % secondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += secondsPerDay;
        --days;
    }
    // Days since 1970-01-01 to a date of the proleptic Gregorian calendar, counted in 400-year eras of
    // 146097 days from 0000-03-01, so that the leap day ends a year.
    const long long shifted = days + 719468;
    const long long era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;
    const long long dayOfEra = shifted - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthFromMarch = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
    const long long month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);

    writeDigits(out, year, 4);
    out[4] = '-';
    writeDigits(out + 5, month, 2);
    out[7] = '-';
    writeDigits(out + 8, day, 2);
    out[10] = 'T';
    writeDigits(out + 11, secondOfDay / 3600, 2);
    out[13] = ':';
    writeDigits(out + 14, secondOfDay / 60 % 60, 2);
    out[16] = ':';
    writeDigits(out + 17, secondOfDay % 60, 2);
    out[19] = 'Z';
}

std::size_t formatDecimal(long value, char* out) noexcept {
    // Through the unsigned magnitude, so that the most negative value has one too.
    unsigned long magnitude =
        value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    char reversed[decimalCapacity];
    std::size_t count = 0;
    do {
        reversed[count++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    std::size_t length = 0;
    if (value < 0)
        out[length++] = '-';
    while (count > 0)
        out[length++] = reversed[--count];
    return length;
}

} // namespace vistrelle
