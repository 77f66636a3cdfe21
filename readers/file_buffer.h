// A whole file in memory, walked with a position.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The token scanner's map of 64 bytes from Start, worked out at once: which
// bytes begin a token, and which begin one whose end the map tells.
struct TTokenWindow {
    static constexpr int Size = 64;
    std::int64_t Start = -Size; // no map yet
    std::uint64_t Starts = 0;   // bit i: a token begins at byte Start + i
    std::uint64_t Plain = 0;    // those whose token ends at the next start
    // The kinds of those tokens by their first byte, and 256 further on for
    // tokens of two bytes, in the encoding mapped.
    const unsigned char* Kinds = nullptr;
    // The data was mapped as UTF-8. Kinds tells it too, but NextToken looks
    // at this on every token, and a flag is faster to compare.
    bool Utf8 = false;
};

struct TFileBuffer {
    bool Opened = false;
    std::string Data;
    std::uint32_t Size = 0;
    std::int32_t Position = 0;
    // The token scanner's one piece of state: a space owed after a word that an
    // entity reference (such as &nbsp;) ended.
    bool PendingSpace = false;
    // The data is UTF-8 (else Windows-1252): the scanner keeps multi-byte
    // characters inside words and decodes references to their UTF-8.
    bool Utf8 = false;
    // The scanner's map of the bytes ahead, and the text of its last token
    // when that is not the token's bytes as they stand.
    TTokenWindow TokenWindow;
    std::string TokenText;
};

enum TSeekOrigin { soBeginning = 0, soCurrent = 1, soEnd = 2 };

// Reads the whole file; false (and an empty buffer) when it cannot be read or is
// larger than a signed 32-bit position can walk.
bool OpenFileBuffer(TFileBuffer& buffer, const std::string& path);
// Makes a buffer of bytes already in memory, as if read from a file.
void AssignBuffer(TFileBuffer& buffer, std::string data);
bool CloseFileBuffer(TFileBuffer& buffer);

// The new position (offset from the origin); not clamped to the data.
std::int32_t BufferSeek(TFileBuffer& buffer, std::int32_t offset, TSeekOrigin origin);

// Copies up to count bytes to destination and advances by the number copied.
// One byte fails at or past the end; more than one succeed with fewer bytes.
bool BufferRead(TFileBuffer& buffer, void* destination, std::uint32_t count, std::uint32_t& copied);

// Searches text from position on, ignoring Windows-1252 letter case; when found,
// position and the buffer stand just after the match.
bool FindText(TFileBuffer& buffer, const std::string& text, std::int32_t& position);

// FindText from the start for each of texts, in one pass: the position just
// after the first match of each, or -1. The texts begin with the same letter
// (in either case). The buffer's position is left alone.
std::vector<std::int32_t> FindEachText(const TFileBuffer& buffer,
                                       const std::vector<std::string>& texts);

// Reads the next string literal delimited by quote. A carriage return reads as a
// space, a line feed is dropped, and with the apostrophe as quote a backslash
// escapes the byte after it.
std::string ReadQuoted(TFileBuffer& buffer, char quote);

// The next byte (0-255) and a step forward, or -1 at the end of the data.
inline int ReadByte(TFileBuffer& buffer) {
    const std::int32_t position = buffer.Position;
    if (position < 0 || static_cast<std::uint32_t>(position) >= buffer.Size) {
        return -1;
    }
    buffer.Position = position + 1;
    return static_cast<unsigned char>(buffer.Data[static_cast<std::uint32_t>(position)]);
}
