// A growable text of 16-bit units, stored in the byte order asked for.
#pragma once

#include <cstdint>
#include <vector>

class WideTextBuffer {
  public:
    // byteOrder 1: low byte first; any other value: high byte first.
    explicit WideTextBuffer(std::int32_t byteOrder) : lowByteFirst_(byteOrder == 1) {}

    void Append(std::uint32_t codePoint) {
        const auto low = static_cast<unsigned char>(codePoint & 0xFF);
        const auto high = static_cast<unsigned char>((codePoint >> 8) & 0xFF);
        bytes_.push_back(lowByteFirst_ ? low : high);
        bytes_.push_back(lowByteFirst_ ? high : low);
    }

    const unsigned char* Data() const { return bytes_.data(); }
    std::size_t ByteSize() const { return bytes_.size(); }

  private:
    bool lowByteFirst_;
    std::vector<unsigned char> bytes_;
};
