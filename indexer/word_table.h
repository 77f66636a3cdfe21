// Words and a number for each, looked up once per word met: an open-addressing
// table that keeps its slots, and the words' storage, when it is cleared, so
// that rating page after page allocates nothing once it has grown.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TWordTable {
  public:
    // The hash the table files word under; the same for every table.
    static std::size_t HashOf(std::string_view word);

    // Stores value for word (of hash HashOf(word)), unless the word is in the
    // table already; its number either way, good until the next Insert or Clear.
    std::uint32_t& Insert(std::string_view word, std::size_t hash, std::uint32_t value);
    // The number stored for word, or none; good until the next Insert or Clear.
    std::uint32_t* Find(std::string_view word, std::size_t hash);
    const std::uint32_t* Find(std::string_view word, std::size_t hash) const;
    void Clear();

  private:
    struct Slot {
        std::size_t Hash = 0;
        std::string Word;
        std::uint32_t Value = 0;
        bool Used = false;
    };
    // The slot of the table's size holding word, or the empty one where it
    // would go.
    std::size_t SlotFor(std::string_view word, std::size_t hash) const;
    void Grow();

    std::vector<Slot> slots_;       // a power of two of them
    std::vector<std::size_t> used_; // the slots taken, for Clear
};
