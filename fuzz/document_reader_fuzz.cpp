// Feeds arbitrary bytes to the document reader. Whatever it accepts must write
// back and read again to the same project (apart from the save time).
#include "model/project_json_decoder.h"
#include "model/vistrelle_document.h"

#include <QLoggingCategory>

#include <cstdint>
#include <cstdlib>

using namespace vistrelle;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    QLoggingCategory::setFilterRules(QStringLiteral("com.quendrix.vistrelle.*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    try {
        (void)decodeComponentJson(bytes);
    } catch (const JsonDecodingError&) {
    }

    const Result<VistrelleDocument> document = VistrelleDocument::read(bytes);
    if (!document)
        return 0;
    const Result<QByteArray> written = document->fileContents();
    if (!written)
        return 0; // a value the file cannot hold is refused, not written
    const Result<VistrelleDocument> reread = VistrelleDocument::read(written.value());
    if (!reread)
        std::abort();
    KioskProject expected = document->project;
    expected.metadata.modified = reread->project.metadata.modified;
    if (!(reread->project == expected))
        std::abort();
    return 0;
}
