// sitevane-cli addsite over a real documentation tree of more than 1,000 HTML
// pages with PDFs, RTFs and MP3s mixed in: every file of an indexed type gets
// one link, and a second run that skips existing files adds nothing (captions
// with "+" keep their links' addresses). Files no scan may read are bounded.
#include "support/cli_run.h"
#include "support/mixed_site.h"
#include "support/scratch_folder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <nlohmann/json.hpp>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(CliAddSite, ARealTreeGetsOneLinkPerIndexedFile) {
    ScratchFolder folder;
    const std::string site =
        MakeMixedSite(folder.Path(), RTF_CORPUS,
                      std::string(EXAMPLE_SITE) + "/media/start-signal.mp3", {"a.mp3", "B.MP3"});
    std::size_t indexed = 0;
    const std::set<std::string> listed = {".html",  ".htm",   ".txt", ".pdf", ".rtf",
                                          ".mp3",   ".m3u",   ".php", ".asp", ".jsp",
                                          ".shtml", ".phtml", ".asc"};
    for (const auto& entry : fs::recursive_directory_iterator(site)) {
        std::string extension = entry.path().extension().string();
        for (char& c : extension) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        indexed += entry.is_regular_file() && listed.count(extension) ? 1 : 0;
    }
    ASSERT_GE(indexed, 1000u);

    const std::string engine =
        folder.Write("site/svxdb.js", "<script>\n//Settings\n//DatabaseEnd\n</script>");
    const std::string setup = "--setup '" + CliFolder() + "' ";
    ASSERT_EQ(RunCli(setup + "addsite '" + engine + "' '" + site + "' 3 --recurse").Status, 0);
    const auto links =
        nlohmann::json::parse(RunCli(setup + "dump '" + engine + "'").Output)["links"];
    std::set<std::string> urls;
    for (const auto& link : links) {
        urls.insert(link["url"].get<std::string>());
        EXPECT_EQ(link["category"], 3);
    }
    EXPECT_EQ(urls.size(), indexed);
    EXPECT_EQ(links.size(), indexed);

    ASSERT_EQ(RunCli(setup + "addsite '" + engine + "' '" + site + "' 3 --recurse").Status, 0);
    EXPECT_EQ(nlohmann::json::parse(RunCli(setup + "dump '" + engine + "'").Output)["links"].size(),
              indexed);
}

TEST(CliAddSite, PipesHugeFilesAndEndlessWordsAreBounded) {
    ScratchFolder folder;
    folder.Write("site/a.html", "<title>A</title>harbour " + std::string(500, 'w'));
    const std::string huge = folder.Write("site/huge.html", "");
    ASSERT_EQ(::truncate(huge.c_str(), 2200000000LL), 0); // sparse: nothing is written
    ASSERT_EQ(::mkfifo((folder.Path() + "site/pipe.html").c_str(), 0600), 0);
    const std::string engine =
        folder.Write("site/svxdb.js", "<script>\n//Settings\n//DatabaseEnd\n</script>");
    const std::string setup = "--setup '" + CliFolder() + "' ";
    const CliResult scan =
        RunCli(setup + "addsite '" + engine + "' '" + folder.Path() + "site' 0", true);
    EXPECT_EQ(scan.Status, 0);
    EXPECT_EQ(scan.Output.find("1 links added, 2 files skipped"), 0u) << scan.Output;
    const auto links =
        nlohmann::json::parse(RunCli(setup + "dump '" + engine + "'").Output)["links"];
    ASSERT_EQ(links.size(), 1u);
    const auto& keywords = links[0]["keywords"];
    EXPECT_NE(std::find(keywords.begin(), keywords.end(), "harbour"), keywords.end());
    for (const auto& keyword : keywords) {
        EXPECT_LE(keyword.get<std::string>().size(), 64u);
    }

    // The linked page becomes a pipe: the update leaves its link alone.
    fs::remove(folder.Path() + "site/a.html");
    ASSERT_EQ(::mkfifo((folder.Path() + "site/a.html").c_str(), 0600), 0);
    EXPECT_EQ(RunCli(setup + "update '" + engine + "'").Status, 0);
    EXPECT_EQ(nlohmann::json::parse(RunCli(setup + "dump '" + engine + "'").Output)["links"],
              links);
}
