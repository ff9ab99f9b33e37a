#include "export/slide_export.h"

#include "export/png_encoding.h"

#include "export/bundle_files.h"
#include "export/player_xml.h"
#include "media/file_error.h"
#include "media/path_resolver.h"
#include "platform/file_writing.h"
#include "render/screen_painter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFuture>
#include <QImageWriter>
#include <QtConcurrent/QtConcurrentRun>

#include <QThread>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

namespace vistrelle {

SlideFormat SlideFormat::from(const QString& optimizedFormat) {
    return {optimizedFormat.toLower() == QLatin1StringView("png")};
}

QString optimizedSlideName(qsizetype index, SlideFormat format) {
    return QStringLiteral("screen%1.%2").arg(index + 1, 3, 10, QLatin1Char('0')).arg(format.extension());
}

QString flatSlideName(qsizetype index, qint64 duration, SlideFormat format) {
    return QStringLiteral("screen%1_%2.%3")
        .arg(index + 1, 3, 10, QLatin1Char('0'))
        .arg(std::max<qint64>(duration, 3))
        .arg(format.extension());
}

QByteArray durationsJson(const KioskProject& project) {
    QByteArray json = "[";
    for (qsizetype i = 0; i < project.screens.size(); ++i) {
        if (i > 0)
            json += ',';
        json += QByteArray::number(std::max<qint64>(project.screens[i].duration, 3));
    }
    return json + ']';
}

namespace {

constexpr int largestSlideSide = largestScreenSide;

// The project's default resolution as a slide size, if it can be drawn.
std::optional<QSize> slideSize(const KioskProject& project) {
    const ScreenResolution& resolution = project.settings.defaultResolution;
    if (resolution.width <= 0 || resolution.height <= 0 || resolution.width > largestSlideSide ||
        resolution.height > largestSlideSide)
        return std::nullopt;
    return QSize(int(resolution.width), int(resolution.height));
}

} // namespace

QImage renderSlide(const KioskProject& project, const KioskScreen& screen, ImageSource& images) {
    const std::optional<QSize> size = slideSize(project);
    if (!size)
        return {};
    return renderScreenImage(screen, *size, images, ComponentOrder::listOrder);
}

void checkSlidesCanBeDrawn(const KioskProject& project) {
    if (project.screens.isEmpty() || slideSize(project))
        return;
    const ScreenResolution& resolution = project.settings.defaultResolution;
    throw FileError{
        FileError::other,
        QCoreApplication::translate("KioskDeployManager",
                                    "The screen “%1” can’t be drawn as a slide of %2 × %3 pixels: slides "
                                    "are at least 1 × 1 and at most %4 × %4 pixels.")
            .arg(project.screens.front().name)
            .arg(resolution.width)
            .arg(resolution.height)
            .arg(largestSlideSide)};
}

QByteArray encodeSlideImage(const QImage& image, bool asPNG) {
    if (image.isNull())
        return {};
    if (asPNG)
        return encodePng(image);
    QByteArray bytes;
    bytes.reserve(qsizetype(image.width()) * image.height()); // a generous guess: one growth at most
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(100);
    // JPEG has no transparency: flatten the slide first.
    const bool opaque = image.format() == QImage::Format_RGB32;
    if (!writer.write(opaque ? image : image.convertToFormat(QImage::Format_RGB32)))
        return {};
    return bytes;
}

void saveSlideImage(const QImage& image, const QString& path, bool asPNG) {
    const QByteArray bytes = encodeSlideImage(image, asPNG);
    if (!bytes.isEmpty())
        writeFileAtomically(path, bytes);
}

namespace {

// Slide-sized pictures handed from one finished slide to the next, so that a
// long export does not fault in fresh pages for every slide.
class CanvasPool {
public:
    QImage take() {
        const std::lock_guard lock(mutex);
        if (spare.empty())
            return {};
        QImage canvas = std::move(spare.back());
        spare.pop_back();
        return canvas;
    }
    void giveBack(QImage canvas) {
        const std::lock_guard lock(mutex);
        spare.push_back(std::move(canvas));
    }

private:
    std::mutex mutex;
    std::vector<QImage> spare;
};

FileError slideError(const QString& text) {
    return {FileError::other, text};
}

// The texts of this file belong to the KioskDeployManager catalogue context.
struct DeployTexts {
    Q_DECLARE_TR_FUNCTIONS(KioskDeployManager)
};

// A slide drawn and encoded on the pool, or why not.
struct EncodedSlide {
    enum class Outcome { encoded, notDrawn, notEncoded, skipped };
    Outcome outcome = Outcome::skipped;
    QByteArray bytes;
};

// Renders and encodes the slides on the thread pool, a few per core at a time,
// while this thread writes the finished files and reports their log lines in
// screen order (so waiting for the disk never idles a core). Slides wait in
// memory only while they are in that window, so a show of five hundred slides
// needs no more memory than one of twenty. A slide that cannot be drawn or
// encoded fails the export: a show with a screen missing is not a success.
void renderSlides(const KioskProject& project, const QString& folder, SlideFormat format, ImageSource& images,
                  const std::function<QString(qsizetype)>& nameOf,
                  const std::function<void(qsizetype, const QString&)>& logSaved,
                  const CancelCheck& cancelled, QStringList* written) {
    checkSlidesCanBeDrawn(project);
    const QSize size = slideSize(project).value_or(QSize());
    CanvasPool canvases;
    std::atomic<bool> abandoned = false;
    const auto start = [&](qsizetype i) {
        return QtConcurrent::run([&project, &images, &canvases, &abandoned, size, i, format] {
            if (abandoned)
                return EncodedSlide{};
            QImage canvas = canvases.take();
            if (!renderScreenInto(canvas, project.screens[i], size, images, ComponentOrder::listOrder))
                return EncodedSlide{EncodedSlide::Outcome::notDrawn, {}};
            QByteArray bytes = encodeSlideImage(canvas, format.png);
            canvases.giveBack(std::move(canvas));
            return bytes.isEmpty() ? EncodedSlide{EncodedSlide::Outcome::notEncoded, {}}
                                   : EncodedSlide{EncodedSlide::Outcome::encoded, std::move(bytes)};
        });
    };
    const qsizetype count = project.screens.size();
    const qsizetype window = std::max(2, 2 * QThread::idealThreadCount());
    std::deque<QFuture<EncodedSlide>> inFlight;
    qsizetype next = 0;
    try {
        for (qsizetype i = 0; i < count; ++i) {
            while (next < count && next < i + window)
                inFlight.push_back(start(next++));
            EncodedSlide slide = inFlight.front().result();
            inFlight.pop_front();
            if (cancelled && cancelled())
                throw OperationCancelled{};
            const QString& screenName = project.screens[i].name;
            if (slide.outcome == EncodedSlide::Outcome::notDrawn)
                throw slideError(
                    DeployTexts::tr(
                        "The screen “%1” couldn’t be drawn as a slide of %2 × %3 pixels: there is not "
                        "enough memory.")
                        .arg(screenName)
                        .arg(size.width())
                        .arg(size.height()));
            if (slide.outcome != EncodedSlide::Outcome::encoded)
                throw slideError(DeployTexts::tr("The slide of the screen “%1” couldn’t be encoded as %2.")
                                     .arg(screenName, format.extension().toUpper()));
            const QString name = nameOf(i);
            const QString path = QDir(folder).filePath(name);
            writeFileAtomically(path, slide.bytes);
            if (written)
                written->append(path);
            logSaved(i, name);
        }
    } catch (...) {
        // The slides still being drawn hold references into this frame; the rest need not start.
        abandoned = true;
        for (QFuture<EncodedSlide>& slide : inFlight)
            slide.waitForFinished();
        throw;
    }
}

void writePlainly(const QString& path, const QByteArray& bytes) {
    if (const std::optional<QString> reason = saveFileInPlace(path, bytes))
        throw FileError::couldNotSave(QFileInfo(path).fileName(), *reason);
}

} // namespace

void exportOptimizedSlides(const KioskProject& project, const QString& outputFolder, SlideFormat format,
                           ImageSource& images, const PathResolver& resolver, const ProgressReport& report,
                           const CancelCheck& cancelled, const SlideCountReport& slides) {
    const QDir folder(outputFolder);
    writeFileAtomically(folder.filePath(QStringLiteral("Optimized")), "true");
    const double count = double(project.screens.size());
    renderSlides(
        project, outputFolder, format, images, [&](qsizetype i) { return optimizedSlideName(i, format); },
        [&](qsizetype i, const QString& name) {
            report(0.55 + 0.3 * double(i + 1) / count, DeployTexts::tr("Rendered: ") + name);
            if (slides)
                slides(i + 1, project.screens.size());
        },
        cancelled, nullptr);
    // The durations file is the one file written in place.
    writePlainly(folder.filePath(QStringLiteral("durations.json")), durationsJson(project));
    writeFileAtomically(
        folder.filePath(QStringLiteral("VistrelleData.xml")),
        generateProjectXML(project, buildResourceNameMap(project, resolver), resolver).toUtf8());
    report(0.85, DeployTexts::tr("XML data exported for optimized mode"));
}

void exportFlatSlides(const KioskProject& project, const QString& destination, SlideFormat format,
                      ImageSource& images, const ProgressReport& report, const CancelCheck& cancelled,
                      QStringList* written, const SlideCountReport& slides) {
    if (!QDir().mkpath(destination))
        throw FileError{
            FileError::other,
            FileError::tr("The folder “%1” couldn’t be created.").arg(lastPathComponent(destination))};
    const double count = double(project.screens.size());
    renderSlides(
        project, destination, format, images,
        [&](qsizetype i) { return flatSlideName(i, project.screens[i].duration, format); },
        [&](qsizetype i, const QString& name) {
            report(0.45 + 0.5 * double(i + 1) / count, DeployTexts::tr("Exported: ") + name);
            if (slides)
                slides(i + 1, project.screens.size());
        },
        cancelled, written);
}

} // namespace vistrelle
