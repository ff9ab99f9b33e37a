#include "export/resource_collection.h"

#include "export/bundle_files.h"

#include "media/file_error.h"
#include "media/path_resolver.h"
#include "model/component_properties.h"
#include "model/property_schema.h"
#include "platform/app_logger.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vistrelle {

namespace {

const QString backgroundImagePathKey = QStringLiteral("backgroundImagePath");

void addImageBackground(const BackgroundStyle& background, QSet<QString>& paths) {
    if (background.type == BackgroundType::image && background.imagePath && !background.imagePath->isEmpty())
        paths.insert(*background.imagePath);
}

} // namespace

bool codePointLess(const QString& a, const QString& b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x == y)
            continue;
        // UTF-16 puts surrogates (characters past U+FFFF) before U+E000…U+FFFF; code points do not.
        const bool xSurrogate = x >= 0xD800 && x <= 0xDFFF;
        const bool ySurrogate = y >= 0xD800 && y <= 0xDFFF;
        if (xSurrogate != ySurrogate && (x >= 0xE000 || y >= 0xE000))
            return ySurrogate;
        return x < y;
    }
    return a.size() < b.size();
}

QStringList collectResourcePaths(const KioskProject& project) {
    QSet<QString> paths;
    for (const KioskScreen& screen : project.screens) {
        for (const PlacedComponent& component : screen.components) {
            const PropertyMap& p = component.properties;
            for (const PropertySpec& entry : propertySchema(component.componentType))
                if (entry.kind == PropertyKind::mediaPath && !p.value(entry.key).isEmpty())
                    paths.insert(p.value(entry.key));
            if (!p.value(backgroundImagePathKey).isEmpty())
                paths.insert(p.value(backgroundImagePathKey));
        }
    }
    for (const KioskScreen& screen : project.screens)
        addImageBackground(screen.background, paths);
    addImageBackground(project.settings.defaultBackground, paths);

    QStringList sorted(paths.cbegin(), paths.cend());
    std::sort(sorted.begin(), sorted.end(), codePointLess);
    return sorted;
}

QHash<QString, MediaUses> collectResourceUses(const KioskProject& project) {
    QHash<QString, MediaUses> uses;
    const auto usedAs = [&uses](const QString& path, bool video) {
        if (path.isEmpty())
            return;
        MediaUses& use = uses[path];
        (video ? use.video : use.picture) = true;
    };
    for (const KioskScreen& screen : project.screens) {
        for (const PlacedComponent& component : screen.components) {
            const PropertyMap& p = component.properties;
            for (const PropertySpec& entry : propertySchema(component.componentType))
                if (entry.kind == PropertyKind::mediaPath)
                    usedAs(p.value(entry.key), entry.key == PropertyKey::videoPath);
            usedAs(p.value(backgroundImagePathKey), false);
        }
        if (screen.background.type == BackgroundType::image && screen.background.imagePath)
            usedAs(*screen.background.imagePath, false);
    }
    const BackgroundStyle& fallback = project.settings.defaultBackground;
    if (fallback.type == BackgroundType::image && fallback.imagePath)
        usedAs(*fallback.imagePath, false);
    return uses;
}

namespace {

// Hands out the file names of a bundle's media. Bundles are often copied to
// volumes that ignore letter case (USB sticks), where "Logo.png" would
// overwrite "logo.png"; and a media file must never take the name of a file the
// bundle writes itself. Names are kept case-folded in a set, and each name
// remembers the suffix to try next, so thousands of files that share a name
// cost no more than thousands of different ones.
class ResourceNamer {
public:
    void take(const QString& name) { taken_.insert(name.toCaseFolded()); }

    QString claim(const QString& name) {
        const QString folded = name.toCaseFolded();
        if (!isTaken(folded)) {
            taken_.insert(folded);
            return name;
        }
        const qsizetype dot = name.lastIndexOf(u'.');
        const QString stem = dot < 0 ? name : name.left(dot);
        const QString extension = dot < 0 ? QString() : name.mid(dot + 1);
        qint64& next = nextSuffix_[folded];
        for (qint64 n = std::max<qint64>(next, 2);; ++n) {
            const QString candidate = stem + u'-' + QString::number(n) + u'.' + extension;
            const QString foldedCandidate = candidate.toCaseFolded();
            if (isTaken(foldedCandidate))
                continue;
            next = n + 1; // every smaller suffix is taken, and names are never given back
            taken_.insert(foldedCandidate);
            return candidate;
        }
    }

private:
    bool isTaken(const QString& folded) const {
        static const QSet<QString> reserved = {QStringLiteral("vistrelledata.xml"),
                                               QStringLiteral("optimized"), QStringLiteral("durations.json")};
        return reserved.contains(folded) || taken_.contains(folded);
    }

    QSet<QString> taken_;
    QHash<QString, qint64> nextSuffix_;
};

} // namespace

QString uniqueResourceName(const QString& name, const QSet<QString>& takenNames) {
    ResourceNamer namer;
    for (const QString& taken : takenNames)
        namer.take(taken);
    return namer.claim(name);
}

ResourceNameMap buildResourceNameMap(const KioskProject& project, const PathResolver& resolver) {
    ResourceNameMap names;
    QHash<QString, QString> namesByResolvedPath;
    ResourceNamer namer;
    for (const QString& path : collectResourcePaths(project)) {
        const QString resolved = resolver.resolvePath(path);
        if (const auto it = namesByResolvedPath.constFind(resolved); it != namesByResolvedPath.cend()) {
            names.insert(path, *it);
            continue;
        }
        const QString name = namer.claim(lastPathComponent(resolved));
        names.insert(path, name);
        namesByResolvedPath.insert(resolved, name);
    }
    return names;
}

QString bundleNameOf(const QString& storedPath, const ResourceNameMap& names, const PathResolver& resolver) {
    const auto it = names.constFind(storedPath);
    return it != names.cend() ? *it : lastPathComponent(resolver.resolvePath(storedPath));
}

void copyResources(const KioskProject& project, const QString& resourcesFolder, const ResourceNameMap& names,
                   const PathResolver& resolver, const ProgressReport& report, const CancelCheck& cancelled) {
    const QStringList paths = collectResourcePaths(project);
    const QHash<QString, MediaUses> uses = collectResourceUses(project);
    report(0.75,
           QCoreApplication::translate("KioskDeployManager", "Found %1 resources to copy").arg(paths.size()));
    QSet<QString> copied;
    for (const QString& path : paths) {
        const QString name = bundleNameOf(path, names, resolver);
        if (copied.contains(name))
            continue;
        if (cancelled && cancelled())
            throw OperationCancelled{};
        const QString destination = QDir(resourcesFolder).filePath(name);
        const QFileInfo existing(destination);
        if (existing.exists() || existing.isSymLink()) {
            const bool removed = existing.isDir() && !existing.isSymLink()
                                     ? QDir(destination).removeRecursively()
                                     : QFile::remove(destination);
            if (!removed)
                AppLogger::logFailure(QStringLiteral("Failed to remove existing resource: "),
                                      QStringLiteral("“%1” couldn’t be removed.").arg(name));
        }
        // Judged again through the descriptor the copy is made from: a file swapped for another (a link to
        // a private key) since the validation is refused, never copied.
        const MediaUses use = uses.value(path);
        resolver.copyResource(path, destination, cancelled, [&](int fd) {
            if (const MediaVerdict verdict = judgeOpenFile(fd, use); verdict.content != MediaContent::matches)
                throw mediaFailure(project, path, verdict, resolver);
        });
        copied.insert(name);
        report(0.76, QCoreApplication::translate("KioskDeployManager", "Copied: ") + name);
    }
    report(0.8, QCoreApplication::translate("KioskDeployManager", "Resources copied successfully"));
}

} // namespace vistrelle
