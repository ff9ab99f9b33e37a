#pragma once

#include "model/project_model.h"

#include <QString>

namespace vistrelle {

class PathResolver;

// The files of a deployment bundle other than the media and the player XML.

// What is behind a stored media path: a file to copy, nothing (also a bookmark that does not resolve), a
// folder, or something else that exists but is no file (a pipe, a device). Deployment counts a folder as missing.
enum class MediaFileState { regular, missing, folder, notRegular };
MediaFileState mediaFileState(const QString& storedPath, const PathResolver& resolver);

// Checks name, password, screens and every media file, in that order; throws DeployError.
void validateForDeployment(const KioskProject& project, const PathResolver& resolver);

// The bundle's base name: trimmed, white space runs as one space, "/" and ":" as "-", else "KioskProject".
QString sanitizedBundleName(const QString& projectName);

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
