#include "export/slide_export.h"

#include "export/bundle_files.h"
#include "export/player_xml.h"
#include "media/file_error.h"
#include "media/path_resolver.h"
#include "render/screen_painter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFuture>
#include <QImageWriter>
#include <QtConcurrent/QtConcurrentRun>

#include <functional>
#include <variant>

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
    bytes.reserve(qsizetype(image.width()) * image.height()); // a generous guess: one growth at most
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, asPNG ? "png" : "jpg");
    if (!asPNG)
        writer.setQuality(100);
    // JPEG has no transparency: flatten the slide first.
    const bool opaque = image.format() == QImage::Format_RGB32;
    if (!writer.write(asPNG || opaque ? image : image.convertToFormat(QImage::Format_RGB32)))
        return;
    writeFileAtomically(path, bytes);
}

namespace {

// Renders and encodes the slides on the thread pool, as many at once as there
// are cores (a thread that waits for a slide not yet started draws it itself);
// each file is written, and its log line reported, in screen order.
void renderSlides(const KioskProject& project, const QString& folder, SlideFormat format, ImageSource& images,
                  const std::function<QString(qsizetype)>& nameOf,
                  const std::function<void(qsizetype, const QString&)>& logSaved) {
    enum class Outcome { saved, skipped };
    struct Slide {
        QString name;
        QFuture<std::variant<Outcome, FileError>> done;
    };
    std::vector<Slide> slides;
    slides.reserve(std::size_t(project.screens.size()));
    for (qsizetype i = 0; i < project.screens.size(); ++i) {
        const QString name = nameOf(i);
        const QString path = QDir(folder).filePath(name);
        slides.push_back({name, QtConcurrent::run([&project, &images, i, path,
                                                   format]() -> std::variant<Outcome, FileError> {
                              const QImage image = renderSlide(project, project.screens[i], images);
                              if (image.isNull())
                                  return Outcome::skipped; // skipped without a word
                              try {
                                  saveSlideImage(image, path, format.png);
                              } catch (const FileError& error) {
                                  return error;
                              }
                              return Outcome::saved;
                          })});
    }
    std::optional<FileError> failure;
    for (qsizetype i = 0; i < qsizetype(slides.size()); ++i) {
        // After a failure the rest still finishes (nothing may write into the folder once it is reported),
        // but is not reported.
        const std::variant<Outcome, FileError> outcome = slides[std::size_t(i)].done.result();
        if (failure)
            continue;
        if (const FileError* error = std::get_if<FileError>(&outcome))
            failure = *error;
        else if (std::get<Outcome>(outcome) == Outcome::saved)
            logSaved(i, slides[std::size_t(i)].name);
    }
    if (failure)
        throw *failure;
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
