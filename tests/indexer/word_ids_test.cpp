#include "indexer/word_ids.h"

#include <gtest/gtest.h>

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
