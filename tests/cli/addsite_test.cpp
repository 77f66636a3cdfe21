// sitevane-cli addsite over a real documentation tree of more than 1,000 HTML
// pages with PDFs, RTFs and MP3s mixed in: every file of an indexed type gets
// one link, and a second run that skips existing files adds nothing but the
// links the engine file could not keep: a "+" in a caption moves the rest of
// the caption into the URL when the file is read back (a loss of the format).
#include "support/cli_run.h"
#include "support/mixed_site.h"
#include "support/scratch_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <nlohmann/json.hpp>
#include <set>

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
    std::size_t moved = 0;
    for (const auto& link : links) {
        if (link["url"] != "") {
            urls.insert(link["url"].get<std::string>());
            EXPECT_EQ(link["category"], 3);
            moved += link["url"].get<std::string>().find('+') != std::string::npos ? 1 : 0;
        }
    }
    EXPECT_EQ(urls.size(), indexed);
    EXPECT_EQ(links.size(), indexed);

    ASSERT_EQ(RunCli(setup + "addsite '" + engine + "' '" + site + "' 3 --recurse").Status, 0);
    std::cout << moved << " of " << indexed
              << " links lost their address to a \"+\" in their caption\n";
    EXPECT_EQ(nlohmann::json::parse(RunCli(setup + "dump '" + engine + "'").Output)["links"].size(),
              indexed + moved);
}
