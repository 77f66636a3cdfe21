// Numbers for words: the first word added is 0, the next new one 1, and so on.
// An open-addressing table of numbers over a list of the words, which keeps
// its storage when cleared, so that page after page allocates little.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// Most words are short: compared here, without a call, eight or four bytes at
// a time (the last load overlapping the one before), never past their ends.
inline bool SameWord(std::string_view a, std::string_view b) {
    const std::size_t size = b.size();
    if (a.size() != size) {
        return false;
    }
    const auto same = [&a, &b](std::size_t at, auto chunk) {
        decltype(chunk) x;
        decltype(chunk) y;
        std::memcpy(&x, a.data() + at, sizeof x);
        std::memcpy(&y, b.data() + at, sizeof y);
        return x == y;
    };
    if (size >= 8) {
        for (std::size_t at = 0; at + 8 < size; at += 8) {
            if (!same(at, std::uint64_t())) {
                return false;
            }
        }
        return same(size - 8, std::uint64_t());
    }
    if (size >= 4) {
        return same(0, std::uint32_t()) && same(size - 4, std::uint32_t());
    }
    for (std::size_t i = 0; i < size; ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

// One to eight bytes as a number, the first lowest, padded with zeros: read in
// two overlapping halves, or as three single bytes, and never past their end.
inline std::uint64_t PackedBytes(std::string_view bytes) {
    const auto* const p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    if (size >= 4) {
        std::uint32_t low;
        std::uint32_t high;
        std::memcpy(&low, p, 4);
        std::memcpy(&high, p + size - 4, 4);
        if (__BYTE_ORDER__ == __ORDER_BIG_ENDIAN__) {
            low = __builtin_bswap32(low);
            high = __builtin_bswap32(high);
        }
        return low | static_cast<std::uint64_t>(high) << (8 * (size - 4));
    }
    return static_cast<std::uint64_t>(p[0]) |
           static_cast<std::uint64_t>(p[size / 2]) << (8 * (size / 2)) |
           static_cast<std::uint64_t>(p[size - 1]) << (8 * (size - 1));
}

class TWordIds {
  public:
    static constexpr std::uint32_t None = UINT32_MAX;

    // The hash the table files a word under; computed once, it serves every
    // table the word is looked up in.
    static std::size_t HashOf(std::string_view word) {
        // Eight bytes at a time, each step mixed with a multiply and a shift.
        std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ word.size();
        std::size_t left = word.size();
        for (const char* p = word.data(); left >= 8; p += 8, left -= 8) {
            std::uint64_t chunk;
            std::memcpy(&chunk, p, 8);
            hash = (hash ^ chunk) * 0xBF58476D1CE4E5B9ull;
            hash ^= hash >> 31;
        }
        if (left > 0) {
            // The bytes left, as the last eight bytes shifted down.
            std::uint64_t chunk;
            if (word.size() >= 8) {
                std::memcpy(&chunk, word.data() + word.size() - 8, 8);
                chunk >>= 8 * (8 - left);
            } else {
                chunk = PackedBytes(word);
            }
            hash = (hash ^ chunk) * 0x94D049BB133111EBull;
        }
        hash = (hash ^ (hash >> 29)) * 0xBF58476D1CE4E5B9ull;
        return static_cast<std::size_t>(hash ^ (hash >> 32));
    }

    // The word's number; a new word (of hash HashOf(word)) gets the next one.
    std::uint32_t Add(std::string_view word, std::size_t hash) {
        if (words_.size() >= slots_.size() / 2) {
            Grow();
        }
        const std::size_t i = SlotFor(word, hash);
        return slots_[i].Id != None ? slots_[i].Id : Insert(i, word, hash);
    }
    // The word's number, or None.
    std::uint32_t Find(std::string_view word, std::size_t hash) const {
        return slots_.empty() ? None : slots_[SlotFor(word, hash)].Id;
    }
    const std::string& Word(std::uint32_t id) const { return words_[id]; }
    std::size_t Count() const { return words_.size(); }
    void Clear();

  private:
    struct Slot {
        std::uint32_t Id = None;
        std::uint32_t HashBits = 0; // the hash's upper half, to pass most other words by
    };
    static std::uint32_t HashBitsOf(std::size_t hash) {
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
    }
    // The slot holding word, or the empty one where it would go.
    std::size_t SlotFor(std::string_view word, std::size_t hash) const {
        const std::size_t mask = slots_.size() - 1;
        const std::uint32_t bits = HashBitsOf(hash);
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots_[i];
            if (slot.Id == None || (slot.HashBits == bits && SameWord(words_[slot.Id], word))) {
                return i;
            }
        }
    }
    // Gives the new word the next number, in the empty slot i.
    std::uint32_t Insert(std::size_t i, std::string_view word, std::size_t hash);
    void Grow();

    std::vector<Slot> slots_; // a power of two of them, at most half taken
    std::vector<std::string> words_;
    std::vector<std::size_t> taken_; // the slots holding a number
};
