#pragma once

#include <QCoreApplication>
#include <QString>

namespace vistrelle {

// The application-wide error: a case and a detail. The description shown to
// the user is the case's prefix followed by the detail.
class VistrelleError {
    Q_DECLARE_TR_FUNCTIONS(VistrelleError)

public:
    enum class Case {
        fileReadError,
        fileWriteError,
        invalidComponent,
        buildError,
        previewError,
        networkError,
        validationError,
        unsupportedOperation,
        versionCompatibilityError,
    };

    VistrelleError(Case errorCase, QString detail)
        : case_(errorCase)
        , detail_(std::move(detail)) {}

    static VistrelleError fileRead(QString detail) { return {Case::fileReadError, std::move(detail)}; }
    static VistrelleError fileWrite(QString detail) { return {Case::fileWriteError, std::move(detail)}; }

    Case errorCase() const { return case_; }
    const QString& detail() const { return detail_; }

    QString descriptionPrefix() const;
    QString description() const { return descriptionPrefix() + detail_; }
    QString recoverySuggestion() const;
    // The case's name ("fileReadError"), which identifies the error as an alert item.
    QString identity() const;

    bool operator==(const VistrelleError&) const = default;

private:
    Case case_;
    QString detail_;
};

} // namespace vistrelle
