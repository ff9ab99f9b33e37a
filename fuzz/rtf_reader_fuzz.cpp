// Feeds arbitrary bytes to the RTF reader; whatever it reads must write and read back to the same text.
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

using namespace vistrelle;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes = "{\\rtf1 ";
    bytes.append(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::unique_ptr<QTextDocument> document = readRtf(bytes);
    if (!document)
        std::abort(); // anything that starts like RTF reads as something
    const std::unique_ptr<QTextDocument> again = readRtf(writeRtf(*document));
    if (!again || again->toPlainText() != document->toPlainText())
        std::abort();
    return 0;
}
