// libFuzzer target: the page's conversion into the code page and into UTF-8,
// the markup scanner and the keyword rating on any page in either encoding,
// rated to its end with the shipped settings files.
#include "fuzz_files.h"
#include "indexer/rating.h"
#include "platform/integer_text.h"
#include "readers/page_encoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unicode/utf8.h>
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
    std::string utf8(reinterpret_cast<const char*>(data), size);
    PageToUtf8(utf8);
    const std::string setup = SITEVANE_DATA "/";
    for (const bool inUtf8 : {false, true}) {
        const std::string page =
            inUtf8 ? WriteScratchFile(reinterpret_cast<const std::uint8_t*>(utf8.data()),
                                      utf8.size(), "html")
                   : WriteScratchFile(data, size, "html");
        TRating rating;
        rating.Utf8 = inUtf8;
        rating.LoadSettings(setup + "tags.xml", setup + "words.xml", setup + "set.xml");
        try {
            rating.RateFile(page, 1 << 20);
        } catch (const ConversionError&) {
            return 0; // a category code or rating value that is no number
        }
        for (const TWordRating& word : rating.Words) {
            const auto length = static_cast<std::int32_t>(word.Word.size());
            if (word.Word.empty() || (!inUtf8 && word.Word.size() > MaxKeywordLength)) {
                std::abort();
            }
            for (std::int32_t i = 0; inUtf8 && i < length;) {
                UChar32 c;
                U8_NEXT(reinterpret_cast<const std::uint8_t*>(word.Word.data()), i, length, c);
                if (c < 0) {
                    std::abort(); // a keyword that is no well-formed UTF-8
                }
            }
        }
    }
    return 0;
}
