// Numbers for words: the first word added is 0, the next new one 1, and so on.
// An open-addressing table of numbers over a list of the words, which keeps
// its storage when cleared, so that page after page allocates little.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Most words are short: compared here, without a call.
inline bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

class TWordIds {
  public:
    static constexpr std::uint32_t None = UINT32_MAX;

    // The hash the table files a word under; computed once, it serves every
    // table the word is looked up in.
    static std::size_t HashOf(std::string_view word);

    // The word's number; a new word (of hash HashOf(word)) gets the next one.
    std::uint32_t Add(std::string_view word, std::size_t hash);
    // The word's number, or None.
    std::uint32_t Find(std::string_view word, std::size_t hash) const;
    const std::string& Word(std::uint32_t id) const { return words_[id]; }
    std::size_t Count() const { return words_.size(); }
    void Clear();

  private:
    struct Slot {
        std::uint32_t Id = None;
        std::uint32_t HashBits = 0; // the hash's upper half, to pass most other words by
    };
    // The slot holding word, or the empty one where it would go.
    std::size_t SlotFor(std::string_view word, std::size_t hash) const;
    void Grow();

    std::vector<Slot> slots_; // a power of two of them, at most half taken
    std::vector<std::string> words_;
    std::vector<std::size_t> taken_; // the slots holding a number
};
