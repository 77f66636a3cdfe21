// The words of one page and a number for each, looked up once per word met:
// an open-addressing table that keeps its slots, and the words' storage, from
// one page to the next, so that rating a page allocates nothing once the
// table has grown to the site's pages.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class TWordTable {
  public:
    // Stores value for word; a word already in the table keeps its number.
    void Insert(const std::string& word, std::uint32_t value);
    // The number stored for word, or none; good until the next Insert or Clear.
    std::uint32_t* Find(const std::string& word);
    void Clear();

  private:
    struct Slot {
        std::size_t Hash = 0;
        std::string Word;
        std::uint32_t Value = 0;
        bool Used = false;
    };
    // The slot holding word, or the empty one where it would go.
    Slot& SlotFor(const std::string& word, std::size_t hash);
    void Grow();

    std::vector<Slot> slots_;       // a power of two of them
    std::vector<std::size_t> used_; // the slots taken, for Clear
};
