#include "model/vistrelle_error.h"

namespace vistrelle {

QString VistrelleError::descriptionPrefix() const {
    switch (case_) {
    case Case::fileReadError:
        return tr("Failed to read project file: ");
    case Case::fileWriteError:
        return tr("Failed to save project file: ");
    case Case::invalidComponent:
        return tr("Invalid component configuration: ");
    case Case::buildError:
        return tr("Build failed: ");
    case Case::previewError:
        return tr("Preview failed: ");
    case Case::networkError:
        return tr("Network error: ");
    case Case::validationError:
        return tr("Validation error: ");
    case Case::unsupportedOperation:
        return tr("Unsupported operation: ");
    case Case::versionCompatibilityError:
        return tr("Version compatibility error: ");
    }
    return {};
}

QString VistrelleError::recoverySuggestion() const {
    switch (case_) {
    case Case::fileReadError:
        return tr(
            "Check if the file exists and is not corrupted. Try opening a backup or creating a new project.");
    case Case::fileWriteError:
        return tr("Check disk space and file permissions. Try saving to a different location.");
    case Case::invalidComponent:
        return tr("The component may have invalid properties. Try removing and re-adding the component.");
    case Case::buildError:
        return tr("Check your project configuration and try building again.");
    case Case::previewError:
        return tr("Some components may not be compatible with preview mode. Check component settings.");
    case Case::networkError:
        return tr("Check your internet connection and try again.");
    case Case::validationError:
        return tr("Please correct the validation errors and try again.");
    case Case::unsupportedOperation:
        return tr("This operation is not supported in the current context.");
    case Case::versionCompatibilityError:
        return tr(
            "The document was created with a different version. Consider upgrading or using a compatible "
            "version.");
    }
    return {};
}

QString VistrelleError::identity() const {
    switch (case_) {
    case Case::fileReadError:
        return QStringLiteral("fileReadError");
    case Case::fileWriteError:
        return QStringLiteral("fileWriteError");
    case Case::invalidComponent:
        return QStringLiteral("invalidComponent");
    case Case::buildError:
        return QStringLiteral("buildError");
    case Case::previewError:
        return QStringLiteral("previewError");
    case Case::networkError:
        return QStringLiteral("networkError");
    case Case::validationError:
        return QStringLiteral("validationError");
    case Case::unsupportedOperation:
        return QStringLiteral("unsupportedOperation");
    case Case::versionCompatibilityError:
        return QStringLiteral("versionCompatibilityError");
    }
    return {};
}

} // namespace vistrelle
