#pragma once

#include "export/resource_collection.h"
#include "model/project_model.h"

#include <QImage>

namespace vistrelle {

class ImageSource;
class PathResolver;

// The image format of pre-rendered slides: PNG for "png" in any letter case, else JPEG at full quality.
struct SlideFormat {
    bool png = false;

    static SlideFormat from(const QString& optimizedFormat);
    QString extension() const { return png ? QStringLiteral("png") : QStringLiteral("jpg"); }
};

// "screen001.jpg": the number from 1, at least three digits.
QString optimizedSlideName(qsizetype index, SlideFormat format);
// "screen001_5.jpg": with the screen's duration, never below 3 seconds.
QString flatSlideName(qsizetype index, qint64 duration, SlideFormat format);
// "[5,3,10]": every screen's duration, never below 3, compact.
QByteArray durationsJson(const KioskProject& project);

// One slide: the screen at the project's default resolution, one pixel per
// unit, components in list order. A null image when it cannot be drawn (a
// side beyond 16384 pixels, not enough memory).
QImage renderSlide(const KioskProject& project, const KioskScreen& screen, ImageSource& images);

// Throws FileError, naming the first screen and the limit, when the project's
// slides are too large (or too small) to be drawn.
void checkSlidesCanBeDrawn(const KioskProject& project);

// One slide as the bytes of a JPEG (quality 100) or PNG file; empty when the
// image cannot be encoded.
QByteArray encodeSlideImage(const QImage& image, bool asPNG);

// Encodes and writes one slide atomically; an image that cannot be encoded is
// silently not written. Throws FileError when writing fails.
void saveSlideImage(const QImage& image, const QString& path, bool asPNG);

// The bundle's pre-rendered content in `outputFolder`: the marker "Optimized",
// the slides, "durations.json" and the player XML. Throws FileError (also for
// a slide that cannot be drawn or encoded, naming its screen) and, when
// `cancelled` answers true between slides, OperationCancelled.
// Told after each slide written: how many are written of how many.
using SlideCountReport = std::function<void(qsizetype written, qsizetype total)>;

void exportOptimizedSlides(const KioskProject& project, const QString& outputFolder, SlideFormat format,
                           ImageSource& images, const PathResolver& resolver, const ProgressReport& report,
                           const CancelCheck& cancelled = {}, const SlideCountReport& slides = {});

// Slides only, named with their durations, straight into `destination`; the
// paths of the slides written are added to `written`. Throws as above.
void exportFlatSlides(const KioskProject& project, const QString& destination, SlideFormat format,
                      ImageSource& images, const ProgressReport& report, const CancelCheck& cancelled = {},
                      QStringList* written = nullptr, const SlideCountReport& slides = {});

} // namespace vistrelle
