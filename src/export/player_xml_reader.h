#pragma once

#include "model/project_model.h"

#include <QByteArray>
#include <QString>

namespace vistrelle {

// Player data that cannot be read: what is wrong and where.
struct PlayerXmlError {
    QString description;
    qint64 line = 0;
    qint64 column = 0;

    // "line 3, column 14: Premature end of document."
    QString message() const;
};

// A file the player data lists.
struct PlayerResource {
    QString name;
    QString type; // "image" or "video"
    QString path; // absolute, inside Contents; empty when it was not
};

// The project a bundle describes, built from its player data alone.
struct PlayerData {
    KioskProject project;
    QList<PlayerResource> resources;
    // Media paths that pointed outside the bundle's Contents folder; they were left empty.
    QStringList refusedPaths;
};

// The largest player data read (a show of many screens stays far below it).
constexpr qint64 largestPlayerXml = 64 * 1024 * 1024;

// Reads "VistrelleData.xml" as its writer writes it, in any property order and whitespace. Media paths
// ("Resources/…", relative to Contents) become absolute paths under `contentsFolder`; a path leading out of
// it becomes empty. Components get fresh ids (the file has none). A document type declaration (and with it
// every entity expansion) is refused, as are unknown component types and files over `largestPlayerXml`.
// Throws PlayerXmlError.
PlayerData readPlayerXml(const QByteArray& data, const QString& contentsFolder);

} // namespace vistrelle
