// sitevane-cli index over every file of the bundled example site and over a
// mixed folder of real documents: every call succeeds (in the sanitizer build
// too) and leaves no temporary page behind.
#include "support/cli_run.h"
#include "support/doc_pages.h"
#include "support/doc_pdfs.h"
#include "support/scratch_folder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Indexes each file as a link of engine; answers the links' JSON.
std::vector<nlohmann::json> IndexAll(const std::vector<std::string>& files,
                                     const std::string& engine) {
    ScratchFolder temporary;
    ScopedEnvironment tmpdir("TMPDIR", temporary.Path());
    std::vector<nlohmann::json> links;
    for (const std::string& file : files) {
        const CliResult run =
            RunCli("--setup '" + CliFolder() + "' index '" + file + "' '" + engine + "'");
        EXPECT_EQ(run.Status, 0) << file;
        if (run.Status == 0) {
            links.push_back(nlohmann::json::parse(run.Output));
        }
    }
    EXPECT_TRUE(fs::is_empty(temporary.Path())) << "a temporary page was left behind";
    return links;
}

} // namespace

TEST(CliIndex, EveryFileOfTheExampleSite) {
    const std::string site = EXAMPLE_SITE;
    const std::vector<std::string> files = FilesBelow(site);
    ASSERT_GE(files.size(), 30u);
    const std::vector<nlohmann::json> links = IndexAll(files, site + "/svxdb.js");
    ASSERT_EQ(links.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(links[i]["url"], files[i].substr(site.size() + 1));
        if (files[i].size() > 5 && files[i].compare(files[i].size() - 5, 5, ".html") == 0) {
            EXPECT_NE(links[i]["caption"], "") << files[i];
            EXPECT_FALSE(links[i]["keywords"].empty()) << files[i];
        }
    }
    const auto byUrl = [&](const std::string& url) {
        return *std::find_if(links.begin(), links.end(),
                             [&](const nlohmann::json& link) { return link["url"] == url; });
    };
    EXPECT_EQ(byUrl("racing/regatta.html")["category"], 2);
    EXPECT_EQ(byUrl("media/start-signal.mp3")["caption"], "Harbour Lights - Start Signal");
    EXPECT_EQ(byUrl("racing/race-officer.rtf")["caption"], "");
    EXPECT_FALSE(byUrl("club/handbook.pdf")["keywords"].empty());
    // The footer and the navigation stand between svxnoindex comments.
    for (const nlohmann::json& link : links) {
        EXPECT_EQ(std::count(link["keywords"].begin(), link["keywords"].end(), "registered"), 0)
            << link["url"];
    }
}

TEST(CliIndex, AMixedFolderOfRealDocuments) {
    ScratchFolder folder;
    std::vector<std::string> files;
    const std::vector<std::string> pages = HtmlFilesBelow(DocPackages()[1].Folder);
    files.insert(files.end(), pages.begin(),
                 pages.begin() + std::min<std::size_t>(pages.size(), 60));
    for (const std::string& pdf : DocumentationPdfs(folder.Path(), 12)) {
        if (fs::file_size(pdf) < (2u << 20)) {
            files.push_back(pdf);
        }
    }
    for (const std::string& rtf : FilesBelow(RTF_CORPUS)) {
        if (rtf.compare(rtf.size() - 4, 4, ".rtf") == 0) {
            files.push_back(rtf);
        }
    }
    const std::string mp3 = std::string(EXAMPLE_SITE) + "/media/start-signal.mp3";
    for (const char* name : {"a.mp3", "b c.MP3"}) {
        fs::copy_file(mp3, folder.Path() + name);
        files.push_back(folder.Path() + name);
    }
    ASSERT_GE(files.size(), 90u);
    const std::vector<nlohmann::json> links = IndexAll(files, "/usr/share/doc/svx.html");
    EXPECT_EQ(links.size(), files.size());
}
