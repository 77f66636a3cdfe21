// A scan and an update of a real documentation tree (HTML pages with PDFs,
// RTFs and MP3s mixed in) give the same engine database whether the rating
// settings are read once or for every file and whether pages are analysed on
// worker threads or one by one; and an edited words.xml counts at the next scan.
#include "app/app_settings.h"
#include "app/application.h"
#include "indexer/rating_cache.h"
#include "indexer/site_scan.h"
#include "platform/files.h"
#include "support/mixed_site.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

class Quiet : public ScanObserver {
  public:
    void FileStarted(const std::string&) override {}
    void PageNotFound(const std::string&) override {}
};

class ScanOptionsTest : public ::testing::Test {
  protected:
    ScanOptionsTest() {
        AppSettings = TAppSettings();
        AppSettings.SetupDir = Folder.Path() + "setup/";
        CreateFolders(AppSettings.SetupDir);
        for (const char* name : {"tags.xml", "words.xml", "set.xml"}) {
            EXPECT_TRUE(CopyFile(ExecutableFolder() + name, AppSettings.SetupDir + name, false));
        }
        AppSettings.Extensions = DefaultExtensions;
        SplitExtensionList();
        Site = MakeMixedSite(Folder.Path(), RTF_CORPUS,
                             std::string(EXAMPLE_SITE) + "/media/start-signal.mp3", {"a.mp3"}, 0);
        EngineFileName = Site + "svxdb.js";
        Cat = std::make_unique<TCat>();
        StopRequested = false;
    }

    // The database block the engine file would hold after the run.
    std::string Scanned(const TScanOptions& options, bool update = false) {
        Base = std::make_unique<TBase>();
        Quiet observer;
        ScanFolder(Site, 2, true, false, observer, options);
        if (update) {
            UpdateLinks(observer, options);
        }
        const std::string path = Folder.Path() + "database.txt";
        OutputFile file;
        EXPECT_TRUE(file.Create(path) && Base->WriteToFile(file) && file.Close());
        std::string text;
        ReadWholeFile(path, text);
        return text;
    }

    ScratchFolder Folder;
    std::string Site;
};

const TScanOptions AsBefore{false, 0};

TEST_F(ScanOptionsTest, SettingsCacheAndWorkersChangeNoByte) {
    const std::string reference = Scanned(AsBefore);
    ASSERT_GT(Base->Count(), 1000);
    EXPECT_EQ(Scanned({true, 3}), reference);
    // Deep enough to rate whole pages, where most of the work is.
    AppSettings.IndexDepthLimit = 1 << 20;
    const std::string deep = Scanned(AsBefore, true);
    EXPECT_NE(deep, reference);
    EXPECT_EQ(Scanned({true, 2}, true), deep);
}

TEST_F(ScanOptionsTest, AnEditedWordsFileCountsAtTheNextScan) {
    const std::string before = Scanned({});
    // Every word of the first page's keywords becomes a stop word.
    std::string words;
    ReadWholeFile(AppSettings.SetupDir + "words.xml", words);
    std::string group = "<group rating=\"-100\">";
    for (const std::string& keyword : Base->LinkAt(0).Keywords) {
        group += keyword + " ";
    }
    words.insert(words.rfind("</words>"), group + "</group>\n");
    WriteWholeFile(AppSettings.SetupDir + "words.xml", words);

    const std::string after = Scanned({});
    EXPECT_NE(after, before);
    EXPECT_EQ(after, Scanned(AsBefore));
}

TEST_F(ScanOptionsTest, TheSettingsOfARunFollowAnEditedFile) {
    TRatingCache ratings;
    ASSERT_EQ(ratings.Rating().KeysCount, 30);
    std::string set;
    ReadWholeFile(AppSettings.SetupDir + "set.xml", set);
    const std::string key = "<KeysCount value=\"30\"/>";
    ASSERT_NE(set.find(key), std::string::npos);
    set.replace(set.find(key), key.size(), "<KeysCount value=\"7\"/>");
    WriteWholeFile(AppSettings.SetupDir + "set.xml", set);
    std::this_thread::sleep_for(2 * TRatingCache::CheckInterval);
    EXPECT_EQ(ratings.Rating().KeysCount, 7);
}

} // namespace
