#include "export/slide_export.h"

#include "export/bundle_files.h"
#include "export/player_xml.h"
#include "media/file_error.h"
#include "media/path_resolver.h"
#include "render/screen_painter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFuture>
#include <QImageWriter>
#include <QtConcurrent/QtConcurrentRun>

#include <deque>
#include <functional>

#include <QThread>

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

QImage renderSlide(const KioskProject& project, const KioskScreen& screen, ImageSource& images) {
    const ScreenResolution& resolution = project.settings.defaultResolution;
    if (resolution.width <= 0 || resolution.height <= 0 || resolution.width > 16384 ||
        resolution.height > 16384)
        return {};
    return renderScreenImage(screen, QSize(int(resolution.width), int(resolution.height)), images,
                             ComponentOrder::listOrder);
}

void saveSlideImage(const QImage& image, const QString& path, bool asPNG) {
    if (image.isNull())
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, asPNG ? "png" : "jpg");
    if (!asPNG)
        writer.setQuality(100);
    // JPEG has no transparency: flatten the slide first.
    if (!writer.write(asPNG ? image : image.convertToFormat(QImage::Format_RGB32)))
        return;
    writeFileAtomically(path, bytes);
}

namespace {

// Renders each screen and encodes it on the thread pool while the next one is
// rendered; each file is written, and its log line reported, in screen order.
void renderSlides(const KioskProject& project, const QString& folder, SlideFormat format, ImageSource& images,
                  const std::function<QString(qsizetype)>& nameOf,
                  const std::function<void(qsizetype, const QString&)>& logSaved) {
    struct InFlight {
        qsizetype index;
        QString name;
        QFuture<std::optional<FileError>> saving;
    };
    // Encoding is the slow part: as many slides encode at once as there are cores.
    const std::size_t maximumInFlight = std::size_t(std::max(1, QThread::idealThreadCount()));
    std::deque<InFlight> inFlight;
    const auto finish = [&](InFlight& slide) {
        if (const std::optional<FileError> error = slide.saving.result()) {
            // Nothing may still be writing into the folder once the failure is reported.
            for (InFlight& other : inFlight)
                other.saving.waitForFinished();
            throw *error;
        }
        logSaved(slide.index, slide.name);
    };
    for (qsizetype i = 0; i < project.screens.size(); ++i) {
        const QImage image = renderSlide(project, project.screens[i], images);
        if (image.isNull())
            continue; // a screen that renders to nothing is skipped without a word
        const QString name = nameOf(i);
        const QString path = QDir(folder).filePath(name);
        QFuture<std::optional<FileError>> saving =
            QtConcurrent::run([image, path, format]() -> std::optional<FileError> {
                try {
                    saveSlideImage(image, path, format.png);
                } catch (const FileError& error) {
                    return error;
                }
                return std::nullopt;
            });
        inFlight.push_back(InFlight{i, name, saving});
        while (inFlight.size() > maximumInFlight) {
            finish(inFlight.front());
            inFlight.pop_front();
        }
    }
    while (!inFlight.empty()) {
        finish(inFlight.front());
        inFlight.pop_front();
    }
}

void writePlainly(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw FileError{FileError::other, FileError::tr("The file “%1” couldn’t be saved: %2")
                                              .arg(QFileInfo(path).fileName(), file.errorString())};
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
            report(0.55 + 0.3 * double(i + 1) / count, QStringLiteral("Rendered: ") + name);
        });
    // The durations file is the one file written in place.
    writePlainly(folder.filePath(QStringLiteral("durations.json")), durationsJson(project));
    writeFileAtomically(
        folder.filePath(QStringLiteral("VistrelleData.xml")),
        generateProjectXML(project, buildResourceNameMap(project, resolver), resolver).toUtf8());
    report(0.85, QStringLiteral("XML data exported for optimized mode"));
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
            report(0.45 + 0.5 * double(i + 1) / count, QStringLiteral("Exported: ") + name);
        });
}

} // namespace vistrelle
