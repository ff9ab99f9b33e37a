#pragma once

#include "export/deploy_error.h"
#include "export/resource_collection.h"
#include "media/media_content.h"
#include "model/project_model.h"

#include <QString>

namespace vistrelle {

class PathResolver;

// The files of a deployment bundle other than the media and the player XML.

// What is behind a stored media path: a file to copy, nothing (also a bookmark that does not resolve), a
// folder, or something else that exists but is no file (a pipe, a device).
enum class MediaFileState { regular, missing, folder, notRegular };
MediaFileState mediaFileState(const QString& storedPath, const PathResolver& resolver);

// What the file behind a stored media path holds, judged for each use the project makes of it (a path used
// for a picture and a film must be both, which no file is; a path of no known use is judged as a picture).
// A bookmark that does not resolve is missing.
struct MediaVerdict {
    MediaContent content = MediaContent::matches;
    MediaKind judgedAs = MediaKind::picture; // the use it failed, when it did
};
MediaVerdict mediaVerdict(const QString& storedPath, MediaUses uses, const PathResolver& resolver);
// The same for a file open as `fd`, left open at its start.
MediaVerdict judgeOpenFile(int fd, MediaUses uses);
// The deployment's refusal of the file `storedPath` for `verdict`, naming the file and where it is used.
DeployError mediaFailure(const KioskProject& project, const QString& storedPath, const MediaVerdict& verdict,
                         const PathResolver& resolver);

// The largest side of a screen the renderer draws, in pixels (and of a slide).
inline constexpr int largestScreenSide = 16384;
// At least 1 × 1, at most largestScreenSide on each side.
bool isDrawableResolution(const ScreenResolution& resolution);

// A name or password that shows nothing: empty, or only white space and control characters.
bool isBlank(const QString& text);

// Checks name, password, screens, resolutions and every media file (each must be a picture or a video by
// its content, as it is used), in that order; throws DeployError.
void validateForDeployment(const KioskProject& project, const PathResolver& resolver);

// The bundle's base name: trimmed, white space runs as one space, other control characters dropped, "/"
// and ":" as "-", shortened to leave room for "-n.bundle" within the file system's 255 bytes of a name,
// else "KioskProject".
QString sanitizedBundleName(const QString& projectName);
// Whether the bundle's name had to lose control characters or length that the project name has.
bool bundleNameIsCut(const QString& projectName);

// The most bundles of one name a folder may hold: Name.bundle, Name-2.bundle, … Name-9999.bundle.
inline constexpr int largestBundleSuffix = 9999;

struct BundleLocation {
    QString bundleFolder;    // …/Name.bundle
    QString resourcesFolder; // …/Name.bundle/Contents/Resources
};

// Creates destination/Name.bundle (or Name-2.bundle, … : an existing bundle is
// never touched) with Contents/Resources and Contents/Info.plist. Throws FileError.
BundleLocation createBundle(const ProjectMetadata& metadata, const QString& destination);

// The Info.plist text: an XML property list with five string entries.
QByteArray infoPlist(const QString& bundleName, const QString& version);

// The README text for a bundle named `bundleFileName` (for example "Show-2.bundle").
QString readmeText(const QString& projectName, const QString& bundleFileName);

// Writes README.txt next to the bundle, replacing an older one. Throws FileError.
void writeReadme(const KioskProject& project, const QString& bundleFolder);

// Writes `bytes` to `path` atomically (a temporary file renamed into place). Throws FileError.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace vistrelle
