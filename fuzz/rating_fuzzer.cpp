// libFuzzer target: the page's conversion into the code page, the markup
// scanner and the keyword rating on any page, rated to its end with the
// shipped settings files.
#include "fuzz_files.h"
#include "indexer/rating.h"
#include "platform/integer_text.h"
#include "readers/page_encoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string converted(reinterpret_cast<const char*>(data), size);
    std::vector<std::size_t> missing;
    PageToCodePage(converted, missing);
    for (const std::size_t offset : missing) {
        if (offset >= converted.size() || converted[offset] != '?') {
            std::abort();
        }
    }
    if (WithoutWordsAt(converted, missing).size() != converted.size()) {
        std::abort();
    }
    const std::string page = WriteScratchFile(data, size, "html");
    const std::string setup = SITEVANE_DATA "/";
    TRating rating;
    rating.LoadSettings(setup + "tags.xml", setup + "words.xml", setup + "set.xml");
    try {
        rating.RateFile(page, 1 << 20);
    } catch (const ConversionError&) {
        return 0; // a category code or rating value that is no number
    }
    for (const TWordRating& word : rating.Words) {
        if (word.Word.empty() || word.Word.size() > MaxKeywordLength) {
            std::abort();
        }
    }
    return 0;
}
