#include "editor/sheets/project_setup.h"

#include "platform/app_logger.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace vistrelle {

namespace {

constexpr qint64 kMinimumScreenDuration = 3;

// Texts of the "ProjectSetup" catalogue context, written out where they are used so that the translation
// tools see them.
struct ProjectSetupTexts {
    Q_DECLARE_TR_FUNCTIONS(ProjectSetup)
};

struct ParsedInteger {
    qint64 value = 0;
    bool fitsIn64Bits = true; // false: value is saturated at the nearest limit
};

// A decimal integer with an optional leading sign, ASCII digits only (no
// group separators, fractions or exponents); white space around it is
// ignored. Numbers beyond 64 bits saturate instead of wrapping around.
std::optional<ParsedInteger> parseDecimalInteger(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype position = 0;
    bool negative = false;
    if (!trimmed.isEmpty() && (trimmed[0] == u'+' || trimmed[0] == u'-')) {
        negative = trimmed[0] == u'-';
        position = 1;
    }
    if (position == trimmed.size())
        return std::nullopt;
    ParsedInteger result;
    constexpr qint64 limit = std::numeric_limits<qint64>::max();
    for (; position < trimmed.size(); ++position) {
        const char16_t c = trimmed[position].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c - u'0';
        if (result.value > (limit - digit) / 10) {
            result.value = limit;
            result.fitsIn64Bits = false;
        } else if (result.fitsIn64Bits) {
            result.value = result.value * 10 + digit;
        }
    }
    if (negative)
        result.value = -result.value;
    return result;
}

} // namespace

std::variant<ScreenResolution, QString> customResolutionFromText(const QString& widthText,
                                                                 const QString& heightText, ScreenMode mode) {
    const std::optional<ParsedInteger> width = parseDecimalInteger(widthText);
    const std::optional<ParsedInteger> height = parseDecimalInteger(heightText);
    if (!width || !height)
        return ProjectSetupTexts::tr("Please enter valid numbers");
    if (width->value < 1024 || height->value < 768)
        return ProjectSetupTexts::tr("Resolution must be at least 1024×768");
    if (width->value > kMaximumCustomResolutionSide || height->value > kMaximumCustomResolutionSide)
        return ProjectSetupTexts::tr("Resolution must be at most %1×%1").arg(kMaximumCustomResolutionSide);
    return *ScreenResolution::custom(width->value, height->value, mode);
}

KioskProject projectFromSetup(const ProjectSetupChoices& choices) {
    KioskProject project;

    const QDateTime now = currentDocumentTime();
    project.metadata.name = trimmedProjectName(choices.name);
    project.metadata.description = choices.description;
    project.metadata.created = now;
    project.metadata.modified = now;
    project.metadata.appVersion = kApplicationVersion;
    project.metadata.documentVersion = kApplicationVersion;

    ProjectSettings& settings = project.settings;
    settings.defaultResolution = choices.resolution;
    settings.defaultBackground = choices.defaultBackground;
    settings.autoSave = choices.autoSave;
    settings.showGrid = choices.showGrid;
    settings.snapToGrid = choices.snapToGrid;
    settings.gridSize = choices.gridSize;
    settings.deployPassword = choices.deployPassword;

    const int count = std::clamp(choices.numberOfScreens, ProjectSetupChoices::minimumScreens,
                                 ProjectSetupChoices::maximumScreens);
    project.screens.clear();
    project.screens.reserve(count);
    for (int number = 1; number <= count; ++number) {
        // The same texts (and translation contexts) as the model's first
        // screen and the screens the editor adds later.
        KioskScreen screen(number == 1 ? QCoreApplication::translate("KioskProject", "Start")
                                       : QCoreApplication::translate("Screens", "Screen %1").arg(number));
        screen.resolution = choices.resolution;
        screen.background = choices.defaultBackground;
        project.screens.append(std::move(screen));
    }

    qCInfo(AppLogger::general()).noquote() << QStringLiteral("Created new project: ") +
                                                  project.metadata.name + QStringLiteral(" with ") +
                                                  QString::number(count) + QStringLiteral(" screens");
    return project;
}

KioskScreen editedScreen(const KioskScreen& screen, const QString& newName, const QString& durationText) {
    KioskScreen result = screen;
    result.name = newName.trimmed().isEmpty() ? ProjectSetupTexts::tr("Untitled Screen") : newName;
    const std::optional<ParsedInteger> typed = parseDecimalInteger(durationText);
    const qint64 duration = typed && typed->fitsIn64Bits ? typed->value : screen.duration;
    result.duration = std::max(duration, kMinimumScreenDuration);
    return result;
}

QString trimmedProjectName(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? ProjectSetupTexts::tr("Untitled Project") : trimmed;
}

QString resolutionLabel(const ScreenResolution& resolution) {
    // One arg() call: a "%1" inside a stored name must stay as it is.
    return QStringLiteral("%1 (%2×%3)")
        .arg(resolution.name, QString::number(resolution.width), QString::number(resolution.height));
}

} // namespace vistrelle
