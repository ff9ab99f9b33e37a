#pragma once

#include <QCoreApplication>
#include <QString>

namespace vistrelle {

// Why a project cannot be deployed; the description is shown as it is.
struct DeployError {
    Q_DECLARE_TR_FUNCTIONS(DeployError)

public:
    enum class Case { invalidProjectName, missingPassword, noScreens, missingResource, resourceNotAFile };

    Case errorCase;
    QString resourceName; // for missingResource and resourceNotAFile
    QString usedBy;       // for those too: where the project uses the file, to find and fix it

    QString description() const {
        switch (errorCase) {
        case Case::invalidProjectName:
            return tr("Project name is invalid or empty");
        case Case::missingPassword:
            return tr("Deploy password is required");
        case Case::noScreens:
            return tr("Project must have at least one screen");
        case Case::missingResource:
            return tr("Resource not found: ") + resourceName;
        case Case::resourceNotAFile:
            return tr("Resource is not a regular file: ") + resourceName;
        }
        return {};
    }
};

} // namespace vistrelle
