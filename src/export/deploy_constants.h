#pragma once

#include <QString>

// Our addresses (the web site, its files, support), in one place: the deployment README, the help menu,
// the update check and the crash reports use them.
namespace vistrelle::DeployConstants {

inline const QString siteRoot = QStringLiteral("https://www.quendrix.com");

inline const QString playerDownloadAddress =
    QStringLiteral("https://downloads.quendrix.com/vistrelle/VistrellePlayer.dmg");
inline const QString supportAddress = QStringLiteral("support@quendrix.com");
inline const QString websiteAddress = siteRoot + QStringLiteral("/vistrelle");

inline const QString bundleIdentifier = QStringLiteral("com.quendrix.vistrelle.bundle");

} // namespace vistrelle::DeployConstants
