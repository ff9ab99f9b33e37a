#pragma once

#include "export/check_finding.h"
#include "model/project_model.h"

#include <QColor>
#include <QDateTime>

namespace vistrelle {

class MediaProbe;

struct CheckOptions {
    // Deployed as pre-rendered slides: videos and web views cannot play.
    bool highPerformance = false;
    // The moment schedules are judged from: dates that have ended, the coming week's gaps.
    QDateTime now = QDateTime::currentDateTime();
};

// The limits of the show check. Every warning states its limit.
namespace check_limits {
// WCAG 2 contrast (level AA): 4.5:1 for text, 3:1 for large text (24 pixels, or 18.67 bold: 18 and 14
// points).
inline constexpr double textContrast = 4.5;
inline constexpr double largeTextContrast = 3.0;
inline constexpr double largeTextPixels = 24;
inline constexpr double largeBoldTextPixels = 18.67;
// How much of a text's background may be worse than the contrast it reports: a gradient or picture that
// is unreadable under a tenth of the words makes them unreadable.
inline constexpr double contrastShare = 0.1;
// Text below 1/40 of the screen's height: on a 55-inch screen (68 cm high) that is 17 mm, letters that read
// from about 5 m at the usual sign rule of 25 mm of letter height per 7 to 10 m of distance for capitals and
// the smaller x-height of body text; anything smaller only reads from close by.
inline constexpr double smallestTextShareOfHeight = 1.0 / 40;
// A passer-by reads about 3 words a second (180 a minute, a glance rate, slower than reading a page) and
// needs about 2 seconds to notice that the screen changed.
inline constexpr double wordsPerSecond = 3;
inline constexpr double secondsToNotice = 2;
// A picture enlarged past 1.5× its pixels looks soft; one more than 4× larger than shown only weighs.
inline constexpr double blurryEnlargement = 1.5;
inline constexpr double wastefulReduction = 4;
} // namespace check_limits

// Black or white, whichever reads better over what `screen` draws under `component`'s frame (and the
// component's own background, for a text area), measured as the contrast rule measures text.
QColor legibleColorOver(const KioskScreen& screen, const PlacedComponent& component, MediaProbe& media);

// Name, password and screens, as deployment checks them, the slides' size, and the project's default
// background picture.
QList<CheckFinding> checkProjectSettings(const KioskProject& project, MediaProbe& media,
                                         const CheckOptions& options);

// Everything about the screen at `index`, in the order of its components.
QList<CheckFinding> checkScreen(const KioskProject& project, qsizetype index, MediaProbe& media,
                                const CheckOptions& options);

// The whole show: the project's findings, then each screen's (screens checked in parallel).
QList<CheckFinding> checkShow(const KioskProject& project, MediaProbe& media,
                              const CheckOptions& options = {});

} // namespace vistrelle
