// libFuzzer target: the settings files' item reader on any bytes, in both of
// its value modes.
#include "platform/integer_text.h"
#include "readers/file_buffer.h"
#include "readers/settings_items.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const TValueMode mode : {TValueMode::Text, TValueMode::Numeric}) {
        TFileBuffer buffer;
        AssignBuffer(buffer, std::string(reinterpret_cast<const char*>(data), size));
        try {
            if (FindElement(buffer, "settings")) {
                ReadItems(buffer, "value", mode, [](const std::string&, const std::string&) {});
            }
        } catch (const ConversionError&) {
            // A numeric value that is no number ends the file's reading.
        }
    }
    return 0;
}
