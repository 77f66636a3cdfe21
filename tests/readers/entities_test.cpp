#include "readers/entities.h"
#include "readers/scan_helpers.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// Decodes the reference after a leading "&" and reports how many bytes it consumed.
int Decode(const std::string& afterAmpersand, std::int32_t& consumed) {
    TFileBuffer buffer = BufferOf(afterAmpersand);
    const int c = DecodeEntity(buffer);
    consumed = buffer.Position;
    return c;
}

int Decode(const std::string& afterAmpersand) {
    std::int32_t consumed;
    return Decode(afterAmpersand, consumed);
}

} // namespace

TEST(Entities, TableHoldsTheSpecialAndLatin1Names) {
    std::set<std::string> names;
    std::set<int> latin1;
    for (const TEntity& entity : EntityTable) {
        names.insert(entity.Name);
        if (entity.Character >= 0xA1) {
            latin1.insert(entity.Character);
        }
    }
    EXPECT_EQ(names.size(), 101u);
    EXPECT_EQ(latin1.size(), 95u);
    EXPECT_EQ(names.count("euro"), 0u);
    EXPECT_EQ(names.count("mdash"), 0u);
}

TEST(Entities, NamedReferences) {
    EXPECT_EQ(Decode("eacute;"), 0xE9);
    EXPECT_EQ(Decode("Agrave;"), 0xC0);
    EXPECT_EQ(Decode("yuml;"), 0xFF);
    EXPECT_EQ(Decode("nbsp;"), 0x20);
    EXPECT_EQ(Decode("apos;"), 0x60);
    EXPECT_EQ(Decode("quot;"), '"');
    EXPECT_EQ(Decode("AMP;"), 'A'); // names compare with case
    EXPECT_EQ(Decode("foo;"), 'f');
    EXPECT_EQ(Decode("euro;"), 'e');
    std::int32_t consumed = 0;
    for (const char* terminated : {"amp;x", "amp x", "amp<x"}) {
        EXPECT_EQ(Decode(terminated, consumed), '&') << terminated;
        EXPECT_EQ(consumed, 4) << terminated; // the terminating byte is consumed
    }
    EXPECT_EQ(Decode("amp", consumed), '&');
    EXPECT_EQ(consumed, 3);
}

TEST(Entities, NumericReferences) {
    EXPECT_EQ(Decode("#65;"), 'A');
    EXPECT_EQ(Decode("#233;"), 0xE9);
    EXPECT_EQ(Decode("#8364;"), 0xAC); // the low eight bits
    EXPECT_EQ(Decode("#x41;"), 'A');
    EXPECT_EQ(Decode("#xa;"), 0x0A);
    EXPECT_EQ(Decode("#xE9"), 0xE9);
    EXPECT_EQ(Decode("#X41;"), '?');
    EXPECT_EQ(Decode("#4a;"), '?');
    EXPECT_EQ(Decode("#x;"), '?');
    EXPECT_EQ(Decode("#18446744073709551681;"), 'A'); // 2^64 + 65: no overflow, low bits kept
    std::int32_t consumed = 0;
    EXPECT_EQ(Decode("#;12 ", consumed), '?'); // ";" and the digits after it are collected
    EXPECT_EQ(consumed, 5);
}

TEST(Entities, EndOfDataGivesZero) {
    EXPECT_EQ(Decode(""), 0);
    EXPECT_EQ(Decode("#"), 0);
}

TEST(Entities, InUtf8ReferencesAreUnicodeCharacters) {
    const auto decode = [](const std::string& afterAmpersand) {
        TFileBuffer buffer = BufferOf(afterAmpersand, true);
        return DecodeEntityCodePoint(buffer);
    };
    EXPECT_EQ(decode("#8364;"), U'\u20AC');
    EXPECT_EQ(decode("#x1F600;"), U'\U0001F600');
    EXPECT_EQ(decode("euro;"), U'\u20AC');
    EXPECT_EQ(decode("eacute;"), U'\u00E9');
    EXPECT_EQ(decode("sup2;"), U'\u00B2');
    EXPECT_EQ(decode("apos;"), U'\'');
    EXPECT_EQ(decode("nbsp;"), U' ');
    // Past the last character, a surrogate: the replacement character.
    EXPECT_EQ(decode("#x110000;"), U'\uFFFD');
    EXPECT_EQ(decode("#xD800;"), U'\uFFFD');
    EXPECT_EQ(decode("#18446744073709551681;"), U'\uFFFD');
    EXPECT_EQ(decode("#4a;"), U'?');
    EXPECT_EQ(decode("zork;"), U'z');
    EXPECT_EQ(decode(""), 0u);
}
