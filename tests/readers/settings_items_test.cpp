#include "readers/scan_helpers.h"
#include "readers/settings_items.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

using Items = std::vector<std::pair<std::string, std::string>>;

Items ReadAll(const std::string& data, const std::string& root, const std::string& attribute,
              TValueMode mode = TValueMode::Text) {
    ScratchFolder folder;
    Items items;
    ReadSettingsFile(folder.Write("set.xml", data), root, attribute, mode,
                     [&items](const std::string& name, const std::string& value) {
                         items.emplace_back(name, value);
                     });
    return items;
}

} // namespace

TEST(SettingsItems, FindElementIgnoresCaseButNeedsTheNameRightAfterTheOpening) {
    TFileBuffer upper = BufferOf("<?xml version=\"1.0\"?><SETTINGS>");
    EXPECT_TRUE(FindElement(upper, "settings"));
    EXPECT_EQ(upper.Position, 30);
    TFileBuffer doubled = BufferOf("<<settings>");
    EXPECT_FALSE(FindElement(doubled, "settings"));
    TFileBuffer spaced = BufferOf("< settings>");
    EXPECT_FALSE(FindElement(spaced, "settings"));
    TFileBuffer prefix = BufferOf("<settingsx><settings>");
    EXPECT_TRUE(FindElement(prefix, "settings"));
    EXPECT_EQ(prefix.Position, 20);
}

TEST(SettingsItems, SkipTagEnd) {
    TFileBuffer buffer = BufferOf(" a=\"1\"/> <b>");
    EXPECT_TRUE(SkipTagEnd(buffer));
    EXPECT_EQ(buffer.Position, 8);
    EXPECT_TRUE(SkipTagEnd(buffer));
    EXPECT_FALSE(SkipTagEnd(buffer));
}

TEST(SettingsItems, ValuesInTextMode) {
    EXPECT_EQ(ReadAll("<settings><Extensions value=\"htm  html\"/>", "settings", "value"),
              Items({{"Extensions", "htm  html"}}));
    EXPECT_EQ(ReadAll("<settings><Extensions value=\"htm,\r\nhtml\"/>", "settings", "value"),
              Items({{"Extensions", "htm, html"}}));
    EXPECT_EQ(ReadAll("<settings><A value=\"caf&eacute; &lt;x&gt;\"></A>", "settings", "value"),
              Items({{"A", "caf\xE9 <x>"}}));
    // A &quot; standing alone is a one-character word that closes the value; inside
    // a word it is part of the word.
    EXPECT_EQ(ReadAll("<settings><A value=\"x &quot; y\"/><B value=\"z\"/>", "settings", "value"),
              Items({{"A", "x "}, {"B", "z"}}));
    EXPECT_EQ(ReadAll("<settings><A value=\"x&quot;y\"/>", "settings", "value"),
              Items({{"A", "x\"y"}}));
    EXPECT_EQ(ReadAll("<settings><A  value = \"64\" >", "settings", "value"), Items({{"A", "64"}}));
}

TEST(SettingsItems, ValuesInNumericMode) {
    EXPECT_EQ(ReadAll("<tags><b rating=\" -12 \"/><i rating=\"1.5\"/><u rating=\"&nbsp;-5x\"/>",
                      "tags", "rating", TValueMode::Numeric),
              Items({{"b", "-12"}, {"i", "1.5"}, {"u", "-5"}}));
}

TEST(SettingsItems, TheItemLoopSkipsWhatItCannotRead) {
    const std::string file = "<!-- <NotAnItem value=\"before the root\"/> -->\n"
                             "<settings>\n"
                             "  <Extensions id=\"1\" value=\"htm\"/>\n"
                             "  <single value='x'/>\n"
                             "  <!-- <Commented value=\"1\"/> -->\n"
                             "  <Nested><Inner value=\"2\"/></Nested>\n"
                             "</settings>\n"
                             "<After value=\"3\"/>\n"
                             "<Twice value=\"a\"/><Twice value=\"b\"/>\n"
                             "<Open value=\"never closed";
    // Single quotes delimit nothing, so "single" takes the next double-quoted text;
    // "Nested" has no attribute and its first word, Inner, is taken as one.
    EXPECT_EQ(ReadAll(file, "settings", "value"),
              Items({{"single", "1"}, {"After", "3"}, {"Twice", "a"}, {"Twice", "b"}}));
}

TEST(SettingsItems, NoRootOrNoFileGivesNoItems) {
    EXPECT_TRUE(ReadAll("<tags><b rating=\"1\"/></tags>", "settings", "value").empty());
    bool called = false;
    EXPECT_FALSE(
        ReadSettingsFile("/nonexistent/set.xml", "settings", "value", TValueMode::Text,
                         [&called](const std::string&, const std::string&) { called = true; }));
    EXPECT_FALSE(called);
}

TEST(SettingsItems, ReadItemValueReportsWhyItStopped) {
    std::string value = "old";
    TFileBuffer other = BufferOf(" id=\"1\" value=\"2\"");
    EXPECT_EQ(ReadItemValue(other, "value", TValueMode::Text, value), TItemValue::OtherAttribute);
    TFileBuffer cut = BufferOf(" value=\"2");
    EXPECT_EQ(ReadItemValue(cut, "value", TValueMode::Text, value), TItemValue::EndOfData);
    EXPECT_EQ(value, "");
    TFileBuffer noQuote = BufferOf(" value=2");
    EXPECT_EQ(ReadItemValue(noQuote, "value", TValueMode::Text, value), TItemValue::EndOfData);
    TFileBuffer caseDiffers = BufferOf(" Value=\"2\"");
    EXPECT_EQ(ReadItemValue(caseDiffers, "value", TValueMode::Text, value),
              TItemValue::OtherAttribute);
}
