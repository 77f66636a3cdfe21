#include "app/app_settings.h"
#include "app/application.h"
#include "indexer/site_scan.h"
#include "platform/files.h"
#include "platform/integer_text.h"
#include "support/scratch_folder.h"

#include <algorithm>
#include <dirent.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using Strings = std::vector<std::string>;

class Recorder : public ScanObserver {
  public:
    Strings Started;
    Strings NotFound;
    std::string StopAt; // the file whose start presses Stop

    void FileStarted(const std::string& path) override {
        Started.push_back(path);
        if (path == StopAt) {
            StopRequested = true;
        }
    }
    void PageNotFound(const std::string& url) override { NotFound.push_back(url); }
};

class SiteScanTest : public ::testing::Test {
  protected:
    SiteScanTest() {
        Folder.Write("setup/tags.xml", "<tags/>");
        AppSettings = TAppSettings();
        AppSettings.SetupDir = Folder.Path() + "setup/";
        AppSettings.Extensions = DefaultExtensions;
        SplitExtensionList();
        Cat = std::make_unique<TCat>();
        Base = std::make_unique<TBase>();
        Site = Folder.Path() + "site/";
        CreateFolders(Site);
        EngineFileName = Site + "svx.html";
        StopRequested = false;
    }

    Strings Urls() const {
        Strings urls;
        for (std::int32_t i = 0; i < Base->Count(); ++i) {
            urls.push_back(Base->GetLink(i).URL);
        }
        return urls;
    }

    // The names of a folder in the order the file system lists them.
    static Strings SystemOrder(const std::string& folder) {
        Strings names;
        DIR* dir = ::opendir(folder.c_str());
        while (const dirent* item = ::readdir(dir)) {
            const std::string name = item->d_name;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        }
        ::closedir(dir);
        return names;
    }

    ScratchFolder Folder;
    std::string Site;
    Recorder Observer;
};

} // namespace

TEST_F(SiteScanTest, FilesOfListedTypesInFileSystemOrder) {
    for (const char* name : {"b.html", "a.htm", "PAGE.HTM", "notes", "style.css", "c.txt"}) {
        Folder.Write(std::string("site/") + name, "<title>t</title>");
    }
    CreateFolders(Site + "old.html");
    ScanFolder(Site, 4, false, false, Observer);
    Strings expected;
    for (const std::string& name : SystemOrder(Site)) {
        if (name != "notes" && name != "style.css" && name != "old.html") {
            expected.push_back(name);
        }
    }
    EXPECT_EQ(Urls(), expected);
    for (std::int32_t i = 0; i < Base->Count(); ++i) {
        EXPECT_EQ(Base->GetLink(i).Category, 4);
    }
}

TEST_F(SiteScanTest, RecursionAndExistingFiles) {
    Folder.Write("site/top.html", "<title>top</title><meta name=\"category code\" content=\"9\">");
    Folder.Write("site/sub/inner.html", "");
    Folder.Write("site/sub/deeper/deep.txt", "");
    ScanFolder(Site, 1, false, false, Observer);
    EXPECT_EQ(Urls(), Strings({"top.html"}));
    EXPECT_EQ(Base->GetLink(0).Category, 1); // the scan's category wins over the page's
    ScanFolder(Site, 1, true, false, Observer);
    Strings all = Urls();
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, Strings({"sub/deeper/deep.txt", "sub/inner.html", "top.html"}));
    ScanFolder(Site, 1, true, true, Observer);
    EXPECT_EQ(Base->Count(), 6);

    Base->Clear();
    TBaseRecord link;
    link.URL = "Top.html"; // another case: not the same file
    Base->Add(link);
    ScanFolder(Site, 1, false, false, Observer);
    EXPECT_EQ(Urls(), Strings({"Top.html", "top.html"}));
}

TEST_F(SiteScanTest, TheEngineAndItsSearchPageAreNoPagesOfTheSite) {
    EngineFileName = Site + "svxdb.js";
    for (const char* name : {"svxdb.js", "search.html", "page.html", "sub/search.html"}) {
        Folder.Write(std::string("site/") + name, "<title>t</title>");
    }
    AppSettings.ExtensionList.push_back("js");
    ScanFolder(Site, 0, true, true, Observer);
    Strings urls = Urls();
    std::sort(urls.begin(), urls.end());
    EXPECT_EQ(urls, Strings({"page.html", "sub/search.html"}));

    // An engine that is itself a page: only that page is left out.
    Base->Clear();
    EngineFileName = Site + "page.html";
    ScanFolder(Site, 0, false, false, Observer);
    urls = Urls();
    std::sort(urls.begin(), urls.end());
    EXPECT_EQ(urls, Strings({"search.html", "svxdb.js"}));
}

TEST_F(SiteScanTest, StopKeepsTheFileBeingIndexedAndNothingAfter) {
    for (const char* name : {"1.html", "2.html", "3.html", "4.html"}) {
        Folder.Write(std::string("site/") + name, "");
    }
    const Strings order = SystemOrder(Site);
    Observer.StopAt = Site + order[1];
    ScanFolder(Site, 0, false, false, Observer);
    EXPECT_EQ(Urls(), Strings({order[0], order[1]}));
}

TEST_F(SiteScanTest, SymbolicLinkCyclesAreWalkedOnce) {
    Folder.Write("site/a/page.html", "");
    ASSERT_EQ(::symlink((Site + "a").c_str(), (Site + "a/loop").c_str()), 0);
    ASSERT_EQ(::symlink(Site.c_str(), (Site + "a/up").c_str()), 0);
    ScanFolder(Site, 0, true, true, Observer);
    EXPECT_EQ(Urls(), Strings({"a/page.html"}));
}

TEST_F(SiteScanTest, AConversionErrorEndsTheScanKeepingEarlierLinks) {
    Folder.Write("site/a.html", "<meta name=\"category code\" content=\"x\">");
    Folder.Write("site/b.html", "");
    const Strings order = SystemOrder(Site);
    EXPECT_THROW(ScanFolder(Site, 0, false, false, Observer), ConversionError);
    EXPECT_EQ(Urls(), order[0] == "b.html" ? Strings({"b.html"}) : Strings());

    // A rating setting that is no whole number fails where a page is rated.
    Folder.Write("setup/words.xml", "<words/>");
    Folder.Write("setup/set.xml", "<settings><SiteWeight value=\"x\"/></settings>");
    CreateFolders(Folder.Path() + "empty/");
    EXPECT_NO_THROW(ScanFolder(Folder.Path() + "empty/", 0, false, false, Observer));
    EXPECT_THROW(ScanFolder(Site, 0, false, true, Observer), ConversionError);
}

TEST_F(SiteScanTest, UpdateReindexesLocalLinksInPlace) {
    Folder.Write("site/dir/a.html",
                 "<title>New title</title><meta name=\"category code\" content=\"5\">");
    Folder.Write("site/doc.rtf", "{\\rtf1 words}");
    const auto add = [](const std::string& url, std::int32_t category, Strings keywords = {}) {
        TBaseRecord link;
        link.URL = url;
        link.Category = category;
        link.Caption = "Old";
        link.Keywords = std::move(keywords);
        Base->Add(link);
    };
    add("https://example.org/x.html", 1);
    add("dir/a.html", 2);
    add("gone/page.html", 3);
    add("gone/kept.html", 3, {"news", "dont_update"});
    add("doc.rtf", 4);
    add("dir/a.html#top", 2);
    UpdateLinks(Observer);
    EXPECT_EQ(Observer.NotFound, Strings({"gone/page.html"}));
    EXPECT_EQ(Base->GetLink(0).Caption, "Old");
    EXPECT_EQ(Base->GetLink(1).Caption, "New title");
    EXPECT_EQ(Base->GetLink(1).Category, 2);
    EXPECT_EQ(Base->GetLink(2).Caption, "Old");
    EXPECT_EQ(Base->GetLink(3).Caption, "Old");
    EXPECT_EQ(Base->GetLink(4).Caption, "");
    EXPECT_EQ(Base->GetLink(4).Category, 4);
    EXPECT_EQ(Base->GetLink(5).Caption, "Old");
    EXPECT_EQ(Base->Count(), 6);
}

TEST_F(SiteScanTest, TheSiteWeightPrefersTheWordsThatTellPagesApart) {
    Folder.Write("setup/words.xml", "<words/>");
    // Every page names the harbour twice and one thing of its own once.
    for (const std::string word : {"anchor", "buoy", "cleat"}) {
        Folder.Write("site/" + word + ".html", "harbour harbour " + word);
    }
    Recorder observer;
    auto keywords = [&] {
        Strings first;
        for (std::int32_t i = 0; i < Base->Count(); ++i) {
            first.push_back(Base->LinkAt(i).Keywords.at(0));
        }
        std::sort(first.begin(), first.end());
        return first;
    };
    const std::string keys = "<settings><KeysCount value=\"1\"/><CountWeight value=\"100\"/>";
    Folder.Write("setup/set.xml", keys + "</settings>");
    ScanFolder(Site, 0, false, true, observer);
    EXPECT_EQ(keywords(), Strings(3, "harbour"));

    Folder.Write("setup/set.xml", keys + "<SiteWeight value=\"100\"/></settings>");
    Base = std::make_unique<TBase>();
    ScanFolder(Site, 0, false, true, observer);
    EXPECT_EQ(keywords(), Strings({"anchor", "buoy", "cleat"}));
    UpdateLinks(observer);
    EXPECT_EQ(keywords(), Strings({"anchor", "buoy", "cleat"}));

    // Links the run leaves alone count too: once three more links hold each
    // page's own word, the harbour is the rarer word again.
    for (const std::string site : {"a", "b", "c"}) {
        TBaseRecord web;
        web.URL = "http://" + site + ".example/";
        web.Keywords = {"anchor", "buoy", "cleat"};
        Base->Add(web);
    }
    UpdateLinks(observer);
    EXPECT_EQ(keywords(), Strings({"anchor", "anchor", "anchor", "harbour", "harbour", "harbour"}));
}

TEST(UrlToPath, UrlsBackToFiles) {
    EXPECT_EQ(UrlToPath("dir/a%20b.html", "/site/svx.html"), "/site/dir/a b.html");
    // An escape is the byte of its two hexadecimal digits; any other "%" stays.
    EXPECT_EQ(UrlToPath("a%41b%2B%2b.html", "/site/svx.html"), "/site/aAb++.html");
    EXPECT_EQ(UrlToPath("100%25%zz%4.html", "/site/svx.html"), "/site/100%%zz%4.html");
    EXPECT_EQ(UrlToPath("../up.html", "/site/search/svx.html"), "/site/search/../up.html");
    EXPECT_EQ(UrlToPath("C:\\other\\x.html", "/site/svx.html"), "C:\\other\\x.html");
    EXPECT_EQ(UrlToPath("tail%", "/site/svx.html"), "/site/tail%");
}
