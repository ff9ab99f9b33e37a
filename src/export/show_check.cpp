#include "export/show_check.h"

#include "export/check_texts.h"
#include "export/deploy_error.h"
#include "export/media_probe.h"
#include "export/schedule_check.h"
#include "export/screen_rules.h"

#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <numeric>

namespace vistrelle {

namespace {

// A deployment message followed by advice: it ends as a sentence first.
QString asSentence(const QString& text) {
    return text.isEmpty() || QStringLiteral(".!?:").contains(text.back()) ? text : text + u'.';
}

} // namespace

CheckCounts countFindings(const QList<CheckFinding>& findings) {
    CheckCounts counts;
    for (const CheckFinding& finding : findings)
        ++(finding.severity == CheckFinding::Severity::error ? counts.errors : counts.warnings);
    return counts;
}

ScreenFindings::ScreenFindings(const KioskScreen& screen, qsizetype index)
    : screen_(screen)
    , index_(index) {}

void ScreenFindings::error(const QString& rule, const QString& message, bool deployFails,
                           const PlacedComponent* component) {
    add(CheckFinding::Severity::error, rule, message, deployFails, component);
}

void ScreenFindings::warning(const QString& rule, const QString& message, const PlacedComponent* component,
                             std::optional<CheckFinding::Fix> fix) {
    add(CheckFinding::Severity::warning, rule, message, false, component, std::move(fix));
}

void ScreenFindings::add(CheckFinding::Severity severity, const QString& rule, const QString& message,
                         bool deployFails, const PlacedComponent* component,
                         std::optional<CheckFinding::Fix> fix) {
    CheckFinding finding{severity, rule, int(index_ + 1), screen_.name, screen_.id,
                         {},       {},   message,         deployFails,  std::move(fix)};
    qsizetype place = -1;
    if (component) {
        finding.componentId = component->id;
        finding.componentType = component->componentType;
        place = component - screen_.components.constData();
    }
    found_.append({place, std::move(finding)});
}

QList<CheckFinding> ScreenFindings::take() {
    std::stable_sort(found_.begin(), found_.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return a.second.severity == CheckFinding::Severity::error &&
               b.second.severity != CheckFinding::Severity::error;
    });
    QList<CheckFinding> findings;
    findings.reserve(found_.size());
    for (auto& [place, finding] : found_)
        findings.append(std::move(finding));
    found_.clear();
    return findings;
}

QList<CheckFinding> checkProjectSettings(const KioskProject& project, MediaProbe& media,
                                         const CheckOptions& /*options: the same findings in every mode*/) {
    QList<CheckFinding> findings;
    const auto projectError = [&](const QString& rule, const QString& message, bool deployFails) {
        findings.append({CheckFinding::Severity::error, rule, 0, {}, {}, {}, {}, message, deployFails, {}});
    };
    if (isBlank(project.metadata.name))
        projectError(QStringLiteral("project-name"),
                     asSentence(DeployError{DeployError::Case::invalidProjectName, {}, {}}.description()) +
                         u' ' + CheckText::tr("Name the project in its settings."),
                     true);
    else if (bundleNameIsCut(project.metadata.name))
        findings.append({CheckFinding::Severity::warning,
                         QStringLiteral("bundle-name"),
                         0,
                         {},
                         {},
                         {},
                         {},
                         CheckText::tr("The project name holds control characters or is longer than a folder "
                                       "name may be: the bundle is named “%1.bundle”. Rename the project to "
                                       "choose the name yourself.")
                             .arg(sanitizedBundleName(project.metadata.name)),
                         false,
                         {}});
    if (isBlank(project.settings.deployPassword))
        projectError(QStringLiteral("deploy-password"),
                     asSentence(DeployError{DeployError::Case::missingPassword, {}, {}}.description()) +
                         u' ' + CheckText::tr("Set one in the project settings."),
                     true);
    if (project.screens.isEmpty())
        projectError(QStringLiteral("no-screens"),
                     asSentence(DeployError{DeployError::Case::noScreens, {}, {}}.description()) + u' ' +
                         CheckText::tr("Add a screen."),
                     true);
    // A screen the renderer cannot draw fails every deployment: the player could not show it either.
    const ScreenResolution& resolution = project.settings.defaultResolution;
    if (!isDrawableResolution(resolution))
        projectError(QStringLiteral("slide-size"),
                     asSentence(DeployError{
                         DeployError::Case::invalidResolution,
                         CheckText::tr("%1 × %2").arg(resolution.width).arg(resolution.height),
                         {}}.description()) +
                         u' ' + CheckText::tr("Choose another resolution in the project settings."),
                     true);
    const BackgroundStyle& background = project.settings.defaultBackground;
    if (background.type == BackgroundType::image && background.imagePath &&
        !background.imagePath->isEmpty()) {
        const MediaInfo picture = media.picture(*background.imagePath);
        if (picture.state != MediaFileState::regular)
            projectError(
                QStringLiteral("missing-media"),
                CheckText::tr("The project’s default background picture “%1” is missing or no file: put it "
                              "back or choose another in the project settings.")
                    .arg(mediaName(*background.imagePath)),
                true);
        else if (!picture.decodes)
            projectError(
                QStringLiteral("undecodable-media"),
                CheckText::tr("The project’s default background picture “%1” does not decode as a picture: "
                              "save it again as PNG or JPEG, or choose another in the project settings.")
                    .arg(mediaName(*background.imagePath)),
                true);
    }
    return findings;
}

QList<CheckFinding> checkScreen(const KioskProject& project, qsizetype index, MediaProbe& media,
                                const CheckOptions& options) {
    const KioskScreen& screen = project.screens[index];
    ScreenFindings found(screen, index);
    if (!isDrawableResolution(screen.resolution))
        found.error(
            QStringLiteral("screen-resolution"),
            DeployError{DeployError::Case::invalidResolution,
                        CheckText::tr("%1 × %2").arg(screen.resolution.width).arg(screen.resolution.height),
                        screen.name}
                .description(),
            true);
    checkBackgroundPicture(screen, media, found);
    TextPlacements texts;
    for (const PlacedComponent& component : screen.components) {
        checkPlacement(screen, component, found);
        checkComponentMedia(screen, component, media, options, found);
        checkLiveComponent(screen, component, options, found);
        checkVisitorActions(project, component, found);
        if (std::optional<TextPlacement> text = placeText(component)) {
            checkTextRoom(screen, component, *text, found);
            texts.insert(component.id, std::move(*text));
        }
    }
    checkReadingTime(screen, texts, found);
    checkContrast(screen, texts, media, found);
    return found.take();
}

QList<CheckFinding> checkShow(const KioskProject& project, MediaProbe& media, const CheckOptions& options) {
    QList<CheckFinding> findings = checkProjectSettings(project, media, options);
    QList<qsizetype> indices(project.screens.size());
    std::iota(indices.begin(), indices.end(), 0);
    const QList<QList<CheckFinding>> perScreen = QtConcurrent::blockingMapped(
        indices, [&](qsizetype index) { return checkScreen(project, index, media, options); });
    findings.append(checkSchedules(project, options.now));
    for (const QList<CheckFinding>& screenFindings : perScreen)
        findings.append(screenFindings);
    return findings;
}

} // namespace vistrelle
