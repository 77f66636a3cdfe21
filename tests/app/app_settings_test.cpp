#include "app/app_settings.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

// Runs LoadSetXml on a set.xml with the given items inside its root.
std::int32_t DepthLimitOf(const std::string& items, std::string* extensions = nullptr) {
    ScratchFolder folder;
    folder.Write("set.xml", "<?xml version=\"1.0\"?>\n<settings>\n" + items + "\n</settings>\n");
    AppSettings = TAppSettings();
    AppSettings.SetupDir = folder.Path();
    AppSettings.Extensions = "unchanged";
    LoadSetXml();
    if (extensions) {
        *extensions = AppSettings.Extensions;
    }
    return AppSettings.IndexDepthLimit;
}

Strings Split(const std::string& text) {
    AppSettings.Extensions = text;
    AppSettings.ExtensionList = {"stale"};
    SplitExtensionList();
    return AppSettings.ExtensionList;
}

} // namespace

TEST(SetXml, IndexDepthLimitIsGivenInKilobytes) {
    EXPECT_EQ(DepthLimitOf("<IndexDepthLimit value=\"64\"/>"), 65536);
    EXPECT_EQ(DepthLimitOf("<IndexDepthLimit value=\"2\"></IndexDepthLimit>"), 2048);
    EXPECT_EQ(DepthLimitOf("<IndexDepthLimit  value = \" 8 \" >"), 8192);
    EXPECT_EQ(DepthLimitOf("<IndexDepthLimit value=\"1\"/><IndexDepthLimit value=\"3\"/>"), 3072);
    EXPECT_EQ(DepthLimitOf(""), 1024);
}

TEST(SetXml, NamesAreCaseSensitiveButTheRootIsNot) {
    std::string extensions;
    EXPECT_EQ(
        DepthLimitOf("<indexdepthlimit value=\"64\"/><extensions value=\"htm\"/>", &extensions),
        1024);
    EXPECT_EQ(extensions, "unchanged");
    DepthLimitOf("<Extensions value=\"htm  html\"/>", &extensions);
    EXPECT_EQ(extensions, "htm  html");

    ScratchFolder folder;
    folder.Write("set.xml", "<SETTINGS><IndexDepthLimit value=\"4\"/></SETTINGS>");
    AppSettings.SetupDir = folder.Path();
    LoadSetXml();
    EXPECT_EQ(AppSettings.IndexDepthLimit, 4096);
}

TEST(SetXml, ALimitThatIsNoWholeNumberKeepsTheDefault) {
    for (const char* value : {"1.5", "abc", "", "2097152", "-2097152", "99999999999"}) {
        EXPECT_EQ(DepthLimitOf(std::string("<IndexDepthLimit value=\"") + value + "\"/>"), 1024)
            << value;
    }
    EXPECT_EQ(DepthLimitOf("<IndexDepthLimit value=\"2097151\"/>"), 2097151 * 1024);
}

TEST(SetXml, MissingFileOrRootLeavesTheDefaults) {
    AppSettings = TAppSettings();
    AppSettings.SetupDir = "/nonexistent/";
    AppSettings.IndexDepthLimit = 5;
    AppSettings.Extensions = "kept";
    LoadSetXml();
    EXPECT_EQ(AppSettings.IndexDepthLimit, 1024);
    EXPECT_EQ(AppSettings.Extensions, "kept");

    ScratchFolder folder;
    folder.Write("set.xml", "<Extensions value=\"htm\"/>");
    AppSettings.SetupDir = folder.Path();
    LoadSetXml();
    EXPECT_EQ(AppSettings.Extensions, "kept");
}

TEST(ExtensionList, ItemsAreRunsOfLettersAndDigits) {
    EXPECT_EQ(Split(DefaultExtensions), Strings({"html", "htm", "shtml", "phtml", "php", "asp",
                                                 "jsp", "txt", "asc", "pdf", "rtf", "mp3", "m3u"}));
    EXPECT_EQ(Split("HTML;htm ,, txt"), Strings({"HTML", "htm", "txt"}));
    EXPECT_EQ(Split("html, htm, "), Strings({"html", "htm"}));
    EXPECT_EQ(Split(""), Strings());
    // Windows-1252 letters belong to items; the multiplication sign does not.
    EXPECT_EQ(Split("d\xE9j\xE0,x\xD7y, \x8A"
                    "ab\xB5"),
              Strings({"d\xE9j\xE0", "x", "y",
                       "\x8A"
                       "ab\xB5"}));
}
