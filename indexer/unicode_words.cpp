#include "indexer/unicode_words.h"

#include "platform/ansi.h"
#include "readers/page_encoding.h"

#include <algorithm>
#include <cstdint>
#include <unicode/ubrk.h>
#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/uscript.h>
#include <unicode/ustring.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

namespace {

constexpr UChar32 SoftHyphen = 0xAD;
constexpr UChar32 ZeroWidthNonJoiner = 0x200C;
constexpr UChar32 ZeroWidthJoiner = 0x200D;

// Words are made of letters, marks and digits.
bool IsWordCharacter(UChar32 c) {
    if (c < 0x80) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    }
    return u_hasBinaryProperty(c, UCHAR_ALPHABETIC) ||
           (U_GET_GC_MASK(c) & (U_GC_M_MASK | U_GC_ND_MASK)) != 0;
}

// A word starts with a visible one: the keyword drops invisible marks, such
// as variation selectors, and a word of them alone would be an empty keyword.
bool StartsWord(UChar32 c) {
    return IsWordCharacter(c) &&
           (c < 0x80 || !u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT));
}

// Inside a word "'" and "-" join, as in the code page's words, and the
// invisible characters that stand inside words (soft hyphens, joiners,
// variation selectors) stay, for the keyword to drop or keep.
bool ContinuesWord(UChar32 c) {
    return IsWordCharacter(c) || c == '\'' || c == '-' || c == SoftHyphen ||
           c == ZeroWidthNonJoiner || c == ZeroWidthJoiner;
}

bool IsWrittenWithoutSpaces(UChar32 c) {
    // Below U+2E80 only Thai, Lao, Myanmar and Khmer are such scripts.
    if (c < 0x0E00 || (c > 0x19FF && c < 0x2E80)) {
        return false;
    }
    UErrorCode status = U_ZERO_ERROR;
    switch (uscript_getScript(c, &status)) {
    case USCRIPT_HAN:
    case USCRIPT_HIRAGANA:
    case USCRIPT_KATAKANA:
    case USCRIPT_THAI:
    case USCRIPT_LAO:
    case USCRIPT_KHMER:
    case USCRIPT_MYANMAR:
        return true;
    default:
        return false;
    }
}

const std::uint8_t* BytesOf(std::string_view text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

// The next character of text at i, moving i past it; a malformed sequence is
// U_SENTINEL (negative).
UChar32 NextCharacter(std::string_view text, std::int32_t& i) {
    UChar32 c;
    U8_NEXT(BytesOf(text), i, static_cast<std::int32_t>(text.size()), c);
    return c;
}

// The piece from its first character that may start a word, or nothing: the
// dictionary may cut out a letter that is invisible, such as a Hangul filler.
std::string_view FromWordStart(std::string_view piece) {
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(piece.size());) {
        const std::int32_t start = i;
        const UChar32 c = NextCharacter(piece, i);
        if (c >= 0 && StartsWord(c)) {
            return piece.substr(static_cast<std::size_t>(start));
        }
    }
    return {};
}

} // namespace

void TUnicodeWords::BreakCloser::operator()(UBreakIterator* breaks) const {
    ubrk_close(breaks);
}

TUnicodeWords::TUnicodeWords() = default;
TUnicodeWords::~TUnicodeWords() = default;
TUnicodeWords::TUnicodeWords(TUnicodeWords&&) noexcept = default;
TUnicodeWords& TUnicodeWords::operator=(TUnicodeWords&&) noexcept = default;

const std::vector<std::string_view>& TUnicodeWords::Split(std::string_view token) {
    words_.clear();
    const auto length = static_cast<std::int32_t>(token.size());
    std::int32_t i = 0;
    while (i < length) {
        std::int32_t start = i;
        UChar32 c = NextCharacter(token, i);
        if (c < 0 || !StartsWord(c)) {
            continue;
        }
        bool withoutSpaces = IsWrittenWithoutSpaces(c);
        std::int32_t end = i;
        while (end < length) {
            std::int32_t next = end;
            c = NextCharacter(token, next);
            if (c < 0 || !ContinuesWord(c)) {
                break;
            }
            withoutSpaces = withoutSpaces || IsWrittenWithoutSpaces(c);
            end = next;
        }
        AddRun(token.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)),
               withoutSpaces);
        i = end;
    }
    return words_;
}

void TUnicodeWords::AddRun(std::string_view run, bool withoutSpaces) {
    if (!withoutSpaces) {
        words_.push_back(run);
        return;
    }
    UErrorCode status = U_ZERO_ERROR;
    if (!breaks_) {
        breaks_.reset(ubrk_open(UBRK_WORD, "", nullptr, 0, &status));
        if (U_FAILURE(status)) {
            breaks_.reset();
            words_.push_back(run);
            return;
        }
    }
    UText text = UTEXT_INITIALIZER;
    utext_openUTF8(&text, run.data(), static_cast<std::int64_t>(run.size()), &status);
    ubrk_setUText(breaks_.get(), &text, &status);
    if (U_FAILURE(status)) {
        utext_close(&text);
        words_.push_back(run);
        return;
    }
    std::int32_t start = ubrk_first(breaks_.get());
    for (std::int32_t end = ubrk_next(breaks_.get()); end != UBRK_DONE;
         start = end, end = ubrk_next(breaks_.get())) {
        if (ubrk_getRuleStatus(breaks_.get()) < UBRK_WORD_NONE_LIMIT) {
            continue;
        }
        const std::string_view word = FromWordStart(
            run.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)));
        if (!word.empty()) {
            words_.push_back(word);
        }
    }
    utext_close(&text);
}

std::string UnicodeKeyword(std::string_view word) {
    if (!HasNonAscii(word)) {
        return AnsiLowerCase(std::string(word));
    }
    // Each form takes at most as many UTF-16 units as the word has bytes, and
    // lower-casing lengthens it at most threefold. Words are short: their
    // forms fit on the stack.
    constexpr std::size_t ShortWord = 128;
    const std::size_t units = 3 * std::max(word.size(), ShortWord);
    UChar onStack[3 * 3 * ShortWord];
    std::vector<UChar> onHeap(word.size() > ShortWord ? 3 * units : 0);
    UChar* const text = onHeap.empty() ? onStack : onHeap.data();
    UChar* const lower = text + units;
    UChar* const composed = lower + units;
    const auto capacity = static_cast<std::int32_t>(units);

    UErrorCode status = U_ZERO_ERROR;
    std::int32_t length = 0;
    u_strFromUTF8WithSub(text, capacity, &length, word.data(),
                         static_cast<std::int32_t>(word.size()), 0xFFFD, nullptr, &status);
    // A dotted capital I (Turkish) is searched for as "i", not as "i" with a
    // combining dot, which is its lower case outside Turkish.
    std::replace(text, text + length, UChar(0x130), UChar('I'));
    const std::int32_t lowerLength = u_strToLower(lower, capacity, text, length, "", &status);
    const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
    const UChar* form = lower;
    std::int32_t formLength = lowerLength;
    if (U_SUCCESS(status) && !unorm2_isNormalized(nfc, lower, lowerLength, &status)) {
        formLength = unorm2_normalize(nfc, lower, lowerLength, composed, capacity, &status);
        form = composed;
    }
    if (U_FAILURE(status)) {
        return std::string(word);
    }
    std::string keyword;
    for (std::int32_t i = 0; i < formLength;) {
        UChar32 c;
        U16_NEXT(form, i, formLength, c);
        if (c != ZeroWidthNonJoiner && c != ZeroWidthJoiner &&
            u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT)) {
            continue;
        }
        char bytes[U8_MAX_LENGTH];
        std::int32_t size = 0;
        U8_APPEND_UNSAFE(bytes, size, c);
        keyword.append(bytes, static_cast<std::size_t>(size));
    }
    return keyword;
}

TLetterCase UnicodeLetterCase(std::string_view word) {
    TLetterCase letterCase;
    bool cased = false;
    const auto length = static_cast<std::int32_t>(word.size());
    for (std::int32_t i = 0; i < length;) {
        const UChar32 c = NextCharacter(word, i);
        ++letterCase.Characters;
        if (c >= 0) {
            letterCase.Unchanged += u_toupper(c) == c;
            cased = cased || u_hasBinaryProperty(c, UCHAR_CASED);
        }
    }
    if (!cased) {
        letterCase.Unchanged = 0;
    }
    return letterCase;
}
