#pragma once

#include <QString>

// The addresses the deployment README gives the user, in one place.
namespace vistrelle::DeployConstants {

inline const QString playerDownloadAddress =
    QStringLiteral("https://downloads.quendrix.com/vistrelle/VistrellePlayer.dmg");
inline const QString supportAddress = QStringLiteral("support@quendrix.com");
inline const QString websiteAddress = QStringLiteral("https://www.quendrix.com/vistrelle");

inline const QString bundleIdentifier = QStringLiteral("com.quendrix.vistrelle.bundle");

} // namespace vistrelle::DeployConstants
