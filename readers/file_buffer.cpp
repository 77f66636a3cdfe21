#include "readers/file_buffer.h"

#include "platform/ansi.h"
#include "platform/files.h"

#include <algorithm>
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

bool FindText(TFileBuffer& buffer, const std::string& text, std::int32_t& position) {
    if (text.empty() || text.size() > buffer.Size) {
        return false;
    }
    const std::string wanted = AnsiUpperCase(text);
    const auto first = static_cast<unsigned char>(wanted[0]);
    const std::uint32_t last = buffer.Size - static_cast<std::uint32_t>(wanted.size());
    const auto* data = reinterpret_cast<const unsigned char*>(buffer.Data.data());
    for (std::uint32_t p = static_cast<std::uint32_t>(std::max(position, 0)); p <= last; ++p) {
        if (AnsiUpper(data[p]) != first) {
            continue;
        }
        std::size_t k = 1;
        while (k < wanted.size() &&
               AnsiUpper(data[p + k]) == static_cast<unsigned char>(wanted[k])) {
            ++k;
        }
        if (k == wanted.size()) {
            position = static_cast<std::int32_t>(p + wanted.size());
            buffer.Position = position;
            return true;
        }
    }
    return false;
}

std::string ReadQuoted(TFileBuffer& buffer, char quote) {
    std::string result;
    const int quoteByte = static_cast<unsigned char>(quote);
    int c;
    do {
        c = ReadByte(buffer);
    } while (c >= 0 && c != quoteByte);
    if (c < 0) {
        return result;
    }
    while ((c = ReadByte(buffer)) >= 0 && c != quoteByte) {
        if (quote == '\'' && c == '\\') {
            c = ReadByte(buffer);
            if (c < 0) {
                break;
            }
            if (c == '\'') {
                result += '\'';
                continue;
            }
        }
        if (c == '\r') {
            result += ' ';
        } else if (c != '\n') {
            result += static_cast<char>(c);
        }
    }
    return result;
}
