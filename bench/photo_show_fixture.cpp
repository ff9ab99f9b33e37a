// Writes the slide benchmarks' photo show into a folder, for compare-with-office-suite.sh: the photographs,
// the show as a project ("photo-show.vistrelle") and the same slides as a flat presentation document
// ("photo-show.fodp") that an office suite can export.
#include "model/vistrelle_document.h"
#include "photo_show.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

using namespace vistrelle;

namespace {

QString presentation(const KioskProject& show) {
    // 1920 × 1080 pixels at 96 per inch: 50.8 × 28.575 cm.
    QString pages;
    for (const KioskScreen& screen : show.screens) {
        const QString photo =
            QFileInfo(screen.components[0].stringProperty(QStringLiteral("imagePath"))).fileName();
        const QString caption = screen.components[1].stringProperty(QStringLiteral("text"));
        pages += QStringLiteral(
                     "<draw:page draw:name=\"%1\" draw:master-page-name=\"Default\">"
                     "<draw:frame svg:x=\"0cm\" svg:y=\"0cm\" svg:width=\"50.8cm\" svg:height=\"28.575cm\">"
                     "<draw:image xlink:href=\"%2\" xlink:type=\"simple\" xlink:show=\"embed\" "
                     "xlink:actuate=\"onLoad\"/></draw:frame>"
                     "<draw:frame draw:text-style-name=\"P1\" svg:x=\"4.233cm\" svg:y=\"23.813cm\" "
                     "svg:width=\"42.333cm\" svg:height=\"3.175cm\"><draw:text-box><text:p "
                     "text:style-name=\"P1\"><text:span text:style-name=\"T1\">%3</text:span></text:p>"
                     "</draw:text-box></draw:frame></draw:page>")
                     .arg(screen.name, photo, caption);
    }
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
               "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
               "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
               "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
               "xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\" "
               "xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
               "xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\" "
               "xmlns:presentation=\"urn:oasis:names:tc:opendocument:xmlns:presentation:1.0\" "
               "office:version=\"1.2\" office:mimetype=\"application/vnd.oasis.opendocument.presentation\">"
               "<office:automatic-styles>"
               "<style:page-layout style:name=\"PM1\"><style:page-layout-properties fo:margin-top=\"0cm\" "
               "fo:margin-bottom=\"0cm\" fo:margin-left=\"0cm\" fo:margin-right=\"0cm\" "
               "fo:page-width=\"50.8cm\" "
               "fo:page-height=\"28.575cm\" style:print-orientation=\"landscape\"/></style:page-layout>"
               "<style:style style:name=\"P1\" style:family=\"paragraph\"><style:paragraph-properties "
               "fo:text-align=\"center\"/></style:style>"
               "<style:style style:name=\"T1\" style:family=\"text\"><style:text-properties "
               "fo:font-size=\"54pt\" fo:font-weight=\"bold\" fo:color=\"#ffffff\"/></style:style>"
               "</office:automatic-styles>"
               "<office:master-styles><style:master-page style:name=\"Default\" "
               "style:page-layout-name=\"PM1\"/></office:master-styles>"
               "<office:body><office:presentation>") +
           pages + QStringLiteral("</office:presentation></office:body></office:document>\n");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: photo_show_fixture FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    const KioskProject show = bench::photoShow(folder.absolutePath());
    VistrelleDocument document;
    document.project = show;
    if (const auto error = document.writeFile(folder.filePath(QStringLiteral("photo-show.vistrelle")))) {
        QTextStream(stderr) << error->description() << '\n';
        return 1;
    }
    QFile fodp(folder.filePath(QStringLiteral("photo-show.fodp")));
    if (!fodp.open(QIODevice::WriteOnly) || fodp.write(presentation(show).toUtf8()) < 0)
        return 1;
    return 0;
}
