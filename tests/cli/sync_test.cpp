// sitevane-cli sync as a site's build runs it: new files added, changed ones
// indexed again, links to deleted files dropped, damaged files skipped with
// their reason, and --dry-run leaving the engine as it was.
#include "platform/files.h"
#include "support/cli_run.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

class CliSync : public ::testing::Test {
  protected:
    void SetUp() override {
        Folder.Write("site/a.html", "<title>Anchor</title>anchor chain");
        Folder.Write("site/b.html", "<title>Buoy</title>buoy");
        Folder.Write("site/bad.rtf", "{\\rtf1 \\'zz}");
        Folder.Write("site/short.mp3", "ID3");
        Engine =
            Folder.Write("site/svxdb.js", "<script>\n//Settings\n"
                                          "var ln=new Array('0+Web+https://example.org/x.html',"
                                          "'0+Kept+kept.html','0+Gone+gone.html');\n"
                                          "var ds=new Array('','','');\n"
                                          "var kw=new Array('','dont_update','');\n"
                                          "//DatabaseEnd\n</script>");
    }

    CliResult Sync(const std::string& options) {
        return RunCli("--setup '" + CliFolder() + "' sync '" + Engine + "' '" + Folder.Path() +
                      "site' 2 --json " + options);
    }

    ScratchFolder Folder;
    std::string Engine;
};

} // namespace

TEST_F(CliSync, AddsUpdatesRemovesAndSkipsDamagedFiles) {
    const std::string before = FileContent(Engine);
    const CliResult dry = Sync("--dry-run");
    EXPECT_EQ(dry.Status, 3);
    EXPECT_EQ(FileContent(Engine), before);

    const CliResult first = Sync("");
    ASSERT_EQ(first.Status, 3);
    const auto counts = nlohmann::json::parse(first.Output);
    auto dryCounts = nlohmann::json::parse(dry.Output);
    EXPECT_EQ(dryCounts["saved"], false);
    dryCounts["saved"] = true;
    EXPECT_EQ(counts, dryCounts); // the dry run counted what the run did
    EXPECT_EQ(counts["added"], 2);
    EXPECT_EQ(counts["removed"], 1); // gone.html; the dont_update and web links stay
    EXPECT_EQ(counts["unchanged"], 2);
    EXPECT_EQ(counts["failed"], 2);
    EXPECT_EQ(counts["failures"][0]["path"], Folder.Path() + "site/bad.rtf");
    EXPECT_EQ(counts["failures"][0]["reason"], "'$zz' is not a valid integer value");

    DeleteFile(Folder.Path() + "site/bad.rtf");
    DeleteFile(Folder.Path() + "site/short.mp3");
    DeleteFile(Folder.Path() + "site/a.html");
    Folder.Write("site/b.html", "<title>Buoy and bell</title>buoy bell");
    const CliResult second = Sync("");
    ASSERT_EQ(second.Status, 0);
    const auto again = nlohmann::json::parse(second.Output);
    EXPECT_EQ(again["added"], 0);
    EXPECT_EQ(again["updated"], 1);
    EXPECT_EQ(again["removed"], 1);
    EXPECT_EQ(again["unchanged"], 2);
    const auto links = nlohmann::json::parse(
        RunCli("--setup '" + CliFolder() + "' dump '" + Engine + "'").Output)["links"];
    ASSERT_EQ(links.size(), 3u);
    EXPECT_EQ(links[2]["caption"], "Buoy and bell");
    EXPECT_EQ(links[2]["category"], 2);
}

TEST_F(CliSync, AnEngineThatCannotBeSavedEndsWithStatusOne) {
    WriteWholeFile(Engine, "<html>no database here</html>");
    DeleteFile(Folder.Path() + "site/bad.rtf");
    EXPECT_EQ(Sync("").Status, 1);
}
