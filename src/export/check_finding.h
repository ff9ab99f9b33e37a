#pragma once

#include "model/enumerations.h"

#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

namespace vistrelle {

// One thing the show check found: what is wrong, where, and how bad.
struct CheckFinding {
    enum class Severity { error, warning };
    // A change of one property of the finding's component that puts it right, offered as one click.
    struct Fix {
        QString label; // "Turn Autoplay On"
        QString key;
        QString value;

        bool operator==(const Fix&) const = default;
    };

    Severity severity = Severity::warning;
    QString rule;         // a stable name for pipelines ("missing-media", "text-overflow", …)
    int screenNumber = 0; // counted from 1; 0 for the project as a whole
    QString screenName;
    std::optional<QUuid> screenId;
    std::optional<QUuid> componentId;
    std::optional<ComponentType> componentType;
    QString message;          // what is wrong and how to fix it
    bool deployFails = false; // whether deploying would refuse the project because of it
    std::optional<Fix> fix;

    bool operator==(const CheckFinding&) const = default;
};

struct CheckCounts {
    int errors = 0;
    int warnings = 0;
};

CheckCounts countFindings(const QList<CheckFinding>& findings);

} // namespace vistrelle
