#include "app/app_settings.h"
#include "app/engine_encoding.h"
#include "commands/engine_file.h"
#include "platform/files.h"
#include "support/fake_programs.h"
#include "window_fixture.h"

#include <cerrno>
#include <cstring>

namespace {

TEST_F(WindowTest, StartsWithoutAnEngine) {
    EXPECT_EQ(Person.Caption, "Brimlow Sitevane");
    EXPECT_EQ(Person.HintPanel, "For help press F1");
    EXPECT_EQ(Person.ChangedPanel, "");
    EXPECT_FALSE(Person.DocumentCommandsEnabled);
    EXPECT_FALSE(Person.CategoriesChecked);
    EXPECT_TRUE(Window->EngineSaved());

    // Document commands do nothing until an engine file is loaded; others run.
    Window->HandleCommandLine({});
    Window->Run(Action::FileSave);
    Window->Run(Action::EditClear);
    Window->Run(Action::ViewCat);
    EXPECT_TRUE(Person.Messages.empty());
    EXPECT_TRUE(Person.Questions.empty());
    EXPECT_FALSE(Window->ViewAsCategories());
    Window->Run(Action::HelpAbout);
    EXPECT_EQ(Person.Dialogs, std::vector<std::string>{"About the Program"});
}

TEST_F(WindowTest, CommandLineOpensTheEngine) {
    OpenExample();
    EXPECT_EQ(Person.Caption, EngineFileName + " - Brimlow Sitevane");
    EXPECT_EQ(EngineFileName, Folder.Path() + "svxdb.js");
    EXPECT_EQ(Person.HintPanel, "Press \"Ins\" to add new link or category");
    EXPECT_TRUE(Person.DocumentCommandsEnabled);
    EXPECT_TRUE(Window->EngineSaved());
    EXPECT_EQ(CategoryNames(), "News Docs Misc");
    EXPECT_EQ(LinkUrls(), "index.html news/a.html docs/g.html news/b.html");
    EXPECT_GT(Person.Refreshes, 0);
}

TEST_F(WindowTest, BadCommandLineFilesLeaveTheWindowUsable) {
    // A missing file: its path in the caption, empty lists, and a later save
    // fails with the message and leaves the state as it was.
    Window->HandleCommandLine({Folder.Path() + "missing/svxdb.js"});
    EXPECT_EQ(Person.Caption, Folder.Path() + "missing/svxdb.js - Brimlow Sitevane");
    EXPECT_EQ(Base->Count() + Cat->Count(), 0);
    Window->Run(Action::FileSave);
    ASSERT_EQ(Person.Messages.size(), 1u);
    EXPECT_EQ(Person.Messages[0].Text, "Cannot rename file. Saving was not completed.\n" +
                                           Folder.Path() +
                                           "missing/svxdb.js: " + std::strerror(ENOENT));

    // A file that is no engine: empty lists, and a warning that says so.
    Person.Messages.clear();
    const std::string photo = Folder.Write("photo.js", std::string("\xFF\xD8\0\0JFIF", 8));
    Window->HandleCommandLine({photo});
    EXPECT_EQ(Base->Count() + Cat->Count(), 0);
    ASSERT_EQ(Person.Messages.size(), 1u);
    EXPECT_EQ(Person.Messages[0].Text, std::string(NoDatabaseMessage) + "\n" + photo);
    EXPECT_EQ(Person.Messages[0].Caption, "Warning");
    EXPECT_EQ(EngineFileName, photo);
    Person.Messages.clear();

    // A category number that is not a number costs that number only.
    Window->HandleCommandLine({Folder.Write(
        "bad.js", "//Settings\r\nvar ln=new Array(\r\n  'x+A+a.html'\r\n);\r\n//DatabaseEnd")});
    ASSERT_EQ(Person.Messages.size(), 1u);
    EXPECT_EQ(Person.Messages[0].Text,
              "'x' is not a valid integer value (link 1)\nThe link was given category 0.");
    EXPECT_EQ(Person.Messages[0].Caption, "Warning");
    EXPECT_EQ(Base->GetLink(0), MakeLink(0, "A", "a.html"));
}

TEST_F(WindowTest, LinkViewDeleteAndClearAskFirst) {
    OpenExample();
    Select(1);
    Window->Run(Action::EditDelete); // No
    EXPECT_EQ(Base->Count(), 4);
    EXPECT_TRUE(Window->EngineSaved());
    ASSERT_EQ(Person.Questions.size(), 1u);
    EXPECT_EQ(Person.Questions[0].Text, "Are you sure to delete this link?");
    EXPECT_EQ(Person.Questions[0].Caption, "Warning");
    EXPECT_EQ(Person.Questions[0].Icon, MessageIcon::Warning);
    EXPECT_EQ(Person.QuestionButtons[0], MessageButtons::YesNo);

    Person.Answers = {Answer::Yes};
    Window->Run(Action::EditDelete);
    EXPECT_EQ(LinkUrls(), "index.html docs/g.html news/b.html");
    EXPECT_EQ(Window->SelectedRow(), 1);
    EXPECT_FALSE(Window->EngineSaved());
    EXPECT_EQ(Person.ChangedPanel, "Changed");

    Window->Run(Action::EditClear); // No
    EXPECT_EQ(Person.Questions.back().Text, "Are you sure to delete all links?");
    EXPECT_EQ(Base->Count(), 3);
    Person.Answers = {Answer::Yes};
    Window->Run(Action::EditClear);
    EXPECT_EQ(Base->Count(), 0);
    EXPECT_EQ(Cat->Count(), 3); // the categories stay

    // Without a selected row the row commands do nothing, not even ask.
    const std::size_t questions = Person.Questions.size();
    Window->Run(Action::EditDelete);
    Window->Run(Action::EditModify);
    Window->Run(Action::MoveUp);
    EXPECT_EQ(Person.Questions.size(), questions);
    EXPECT_EQ(Person.Dialogs.size(), 0u);
}

TEST_F(WindowTest, LinkViewMovesMarkTheFileChangedEvenWhenNothingMoves) {
    OpenExample();
    Select(0);
    const int refreshes = Person.Refreshes;
    Window->Run(Action::MoveUp);
    EXPECT_EQ(LinkUrls(), "index.html news/a.html docs/g.html news/b.html");
    EXPECT_FALSE(Window->EngineSaved());
    EXPECT_EQ(Person.Refreshes, refreshes + 1);

    Window->Run(Action::MoveDown);
    EXPECT_EQ(LinkUrls(), "news/a.html index.html docs/g.html news/b.html");
    EXPECT_EQ(Window->SelectedRow(), 1);
    Window->Run(Action::MoveToEnd);
    EXPECT_EQ(LinkUrls(), "news/a.html docs/g.html news/b.html index.html");
    EXPECT_EQ(Window->SelectedRow(), 3);
    Select(2);
    Window->Run(Action::MoveToBegin);
    EXPECT_EQ(LinkUrls(), "news/b.html news/a.html docs/g.html index.html");
    EXPECT_EQ(Window->SelectedRow(), 0);
    Select(2);
    Window->Run(Action::MoveUp);
    EXPECT_EQ(LinkUrls(), "news/b.html docs/g.html news/a.html index.html");
    EXPECT_EQ(Window->SelectedRow(), 1);
}

TEST_F(WindowTest, CategoryViewMovesRenumberTheLinks) {
    OpenExample();
    Show(true);
    EXPECT_TRUE(Window->ViewAsCategories());
    EXPECT_TRUE(Person.CategoriesChecked);
    // Links: Home 0, Story 1, Guide 2, Other 1.
    Select(2);
    Window->Run(Action::MoveToBegin);
    EXPECT_EQ(CategoryNames(), "Misc News Docs");
    EXPECT_EQ(LinkCategories(), "1202");
    Window->Run(Action::MoveDown);
    EXPECT_EQ(CategoryNames(), "News Misc Docs");
    EXPECT_EQ(LinkCategories(), "0212");
    Window->Run(Action::MoveToEnd);
    EXPECT_EQ(CategoryNames(), "News Docs Misc");
    EXPECT_EQ(LinkCategories(), "0121");
    Select(1);
    Window->Run(Action::MoveUp);
    EXPECT_EQ(CategoryNames(), "Docs News Misc");
    EXPECT_EQ(LinkCategories(), "1020");
    EXPECT_FALSE(Window->EngineSaved());
}

TEST_F(WindowTest, CategoryViewDeleteAndClear) {
    OpenExample();
    Show(true);
    Select(1);
    Window->Run(Action::EditDelete); // No
    EXPECT_EQ(Person.Questions.back().Text,
              "Deleting of the category will delete all referenced links, too.\n\nAre you sure to "
              "delete this category and referenced links?");
    EXPECT_EQ(Cat->Count(), 3);
    Person.Answers = {Answer::Yes};
    Window->Run(Action::EditDelete);
    EXPECT_EQ(CategoryNames(), "News Misc");
    EXPECT_EQ(LinkUrls(), "index.html docs/g.html");
    EXPECT_EQ(LinkCategories(), "01");

    Window->Run(Action::EditClear); // No
    EXPECT_EQ(Person.Questions.back().Text,
              "Deleting of all categories will delete all links, too.\n\nAre you sure to clear "
              "search engine database?");
    EXPECT_EQ(Cat->Count(), 2);
    Person.Answers = {Answer::Yes};
    Window->Run(Action::EditClear);
    EXPECT_EQ(Cat->Count() + Base->Count(), 0);
}

TEST_F(WindowTest, DeletingTheOnlyCategoryEmptiesBothLists) {
    OpenEmpty();
    Cat->Add("Only");
    Base->Add(MakeLink(0, "a", "a.html"));
    Base->Add(MakeLink(0, "b", "b.html"));
    Show(true);
    Select(0);
    Person.Answers = {Answer::Yes};
    Window->Run(Action::EditDelete);
    EXPECT_EQ(Cat->Count() + Base->Count(), 0);
    EXPECT_EQ(Window->SelectedRow(), -1);
}

TEST_F(WindowTest, CategoryDialogAddsAndRenames) {
    OpenExample();
    Show(true);
    Window->Run(Action::EditAdd); // cancelled
    EXPECT_EQ(Cat->Count(), 3);
    EXPECT_TRUE(Window->EngineSaved());

    std::string offered;
    Person.CategoryForm = [&](std::string& name) {
        offered = name;
        name = "Photos";
        return true;
    };
    Window->Run(Action::EditAdd);
    EXPECT_EQ(offered, "");
    EXPECT_EQ(CategoryNames(), "News Docs Misc Photos");
    EXPECT_EQ(Window->SelectedRow(), 3);
    EXPECT_FALSE(Window->EngineSaved());

    Select(1);
    Window->Run(Action::EditModify);
    EXPECT_EQ(offered, "Docs");
    EXPECT_EQ(CategoryNames(), "News Photos Misc Photos"); // duplicates are allowed
    EXPECT_EQ(Person.Dialogs, (std::vector<std::string>{"Add a new Category", "Add a new Category",
                                                        "Edit Category"}));
}

TEST_F(WindowTest, LinkDialogAddsAndModifies) {
    OpenExample();
    LinkForm shown;
    Person.LinkFormScript = [&](LinkForm& form) {
        shown = form;
        form.URL = "new.html";
        form.Category.Selected = 2;
        form.Caption = "New";
        form.Keywords = "a, b";
        return true;
    };
    Window->Run(Action::EditAdd);
    EXPECT_EQ(shown.Category.Items, (std::vector<std::string>{"News (0)", "Docs (1)", "Misc (2)"}));
    EXPECT_EQ(shown.Category.Selected, 0);
    EXPECT_EQ(shown.URL, "");
    EXPECT_TRUE(shown.FromFile);
    EXPECT_EQ(Base->GetLink(4), MakeLink(2, "New", "new.html", "", {"a", "b"}));
    EXPECT_EQ(Window->SelectedRow(), 4);
    EXPECT_FALSE(Window->EngineSaved());

    // Modify keeps the row selected; the form shows the link without dont_update.
    Select(2);
    Window->Run(Action::EditModify);
    EXPECT_EQ(shown.URL, "docs/g.html");
    EXPECT_EQ(shown.Category.Selected, 2);
    EXPECT_EQ(shown.Keywords, "x");
    EXPECT_TRUE(shown.DontUpdate);
    EXPECT_EQ(Base->GetLink(2).Keywords, (std::vector<std::string>{"dont_update", "a", "b"}));
    EXPECT_EQ(Window->SelectedRow(), 2);
    EXPECT_EQ(Person.Dialogs, (std::vector<std::string>{"Add new Link", "Edit Link"}));

    // Cancel changes nothing.
    Person.LinkFormScript = [](LinkForm& form) {
        form.URL = "ignored";
        return false;
    };
    Window->Run(Action::EditModify);
    EXPECT_EQ(Base->GetLink(2).URL, "new.html");
}

TEST_F(WindowTest, ClosingAsksOnlyAboutUnsavedChanges) {
    OpenExample();
    EXPECT_TRUE(Window->ConfirmClose());
    EXPECT_TRUE(Person.Questions.empty());

    const std::string saved = Content(EngineFileName);
    Person.LinkFormScript = [](LinkForm& form) {
        form.URL = "added.html";
        return true;
    };
    Window->Run(Action::EditAdd);
    EXPECT_TRUE(Window->ConfirmClose()); // No: closes without saving
    ASSERT_EQ(Person.Questions.size(), 1u);
    EXPECT_EQ(Person.Questions[0].Text, "Search engine file is not saved. Save it?");
    EXPECT_EQ(Person.Questions[0].Caption, "Warning");
    EXPECT_EQ(Content(EngineFileName), saved);

    Person.Answers = {Answer::Yes};
    EXPECT_TRUE(Window->ConfirmClose());
    EXPECT_NE(Content(EngineFileName).find("added.html"), std::string::npos);

    // A save that fails keeps the window open, so the edits are not lost.
    EngineFileName = Folder.Path() + "gone/svxdb.js";
    Person.Answers = {Answer::Yes};
    EXPECT_FALSE(Window->ConfirmClose());
    EXPECT_EQ(Person.Messages.back().Text, "Cannot rename file. Saving was not completed.\n" +
                                               EngineFileName + ": " + std::strerror(ENOENT));

    Window->Run(Action::FileExit);
    EXPECT_EQ(Person.CloseRequests, 1);
}

TEST_F(WindowTest, CancelKeepsUnsavedChangesOnCloseAndOpen) {
    OpenExample();
    Person.Answers = {Answer::Yes};
    Window->Run(Action::EditClear);
    ASSERT_EQ(Base->Count(), 0);
    Person.Answers = {Answer::Cancel};
    EXPECT_FALSE(Window->ConfirmClose());
    EXPECT_EQ(Person.QuestionButtons.back(), MessageButtons::YesNoCancel);
    Person.Answers = {Answer::Cancel};
    Person.ChosenPaths = {EngineFileName};
    Window->Run(Action::FileOpen);
    EXPECT_TRUE(Person.Choosers.empty()); // the chooser never opened
    Person.Answers = {Answer::Cancel};
    Window->Run(Action::FileNew);
    EXPECT_TRUE(Person.Dialogs.empty());
    EXPECT_EQ(Base->Count(), 0);
    EXPECT_FALSE(Window->EngineSaved());
}

TEST_F(WindowTest, OpenSaveAndImport) {
    OpenExample();
    const std::string other = Folder.Write(
        "other/linksdb.js", "//Settings\r\nvar ln=new Array(\r\n  '7+Far+far.html'\r\n);\r\n"
                            "var cg=new Array(\r\n  'Far'\r\n);\r\n//DatabaseEnd\r\n");

    Window->Run(Action::FileImport); // cancelled
    ASSERT_EQ(Person.Choosers.size(), 1u);
    EXPECT_EQ(Person.Choosers[0].Kind, "open");
    EXPECT_EQ(Person.Choosers[0].Filter, EngineFilter);
    EXPECT_EQ(Person.Choosers[0].Proposed, "");
    EXPECT_TRUE(Window->EngineSaved());

    Person.ChosenPaths = {other};
    Window->Run(Action::FileImport);
    EXPECT_EQ(LinkUrls(), "index.html news/a.html docs/g.html news/b.html far.html");
    EXPECT_EQ(CategoryNames(), "News Docs Misc");
    EXPECT_FALSE(Window->EngineSaved());

    Window->Run(Action::FileSave);
    EXPECT_TRUE(Window->EngineSaved());
    EXPECT_EQ(Person.ChangedPanel, "");
    EXPECT_NE(Content(EngineFileName).find("'7+Far+far.html'"), std::string::npos);

    // Opening another file asks nothing about the current one.
    Base->Clear();
    Person.ChosenPaths = {other};
    Window->Run(Action::FileOpen);
    EXPECT_EQ(EngineFileName, other);
    EXPECT_EQ(Person.Caption, other + " - Brimlow Sitevane");
    EXPECT_EQ(LinkUrls(), "far.html");
    EXPECT_EQ(CategoryNames(), "Far");
    EXPECT_TRUE(Person.Questions.empty());
}

TEST_F(WindowTest, SaveAsAndBuildIn) {
    OpenExample();
    const std::string first = EngineFileName;
    Person.LinkFormScript = [](LinkForm& form) {
        form.URL = "added.html";
        return true;
    };
    Window->Run(Action::EditAdd);

    // Cancelling the dialog saves nothing and keeps the file marked changed.
    Window->Run(Action::FileSaveAs);
    EXPECT_EQ(Person.Choosers.back().Kind, "save");
    EXPECT_EQ(Person.Choosers.back().Proposed, first);
    EXPECT_FALSE(Window->EngineSaved());

    const std::string copy = Folder.Path() + "copydb.js";
    Person.ChosenPaths = {copy};
    Window->Run(Action::FileSaveAs);
    EXPECT_EQ(EngineFileName, copy);
    EXPECT_EQ(Person.Caption, copy + " - Brimlow Sitevane");
    EXPECT_TRUE(Window->EngineSaved());
    EXPECT_NE(Content(copy).find("added.html"), std::string::npos);
    EXPECT_EQ(Content(first).find("added.html"), std::string::npos);

    const std::string page = Folder.Write(
        "page.html", "<p>before</p>\r\n//Settings\r\nold\r\n//DatabaseEnd\r\n<p>after");
    Person.ChosenPaths = {page};
    Window->Run(Action::FileBuildIn);
    EXPECT_EQ(Person.Choosers.back().Kind, "save without question");
    EXPECT_EQ(EngineFileName, page);
    const std::string built = Content(page);
    EXPECT_EQ(built.rfind("<p>before</p>", 0), 0u);
    EXPECT_NE(built.find("added.html"), std::string::npos);
    EXPECT_EQ(built.find("old"), std::string::npos);

    // Building into a page without signatures fails and says so.
    Window->Run(Action::EditClear);
    Person.ChosenPaths = {Folder.Write("plain.html", "<p>plain</p>")};
    Person.Answers = {Answer::Yes};
    Window->Run(Action::EditClear);
    Window->Run(Action::FileBuildIn);
    EXPECT_EQ(Person.Messages.back().Text,
              "Search engine is not found in this file. Saving was not completed.");
    EXPECT_FALSE(Window->EngineSaved());
}

TEST_F(WindowTest, PreviewWithItsThreeAnswers) {
    FakePrograms programs;
    programs.Add("xdg-open");
    OpenExample();
    const std::string searchPage = Folder.Write("svx.html", "search page");

    Window->Run(Action::FilePreview); // saved: shown at once
    EXPECT_TRUE(Person.Questions.empty());
    EXPECT_EQ(programs.Call(), "xdg-open " + searchPage);
}

TEST_F(WindowTest, PreviewOfAChangedEngine) {
    OpenExample();
    Folder.Write("svx.html", "search page");
    Person.LinkFormScript = [](LinkForm& form) {
        form.URL = "added.html";
        return true;
    };
    Window->Run(Action::EditAdd);
    const std::string before = Content(EngineFileName);
    {
        FakePrograms programs;
        programs.Add("xdg-open");
        Person.Answers = {Answer::Cancel};
        Window->Run(Action::FilePreview);
        EXPECT_EQ(programs.Call(), "");
        EXPECT_EQ(Person.Questions.back().Text,
                  "You must save the search engine to show. Save it before showing?");
        EXPECT_EQ(Person.Questions.back().Caption, "Question");
        EXPECT_EQ(Person.Questions.back().Icon, MessageIcon::Question);
        EXPECT_EQ(Person.QuestionButtons.back(), MessageButtons::YesNoCancel);
    }
    {
        FakePrograms programs;
        programs.Add("xdg-open");
        Person.Answers = {Answer::No};
        Window->Run(Action::FilePreview);
        EXPECT_EQ(programs.Call(), "xdg-open " + Folder.Path() + "svx.html");
        EXPECT_EQ(Content(EngineFileName), before);
        EXPECT_FALSE(Window->EngineSaved());
    }
    {
        FakePrograms programs;
        programs.Add("xdg-open");
        Person.Answers = {Answer::Yes};
        Window->Run(Action::FilePreview);
        EXPECT_EQ(programs.Call(), "xdg-open " + Folder.Path() + "svx.html");
        EXPECT_NE(Content(EngineFileName).find("added.html"), std::string::npos);
        EXPECT_TRUE(Window->EngineSaved());
    }
    EXPECT_EQ(Person.Questions.size(), 3u);
}

TEST_F(WindowTest, NewEngineFromATemplate) {
    Folder.Write("setup/Templates/Plain/svx.html",
                 "<script>\r\n//Settings\r\n//DatabaseEnd\r\n</script>\r\n");
    Folder.Write("setup/Templates/Plain/search.html", "search");
    Folder.Write("setup/Templates/Another/svx.html", "//Settings\r\n//DatabaseEnd");

    NewForm offered;
    Person.NewFormScript = [&](NewForm& form) {
        offered = form;
        return false;
    };
    Window->Run(Action::FileNew);
    EXPECT_EQ(offered.Path, AppSettings.ProjectsPath + "svxdb.js");
    EXPECT_EQ(offered.Templates, (std::vector<std::string>{"Another", "Plain"}));
    EXPECT_EQ(offered.Selected, 0);
    EXPECT_FALSE(Person.DocumentCommandsEnabled);

    const std::string target = Folder.Path() + "site/enginedb.js";
    CreateFolders(Folder.Path() + "site");
    Person.NewFormScript = [&](NewForm& form) {
        // OK with an empty path is refused with a message; the dialog stays.
        NewForm empty = form;
        empty.Path.clear();
        EXPECT_FALSE(AcceptNewForm(empty, Person));
        EXPECT_EQ(Person.Messages.back().Text, NoPathMessage);
        form.Path = target;
        form.Selected = 1;
        return AcceptNewForm(form, Person);
    };
    Window->Run(Action::FileNew);
    EXPECT_EQ(EngineFileName, target);
    EXPECT_EQ(Content(Folder.Path() + "site/search.html"), "search");
    EXPECT_EQ(Person.Caption, target + " - Brimlow Sitevane");
    EXPECT_TRUE(Person.DocumentCommandsEnabled);
    EXPECT_TRUE(Window->EngineSaved());

    // Without templates the dialog cannot create anything.
    NewForm none;
    none.Path = target;
    EXPECT_FALSE(AcceptNewForm(none, Person));
    EXPECT_EQ(Person.Messages.back().Text, NoTemplateMessage);
}

TEST_F(WindowTest, SaveAsTemplate) {
    OpenExample();
    Window->Run(Action::FileSaveAsTemplate); // cancelled
    EXPECT_EQ(EngineFileName, Folder.Path() + "svxdb.js");
    Person.TemplateForm = [](std::string& name) {
        name = "Mine";
        return true;
    };
    Window->Run(Action::FileSaveAsTemplate);
    const std::string page = AppSettings.TemplatesPath + "Mine/qzv.html";
    EXPECT_EQ(EngineFileName, page);
    EXPECT_EQ(Person.Caption, page + " - Brimlow Sitevane");
    EXPECT_NE(Content(page).find("'2+Guide+docs/g.html'"), std::string::npos);
    EXPECT_TRUE(Window->EngineSaved());
}

TEST_F(WindowTest, HelpAndSettingsOpenTheirFiles) {
    const std::pair<Action, std::string> opened[] = {
        {Action::HelpIndex, "xdg-open file://" + AppSettings.SetupDir + "Manual/index.html"},
        {Action::HelpSearch, "xdg-open file://" + AppSettings.SetupDir + "Manual/search.html"},
        {Action::HelpDevSite, std::string("xdg-open ") + HomePageAddress},
    };
    for (const auto& [action, call] : opened) {
        FakePrograms programs;
        programs.Add("xdg-open");
        Window->Run(action);
        EXPECT_EQ(programs.Call(), call);
    }
    const std::pair<Action, const char*> edited[] = {
        {Action::RatSet, "set.xml"}, {Action::TagSet, "tags.xml"}, {Action::WordRat, "words.xml"}};
    for (const auto& [action, file] : edited) {
        FakePrograms programs;
        programs.Add("my-editor");
        ScopedEnvironment visual("VISUAL", programs.Path("my-editor"));
        Window->Run(action);
        EXPECT_EQ(programs.Call(), "my-editor " + AppSettings.SetupDir + file);
    }
    EXPECT_FALSE(Person.DocumentCommandsEnabled); // none of them needs an engine
}

TEST_F(WindowTest, AProgramThatCannotStartIsReportedWithItsFile) {
    FakePrograms none; // nothing on PATH
    ScopedEnvironment visual("VISUAL", "");
    ScopedEnvironment editor("EDITOR", "");
    AppSettings.EditorProgram.clear();
    Window->Run(Action::HelpIndex);
    Window->Run(Action::WordRat);
    ASSERT_EQ(Person.Messages.size(), 2u);
    const std::string start = "No program could be started to open this file";
    EXPECT_EQ(Person.Messages[0].Text.rfind(start, 0), 0u);
    EXPECT_NE(
        Person.Messages[0].Text.find("\nfile://" + AppSettings.SetupDir + "Manual/index.html"),
        std::string::npos);
    EXPECT_NE(Person.Messages[1].Text.find("\n" + AppSettings.SetupDir + "words.xml"),
              std::string::npos);
    EXPECT_EQ(Person.Messages[1].Caption, "Error");
}

TEST_F(WindowTest, ViewsSwitchAndRedraw) {
    OpenExample();
    const int refreshes = Person.Refreshes;
    Show(true);
    EXPECT_TRUE(Person.CategoriesChecked);
    EXPECT_EQ(Window->SelectedRow(), Cat->Current);
    Show(false);
    EXPECT_FALSE(Person.CategoriesChecked);
    EXPECT_FALSE(Window->ViewAsCategories());
    EXPECT_EQ(Person.Refreshes, refreshes + 2);
    EXPECT_TRUE(Window->EngineSaved()); // switching views is no edit
}

} // namespace

TEST_F(WindowTest, ConvertToUtf8SavesFirstAndReopensInUtf8) {
    Window->HandleCommandLine({Folder.Write(
        "svxdb.js", "<script>\r\n//Settings\r\nvar ln=new Array(\r\n  '0+Caf\xE9+a.html'\r\n);\r\n"
                    "var cg=new Array(\r\n  'Caf\xE9s'\r\n);\r\n//DatabaseEnd\r\n</script>\r\n")});
    Person.ChosenPaths = {Folder.Write("other.js",
                                       "//Settings\r\nvar ln=new Array(\r\n"
                                       "  '0+Th\xE9+b.html'\r\n);\r\n//DatabaseEnd\r\n")};
    Window->Run(Action::FileImport);
    ASSERT_FALSE(Window->EngineSaved());

    Window->Run(Action::FileConvertToUtf8);
    EXPECT_EQ(EngineEncoding, TEngineEncoding::Utf8);
    EXPECT_TRUE(Window->EngineSaved());
    EXPECT_EQ(Base->GetLink(0).Caption, "Caf\xC3\xA9");
    EXPECT_EQ(Base->GetLink(1).Caption, "Th\xC3\xA9");
    EXPECT_EQ(Cat->GetName(0), "Caf\xC3\xA9s");
    EXPECT_EQ(Content(EngineFileName).compare(0, 3, "\xEF\xBB\xBF"), 0);
    EngineEncoding = TEngineEncoding::Windows1252;
}
