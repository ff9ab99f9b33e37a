#include "app/update_check.h"

#include "export/deploy_constants.h"

#include <QStringDecoder>
#include <QStringList>

#include <cstdio>

namespace vistrelle {
namespace {

// Announcements in the "version:…" form are measured against this text ("3." and U+2248) instead of
// our version: of them, only versions sorting above it ("4…", or "3." and a character above U+2248)
// count as newer.
constexpr QStringView colonFormReference = u"3.\u2248";

// What the update file says, before deciding whether it is newer.
struct Announcement {
    QString version;
    QString typeWord;
    QString notes;
    QString address;
    bool colonForm = false;
};

std::optional<Announcement> parseAnnouncement(const QString& text) {
    // The bar form wins when there are bars: its download address ("https://…") has a colon of its own,
    // and read as the colon form every full announcement would be lost.
    if (text.contains(u':') && !text.contains(u'|')) {
        // Empty pieces are dropped, so a text of colons alone announces nothing.
        const QStringList components = text.split(u':', Qt::SkipEmptyParts);
        if (components.isEmpty())
            return std::nullopt;
        // This form only carries a version; it is printed as the type and address it stands for.
        return Announcement{components.first().trimmed(), QStringLiteral("Minor"), QString(), makerSiteRoot(),
                            true};
    }
    const QStringList components = text.split(u'|');
    if (components.size() == 1)
        return Announcement{components.first().trimmed(), QStringLiteral("Minor"), QString(), makerSiteRoot(),
                            false};
    if (components.size() < 4)
        return std::nullopt;
    return Announcement{components[0].trimmed(), components[1].trimmed(), components[2].trimmed(),
                        components[3].trimmed(), false};
}

bool isNewer(const Announcement& announcement) {
    const QString& version = announcement.version;
    if (version.isEmpty() || !version.contains(u'.'))
        return false;
    // Plain text order on purpose: the file's versions are compared as written, not number by number.
    const QStringView reference = announcement.colonForm ? colonFormReference : comparisonVersion;
    return version != reference && QStringView(version).compare(reference) > 0;
}

} // namespace

QString makerSiteRoot() {
    return DeployConstants::siteRoot;
}

QUrl updateFileAddress() {
    const QString overridden = qEnvironmentVariable("VISTRELLE_UPDATE_URL");
    return QUrl(!overridden.isEmpty() ? overridden
                                      : makerSiteRoot() + QStringLiteral("/check_vistrelle.txt"));
}

UpdateType updateTypeFromWord(const QString& word) {
    if (word == u"Major")
        return UpdateType::major;
    if (word == u"Patch")
        return UpdateType::patch;
    return UpdateType::minor;
}

void printToStandardOutput(const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

std::optional<UpdateInfo> updateFromResponse(const QByteArray& body,
                                             const std::function<void(const QString&)>& print) {
    // Stateless, so that a sequence cut off at the end counts as an error instead of waiting for more.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString raw = decoder.decode(body);
    if (decoder.hasError())
        return std::nullopt;
    print(QStringLiteral("Raw response: '") + raw + u'\'');

    const std::optional<Announcement> announcement = parseAnnouncement(raw.trimmed());
    if (!announcement)
        return std::nullopt;
    print(QStringLiteral("Parsed components: version='") + announcement->version +
          QStringLiteral("', type='") + announcement->typeWord + QStringLiteral("', notes='") +
          announcement->notes + QStringLiteral("', url='") + announcement->address + u'\'');

    if (!isNewer(*announcement))
        return std::nullopt;
    std::optional<QString> notes;
    if (!announcement->notes.isEmpty())
        notes = announcement->notes;
    return UpdateInfo{announcement->version, updateTypeFromWord(announcement->typeWord),
                      announcement->address, notes};
}

} // namespace vistrelle
