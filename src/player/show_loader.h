#pragma once

#include "model/project_model.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace vistrelle {

// What a path given to the player holds.
enum class ShowKind {
    bundle,          // NAME.bundle with its player data and media
    optimizedBundle, // a bundle of pre-rendered slides ("Optimized", screenNNN.jpg|png, durations.json)
    slideFolder,     // a flat folder of screenNNN_D.jpg|png
};

// A show ready to play: the project built from the files alone, with every medium that cannot play left
// out (and said so, once, in `faults`).
struct LoadedShow {
    KioskProject project;
    ShowKind kind = ShowKind::bundle;
    QString path;        // the bundle or folder that plays
    QString name;        // its file name ("Lobby.bundle")
    QString fingerprint; // 16 hex digits of the content's hash: tells one deploy from the next
    QStringList faults;  // one line each
};

// The outcome of looking at a path: a show, or why nothing can play.
struct ShowLoad {
    std::optional<LoadedShow> show;
    QString problem; // when no show: one line
};

// Loads what `path` holds: a bundle, an optimized bundle, a slide folder, or a folder of bundles (its
// newest complete bundle). Never throws; a show without a screen that can play is a problem.
ShowLoad loadShow(const QString& path);

// Whether `path` is a folder of bundles (a deploy destination) rather than one show.
bool isBundleFolder(const QString& path);

// The newest complete bundle in a deploy destination: its player data reads, every resource it lists is
// there and decodes, and the README (written last by a deploy) is at least as new as its player data.
std::optional<QString> newestCompleteBundle(const QString& folder);

// What tells one state of the path's files from the next (names, sizes, times; nothing is opened): cheap
// enough to look every few seconds whether there is something new to load.
QByteArray showStamp(const QString& path);

// "Lobby.bundle, 6 screens (bundle)": how the check and the log name a show.
QString describeKind(ShowKind kind);

} // namespace vistrelle
