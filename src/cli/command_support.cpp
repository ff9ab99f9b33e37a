#include "cli/command_support.h"

namespace vistrelle::cli {

std::optional<VistrelleDocument> readOrReport(const QString& file, CommandOutput io) {
    Result<VistrelleDocument> document = VistrelleDocument::readFile(file);
    if (!document) {
        io.err << document.error().description() << Qt::endl;
        return std::nullopt;
    }
    return std::move(document).value();
}

std::optional<qsizetype> screenIndexOrReport(const KioskProject& project, const QString& text,
                                             CommandOutput io) {
    bool ok = false;
    const qlonglong index = text.toLongLong(&ok);
    if (ok && index >= 0 && index < project.screens.size())
        return qsizetype(index);
    io.err << CliText::tr("There is no screen with index %1: the project has %n screen(s), counted from 0.",
                          nullptr, int(project.screens.size()))
                  .arg(text)
           << Qt::endl;
    return std::nullopt;
}

} // namespace vistrelle::cli
