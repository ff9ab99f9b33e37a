#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QUrl>

#include <functional>
#include <optional>

namespace vistrelle {

enum class UpdateType { major, minor, patch };

// A newer version announced by our web site.
struct UpdateInfo {
    QString version;
    UpdateType type = UpdateType::minor;
    QString downloadURL;
    std::optional<QString> releaseNotes;

    bool operator==(const UpdateInfo&) const = default;
};

// The root of our web site; also where users download when the update file names no address.
QString makerSiteRoot();
// The one-line file that announces the latest version, or the address in the environment variable
// VISTRELLE_UPDATE_URL (to watch the check work against a local server).
QUrl updateFileAddress();
// The version announcements are compared with; a constant of its own, apart from the version the About
// window shows.
inline constexpr QStringView comparisonVersion = u"3.5.9";

// "Major", "Minor" and "Patch", exactly as written; every other word is a minor update.
UpdateType updateTypeFromWord(const QString& word);

// Writes `line` and a line break to standard output, at once.
void printToStandardOutput(const QString& line);

// Reads the update file's body: decodes it as UTF-8, prints the raw and the parsed form through `print`,
// and returns the announced update when it is newer than ours. Any malformed body yields nothing.
std::optional<UpdateInfo>
updateFromResponse(const QByteArray& body,
                   const std::function<void(const QString&)>& print = printToStandardOutput);

} // namespace vistrelle
