#include "indexer/rating.h"
#include "platform/integer_text.h"
#include "support/scratch_folder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

using Strings = std::vector<std::string>;

// A program folder with the three settings files; set.xml takes the given items.
struct SettingsFiles {
    ScratchFolder Folder;

    SettingsFiles(const std::string& setItems, const std::string& tagItems = "",
                  const std::string& wordGroups = "") {
        Folder.Write("tags.xml", "<tags>" + tagItems + "</tags>");
        Folder.Write("words.xml", "<words>" + wordGroups + "</words>");
        Folder.Write("set.xml", "<settings>" + setItems + "</settings>");
    }

    bool Load(TRating& rating) const {
        return rating.LoadSettings(Folder.Path() + "tags.xml", Folder.Path() + "words.xml",
                                   Folder.Path() + "set.xml");
    }
};

// Settings under which every counted word scores above zero and all are kept.
const char* const CountEverything = "<KeysCount value=\"40\"/><CountWeight value=\"100\"/>";

Strings KeywordsOf(const SettingsFiles& settings, const std::string& page,
                   std::int32_t limit = 65536) {
    TRating rating;
    settings.Load(rating);
    const std::string path = settings.Folder.Write("page.html", page);
    rating.RateFile(path, limit);
    Strings words;
    for (const TWordRating& word : rating.Words) {
        words.push_back(word.Word);
    }
    return words;
}

Strings Sorted(Strings words) {
    std::sort(words.begin(), words.end());
    return words;
}

} // namespace

TEST(Rating, WorkedExampleToTheLastBit) {
    SettingsFiles settings(
        "<BeginOfFile value=\"100\"/><EndOfFile value=\"50\"/>"
        "<WordPositionWeight value=\"100\"/><WordCaseWeight value=\"100\"/>"
        "<zzzRating value=\"50\"/><CountWeight value=\"10\"/><KeysCount value=\"10\"/>");
    // "apple" ends at 500 and at 900 characters of token text in a 1000-byte page.
    const std::string page =
        std::string(495, ' ') + "apple" + std::string(395, ' ') + "apple" + std::string(100, ' ');
    ASSERT_EQ(page.size(), 1000u);
    TRating rating;
    ASSERT_TRUE(settings.Load(rating));
    rating.RateFile(settings.Folder.Write("page.html", page), 1024);
    ASSERT_EQ(rating.Words.size(), 1u);
    const TWordRating& apple = rating.Words[0];
    EXPECT_EQ(apple.Word, "apple");
    EXPECT_EQ(apple.Count, 2);
    EXPECT_EQ(apple.Position, 500);
    EXPECT_EQ(apple.Rating, 1.25);
    EXPECT_EQ(rating.RateWord("apple", 900), 1.05);
    EXPECT_EQ(apple.Score, 1.45);
}

TEST(Rating, CaseClasses) {
    TRating rating;
    rating.WordCaseWeight = 1;
    rating.DigitRating = 1;
    rating.XXXRating = 2;
    rating.YyyRating = 3;
    rating.zzzRating = 4;
    rating.CodeRating = 5;
    rating.FileSize = 100;
    const std::vector<std::pair<std::string, double>> cases = {
        {"apple", 4}, {"Paris", 3},         {"NASA", 2},      {"e-mail", 3},    {"mp3", 5},
        {"2005", 1},  {"search engine", 3}, {"\xE9t\xE9", 4}, {"\xC9T\xC9", 2}, {"\xDF", 2},
        {"R2D2", 5},  {"it's", 3},          {"\xC9t\xE9", 3}};
    for (const auto& [word, expected] : cases) {
        EXPECT_EQ(rating.RateWord(word, 0), expected) << word;
    }
}

TEST(Rating, Utf8WordsAreUnicodeWordsInEitherEncodingsStopWords) {
    // A UTF-8 words.xml: "это" (Russian) and "für" are stop words.
    SettingsFiles settings(std::string(CountEverything) + "<StopWordsMinimalRating value=\"1\"/>",
                           "", "<group rating=\"0\">\xD1\x8D\xD1\x82\xD0\xBE f\xC3\xBCr</group>");
    TRating utf8;
    utf8.Utf8 = true;
    ASSERT_TRUE(settings.Load(utf8));
    const std::string page = "<title>\xD0\xAD\xD1\x82\xD0\xBE \xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA"
                             "\xD0\xB2\xD0\xB0</title> F\xC3\xBCr \xC3\x89T\xC3\x89, caf&eacute;";
    const auto rate = [&](const std::string& name, const std::string& data) {
        utf8.RateFile(settings.Folder.Write(name, data), 65536);
        Strings words;
        for (const TWordRating& word : utf8.Words) {
            words.push_back(word.Word);
        }
        return Sorted(words);
    };
    EXPECT_EQ(rate("page.html", page), Sorted({"\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0",
                                               "\xC3\xA9t\xC3\xA9", "caf\xC3\xA9"}));
    // A meta keyword of invisible letters alone (U+3164, a Hangul filler) has
    // no keyword form: it is left out, not kept as an empty keyword.
    EXPECT_EQ(rate("meta.html", "<meta name=\"keywords\" content=\"\xE3\x85\xA4, abc\">"),
              Strings({"abc"}));
    // In the code page the same file's "für" is read exactly; "это" is not
    // there to match.
    EXPECT_EQ(Sorted(KeywordsOf(settings, "F\xFCr caf\xE9")), Sorted({"caf\xE9"}));
}

TEST(Rating, LowRatedTagsSuppressUntilTheirOwnEndTag) {
    SettingsFiles settings(std::string(CountEverything) + "<TagsMinimalRating value=\"10\"/>",
                           "<script rating=\"0\"/><style rating=\"0\"/><h1 rating=\"50\"/>"
                           "<noscript rating=\"0\"/>");
    EXPECT_EQ(Sorted(KeywordsOf(settings,
                                "<p>alpha <script>var beta;</script> gamma <style>p{}</style>")),
              Strings({"alpha", "gamma"}));
    // The empty-element form switches collection off; closing the p around it does
    // not switch it on again; only the end tag of a suppressing element does.
    EXPECT_EQ(Sorted(KeywordsOf(settings, "<p>alpha <script src=\"a.js\"/> delta </p> epsilon "
                                          "<script>x</script> zeta")),
              Strings({"alpha", "zeta"}));
    // An unmatched end tag empties the stack but does not end suppression.
    EXPECT_EQ(KeywordsOf(settings, "<noscript>a</div>b</noscript>c"), Strings());
}

TEST(Rating, ScriptsAndStylesAreRawTextUpToTheirOwnEndTag) {
    // Whatever the tags' ratings, nothing inside is a word and its tag-like
    // strings leave the page's tags alone.
    SettingsFiles settings(std::string(CountEverything) + "<TagsMinimalRating value=\"10\"/>",
                           "<script rating=\"50\"/><style rating=\"0\"/>");
    EXPECT_EQ(Sorted(KeywordsOf(settings, "<div><p>harbour <script>var s = \"</div>\"; if (a<b) "
                                          "t = '</p><b>';</SCRIPT> lights <style>p > a { x: 1 }"
                                          "</style> sailing</p></div>")),
              Strings({"harbour", "lights", "sailing"}));
    EXPECT_EQ(KeywordsOf(settings, "alpha <script>beta gamma"), Strings({"alpha"}));
}

TEST(Rating, NoIndexCommentsHideText) {
    SettingsFiles settings(CountEverything);
    EXPECT_EQ(Sorted(KeywordsOf(settings, "one <!-svxnoindex->Hidden<!-svxindex-> two "
                                          "<!-svxnoindex ->secret<!-svxindex -> three "
                                          "<!--svxnoindex-->four <!-- comment text --> five")),
              Strings({"five", "four", "one", "three", "two"}));
    EXPECT_EQ(KeywordsOf(settings, "a <!-svxnoindex-> never closed"), Strings({"a"}));
}

TEST(Rating, KeywordsMetaElement) {
    SettingsFiles settings(
        std::string(CountEverything) +
            "<StopWordsMinimalRating value=\"1\"/><KeywordRating value=\"300\"/>",
        "", "<group rating=\"0\">the and</group>");
    TRating rating;
    settings.Load(rating);
    rating.RateFile(settings.Folder.Write("page.html", "<html><head><meta name=\"KEYWORDS\" "
                                                       "content=\"Tools, Search Engine, ,x, the\">"
                                                       "</head><body>the tools and</body>"),
                    65536);
    Strings words;
    for (const TWordRating& word : rating.Words) {
        words.push_back(word.Word);
        if (word.Word == "search engine" || word.Word == "x") {
            EXPECT_EQ(word.Position, 0);
            EXPECT_EQ(word.Count, 1);
        }
        if (word.Word == "tools") {
            EXPECT_EQ(word.Count, 2);
        }
    }
    EXPECT_EQ(Sorted(words), Strings({"search engine", "tools", "x"}));
}

TEST(Rating, KeywordRatingReplacesARatingBelowIt) {
    TRating rating;
    rating.FileSize = 100;
    rating.WordCaseWeight = 1;
    rating.zzzRating = 0.5;
    rating.KeywordRating = 3;
    rating.AddWord("news", 10);
    EXPECT_EQ(rating.Words[0].Rating, 0.5);
    rating.AddKeyword("news");
    EXPECT_EQ(rating.Words[0].Count, 2);
    EXPECT_EQ(rating.Words[0].Rating, 1.5);
    EXPECT_EQ(rating.Words[0].Position, 10);
    rating.KeywordRating = 1;
    rating.AddKeyword("news"); // 1 is below the rating 1.5: kept
    EXPECT_EQ(rating.Words[0].Rating, 1.5);
}

TEST(Rating, NumbersAndCandidates) {
    SettingsFiles settings(CountEverything);
    EXPECT_EQ(Sorted(KeywordsOf(settings, "2005. 1.. 12:30 &lt;b &amp;x &quot;q ok")),
              Strings({"1.", "12:30", "2005", "ok"}));
}

TEST(Rating, PositionsCountCharactersOfTokenText) {
    SettingsFiles settings(CountEverything);
    TRating rating;
    settings.Load(rating);
    rating.RateFile(settings.Folder.Write("page.html", "caf&eacute;\r\nx <b>y</b>"), 65536);
    ASSERT_EQ(rating.Words.size(), 3u);
    std::map<std::string, std::int32_t> positions;
    for (const TWordRating& word : rating.Words) {
        positions[word.Word] = word.Position;
    }
    EXPECT_EQ(positions["caf\xE9"], 4);
    EXPECT_EQ(positions["x"], 6); // the carriage return counts nothing, the line feed one
    EXPECT_EQ(positions["y"], 11);
}

TEST(Rating, SortKeepsTheSelectionOrderOfTies) {
    TRating rating;
    for (double score : {1.0, 2.0, 2.0}) {
        rating.Words.push_back({"w" + std::to_string(rating.Words.size()), 1, 0, 0, score});
    }
    rating.SortWords(3);
    EXPECT_EQ(rating.Words[0].Word, "w1");
    EXPECT_EQ(rating.Words[1].Word, "w2");
    EXPECT_EQ(rating.Words[2].Word, "w0");
}

TEST(Rating, SortLeavesEveryEntryWhereASelectionSortWould) {
    std::mt19937 random(7);
    for (const std::size_t count : {1u, 2u, 5u, 64u, 1000u}) {
        TRating rating;
        for (std::size_t i = 0; i < count; ++i) {
            const double score = static_cast<double>(random() % 9); // many ties
            rating.Words.push_back({"w" + std::to_string(i), 1, 0, 0, score});
        }
        std::vector<TWordRating> expected = rating.Words;
        const std::size_t positions = std::min<std::size_t>(count, 30);
        for (std::size_t i = 0; i < positions; ++i) {
            std::size_t best = i;
            for (std::size_t j = i + 1; j < expected.size(); ++j) {
                best = expected[j].Score > expected[best].Score ? j : best;
            }
            std::swap(expected[i], expected[best]);
        }
        rating.SortWords(positions);
        for (std::size_t i = 0; i < count; ++i) {
            ASSERT_EQ(rating.Words[i].Word, expected[i].Word) << count << " words, place " << i;
        }
    }
}

TEST(Rating, ReadingStopsAfterTheDepthLimitButNotForTheMetaElement) {
    SettingsFiles settings(CountEverything);
    const std::string page = "first second third fourth <meta name=\"keywords\" content=\"late\">";
    // "second" takes p from 6 to 12, past the limit 8: it is still counted.
    EXPECT_EQ(Sorted(KeywordsOf(settings, page, 8)), Strings({"first", "late", "second"}));
    EXPECT_EQ(Sorted(KeywordsOf(settings, page, -5)), Strings({"first", "late"}));
}

TEST(Rating, ScoresAddCountExistingGroupAndRating) {
    SettingsFiles settings(
        "<KeysCount value=\"5\"/><CountWeight value=\"10\"/>"
        "<ExistingWeight value=\"200\"/>",
        "", "<group rating=\"50\">sail boat</group><group rating=\"80\">boat</group>");
    TRating rating;
    settings.Load(rating);
    rating.RateFile(settings.Folder.Write("page.html", "boat sail sail wind"), 1024);
    ASSERT_EQ(rating.Words.size(), 3u);
    EXPECT_EQ(rating.Words[0].Word, "boat"); // 0.1 + 0.8 * 2
    EXPECT_DOUBLE_EQ(rating.Words[0].Score, 1.7);
    EXPECT_EQ(rating.Words[1].Word, "sail"); // 0.2 + 0.5 * 2
    EXPECT_DOUBLE_EQ(rating.Words[1].Score, 1.2);
    EXPECT_EQ(rating.Words[2].Word, "wind");
}

TEST(Rating, TheGroupsTellOfAWordAsItIsMetWhatTheirTextsTell) {
    SettingsFiles settings("<KeysCount value=\"5\"/><ExistingWeight value=\"200\"/>"
                           "<StopWordsMinimalRating value=\"-50\"/>",
                           "",
                           "<group rating=\"50\">sail boat</group><group rating=\"80\">boat</group>"
                           "<group rating=\"-30\">wind</group>");
    TRating rating;
    settings.Load(rating);
    rating.RateFile(settings.Folder.Write("page.html", "boat sail wind sea"), 1024);
    ASSERT_EQ(rating.Words.size(), 4u);
    std::vector<double> told;
    for (TWordRating& word : rating.Words) {
        told.push_back(word.Score);
        word.Existing = std::numeric_limits<double>::quiet_NaN();
    }
    // After the page the index of the groups is gone: their texts are read.
    rating.ScoreWords();
    for (std::size_t i = 0; i < told.size(); ++i) {
        EXPECT_EQ(rating.Words[i].Score, told[i]) << rating.Words[i].Word;
    }
}

TEST(Rating, TheFilesAreReadInOrderAndStopAtTheFirstMissingOne) {
    const std::string set = "<KeysCount value=\"10\"/><CountWeight value=\"100\"/>";
    {
        SettingsFiles settings(set);
        std::remove((settings.Folder.Path() + "tags.xml").c_str());
        TRating rating;
        EXPECT_FALSE(settings.Load(rating));
        EXPECT_EQ(rating.KeysCount, 0);
        EXPECT_EQ(KeywordsOf(settings, "words here"), Strings());
    }
    {
        SettingsFiles settings(set, "<b rating=\"5\"/>");
        settings.Folder.Write("words.xml", "<group rating=\"1\">x</group>"); // no root
        TRating rating;
        EXPECT_FALSE(settings.Load(rating));
        EXPECT_EQ(rating.Tags.size(), 1u);
        EXPECT_EQ(rating.KeysCount, 0);
    }
    {
        SettingsFiles settings(set,
                               "<b rating=\"5\"/><i id=\"x\" rating=\"7\"/><h1 rating=\"-3\"/>",
                               "<group rating=\"2\">alpha beta</group><group>gamma</group>");
        TRating rating;
        EXPECT_TRUE(settings.Load(rating));
        ASSERT_EQ(rating.Tags.size(), 3u);
        EXPECT_EQ(rating.Tags[0].Rating, 5);
        EXPECT_EQ(rating.Tags[1].Rating, 0); // first attribute is not "rating"
        EXPECT_EQ(rating.Tags[2].Rating, -3);
        ASSERT_GE(rating.WordGroups.size(), 1u);
        EXPECT_EQ(rating.WordGroups[0].Text, " alpha beta ");
        EXPECT_EQ(rating.WordGroups[0].Rating, 2);
        EXPECT_EQ(rating.KeysCount, 10);
        EXPECT_EQ(rating.CountWeight, 1.0);
    }
}

TEST(Rating, ValuesThatAreNoWholeNumberRaiseTheConversionError) {
    for (const auto& [tags, set] : std::vector<std::pair<std::string, std::string>>{
             {"<b rating=\"1.5\"/>", ""}, {"", "<KeysCount value=\"1.5\"/>"}}) {
        SettingsFiles settings(set, tags);
        TRating rating;
        try {
            settings.Load(rating);
            FAIL() << "no error for " << tags << set;
        } catch (const ConversionError& error) {
            EXPECT_STREQ(error.what(), "'1.5' is not a valid integer value");
        }
    }
}

TEST(Rating, NegativeKeysCountAndEmptyPages) {
    SettingsFiles settings("<KeysCount value=\"-3\"/><CountWeight value=\"100\"/>");
    EXPECT_EQ(KeywordsOf(settings, "some words"), Strings());

    TRating rating;
    rating.BeginOfFile = 1;
    rating.WordPositionWeight = 1;
    rating.FileSize = 0;
    EXPECT_EQ(rating.RateWord("word", 0), 1.0); // no division by zero
    SettingsFiles counting(CountEverything);
    EXPECT_EQ(KeywordsOf(counting, ""), Strings());
}

TEST(Rating, GroupsMatchWholeWordsAndRunsOfWords) {
    SettingsFiles settings(std::string(CountEverything) + "<StopWordsMinimalRating value=\"1\"/>",
                           "", "<group rating=\"0\">search engine</group>");
    // "search engine" stands in the group's text as a run of two words.
    EXPECT_EQ(
        Sorted(KeywordsOf(settings, "<meta name=\"keywords\" content=\"Search Engine, engine room, "
                                    "sear\">search engines searching")),
        Strings({"engine room", "engines", "sear", "searching"}));
}
