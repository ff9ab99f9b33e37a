#include "export/resource_collection.h"

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
            for (const PropertySpec& spec : propertySchema(component.componentType))
                if (spec.kind == PropertyKind::mediaPath && !p.value(spec.key).isEmpty())
                    paths.insert(p.value(spec.key));
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

namespace {

// Bundles are often copied to volumes that ignore letter case (USB sticks),
// where "Logo.png" would overwrite "logo.png"; and a media file must never take
// the name of a file the bundle writes itself.
bool isTaken(const QString& name, const QSet<QString>& takenNames) {
    static const QSet<QString> reserved = {QStringLiteral("vistrelledata.xml"), QStringLiteral("optimized"),
                                           QStringLiteral("durations.json")};
    const QString folded = name.toCaseFolded();
    if (reserved.contains(folded))
        return true;
    for (const QString& taken : takenNames)
        if (taken.toCaseFolded() == folded)
            return true;
    return false;
}

} // namespace

QString uniqueResourceName(const QString& name, const QSet<QString>& takenNames) {
    if (!isTaken(name, takenNames))
        return name;
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot < 0 ? name : name.left(dot);
    const QString extension = dot < 0 ? QString() : name.mid(dot + 1);
    for (qint64 n = 2;; ++n) {
        const QString candidate = stem + u'-' + QString::number(n) + u'.' + extension;
        if (!isTaken(candidate, takenNames))
            return candidate;
    }
}

ResourceNameMap buildResourceNameMap(const KioskProject& project, const PathResolver& resolver) {
    ResourceNameMap names;
    QHash<QString, QString> namesByResolvedPath;
    QSet<QString> taken;
    for (const QString& path : collectResourcePaths(project)) {
        const QString resolved = resolver.resolvePath(path);
        if (const auto it = namesByResolvedPath.constFind(resolved); it != namesByResolvedPath.cend()) {
            names.insert(path, *it);
            continue;
        }
        const QString name = uniqueResourceName(lastPathComponent(resolved), taken);
        names.insert(path, name);
        namesByResolvedPath.insert(resolved, name);
        taken.insert(name);
    }
    return names;
}

QString bundleNameOf(const QString& storedPath, const ResourceNameMap& names, const PathResolver& resolver) {
    const auto it = names.constFind(storedPath);
    return it != names.cend() ? *it : lastPathComponent(resolver.resolvePath(storedPath));
}

void copyResources(const KioskProject& project, const QString& resourcesFolder, const ResourceNameMap& names,
                   const PathResolver& resolver, const ProgressReport& report) {
    const QStringList paths = collectResourcePaths(project);
    report(0.75,
           QCoreApplication::translate("KioskDeployManager", "Found %1 resources to copy").arg(paths.size()));
    QSet<QString> copied;
    for (const QString& path : paths) {
        const QString name = bundleNameOf(path, names, resolver);
        if (copied.contains(name))
            continue;
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
        resolver.copyResource(path, destination);
        copied.insert(name);
        report(0.76, QCoreApplication::translate("KioskDeployManager", "Copied: ") + name);
    }
    report(0.8, QCoreApplication::translate("KioskDeployManager", "Resources copied successfully"));
}

} // namespace vistrelle
