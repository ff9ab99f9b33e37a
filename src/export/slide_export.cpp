#include "export/slide_export.h"

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

#include <atomic>
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

// The project's default resolution as a slide size, if it can be drawn.
std::optional<QSize> slideSize(const KioskProject& project) {
    const ScreenResolution& resolution = project.settings.defaultResolution;
    if (resolution.width <= 0 || resolution.height <= 0 || resolution.width > 16384 ||
        resolution.height > 16384)
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

QByteArray encodeSlideImage(const QImage& image, bool asPNG) {
    if (image.isNull())
        return {};
    QByteArray bytes;
    bytes.reserve(qsizetype(image.width()) * image.height()); // a generous guess: one growth at most
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, asPNG ? "png" : "jpg");
    if (!asPNG)
        writer.setQuality(100);
    // JPEG has no transparency: flatten the slide first.
    const bool opaque = image.format() == QImage::Format_RGB32;
    if (!writer.write(asPNG || opaque ? image : image.convertToFormat(QImage::Format_RGB32)))
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

// Renders and encodes the slides on the thread pool, as many at once as there
// are cores, while this thread writes the finished files and reports their log
// lines in screen order (so waiting for the disk never idles a core).
void renderSlides(const KioskProject& project, const QString& folder, SlideFormat format, ImageSource& images,
                  const std::function<QString(qsizetype)>& nameOf,
                  const std::function<void(qsizetype, const QString&)>& logSaved) {
    const std::optional<QSize> size = slideSize(project);
    CanvasPool canvases;
    std::atomic<bool> abandoned = false;
    std::vector<QFuture<QByteArray>> encoded;
    encoded.reserve(std::size_t(project.screens.size()));
    for (qsizetype i = 0; i < project.screens.size(); ++i) {
        encoded.push_back(QtConcurrent::run([&project, &images, &canvases, &abandoned, size, i, format] {
            if (abandoned)
                return QByteArray();
            QImage canvas = canvases.take();
            if (!size ||
                !renderScreenInto(canvas, project.screens[i], *size, images, ComponentOrder::listOrder))
                return QByteArray();
            QByteArray bytes = encodeSlideImage(canvas, format.png);
            canvases.giveBack(std::move(canvas));
            return bytes;
        }));
    }
    try {
        for (qsizetype i = 0; i < qsizetype(encoded.size()); ++i) {
            const QByteArray bytes = encoded[std::size_t(i)].result();
            if (bytes.isEmpty())
                continue; // a slide that cannot be drawn or encoded is skipped without a word
            const QString name = nameOf(i);
            writeFileAtomically(QDir(folder).filePath(name), bytes);
            logSaved(i, name);
        }
    } catch (...) {
        // The slides still being drawn hold references into this frame; the rest need not start.
        abandoned = true;
        for (QFuture<QByteArray>& slide : encoded)
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
                           ImageSource& images, const PathResolver& resolver, const ProgressReport& report) {
    const QDir folder(outputFolder);
    writeFileAtomically(folder.filePath(QStringLiteral("Optimized")), "true");
    const double count = double(project.screens.size());
    renderSlides(
        project, outputFolder, format, images, [&](qsizetype i) { return optimizedSlideName(i, format); },
        [&](qsizetype i, const QString& name) {
            report(0.55 + 0.3 * double(i + 1) / count,
                   QCoreApplication::translate("KioskDeployManager", "Rendered: ") + name);
        });
    // The durations file is the one file written in place.
    writePlainly(folder.filePath(QStringLiteral("durations.json")), durationsJson(project));
    writeFileAtomically(
        folder.filePath(QStringLiteral("VistrelleData.xml")),
        generateProjectXML(project, buildResourceNameMap(project, resolver), resolver).toUtf8());
    report(0.85, QCoreApplication::translate("KioskDeployManager", "XML data exported for optimized mode"));
}

void exportFlatSlides(const KioskProject& project, const QString& destination, SlideFormat format,
                      ImageSource& images, const ProgressReport& report) {
    if (!QDir().mkpath(destination))
        throw FileError{
            FileError::other,
            FileError::tr("The folder “%1” couldn’t be created.").arg(lastPathComponent(destination))};
    const double count = double(project.screens.size());
    renderSlides(
        project, destination, format, images,
        [&](qsizetype i) { return flatSlideName(i, project.screens[i].duration, format); },
        [&](qsizetype i, const QString& name) {
            report(0.45 + 0.5 * double(i + 1) / count,
                   QCoreApplication::translate("KioskDeployManager", "Exported: ") + name);
        });
}

} // namespace vistrelle
