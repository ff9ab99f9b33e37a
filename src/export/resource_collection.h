#pragma once

#include "media/file_error.h"
#include "model/project_model.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringList>

#include <functional>

namespace vistrelle {

class PathResolver;

// Stored media path → the file name its copy gets inside a bundle.
using ResourceNameMap = QMap<QString, QString>;

// Code point order, the one order of every list this folder writes.
bool codePointLess(const QString& a, const QString& b);

// Every stored media path the project refers to: image and video components'
// media, any component's "backgroundImagePath", image backgrounds of screens
// and of the project settings. Sorted by code point, without duplicates or
// empty strings: every step that walks them uses this same order.
QStringList collectResourcePaths(const KioskProject& project);

// How the project uses each stored media path: as a picture (an image component, any background), as a
// film (a video component), or both.
struct MediaUses {
    bool picture = false;
    bool video = false;
};
QHash<QString, MediaUses> collectResourceUses(const KioskProject& project);

// Unique bundle names: stored forms of one file share a name; different files
// with one name become "logo.png", "logo-2.png", ….
ResourceNameMap buildResourceNameMap(const KioskProject& project, const PathResolver& resolver);

// `name`, or stem + "-n." + extension for the first n = 2, 3, … not taken
// ("README" → "README-2." with the trailing dot). Letter case does not tell
// names apart, and the bundle's own file names count as taken.
QString uniqueResourceName(const QString& name, const QSet<QString>& takenNames);

// The bundle name of a stored path: from the map, else the resolved file's name.
QString bundleNameOf(const QString& storedPath, const ResourceNameMap& names, const PathResolver& resolver);

// Reports each step of the copy: a progress value and a message.
using ProgressReport = std::function<void(double progress, const QString& message)>;

// Copies each media file once into `resourcesFolder` under its bundle name.
// Throws FileError at the first file that cannot be copied, OperationCancelled
// when `cancelled` answers true (before a file, or between chunks of a large one).
void copyResources(const KioskProject& project, const QString& resourcesFolder, const ResourceNameMap& names,
                   const PathResolver& resolver, const ProgressReport& report,
                   const CancelCheck& cancelled = {});

} // namespace vistrelle
