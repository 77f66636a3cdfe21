// libFuzzer target: the RTF reader and HTML writer on any bytes.
#include "convert/rtf_reader.h"
#include "platform/integer_text.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const bool optimize : {false, true}) {
        RtfOptions options;
        options.Optimize = optimize;
        options.OnlyDefiniteOpt = !optimize;
        options.Unicode = optimize; // \uN and other code pages in one of the two runs
        RtfReader reader(TextLines(text), options);
        try {
            reader.Convert("fuzz");
        } catch (const ConversionError&) {
            // A malformed escape ends a conversion; the page is still complete.
        }
    }
    return 0;
}
