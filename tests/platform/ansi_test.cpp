#include "platform/ansi.h"

#include <gtest/gtest.h>
#include <set>

TEST(Ansi, LettersAreExactlyTheWindows1252Letters) {
    std::set<int> expected = {0x83, 0x88, 0x8A, 0x8C, 0x8E, 0x9A,
                              0x9C, 0x9E, 0x9F, 0xAA, 0xB5, 0xBA};
    for (int c = 'A'; c <= 'Z'; ++c) {
        expected.insert(c);
        expected.insert(c + 0x20);
    }
    for (int c = 0xC0; c <= 0xFF; ++c) {
        if (c != 0xD7 && c != 0xF7) {
            expected.insert(c);
        }
    }
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(IsAnsiLetter(static_cast<unsigned char>(c)), expected.count(c) == 1)
            << "byte " << c;
    }
}

TEST(Ansi, UpperAndLowerCaseFollowTheCodePage) {
    EXPECT_EQ(AnsiUpperCase("abc xyz"), "ABC XYZ");
    EXPECT_EQ(AnsiUpperCase("\xE9\xFE\x9A\x9C\x9E\xFF"), "\xC9\xDE\x8A\x8C\x8E\x9F");
    // Division sign, micro sign and sharp s have no capital of their own.
    EXPECT_EQ(AnsiUpperCase("\xF7\xB5\xDF"), "\xF7\xB5\xDF");
    EXPECT_EQ(AnsiLowerCase("\xC9\xDE\x8A\x9F\xD7Q"), "\xE9\xFE\x9A\xFF\xD7q");
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        if (AnsiUpper(byte) != byte) {
            EXPECT_EQ(AnsiLower(AnsiUpper(byte)), byte) << "byte " << c;
        }
    }
}

TEST(Ansi, Utf8ConversionIsLosslessForEveryByte) {
    std::string all;
    for (int c = 0; c < 256; ++c) {
        all += static_cast<char>(c);
    }
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
    EXPECT_EQ(AnsiToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(AnsiToUtf8("\x81"), "\xC2\x81");     // undefined: the C1 control
    EXPECT_EQ(AnsiToUtf8("caf\xE9"), "caf\xC3\xA9");
}

TEST(Ansi, Utf8OutsideTheCodePageBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToAnsi("\xE2\x9C\x93"), "?");       // check mark
    EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80x"), "?x"); // outside the basic plane
    EXPECT_EQ(Utf8ToAnsi("a\xC3"), "a?");             // cut short
    EXPECT_EQ(Utf8ToAnsi("\xC0\x80"), "??");          // overlong
    EXPECT_EQ(Utf8ToAnsi("\xC2\x80"), "?");           // U+0080 is no byte of the code page
}
