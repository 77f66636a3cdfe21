#include "indexer/short_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

TEST(ShortNames, EachNameOfEachSizeFindsItsOwnValue) {
    TShortNames names;
    EXPECT_EQ(names.Find("a"), TShortNames::None);
    // Names of every size, some the start or the end of others, and with
    // bytes above 0x7F: enough to grow the table twice.
    std::vector<std::string> added;
    for (std::size_t size = 1; size <= TShortNames::MaxSize; ++size) {
        for (const char last : {'a', 'b', '\xE9'}) {
            added.push_back(std::string(size - 1, 'a') + last);
            added.push_back(last + std::string(size - 1, 'b'));
        }
    }
    for (std::size_t i = 0; i < added.size(); ++i) {
        names.Add(added[i], static_cast<std::uint32_t>(i));
    }
    names.Add("b", 999); // a name keeps its first value
    for (std::size_t i = 0; i < added.size(); ++i) {
        const std::uint32_t first = static_cast<std::uint32_t>(
            std::find(added.begin(), added.end(), added[i]) - added.begin());
        EXPECT_EQ(names.Find(added[i]), first) << added[i];
    }
    EXPECT_EQ(names.Find("c"), TShortNames::None);
    EXPECT_EQ(names.Find(std::string("a\0", 2)), TShortNames::None);
    EXPECT_EQ(names.Find("aaaaaaac"), TShortNames::None);
    names.Clear();
    EXPECT_EQ(names.Find("a"), TShortNames::None);
}
