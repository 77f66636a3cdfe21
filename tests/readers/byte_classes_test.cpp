#include "readers/byte_classes.h"
#include "readers/scan_helpers.h"

#include <gtest/gtest.h>

using namespace byte_classes;

namespace {

std::vector<Mask> Fields(const ClassMasks& m) {
    return {m.High,      m.Letter, m.Digit, m.Apostrophe, m.NumberMark, m.Hyphen,
            m.Ampersand, m.Slash,  m.Less,  m.Greater,    m.Opener};
}

} // namespace

TEST(ByteClasses, EveryWayGivesTheMasksOfTheByteLoop) {
    // Every byte value, and runs of the bytes at the edges of each class.
    std::string all;
    for (int c = 0; c < 256; ++c) {
        all += static_cast<char>(c);
    }
    const std::string edges = "@AZ[`az{/09:;,.-&<>!?'\x7F\x80\xFF ";
    RandomPieces random(7);
    std::vector<std::string> blocks;
    for (std::size_t at = 0; at + Size <= all.size(); at += Size / 2) {
        blocks.push_back(all.substr(at, Size));
    }
    for (int n = 0; n < 2000; ++n) {
        blocks.push_back(random.Next(n % 2 ? edges : all, Size));
    }
    for (const std::string& block : blocks) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(block.data());
        const std::vector<Mask> expected = Fields(MasksByBytes(bytes));
        EXPECT_EQ(Fields(MasksOf(bytes)), expected);
#if defined(__SSE2__)
        EXPECT_EQ(Fields(MasksBySse2(bytes)), expected);
        if (HasAvx512()) {
            EXPECT_EQ(Fields(MasksByAvx512(bytes)), expected);
        }
#endif
    }
}
