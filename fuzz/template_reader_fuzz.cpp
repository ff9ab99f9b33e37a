// Feeds arbitrary bytes to the screen template reader. Whatever it reads must
// write and read back to a stable text.
#include "export/screen_template.h"

#include <cstdint>
#include <cstdlib>

using namespace vistrelle;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const QString once = exportScreenXML(importScreenXML(bytes));
        const QString twice = exportScreenXML(importScreenXML(once.toUtf8()));
        const QString thrice = exportScreenXML(importScreenXML(twice.toUtf8()));
        // Attribute values lose line breaks to XML's normalisation on the first pass only.
        if (twice != thrice)
            std::abort();
    } catch (const ScreenTemplateError&) {
    }
    return 0;
}
