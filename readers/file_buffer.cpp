#include "readers/file_buffer.h"

#include "platform/ansi.h"
#include "platform/files.h"
#include "readers/byte_search.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

bool OpenFileBuffer(TFileBuffer& buffer, const std::string& path) {
    std::string data;
    const bool read =
        ReadWholeFile(path, data) &&
        data.size() <= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    AssignBuffer(buffer, read ? std::move(data) : std::string());
    buffer.Opened = read;
    return read;
}

void AssignBuffer(TFileBuffer& buffer, std::string data) {
    buffer.Opened = true;
    buffer.Data = std::move(data);
    buffer.Size = static_cast<std::uint32_t>(buffer.Data.size());
    buffer.Position = 0;
    buffer.PendingSpace = false;
    buffer.TokenWindow = TTokenWindow();
}

bool CloseFileBuffer(TFileBuffer& buffer) {
    const bool wasOpen = buffer.Opened;
    buffer = TFileBuffer();
    return wasOpen;
}

std::int32_t BufferSeek(TFileBuffer& buffer, std::int32_t offset, TSeekOrigin origin) {
    std::int64_t base = 0;
    if (origin == soCurrent) {
        base = buffer.Position;
    } else if (origin == soEnd) {
        base = buffer.Size;
    }
    buffer.Position = static_cast<std::int32_t>(static_cast<std::uint32_t>(base + offset));
    return buffer.Position;
}

bool BufferRead(TFileBuffer& buffer, void* destination, std::uint32_t count,
                std::uint32_t& copied) {
    copied = 0;
    if (buffer.Size == 0 || count == 0) {
        return false;
    }
    const std::int32_t position = buffer.Position;
    const bool inside = position >= 0 && static_cast<std::uint32_t>(position) < buffer.Size;
    if (count == 1 && !inside) {
        return false;
    }
    if (inside) {
        copied = std::min(count, buffer.Size - static_cast<std::uint32_t>(position));
        std::memcpy(destination, buffer.Data.data() + position, copied);
        buffer.Position = position + static_cast<std::int32_t>(copied);
    }
    return true;
}

namespace {

// The next position at or after from where either case of the text's first
// letter stands, or end.
const unsigned char* NextCandidate(const unsigned char* from, const unsigned char* end,
                                   unsigned char lower, unsigned char upper) {
    return FirstOf(from, end, std::array<unsigned char, 2>{lower, upper});
}

// The end of the run of plain bytes from at: the next quote, backslash or line
// break, or end.
std::uint32_t EndOfPlainRun(const char* data, std::uint32_t at, std::uint32_t end, char quote) {
    const void* found = std::memchr(data + at, quote, end - at);
    std::uint32_t stop =
        found ? static_cast<std::uint32_t>(static_cast<const char*>(found) - data) : end;
    for (const char special : {'\\', '\r', '\n'}) {
        if (const void* hit = std::memchr(data + at, special, stop - at)) {
            stop = static_cast<std::uint32_t>(static_cast<const char*>(hit) - data);
        }
    }
    return stop;
}

} // namespace

bool FindText(TFileBuffer& buffer, const std::string& text, std::int32_t& position) {
    if (text.empty() || text.size() > buffer.Size) {
        return false;
    }
    const std::string wanted = AnsiUpperCase(text);
    const auto* data = reinterpret_cast<const unsigned char*>(buffer.Data.data());
    // Candidates start before here, so that the whole text fits.
    const unsigned char* candidatesEnd = data + (buffer.Size - wanted.size()) + 1;
    const auto upper = static_cast<unsigned char>(wanted[0]);
    const unsigned char lower = AnsiLower(upper);
    const unsigned char* p =
        data +
        std::min<std::uint32_t>(static_cast<std::uint32_t>(std::max(position, 0)), buffer.Size);
    while (p < candidatesEnd &&
           (p = NextCandidate(p, candidatesEnd, lower, upper)) < candidatesEnd) {
        std::size_t k = 1;
        while (k < wanted.size() && AnsiUpper(p[k]) == static_cast<unsigned char>(wanted[k])) {
            ++k;
        }
        if (k == wanted.size()) {
            position =
                static_cast<std::int32_t>(p - data + static_cast<std::ptrdiff_t>(wanted.size()));
            buffer.Position = position;
            return true;
        }
        ++p;
    }
    return false;
}

std::vector<std::int32_t> FindEachText(const TFileBuffer& buffer,
                                       const std::vector<std::string>& texts) {
    std::vector<std::int32_t> found(texts.size(), -1);
    std::vector<std::string> wanted;
    for (const std::string& text : texts) {
        wanted.push_back(AnsiUpperCase(text));
    }
    if (wanted.empty() || wanted[0].empty()) {
        return found;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(buffer.Data.data());
    const unsigned char* const end = data + buffer.Size;
    const auto upper = static_cast<unsigned char>(wanted[0][0]);
    const unsigned char lower = AnsiLower(upper);
    // The bytes that may follow the first in a text, so that most candidates
    // are passed by at one look.
    std::array<bool, 256> follows{};
    for (int c = 0; c < 256; ++c) {
        for (const std::string& text : wanted) {
            follows[c] = follows[c] || text.size() < 2 ||
                         AnsiUpper(c) == static_cast<unsigned char>(text[1]);
        }
    }
    // When few bytes may follow, the search looks for the pair (the list of
    // them filled up with its last).
    std::array<unsigned char, 8> seconds{};
    std::size_t count = 0;
    for (int c = 0; c < 256; ++c) {
        if (follows[c]) {
            if (count < seconds.size()) {
                seconds[count] = static_cast<unsigned char>(c);
            }
            ++count;
        }
    }
    const bool pairs = count > 0 && count <= seconds.size();
    if (pairs) {
        std::fill(seconds.begin() + static_cast<std::ptrdiff_t>(count), seconds.end(),
                  seconds[count - 1]);
    }
    const auto nextCandidate = [&](const unsigned char* from) {
        return pairs ? FirstPairOf(from, end, std::array<unsigned char, 2>{lower, upper}, seconds)
                     : NextCandidate(from, end, lower, upper);
    };
    std::size_t left = texts.size();
    for (const unsigned char* p = data; left > 0 && (p = nextCandidate(p)) < end; ++p) {
        if (p + 1 < end && !follows[p[1]]) {
            continue;
        }
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            const std::string& text = wanted[i];
            if (found[i] >= 0 || text.size() > static_cast<std::size_t>(end - p)) {
                continue;
            }
            std::size_t k = 1;
            while (k < text.size() && AnsiUpper(p[k]) == static_cast<unsigned char>(text[k])) {
                ++k;
            }
            if (k == text.size()) {
                found[i] = static_cast<std::int32_t>(p - data + static_cast<std::ptrdiff_t>(k));
                --left;
            }
        }
    }
    return found;
}

std::string ReadQuoted(TFileBuffer& buffer, char quote) {
    std::string result;
    int c;
    do {
        c = ReadByte(buffer);
    } while (c >= 0 && c != static_cast<unsigned char>(quote));
    if (c < 0) {
        return result;
    }
    const char* data = buffer.Data.data();
    std::uint32_t at = static_cast<std::uint32_t>(buffer.Position);
    const std::uint32_t end = buffer.Size;
    for (;;) {
        // Plain bytes are taken in runs; only the quote, the backslash escape and
        // line breaks need a look of their own.
        const std::uint32_t run = EndOfPlainRun(data, at, end, quote);
        result.append(data + at, run - at);
        at = run;
        if (at >= end) {
            break;
        }
        const char special = data[at++];
        if (special == quote) {
            break;
        }
        if (special == '\\') {
            if (quote != '\'') {
                result += '\\';
                continue;
            }
            if (at >= end) {
                break;
            }
            const char escaped = data[at++];
            if (escaped == '\r') {
                result += ' ';
            } else if (escaped != '\n') {
                result += escaped;
            }
            continue;
        }
        if (special == '\r') {
            result += ' ';
        }
    }
    buffer.Position = static_cast<std::int32_t>(at);
    return result;
}
