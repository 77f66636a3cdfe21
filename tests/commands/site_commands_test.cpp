#include "app/app_settings.h"
#include "commands/site_commands.h"
#include "indexer/site_scan.h"
#include "window_fixture.h"

#include <algorithm>

namespace {

using Strings = std::vector<std::string>;

class SiteCommandsTest : public WindowTest {
  protected:
    void SetUp() override {
        AppSettings.ExtensionList = {"html", "txt"};
        Folder.Write("site/a.html", "<title>A</title>");
        Folder.Write("site/sub/b.html", "<title>B</title>");
        Folder.Write("site/skip.bin", "x");
    }

    // The URLs of the links from position first on, sorted.
    Strings AddedUrls(std::int32_t first) const {
        Strings urls;
        for (std::int32_t i = first; i < Base->Count(); ++i) {
            urls.push_back(Base->GetLink(i).URL);
        }
        std::sort(urls.begin(), urls.end());
        return urls;
    }
};

TEST_F(SiteCommandsTest, AddSiteRunsThroughItsDialogs) {
    OpenExample();
    Window->Run(Action::AddSite); // dialog cancelled
    EXPECT_EQ(Person.Dialogs, Strings{"Add Site"});
    EXPECT_TRUE(Person.Choosers.empty());

    Person.AddSiteFormScript = [](AddSiteForm& form) {
        EXPECT_EQ(form.Category.Items, (Strings{"News (0)", "Docs (1)", "Misc (2)"}));
        form.Category.Selected = 1;
        return true;
    };
    Window->Run(Action::AddSite); // folder chooser cancelled
    ASSERT_EQ(Person.Choosers.size(), 1u);
    EXPECT_EQ(Person.Choosers[0].Kind, "folder");
    EXPECT_EQ(Person.Choosers[0].Filter, "Select a site directory");
    EXPECT_EQ(Person.Choosers[0].Proposed, Folder.Path());
    EXPECT_EQ(Base->Count(), 4);
    EXPECT_TRUE(Window->EngineSaved());
    EXPECT_TRUE(Person.ProgressLog.empty());

    Person.ChosenPaths = {Folder.Path() + "site/"};
    Window->Run(Action::AddSite);
    EXPECT_EQ(AddedUrls(4), (Strings{"site/a.html", "site/sub/b.html"}));
    EXPECT_EQ(Base->GetLink(4).Category, 1);
    EXPECT_EQ(Person.ProgressLog.front(), "show");
    EXPECT_EQ(Person.ProgressLog.back(), "close");
    EXPECT_EQ(Person.ProgressLog.size(), 4u);
    EXPECT_FALSE(Window->EngineSaved());
    EXPECT_TRUE(StopRequested);
    EXPECT_FALSE(Window->Scanning());
}

TEST_F(SiteCommandsTest, StopAndCloseDuringAScan) {
    OpenExample();
    Folder.Write("site/c.txt", "c");
    Person.AddSiteFormScript = [](AddSiteForm&) { return true; };
    Person.ChosenPaths = {Folder.Path() + "site/"};
    int files = 0;
    Person.OnProcessEvents = [&] {
        // Commands and closing are refused while the scan runs; the first
        // request to close the progress window stops the scan instead.
        Window->Run(Action::EditClear);
        EXPECT_TRUE(Window->Scanning());
        EXPECT_FALSE(Window->ConfirmClose());
        if (++files == 2) {
            StopRequested = false;
            EXPECT_FALSE(ProgressMayClose());
            EXPECT_TRUE(StopRequested);
            EXPECT_TRUE(ProgressMayClose());
        } else {
            StopRequested = false; // the refused close above asked for a stop
        }
    };
    Window->Run(Action::AddSite);
    // The first ProcessEvents comes with the progress window, then one per file:
    // the file being shown when Stop came is still added, nothing after it.
    EXPECT_EQ(Base->Count(), 5);
    EXPECT_TRUE(Person.Questions.empty());
    EXPECT_FALSE(Window->EngineSaved());
    EXPECT_EQ(Person.ProgressLog.back(), "close");
}

TEST_F(SiteCommandsTest, UpdateWarnsAboutMissingPagesAndKeepsCategories) {
    OpenEmpty();
    Base->Add(MakeLink(3, "old", "site/a.html"));
    Base->Add(MakeLink(1, "gone", "site/gone.html"));
    Base->Add(MakeLink(2, "kept", "site/gone2.html", "", {"dont_update"}));
    Base->Add(MakeLink(0, "web", "http://example.com/a.html"));
    Window->Run(Action::UpdateBase);
    EXPECT_EQ(Base->GetLink(0).Caption, "A");
    EXPECT_EQ(Base->GetLink(0).Category, 3);
    EXPECT_EQ(Base->GetLink(1).Caption, "gone");
    ASSERT_EQ(Person.Messages.size(), 1u);
    EXPECT_EQ(Person.Messages[0].Text, "The page site/gone.html is not found.");
    EXPECT_EQ(Person.Messages[0].Caption, "Warning");
    EXPECT_EQ(Person.Messages[0].Icon, MessageIcon::Warning);
    EXPECT_EQ(Base->GetLink(3).Caption, "web");
    EXPECT_FALSE(Window->EngineSaved());
    EXPECT_EQ(Person.ProgressLog.back(), "close");
}

TEST_F(SiteCommandsTest, AThousandMissingPagesEndInOneStep) {
    const auto openWithMissingPages = [this] {
        OpenEmpty();
        for (int i = 0; i < 1000; ++i) {
            Base->Add(MakeLink(0, "gone", "site/gone" + std::to_string(i) + ".html"));
        }
        Base->Add(MakeLink(1, "old", "site/a.html"));
    };
    // Skip: one warning, then one offer listing every missing page.
    openWithMissingPages();
    Person.MissingPageChoices = {MissingPageChoice::SkipWarnings};
    Person.DeleteMissingLinks = true;
    Window->Run(Action::UpdateBase);
    EXPECT_EQ(Person.Messages.size(), 1u);
    ASSERT_EQ(Person.MissingLinkOffers.size(), 1u);
    EXPECT_EQ(Person.MissingLinkOffers[0].size(), 1000u);
    EXPECT_EQ(Person.MissingLinkOffers[0][999], "site/gone999.html");
    ASSERT_EQ(Base->Count(), 1); // the links of the missing pages went
    EXPECT_EQ(Base->GetLink(0).Caption, "A");
    EXPECT_EQ(Person.ProgressLog.back(), "close");

    // Stop at the second warning: the update ends there, nothing is offered.
    Person = ScriptedUi();
    openWithMissingPages();
    Person.MissingPageChoices = {MissingPageChoice::GoOn, MissingPageChoice::StopUpdate};
    Window->Run(Action::UpdateBase);
    EXPECT_EQ(Person.Messages.size(), 2u);
    EXPECT_TRUE(Person.MissingLinkOffers.empty());
    EXPECT_EQ(Base->GetLink(1000).Caption, "old");

    // Skip, then Stop pressed mid-way: the offer lists the pages met so far,
    // and keeping them keeps their links.
    Person = ScriptedUi();
    openWithMissingPages();
    Person.MissingPageChoices = {MissingPageChoice::SkipWarnings};
    int files = 0;
    Person.OnProcessEvents = [&files] { StopRequested = StopRequested || ++files == 300; };
    Window->Run(Action::UpdateBase);
    ASSERT_EQ(Person.MissingLinkOffers.size(), 1u);
    EXPECT_LT(Person.MissingLinkOffers[0].size(), 300u);
    EXPECT_EQ(Base->Count(), 1001);
}

TEST_F(SiteCommandsTest, AnErrorInAScanEndsItKeepingEarlierLinks) {
    Folder.Write("bad/a.html", "<meta name=\"category code\" content=\"x\">");
    OpenEmpty();
    Person.AddSiteFormScript = [](AddSiteForm&) { return true; };
    Person.ChosenPaths = {Folder.Path() + "bad/"};
    Window->Run(Action::AddSite);
    ASSERT_EQ(Person.Messages.size(), 1u);
    EXPECT_EQ(Person.Messages[0].Text, "'x' is not a valid integer value");
    EXPECT_EQ(Person.Messages[0].Caption, "Error");
    EXPECT_EQ(Person.ProgressLog.back(), "close");
    EXPECT_FALSE(Window->Scanning());
    EXPECT_FALSE(Window->EngineSaved());
}

TEST_F(SiteCommandsTest, BatchUpdateSavesAndKeepsTheWindowOpen) {
    const std::string engine =
        Folder.Write("svxdb.js", "//Settings\r\nvar ln=new Array(\r\n  '0+old+site/a.html'\r\n);"
                                 "\r\n//DatabaseEnd\r\n");
    Window->HandleCommandLine({engine, "UpDate"});
    EXPECT_NE(Content(engine).find("'0+A+site/a.html'"), std::string::npos);
    EXPECT_TRUE(Window->EngineSaved());
    EXPECT_EQ(Person.Caption, engine + " - Brimlow Sitevane");
    EXPECT_EQ(Person.CloseRequests, 0);
}

TEST_F(SiteCommandsTest, BatchAddSiteWithItsFourArguments) {
    OpenEmpty();
    const std::string engine = EngineFileName;
    // Sub-folders only with exactly "y"; the dialog runs afterwards; then the save.
    Window->HandleCommandLine({engine, "ADDSITE", Folder.Path() + "site/", "2", "Y", "n"});
    EXPECT_EQ(AddedUrls(0), Strings{"site/a.html"});
    EXPECT_EQ(Base->GetLink(0).Category, 2);
    EXPECT_EQ(Person.Dialogs, Strings{"Add Site"});
    EXPECT_NE(Content(engine).find("'2+A+site/a.html'"), std::string::npos);
    EXPECT_TRUE(Window->EngineSaved());

    Window->HandleCommandLine({engine, "addsite", Folder.Path() + "site/", "1", "y", "n"});
    EXPECT_EQ(AddedUrls(1), Strings{"site/sub/b.html"}); // a.html has its link already
    Window->HandleCommandLine({engine, "addsite", Folder.Path() + "site/", "1", "y", "y"});
    EXPECT_EQ(AddedUrls(2), (Strings{"site/a.html", "site/sub/b.html"}));

    // The path is cut after its last separator: "site" names the folder above.
    Window->HandleCommandLine({engine, "addsite", Folder.Path() + "site", "0", "n", "y"});
    EXPECT_EQ(Base->Count(), 4); // the engine folder has no listed file of its own
}

TEST_F(SiteCommandsTest, BatchAddSiteWithABadCategoryStopsThere) {
    OpenEmpty();
    const std::string saved = Content(EngineFileName);
    Window->HandleCommandLine(
        {EngineFileName, "addsite", Folder.Path() + "site/", "two", "y", "y"});
    ASSERT_EQ(Person.Messages.size(), 1u);
    EXPECT_EQ(Person.Messages[0].Text, "'two' is not a valid integer value");
    EXPECT_EQ(Person.ProgressLog, (Strings{"show", "close"}));
    EXPECT_TRUE(Person.Dialogs.empty());
    EXPECT_EQ(Content(EngineFileName), saved);

    // Other argument counts and words run no batch mode.
    Person.ProgressLog.clear();
    Window->HandleCommandLine({EngineFileName, "addsite", Folder.Path() + "site/"});
    Window->HandleCommandLine({EngineFileName, "scan"});
    EXPECT_TRUE(Person.ProgressLog.empty());
    EXPECT_TRUE(Person.Dialogs.empty());
}

} // namespace
