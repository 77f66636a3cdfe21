// The markup token scanner over a file buffer.
#pragma once

#include "readers/file_buffer.h"

#include <array>
#include <string>
#include <string_view>

enum TTokenKind {
    tkEnd = 0,
    tkNumber = 1,
    tkSpace = 2,
    tkLineEnd = 3,
    tkChar = 4,
    tkTagOpen = 5,
    tkTagClose = 6,
    tkEndTagOpen = 7,
    tkEmptyTagClose = 8,
    tkCommentOpen = 9,
    tkCommentClose = 10,
    tkDeclOpen = 11,
    tkPIOpen = 12,
    tkWord = 13,
};

// The kind's name as written above, for instance "tkWord".
const char* TokenKindName(TTokenKind kind);

// Reads the next token at the buffer's position. text is its text (entity
// references in words decoded), valid until the buffer's next token is read.
inline TTokenKind NextToken(TFileBuffer& buffer, std::string_view& text);
// The same, with the text copied.
inline TTokenKind NextToken(TFileBuffer& buffer, std::string& text);

// Reads the next token byte by byte: what NextToken does where its map of the
// bytes ahead does not tell the token.
TTokenKind NextTokenByBytes(TFileBuffer& buffer, std::string_view& text);

// Maps the bytes from the buffer's position on, which must be inside the data.
void MapTokenWindow(TFileBuffer& buffer);

// Reads tokens as NextToken would until one of kind stop or alsoStop, or the
// end, and returns that token's kind; textLength grows by the sizes of the
// tokens' texts, the last one's included. Runs of plain words, numbers and
// single bytes are stepped over without building their texts.
TTokenKind SkipTokens(TFileBuffer& buffer, TTokenKind stop, TTokenKind alsoStop,
                      std::int32_t& textLength);

namespace token_tables {

// The token a byte makes on its own (a space, a line end, ">" or another
// character), with its text; tkEnd for a byte that may start a longer token.
struct SingleByteToken {
    TTokenKind Kind = tkEnd;
    char Text = 0; // none for a line end
};

// What each byte can be in a word or a number, looked up once per byte.
enum ByteClass : unsigned char {
    StartsWord = 1,    // a letter or "&"
    ContinuesWord = 2, // a letter, "&", "'", "-" or a digit
    PlainWordByte = 4, // continues a word and needs no look of its own ("&" and "-" do)
    NumberByte = 8,    // a digit, ",", "-", "." or ":"
};

// The scanner's tables for the bytes of one encoding.
struct Tables {
    std::array<SingleByteToken, 256> SingleByte;
    std::array<unsigned char, 256> Classes;
    // The kind of a token its window tells, by its first byte, and 256
    // further on for those of two bytes ("</", "/>", "->").
    std::array<unsigned char, 512> WindowKinds;
};
// Windows-1252: its letters make words.
extern const Tables AnsiTables;
// UTF-8: ASCII letters and every byte of a multi-byte character make words;
// which of those characters are letters is for the word's reader to tell.
extern const Tables Utf8Tables;

inline const Tables& TablesOf(const TFileBuffer& buffer) {
    return buffer.Utf8 ? Utf8Tables : AnsiTables;
}

} // namespace token_tables

// A token whose text is its bytes as they stand (none for a line end): a
// byte that is a token on its own, a number, or a word without "-" or "&".
// Kind is tkEnd for every other token, which NextToken must read.
struct TPlainToken {
    TTokenKind Kind = tkEnd;
    std::uint32_t Size = 0;     // in bytes
    std::uint32_t TextSize = 0; // of its text
};
// The plain token at first; last, the end of the data, is beyond first.
inline TPlainToken PlainTokenAt(const unsigned char* first, const unsigned char* last,
                                const token_tables::Tables& tables) {
    using namespace token_tables;
    const SingleByteToken single = tables.SingleByte[*first];
    if (single.Kind != tkEnd) {
        return {single.Kind, 1, single.Text != 0 ? 1u : 0u};
    }
    const bool word = (tables.Classes[*first] & StartsWord) != 0 && *first != '&';
    if (!word && (*first < '0' || *first > '9')) {
        return {};
    }
    const unsigned char run = word ? PlainWordByte : NumberByte;
    const unsigned char* end = first + 1;
    while (end < last && (tables.Classes[*end] & run) != 0) {
        ++end;
    }
    if (word && end < last && (*end == '-' || *end == '&')) {
        return {};
    }
    const auto size = static_cast<std::uint32_t>(end - first);
    return {word ? tkWord : tkNumber, size, size};
}

// The size of the tag opening "<" (1) or "</" (2) at first, or 0 for any
// other token: "<!" and "<?" open other things, and a "<" that is the last
// byte reads as the end.
inline std::uint32_t TagOpeningAt(const unsigned char* first, const unsigned char* last) {
    if (*first != '<' || first + 1 == last || first[1] == '?' || first[1] == '!') {
        return 0;
    }
    return first[1] == '/' ? 2 : 1;
}

// Most tokens are told by the map of the bytes ahead and read here, inline:
// the token that begins at the position ends where the next one begins.
inline TTokenKind NextToken(TFileBuffer& buffer, std::string_view& text) {
    const std::int32_t position = buffer.Position;
    // A negative position, cast, is past the end too.
    if (buffer.PendingSpace || static_cast<std::uint32_t>(position) >= buffer.Size) {
        return NextTokenByBytes(buffer, text);
    }
    const TTokenWindow& window = buffer.TokenWindow;
    auto offset = static_cast<std::uint64_t>(position - window.Start);
    // The starts after the position, bit 1 for the byte after it; none when
    // the map does not reach it.
    std::uint64_t later =
        offset < TTokenWindow::Size ? window.Starts >> offset & ~std::uint64_t(1) : 0;
    if (later == 0 || window.Utf8 != buffer.Utf8) {
        MapTokenWindow(buffer);
        offset = 0;
        later = window.Starts & ~std::uint64_t(1);
    }
    if (((window.Plain >> offset) & 1) == 0 || later == 0) {
        return NextTokenByBytes(buffer, text);
    }
    const auto size = static_cast<std::uint32_t>(__builtin_ctzll(later));
    const char* const first = buffer.Data.data() + position;
    const auto byte = static_cast<unsigned char>(*first);
    // A space's text is " ", whichever byte it is; a line end has none.
    text = std::string_view(byte <= 0x20 ? " " : first, size - (byte == '\r'));
    buffer.Position = position + static_cast<std::int32_t>(size);
    return static_cast<TTokenKind>(window.Kinds[(size == 2 ? 256 : 0) + byte]);
}

inline TTokenKind NextToken(TFileBuffer& buffer, std::string& text) {
    std::string_view view;
    const TTokenKind kind = NextToken(buffer, view);
    text.assign(view.data(), view.size());
    return kind;
}
