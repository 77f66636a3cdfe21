#include "readers/page_encoding.h"

#include "platform/ansi.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

namespace {

// A browser looks for the declared charset in the first kilobyte only.
constexpr std::size_t PrescanBytes = 1024;

constexpr const char* Windows1252 = "windows-1252";
constexpr const char* Utf8 = "UTF-8";

// The labels that the Encoding Standard reads as Windows-1252.
const char* const Windows1252Labels[] = {
    "ansi_x3.4-1968", "ascii",           "cp1252",     "cp819",     "csisolatin1",
    "ibm819",         "iso-8859-1",      "iso-ir-100", "iso8859-1", "iso88591",
    "iso_8859-1",     "iso_8859-1:1987", "l1",         "latin1",    "us-ascii",
    "windows-1252",   "x-cp1252"};

// The end of the run of ASCII bytes of s from i on, eight bytes at a time.
std::int32_t AsciiRunEnd(const std::uint8_t* s, std::int32_t i, std::int32_t length) {
    for (; i + 8 <= length; i += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, s + i, 8);
        if (chunk & 0x8080808080808080ull) {
            break;
        }
    }
    while (i < length && s[i] < 0x80) {
        ++i;
    }
    return i;
}

const std::uint8_t* BytesOf(std::string_view text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

bool IsValidUtf8(std::string_view bytes) {
    const std::uint8_t* const s = BytesOf(bytes);
    const auto length = static_cast<std::int32_t>(bytes.size());
    for (std::int32_t i = AsciiRunEnd(s, 0, length); i < length; i = AsciiRunEnd(s, i, length)) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0) {
            return false;
        }
    }
    return true;
}

// The label after key ("charset" or "encoding") at text[at]: "=", then the
// name, with spaces and quotes around it skipped.
std::string LabelAt(std::string_view text, std::size_t at) {
    const auto skip = [&](std::string_view blanks) {
        while (at < text.size() && blanks.find(text[at]) != std::string_view::npos) {
            ++at;
        }
    };
    skip(" \t\r\n");
    if (at >= text.size() || text[at] != '=') {
        return "";
    }
    ++at;
    skip(" \t\r\n\"'");
    const std::size_t start = at;
    while (at < text.size() &&
           std::string_view(" \t\r\n\"';/>?").find(text[at]) == std::string_view::npos) {
        ++at;
    }
    return std::string(text.substr(start, at - start));
}

// The charset that the XML declaration or a meta element of the page's first
// kilobyte declares, in lower case; "" when none does.
std::string DeclaredLabel(std::string_view bytes) {
    const std::string head = AnsiLowerCase(std::string(bytes.substr(0, PrescanBytes)));
    if (head.compare(0, 5, "<?xml") == 0) {
        const std::size_t end = std::min(head.find("?>"), head.size());
        const std::size_t key = head.find("encoding");
        if (key < end) {
            const std::string label = LabelAt(std::string_view(head).substr(0, end), key + 8);
            if (!label.empty()) {
                return label;
            }
        }
    }
    for (std::size_t meta = head.find("<meta"); meta != std::string::npos;
         meta = head.find("<meta", meta + 5)) {
        const std::size_t end = std::min(head.find('>', meta), head.size());
        const std::size_t key = head.find("charset", meta);
        if (key < end) {
            const std::string label = LabelAt(std::string_view(head).substr(0, end), key + 7);
            if (!label.empty()) {
                return label;
            }
        }
    }
    return "";
}

// The encoding a declared label names, or "" for a label nobody knows. A page
// that declares UTF-16 without a byte-order mark is read as UTF-8, as
// browsers do: its declaration could not have been read otherwise.
std::string EncodingOfLabel(const std::string& label) {
    if (std::find(std::begin(Windows1252Labels), std::end(Windows1252Labels), label) !=
        std::end(Windows1252Labels)) {
        return Windows1252;
    }
    if (label == "utf-8" || label == "utf8" || label.compare(0, 6, "utf-16") == 0) {
        return Utf8;
    }
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(label.c_str(), &status);
    if (U_FAILURE(status)) {
        return "";
    }
    ucnv_close(converter);
    return label;
}

// Writes the code page's byte of cp at out[size] and counts it; nothing for a
// character that is never shown (a zero-width space, say) and that the code
// page lacks; otherwise "?", noted in missing. A negative cp is a sequence
// that could not be read.
void PutCharacter(char* out, std::size_t& size, UChar32 cp, std::vector<std::size_t>& missing) {
    unsigned char byte;
    if (cp >= 0 && cp != 0xFFFD && AnsiByteOf(static_cast<char32_t>(cp), byte)) {
        out[size++] = static_cast<char>(byte);
    } else if (cp < 0 || !u_hasBinaryProperty(cp, UCHAR_DEFAULT_IGNORABLE_CODE_POINT)) {
        missing.push_back(size);
        out[size++] = '?';
    }
}

// Converts the UTF-8 from offset from on (what lies before it goes) in place:
// no character takes more bytes in the code page than in UTF-8.
void FromUtf8(std::string& bytes, std::size_t from, std::vector<std::size_t>& missing) {
    char* const out = &bytes[0];
    const std::uint8_t* const s = BytesOf(bytes);
    const auto length = static_cast<std::int32_t>(bytes.size());
    auto i = static_cast<std::int32_t>(from);
    std::size_t size = 0;
    if (from == 0) {
        i = AsciiRunEnd(s, 0, length); // an opening that stays where it is
        size = static_cast<std::size_t>(i);
    }
    while (i < length) {
        if (s[i] < 0x80) {
            const std::int32_t start = i;
            i = AsciiRunEnd(s, i, length);
            std::memmove(out + size, out + start, static_cast<std::size_t>(i - start));
            size += static_cast<std::size_t>(i - start);
            continue;
        }
        UChar32 c;
        U8_NEXT(s, i, length, c);
        PutCharacter(out, size, c, missing);
    }
    bytes.resize(size);
}

// The bytes as UTF-16 through ICU's converter of encoding; false when ICU
// has none.
bool ToUtf16(std::string_view bytes, const std::string& encoding, std::u16string& text) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(encoding.c_str(), &status);
    if (U_FAILURE(status)) {
        return false;
    }
    const auto length = static_cast<std::int32_t>(bytes.size());
    const std::int32_t units = ucnv_toUChars(converter, nullptr, 0, bytes.data(), length, &status);
    text.assign(static_cast<std::size_t>(units) + 1, u'\0');
    status = U_ZERO_ERROR;
    ucnv_toUChars(converter, text.data(), units + 1, bytes.data(), length, &status);
    ucnv_close(converter);
    text.resize(static_cast<std::size_t>(units));
    return true;
}

// Through ICU's converter of encoding; a byte sequence it cannot read is one
// missing character ("?"), as is the substitute (U+001A) some converters give.
std::string FromEncoding(std::string_view bytes, const std::string& encoding,
                         std::vector<std::size_t>& missing) {
    std::u16string text;
    if (!ToUtf16(bytes, encoding, text)) {
        return std::string(bytes);
    }
    const auto units = static_cast<std::int32_t>(text.size());
    std::string out(text.size(), '\0');
    std::size_t size = 0;
    for (std::int32_t i = 0; i < units;) {
        UChar32 c;
        U16_NEXT(text.data(), i, units, c);
        PutCharacter(&out[0], size, c == 0x1A ? -1 : c, missing);
    }
    out.resize(size);
    return out;
}

struct TByteOrderMark {
    const char* Bytes;
    std::size_t Size;
    const char* Encoding;
};
const TByteOrderMark ByteOrderMarks[] = {
    {"\xEF\xBB\xBF", 3, "UTF-8"}, {"\xFF\xFE", 2, "UTF-16LE"}, {"\xFE\xFF", 2, "UTF-16BE"}};

const TByteOrderMark* ByteOrderMarkOf(std::string_view bytes) {
    for (const TByteOrderMark& mark : ByteOrderMarks) {
        if (bytes.compare(0, mark.Size, mark.Bytes) == 0) {
            return &mark;
        }
    }
    return nullptr;
}

// The encoding a byte-order mark or (in markup) a declaration tells, or "".
std::string ToldEncoding(std::string_view bytes, bool markup) {
    if (const TByteOrderMark* mark = ByteOrderMarkOf(bytes)) {
        return mark->Encoding;
    }
    return markup ? EncodingOfLabel(DeclaredLabel(bytes)) : "";
}

bool IsWordByte(unsigned char c) {
    return IsAnsiLetter(c) || (c >= '0' && c <= '9');
}

} // namespace

bool HasNonAscii(std::string_view bytes) {
    const auto length = static_cast<std::int32_t>(bytes.size());
    return AsciiRunEnd(BytesOf(bytes), 0, length) < length;
}

std::string PageEncoding(std::string_view bytes, bool markup) {
    const std::string told = ToldEncoding(bytes, markup);
    if (!told.empty()) {
        return told;
    }
    return IsValidUtf8(bytes) ? Utf8 : Windows1252;
}

bool PageToCodePage(std::string& bytes, std::vector<std::size_t>& missing, bool markup) {
    // Pure ASCII reads the same in every encoding a page can declare in ASCII.
    if (!HasNonAscii(bytes)) {
        return false;
    }
    const std::string encoding = PageEncoding(bytes, markup);
    if (encoding == Windows1252) {
        return false;
    }
    const TByteOrderMark* mark = ByteOrderMarkOf(bytes);
    const std::size_t start = mark ? mark->Size : 0;
    if (encoding == Utf8) {
        FromUtf8(bytes, start, missing);
    } else {
        bytes = FromEncoding(std::string_view(bytes).substr(start), encoding, missing);
    }
    return true;
}

bool PageToUtf8(std::string& bytes, bool markup) {
    if (!HasNonAscii(bytes)) {
        return false;
    }
    // The text is checked for UTF-8 once, whether that is told or not.
    const std::string told = ToldEncoding(bytes, markup);
    const TByteOrderMark* mark = ByteOrderMarkOf(bytes);
    const std::string_view text = std::string_view(bytes).substr(mark ? mark->Size : 0);
    const bool utf8 = (told.empty() || told == Utf8) && IsValidUtf8(text);
    const std::string encoding = !told.empty() ? told : utf8 ? Utf8 : Windows1252;
    if (utf8) {
        if (mark) {
            bytes.erase(0, mark->Size);
        }
        return mark != nullptr;
    }
    if (encoding == Windows1252) {
        bytes = AnsiToUtf8(bytes);
        return true;
    }
    // Every other encoding, and UTF-8 with sequences that cannot be read
    // (each becomes "?"), through ICU's converter.
    std::u16string utf16;
    if (!ToUtf16(text, encoding, utf16)) {
        return false;
    }
    bytes = Utf16ToUtf8(utf16);
    return true;
}

std::string Utf16ToUtf8(std::u16string_view units) {
    std::string out;
    out.reserve(units.size() * 2);
    const auto length = static_cast<std::int32_t>(units.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 c;
        U16_NEXT(units.data(), i, length, c);
        const bool unreadable = c == 0x1A || c == 0xFFFD || U_IS_SURROGATE(c);
        AppendUtf8(out, unreadable ? '?' : static_cast<char32_t>(c));
    }
    return out;
}

std::string WithoutWordsAt(const std::string& text, const std::vector<std::size_t>& offsets) {
    std::string result = text;
    const auto isWord = [&text](std::size_t i) {
        return i < text.size() && IsWordByte(static_cast<unsigned char>(text[i]));
    };
    const auto isJoiner = [&text](std::size_t i) { return text[i] == '-' || text[i] == '\''; };
    std::size_t covered = 0; // the offsets come in order: a run of them is one word
    for (const std::size_t offset : offsets) {
        if (offset < covered || offset >= text.size()) {
            continue;
        }
        std::size_t start = offset;
        while (start > 0 &&
               (isWord(start - 1) || (start > 1 && isJoiner(start - 1) && isWord(start - 2)) ||
                text[start - 1] == '?')) {
            --start;
        }
        std::size_t end = offset + 1;
        while (end < text.size() &&
               (isWord(end) || (isJoiner(end) && isWord(end + 1)) || text[end] == '?')) {
            ++end;
        }
        covered = end;
        std::fill(result.begin() + static_cast<std::ptrdiff_t>(start),
                  result.begin() + static_cast<std::ptrdiff_t>(end), ' ');
    }
    return result;
}
