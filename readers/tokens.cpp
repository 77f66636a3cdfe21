#include "readers/tokens.h"

#include "platform/ansi.h"
#include "readers/byte_search.h"
#include "readers/entities.h"

#include <array>

namespace {

constexpr bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

using namespace token_tables;

constexpr std::array<unsigned char, 256> MakeByteClasses(bool utf8) {
    std::array<unsigned char, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        const bool letter = (utf8 && c >= 0x80) || ansi_tables::Tables.Letter[c];
        const bool digit = c >= '0' && c <= '9';
        unsigned char byteClass = 0;
        if (letter || c == '&') {
            byteClass |= StartsWord;
        }
        if (letter || c == '&' || c == '\'' || c == '-' || digit) {
            byteClass |= ContinuesWord;
        }
        if (letter || c == '\'' || digit) {
            byteClass |= PlainWordByte;
        }
        if (digit || c == ',' || c == '-' || c == '.' || c == ':') {
            byteClass |= NumberByte;
        }
        classes[c] = byteClass;
    }
    return classes;
}

constexpr bool Is(const std::array<unsigned char, 256>& classes, int c, ByteClass byteClass) {
    return (classes[static_cast<unsigned char>(c)] & byteClass) != 0;
}

bool Is(const TFileBuffer& buffer, int c, ByteClass byteClass) {
    return Is(TablesOf(buffer).Classes, c, byteClass);
}

void StepBack(TFileBuffer& buffer) {
    --buffer.Position;
}

// Steps back over a byte read ahead, unless the read met the end of the data.
void UnreadLookAhead(TFileBuffer& buffer, int lookAhead) {
    if (lookAhead >= 0) {
        StepBack(buffer);
    }
}

// Appends the bytes of class byteClass from the buffer's position on, in one
// piece, and stands after them.
void TakeRun(TFileBuffer& buffer, ByteClass byteClass, std::string& text) {
    const std::int32_t start = buffer.Position;
    if (start < 0 || static_cast<std::uint32_t>(start) >= buffer.Size) {
        return;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(buffer.Data.data());
    const unsigned char* const first = data + start;
    const unsigned char* const last = data + buffer.Size;
    const unsigned char* end = first;
    const std::array<unsigned char, 256>& classes = TablesOf(buffer).Classes;
    while (end < last && (classes[*end] & byteClass) != 0) {
        ++end;
    }
    text.append(reinterpret_cast<const char*>(first), static_cast<std::size_t>(end - first));
    buffer.Position = static_cast<std::int32_t>(end - data);
}

TTokenKind ScanWord(TFileBuffer& buffer, std::string& text) {
    for (;;) {
        TakeRun(buffer, PlainWordByte, text);
        const int c = ReadByte(buffer);
        if (c < 0) {
            return tkWord;
        }
        if (!Is(buffer, c, ContinuesWord)) {
            StepBack(buffer);
            return tkWord;
        }
        if (c == '-') {
            const int next = ReadByte(buffer);
            if (next == '>') {
                buffer.Position -= 2;
                return tkWord;
            }
            text += '-';
            UnreadLookAhead(buffer, next);
            continue;
        }
        // Only "&" is left: a decoded reference may stand for a space.
        const char32_t character =
            buffer.Utf8 ? DecodeEntityCodePoint(buffer) : DecodeEntity(buffer);
        if (character <= 0x20) {
            if (text.empty()) {
                text = " ";
                return tkSpace;
            }
            buffer.PendingSpace = true;
            return tkWord;
        }
        if (buffer.Utf8) {
            AppendUtf8(text, character);
        } else {
            text += static_cast<char>(character);
        }
    }
}

TTokenKind ScanNumber(TFileBuffer& buffer, int first, std::string& text) {
    text += static_cast<char>(first);
    TakeRun(buffer, NumberByte, text);
    return tkNumber;
}

TTokenKind ScanTagOpening(TFileBuffer& buffer, std::string& text) {
    const int c = ReadByte(buffer);
    switch (c) {
    case -1:
        return tkEnd;
    case '/':
        text = "</";
        return tkEndTagOpen;
    case '?':
        text = "<?";
        return tkPIOpen;
    case '!': {
        const int next = ReadByte(buffer);
        if (next < 0) {
            return tkEnd;
        }
        if (next == '-') {
            text = "<!-";
            return tkCommentOpen;
        }
        buffer.Position -= 2;
        text = "<!";
        return tkDeclOpen;
    }
    default:
        StepBack(buffer);
        text = "<";
        return tkTagOpen;
    }
}

// "/" and "-" pair with a following ">"; alone they are characters.
TTokenKind ScanPairWithClose(TFileBuffer& buffer, char first, TTokenKind pairKind,
                             std::string& text) {
    const int next = ReadByte(buffer);
    text = first;
    if (next == '>') {
        text += '>';
        return pairKind;
    }
    UnreadLookAhead(buffer, next);
    return tkChar;
}

} // namespace

const char* TokenKindName(TTokenKind kind) {
    static const char* const names[] = {
        "tkEnd",          "tkNumber",   "tkSpace",      "tkLineEnd",       "tkChar",
        "tkTagOpen",      "tkTagClose", "tkEndTagOpen", "tkEmptyTagClose", "tkCommentOpen",
        "tkCommentClose", "tkDeclOpen", "tkPIOpen",     "tkWord"};
    return names[kind];
}

namespace token_tables {

constexpr std::array<SingleByteToken, 256>
MakeSingleByteTokens(const std::array<unsigned char, 256>& classes) {
    std::array<SingleByteToken, 256> tokens{};
    for (int c = 0; c < 256; ++c) {
        if (Is(classes, c, StartsWord) || IsDigit(c) || c == '<' || c == '/' || c == '-') {
            continue;
        }
        const char text = c <= 0x20 ? ' ' : static_cast<char>(c);
        tokens[c] = c == '>'    ? SingleByteToken{tkTagClose, text}
                    : c == '\r' ? SingleByteToken{tkLineEnd, 0}
                    : c <= 0x20 ? SingleByteToken{tkSpace, text}
                                : SingleByteToken{tkChar, text};
    }
    return tokens;
}

constexpr std::array<unsigned char, 512>
MakeWindowKinds(const std::array<SingleByteToken, 256>& singleBytes,
                const std::array<unsigned char, 256>& classes) {
    std::array<unsigned char, 512> kinds{};
    for (int c = 0; c < 256; ++c) {
        const TTokenKind kind = singleBytes[c].Kind != tkEnd             ? singleBytes[c].Kind
                                : IsDigit(c)                             ? tkNumber
                                : c == '<'                               ? tkTagOpen
                                : c == '/' || c == '-'                   ? tkChar
                                : c != '&' && Is(classes, c, StartsWord) ? tkWord
                                                                         : tkEnd;
        kinds[c] = kinds[256 + c] = static_cast<unsigned char>(kind);
    }
    kinds[256 + '<'] = tkEndTagOpen;
    kinds[256 + '/'] = tkEmptyTagClose;
    kinds[256 + '-'] = tkCommentClose;
    return kinds;
}

constexpr Tables MakeTables(bool utf8) {
    const std::array<unsigned char, 256> classes = MakeByteClasses(utf8);
    const std::array<SingleByteToken, 256> singleBytes = MakeSingleByteTokens(classes);
    return {singleBytes, classes, MakeWindowKinds(singleBytes, classes)};
}

const Tables AnsiTables = MakeTables(false);
const Tables Utf8Tables = MakeTables(true);

} // namespace token_tables

namespace {

// Reads the next token byte by byte; text receives its text.
TTokenKind ReadToken(TFileBuffer& buffer, std::string& text) {
    if (buffer.PendingSpace) {
        buffer.PendingSpace = false;
        text += ' ';
        return tkSpace;
    }
    const int c = ReadByte(buffer);
    if (c < 0) {
        return tkEnd;
    }
    if (Is(buffer, c, StartsWord)) {
        StepBack(buffer);
        return ScanWord(buffer, text);
    }
    if (IsDigit(c)) {
        return ScanNumber(buffer, c, text);
    }
    switch (c) {
    case '<':
        return ScanTagOpening(buffer, text);
    case '>':
        text += '>';
        return tkTagClose;
    case '/':
        return ScanPairWithClose(buffer, '/', tkEmptyTagClose, text);
    case '-':
        return ScanPairWithClose(buffer, '-', tkCommentClose, text);
    case '\r':
        return tkLineEnd;
    default:
        text += c <= 0x20 ? ' ' : static_cast<char>(c);
        return c <= 0x20 ? tkSpace : tkChar;
    }
}

// The bytes that end a stretch of a tag stepped over in one scan: its ">",
// and those whose tokens' texts differ from their bytes ("&" starts a
// reference, "\r" has no text, "<!" reads its "!" twice) or that may hold
// the stretch's ">" ("<", "-" before ">").
constexpr std::array<unsigned char, 4> StretchEnds = {'>', '&', '\r', '<'};

// Steps over the rest of a tag up to its ">" (or "/>" when that is
// alsoStop) when every token before it is a plain one, as SkipTokens would;
// tkEnd, with the buffer as it was, when the tokens must be read one by one.
TTokenKind SkipPlainTagRest(TFileBuffer& buffer, TTokenKind alsoStop, std::int32_t& textLength) {
    const auto* const data = reinterpret_cast<const unsigned char*>(buffer.Data.data());
    const unsigned char* const last = data + buffer.Size;
    const unsigned char* const start = data + buffer.Position;
    for (const unsigned char* at = start;;) {
        const unsigned char* const end = FirstOf(at, last, StretchEnds);
        // A "-" before the ">" may be a word's end or a number's: read on slowly.
        if (end == last || *end != '>' || (end > at && end[-1] == '-')) {
            return tkEnd;
        }
        // "/" is always a token of its own, so "/>" is one token.
        const TTokenKind kind = end > at && end[-1] == '/' ? tkEmptyTagClose : tkTagClose;
        at = end + 1;
        if (kind == tkTagClose || kind == alsoStop) {
            textLength += static_cast<std::int32_t>(at - start);
            buffer.Position = static_cast<std::int32_t>(at - data);
            return kind;
        }
    }
}

} // namespace

TTokenKind NextTokenByBytes(TFileBuffer& buffer, std::string_view& text) {
    buffer.TokenText.clear();
    const TTokenKind kind = ReadToken(buffer, buffer.TokenText);
    text = buffer.TokenText;
    return kind;
}

TTokenKind SkipTokens(TFileBuffer& buffer, TTokenKind stop, TTokenKind alsoStop,
                      std::int32_t& textLength) {
    const auto* const data = reinterpret_cast<const unsigned char*>(buffer.Data.data());
    const unsigned char* const last = data + buffer.Size;
    const Tables& tables = TablesOf(buffer);
    if (stop == tkTagClose && !buffer.PendingSpace && buffer.Position >= 0 &&
        static_cast<std::uint32_t>(buffer.Position) < buffer.Size) {
        const TTokenKind kind = SkipPlainTagRest(buffer, alsoStop, textLength);
        if (kind != tkEnd) {
            return kind;
        }
    }
    std::string_view text;
    for (;;) {
        // A run of plain tokens, stepped over in place.
        if (!buffer.PendingSpace && buffer.Position >= 0 &&
            static_cast<std::uint32_t>(buffer.Position) < buffer.Size) {
            const unsigned char* at = data + buffer.Position;
            TTokenKind kind = tkEnd;
            while (at < last) {
                const TPlainToken plain = PlainTokenAt(at, last, tables);
                if (plain.Kind == tkEnd) {
                    break;
                }
                at += plain.Size;
                textLength += static_cast<std::int32_t>(plain.TextSize);
                if (plain.Kind == stop || plain.Kind == alsoStop) {
                    kind = plain.Kind;
                    break;
                }
            }
            buffer.Position = static_cast<std::int32_t>(at - data);
            if (kind != tkEnd) {
                return kind;
            }
        }
        const TTokenKind kind = NextToken(buffer, text);
        textLength += static_cast<std::int32_t>(text.size());
        if (kind == stop || kind == alsoStop || kind == tkEnd) {
            return kind;
        }
    }
}
