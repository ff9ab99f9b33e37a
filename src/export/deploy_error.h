#pragma once

#include <QCoreApplication>
#include <QString>

namespace vistrelle {

// Why a project cannot be deployed; the description is shown as it is.
struct DeployError {
    Q_DECLARE_TR_FUNCTIONS(DeployError)

public:
    enum class Case {
        invalidProjectName,
        missingPassword,
        noScreens,
        invalidResolution,
        missingResource,
        resourceIsAFolder,
        resourceNotAFile,
        resourceUnreadable,
        resourceNotMedia,
    };

    Case errorCase;
    // The media file's name; for invalidResolution the resolution ("-5 × 1080").
    QString resourceName;
    // For the media cases: where the project uses the file, to find and fix it. For invalidResolution:
    // the screen's name, empty for the project's own resolution.
    QString usedBy;
    bool expectsVideo = false; // resourceNotMedia: the file is used as a film, not as a picture

    QString description() const {
        switch (errorCase) {
        case Case::invalidProjectName:
            return tr("Project name is invalid or empty");
        case Case::missingPassword:
            return tr("Deploy password is required");
        case Case::noScreens:
            return tr("Project must have at least one screen");
        case Case::invalidResolution: {
            const QString what = usedBy.isEmpty()
                                     ? tr("The project’s resolution %1").arg(resourceName)
                                     : tr("The resolution %1 of the screen “%2”").arg(resourceName, usedBy);
            return tr("%1 can’t be shown: screens are at least 1 × 1 and at most 16384 × 16384 pixels.")
                .arg(what);
        }
        case Case::missingResource:
            return tr("Resource not found: ") + resourceName;
        // The cases below name the file and where it is used in the one message: a command line shows
        // nothing else.
        case Case::resourceIsAFolder:
            return tr("Resource is a folder, not a file: %1. %2").arg(resourceName, usedBy);
        case Case::resourceNotAFile:
            return tr("Resource is not a regular file: %1. %2").arg(resourceName, usedBy);
        case Case::resourceUnreadable:
            return tr("Resource cannot be read (no permission): %1. %2").arg(resourceName, usedBy);
        case Case::resourceNotMedia:
            return (expectsVideo ? tr("Resource is not a video: %1. %2")
                                 : tr("Resource is not a picture: %1. %2"))
                .arg(resourceName, usedBy);
        }
        return {};
    }

    // Where the project uses the file, when the description does not say it already.
    QString separateUsedBy() const { return errorCase == Case::missingResource ? usedBy : QString(); }
};

} // namespace vistrelle
