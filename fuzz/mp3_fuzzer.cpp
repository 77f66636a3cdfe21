// libFuzzer target: the MP3 tag page on any last 128 bytes.
#include "convert/mp3_page.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    Mp3TagPage(bytes);
    bytes.resize(128, ' ');
    bytes.replace(0, 3, "TAG");
    Mp3TagPage(bytes);
    return 0;
}
