#include "indexer/unicode_words.h"

#include <gtest/gtest.h>

namespace {

using Pieces = std::vector<std::string>;

Pieces Split(const std::string& token) {
    TUnicodeWords words;
    const std::vector<std::string_view>& pieces = words.Split(token);
    return Pieces(pieces.begin(), pieces.end());
}

} // namespace

TEST(UnicodeWords, PunctuationAndSymbolsPartWordsLettersAndMarksDoNot) {
    // "naïve—café", no-break space, guillemets, a decomposed é, a soft hyphen
    EXPECT_EQ(Split("na\xC3\xAFve\xE2\x80\x94"
                    "caf\xC3\xA9"),
              Pieces({"na\xC3\xAFve", "caf\xC3\xA9"}));
    EXPECT_EQ(Split("\xC2\xAB"
                    "Gr\xC3\xB6\xC3\x9F"
                    "e\xC2\xBB\xC2\xA0x"),
              Pieces({"Gr\xC3\xB6\xC3\x9F"
                      "e",
                      "x"}));
    EXPECT_EQ(Split("cafe\xCC\x81-au-lait's"), Pieces({"cafe\xCC\x81-au-lait's"}));
    EXPECT_EQ(Split("Ab\xC2\xAD"
                    "satz"),
              Pieces({"Ab\xC2\xAD"
                      "satz"}));
    // Nothing starts with a joiner, and malformed bytes part words.
    EXPECT_EQ(Split("\xE2\x80\x94-x\xFFy"), Pieces({"x", "y"}));
    EXPECT_EQ(Split("\xE2\x82\xAC"), Pieces());
    EXPECT_EQ(Split("\xC2\xAD\xE2\x80\x8D"
                    "ab"),
              Pieces({"ab"})); // nor with an invisible one
    // A variation selector is a mark, but an invisible one (a fuzzer's find).
    EXPECT_EQ(Split("\xEF\xB8\x80 \xE8\x91\x9B\xEF\xB8\x80"), Pieces({"\xE8\x91\x9B\xEF\xB8\x80"}));
    // Nor does a word the dictionary cuts out of Chinese: U+3164, a Hangul
    // filler, is an invisible letter (a fuzzer's find).
    for (const std::string& piece : Split("\xE5\x8C\x80\xE6\xBD\xB4\xE5\x9D\xB0\xE7\x89\xAF"
                                          "\xE3\x85\xA4\xE3\x80\xB8\xE3\x80\xB3\xE4\xB5\xB3")) {
        EXPECT_FALSE(UnicodeKeyword(piece).empty()) << piece;
    }
}

TEST(UnicodeWords, ScriptsWithoutSpacesAreCutByTheDictionary) {
    // 东京大学是日本的一所大学: Tokyo University is a university of Japan.
    const Pieces chinese =
        Split("\xE4\xB8\x9C\xE4\xBA\xAC\xE5\xA4\xA7\xE5\xAD\xA6\xE6\x98\xAF\xE6\x97\xA5\xE6\x9C\xAC"
              "\xE7\x9A\x84\xE4\xB8\x80\xE6\x89\x80\xE5\xA4\xA7\xE5\xAD\xA6");
    ASSERT_GE(chinese.size(), 4u);
    const std::string tokyo = "\xE4\xB8\x9C\xE4\xBA\xAC";
    const std::string university = "\xE5\xA4\xA7\xE5\xAD\xA6";
    EXPECT_NE(std::find(chinese.begin(), chinese.end(), tokyo), chinese.end());
    EXPECT_NE(std::find(chinese.begin(), chinese.end(), university), chinese.end());
    std::string joined;
    for (const std::string& piece : chinese) {
        EXPECT_LE(piece.size(), 4 * 3u) << piece;
        joined += piece;
    }
    EXPECT_EQ(joined.size(), 12 * 3u); // every character in some word
    // ภาษาไทย: "Thai language", two words.
    EXPECT_EQ(Split("\xE0\xB8\xA0\xE0\xB8\xB2\xE0\xB8\xA9\xE0\xB8\xB2\xE0\xB9\x84\xE0\xB8\x97"
                    "\xE0\xB8\xA2"),
              Pieces({"\xE0\xB8\xA0\xE0\xB8\xB2\xE0\xB8\xA9\xE0\xB8\xB2",
                      "\xE0\xB9\x84\xE0\xB8\x97\xE0\xB8\xA2"}));
}

TEST(UnicodeWords, KeywordsAreLowerCaseComposedAndVisible) {
    EXPECT_EQ(UnicodeKeyword("\xC3\x89"
                             "COLE"),
              "\xC3\xA9"
              "cole");
    EXPECT_EQ(UnicodeKeyword("Cafe\xCC\x81"), "caf\xC3\xA9");
    EXPECT_EQ(UnicodeKeyword("\xD0\x9F\xD0\xA0\xD0\x98\xD0\x92\xD0\x95\xD0\xA2"),
              "\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"); // ПРИВЕТ
    EXPECT_EQ(UnicodeKeyword("\xC4\xB0stanbul"), "istanbul");
    EXPECT_EQ(UnicodeKeyword("Ab\xC2\xAD"
                             "satz"),
              "absatz");
    EXPECT_EQ(UnicodeKeyword("Gr\xC3\xB6\xC3\x9F"
                             "e"),
              "gr\xC3\xB6\xC3\x9F"
              "e");
    EXPECT_EQ(UnicodeKeyword("ABC"), "abc");
}

TEST(UnicodeWords, LetterCaseCountsCharactersNotBytes) {
    const TLetterCase upper = UnicodeLetterCase("\xC3\x89T\xC3\x89"); // ÉTÉ
    EXPECT_EQ(upper.Characters, 3u);
    EXPECT_EQ(upper.Unchanged, 3u);
    EXPECT_EQ(UnicodeLetterCase("\xC3\xA9t\xC3\xA9").Unchanged, 0u);
    EXPECT_EQ(UnicodeLetterCase("\xC3\x89t\xC3\xA9").Unchanged, 1u);
    // Without cased letters a word is lower case, not capitals.
    EXPECT_EQ(UnicodeLetterCase("\xE6\x9D\xB1\xE4\xBA\xAC").Unchanged, 0u);
}
