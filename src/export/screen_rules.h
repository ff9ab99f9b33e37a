#pragma once

#include "export/check_finding.h"
#include "export/show_check.h"
#include "render/text_layout.h"

#include <QHash>

namespace vistrelle {

class MediaProbe;

// Gathers one screen's findings, each tied to the screen and, when given, a component.
class ScreenFindings {
public:
    ScreenFindings(const KioskScreen& screen, qsizetype index);

    void error(const QString& rule, const QString& message, bool deployFails,
               const PlacedComponent* component = nullptr);
    void warning(const QString& rule, const QString& message, const PlacedComponent* component = nullptr,
                 std::optional<CheckFinding::Fix> fix = std::nullopt);

    // The screen's own findings first, then by component in list order; errors before warnings.
    QList<CheckFinding> take();

private:
    void add(CheckFinding::Severity severity, const QString& rule, const QString& message, bool deployFails,
             const PlacedComponent* component, std::optional<CheckFinding::Fix> fix = std::nullopt);

    const KioskScreen& screen_;
    qsizetype index_;
    QList<std::pair<qsizetype, CheckFinding>> found_;
};

// The rules, each in the file of its kind.
void checkBackgroundPicture(const KioskScreen& screen, MediaProbe& media, ScreenFindings& found);
void checkComponentMedia(const KioskScreen& screen, const PlacedComponent& component, MediaProbe& media,
                         const CheckOptions& options, ScreenFindings& found);
void checkPlacement(const KioskScreen& screen, const PlacedComponent& component, ScreenFindings& found);
void checkLiveComponent(const KioskScreen& screen, const PlacedComponent& component,
                        const CheckOptions& options, ScreenFindings& found);
void checkVisitorActions(const KioskProject& project, const PlacedComponent& component,
                         ScreenFindings& found);
void checkTextRoom(const KioskScreen& screen, const PlacedComponent& component, const TextPlacement& text,
                   ScreenFindings& found);
// `texts`: how each text component of the screen lays out its words, by component id.
using TextPlacements = QHash<QUuid, TextPlacement>;
void checkReadingTime(const KioskScreen& screen, const TextPlacements& texts, ScreenFindings& found);
void checkContrast(const KioskScreen& screen, const TextPlacements& texts, MediaProbe& media,
                   ScreenFindings& found);

// Words as a reader counts them: runs between white space holding a letter or a digit.
int countWords(const QString& text);

// "The Title …": a description at the start of a sentence.
QString sentenceStart(const QString& text);

} // namespace vistrelle
