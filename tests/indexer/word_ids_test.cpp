#include "indexer/word_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

std::uint32_t Add(TWordIds& ids, const std::string& word) {
    return ids.Add(word, TWordIds::HashOf(word));
}

std::uint32_t Find(const TWordIds& ids, const std::string& word) {
    return ids.Find(word, TWordIds::HashOf(word));
}

} // namespace

TEST(WordIds, NumbersInOrderAcrossGrowthAndClearing) {
    TWordIds ids;
    EXPECT_EQ(Find(ids, "a"), TWordIds::None);
    for (int round = 0; round < 2; ++round) {
        // Enough words to grow the table several times; words that share a
        // start, and the empty word, are words of their own.
        for (std::uint32_t i = 0; i < 5000; ++i) {
            ASSERT_EQ(Add(ids, "word" + std::to_string(i)), i);
        }
        EXPECT_EQ(Add(ids, ""), 5000u);
        EXPECT_EQ(Add(ids, "word17"), 17u);
        EXPECT_EQ(Find(ids, "word4999"), 4999u);
        EXPECT_EQ(Find(ids, "word5000"), TWordIds::None);
        EXPECT_EQ(ids.Word(1234), "word1234");
        EXPECT_EQ(ids.Count(), 5001u);
        ids.Clear();
        EXPECT_EQ(ids.Count(), 0u);
        EXPECT_EQ(Find(ids, "word17"), TWordIds::None);
    }
}

TEST(WordIds, SameWordTellsEveryByteOfEverySize) {
    // The words stand in buffers of their own size, so that a read past an
    // end shows under the sanitizers.
    for (std::size_t size = 0; size <= 20; ++size) {
        const std::string word(size, 'w');
        const std::unique_ptr<char[]> copy(new char[size]);
        std::copy(word.begin(), word.end(), copy.get());
        EXPECT_TRUE(SameWord(word, std::string_view(copy.get(), size))) << size;
        EXPECT_FALSE(SameWord(word, word + "w")) << size;
        for (std::size_t at = 0; at < size; ++at) {
            copy[at] = 'x';
            EXPECT_FALSE(SameWord(word, std::string_view(copy.get(), size)))
                << size << " at " << at;
            copy[at] = 'w';
        }
    }
}
