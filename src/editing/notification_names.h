#pragma once

#include <QString>

namespace vistrelle::NotificationName {

inline const QString documentUpdated = QStringLiteral("documentUpdated");
inline const QString documentCleared = QStringLiteral("documentCleared");
inline const QString componentAdded = QStringLiteral("componentAdded");
inline const QString componentUpdated = QStringLiteral("componentUpdated");
inline const QString componentDeleted = QStringLiteral("componentDeleted");
inline const QString componentResizeStarted = QStringLiteral("componentResizeStarted");
inline const QString componentResizeEnded = QStringLiteral("componentResizeEnded");
inline const QString componentDragEnded = QStringLiteral("componentDragEnded");
inline const QString updateScreenDuration = QStringLiteral("updateScreenDuration");
inline const QString projectNameChanged = QStringLiteral("projectNameChanged");
inline const QString showScreenEditDialog = QStringLiteral("showScreenEditDialog");
inline const QString inspectorSelectionChanged = QStringLiteral("inspectorSelectionChanged");
// The active window opens its project settings (a finding of the show check about the project).
inline const QString showProjectSettings = QStringLiteral("showProjectSettings");

// User-info keys.
inline const QString componentKey = QStringLiteral("component");
inline const QString selectedScreenKey = QStringLiteral("selectedScreen");
inline const QString selectedComponentKey = QStringLiteral("selectedComponent");
inline const QString atPasswordKey = QStringLiteral("atPassword");

} // namespace vistrelle::NotificationName
