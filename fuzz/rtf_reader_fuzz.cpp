// Feeds arbitrary bytes to the RTF reader; whatever it reads must write and read back to the same text.
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

using namespace vistrelle;

// Every document builds a QTextDocument of many small allocations. AddressSanitizer keeps freed
// blocks in a quarantine (256 MB by default) and records the stack of every allocation and free in
// a store that only grows, so a run's memory rose for as long as it ran (370 MB to 830 MB in five
// minutes) although neither the reader nor Qt holds on to anything: built without the sanitizer,
// the same run stays at 45 MB. Without recorded stacks and with a small quarantine it stays at
// about 85 MB. To see where a block of a crash came from, run the crashing input again with
// ASAN_OPTIONS=malloc_context_size=30.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16:malloc_context_size=0";
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
