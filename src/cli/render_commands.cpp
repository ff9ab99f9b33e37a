// render and render-transition: what the renderer draws, as PNG files.
#include "cli/cli_commands.h"
#include "cli/command_support.h"

#include "export/bundle_files.h"
#include "export/slide_export.h"
#include "media/file_error.h"
#include "media/image_cache.h"
#include "model/vistrelle_document.h"
#include "render/image_source.h"
#include "render/screen_painter.h"

#include <QCoreApplication>

namespace vistrelle::cli {

namespace {

QSize slideSize(const KioskProject& project) {
    return {int(std::clamp<qint64>(project.settings.defaultResolution.width, 0, 16384)),
            int(std::clamp<qint64>(project.settings.defaultResolution.height, 0, 16384))};
}

int savePng(const QImage& image, const QString& output, CommandOutput io) {
    if (image.isNull()) {
        io.err << CliText::tr("The screen cannot be drawn at the project's resolution.") << Qt::endl;
        return exitFailure;
    }
    // The slides' own encoder: what render writes is what a deploy writes.
    const QByteArray bytes = encodeSlideImage(image, true);
    if (bytes.isEmpty()) {
        io.err << CliText::tr("The picture cannot be encoded as PNG: there is not enough memory.")
               << Qt::endl;
        return exitFailure;
    }
    try {
        writeFileAtomically(output, bytes);
    } catch (const FileError& error) {
        io.err << error.description << Qt::endl;
        return exitFailure;
    }
    return exitSuccess;
}

// The project and the screen at `index`, or messages on standard error.
std::optional<std::pair<KioskProject, qsizetype>> projectAndScreen(const QString& file, const QString& index,
                                                                   CommandOutput io) {
    const std::optional<VistrelleDocument> document = readOrReport(file, io);
    if (!document)
        return std::nullopt;
    const std::optional<qsizetype> screen = screenIndexOrReport(document->project, index, io);
    if (!screen)
        return std::nullopt;
    return std::pair(document->project, *screen);
}

} // namespace

int runRender(const QString& file, const QString& index, const QString& output, CommandOutput io) {
    const auto found = projectAndScreen(file, index, io);
    if (!found)
        return exitFailure;
    const auto& [project, screen] = *found;
    BlockingImageSource images(ImageCache::shared());
    return savePng(
        renderScreenImage(project.screens[screen], slideSize(project), images, ComponentOrder::listOrder),
        output, io);
}

int runRenderTransition(const QString& file, const QString& index, const QString& progress,
                        const QString& output, CommandOutput io) {
    const auto found = projectAndScreen(file, index, io);
    if (!found)
        return exitFailure;
    const auto& [project, screen] = *found;
    bool ok = false;
    const double p = progress.toDouble(&ok);
    if (!ok || !(p >= 0 && p <= 1)) {
        io.err << CliText::tr("The progress must be a number from 0 to 1, not “%1”.").arg(progress)
               << Qt::endl;
        return exitUsage;
    }
    const KioskScreen& from = project.screens[screen];
    const KioskScreen& to = project.screens[(screen + 1) % project.screens.size()];
    const QSize size = slideSize(project);
    if (size.isEmpty())
        return savePng({}, output, io);
    BlockingImageSource images(ImageCache::shared());
    QImage frame(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    paintScreenTransition(painter, from, to, p, size, images);
    painter.end();
    return savePng(frame, output, io);
}

} // namespace vistrelle::cli
