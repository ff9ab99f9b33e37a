// Feeds arbitrary bytes to the RTF reader; whatever it reads must write and read back to the same text.
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

using namespace vistrelle;

// Every document builds a QTextDocument of many small allocations, which AddressSanitizer keeps
// in its quarantine (256 MB by default) and whose allocation stacks it records, so a run's memory
// grows for minutes (370 MB to 830 MB in five) although neither the reader nor Qt holds on to
// anything: built without AddressSanitizer, the same run stays at 45 MB. A smaller quarantine and
// shorter stacks keep long runs well below the fuzzer's memory limit.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16:malloc_context_size=8";
}

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
