// Undo and redo, selections of several links, the filter and sorting of the
// links view, and the recent files, over the example engine.
#include "app/app_settings.h"
#include "commands/edit_history.h"
#include "window_fixture.h"

#include <functional>

namespace {

// The lists in one line: categories, then each link's category and URL.
std::string ListsText() {
    std::string text;
    for (std::int32_t i = 0; i < Cat->Count(); ++i) {
        text += Cat->GetName(i) + ",";
    }
    for (std::int32_t i = 0; i < Base->Count(); ++i) {
        text += " " + std::to_string(Base->GetLink(i).Category) + ":" + Base->GetLink(i).URL;
    }
    return text;
}

TEST_F(WindowTest, EveryListCommandUndoesAndRedoesBackToTheSavedState) {
    OpenExample();
    Person.LinkFormScript = [](LinkForm& form) {
        form.URL = "new.html";
        form.Category.Selected = 2;
        return true;
    };
    Person.CategoryForm = [](std::string& name) {
        name = "Extra";
        return true;
    };
    Person.CategoryChoiceScript = [](CategoryChoice& choice) {
        choice.Selected = 0;
        return true;
    };
    const std::vector<std::pair<std::string, std::function<void()>>> commands{
        {"Add link", [&] { Window->Run(Action::EditAdd); }},
        {"Modify link", [&] { Select(1), Window->Run(Action::EditModify); }},
        {"Move link", [&] { Select(3), Window->Run(Action::MoveToBegin); }},
        {"Change category", [&] { Select(2), Window->Run(Action::EditChangeCategory); }},
        {"Sort links", [&] { Window->Run(Action::EditSortLinks); }},
        {"Delete link", [&] { Select(0), Window->Run(Action::EditDelete); }},
        {"Add category", [&] { Show(true), Window->Run(Action::EditAdd); }},
        {"Move category", [&] { Select(0), Window->Run(Action::MoveToEnd); }},
        {"Modify category", [&] { Select(1), Window->Run(Action::EditModify); }},
        {"Delete category", [&] { Select(0), Window->Run(Action::EditDelete); }},
        {"Delete all", [&] { Window->Run(Action::EditClear); }},
    };
    std::vector<std::string> states{ListsText()};
    for (const auto& [caption, run] : commands) {
        Person.Answers.push_back(Answer::Yes);
        run();
        EXPECT_EQ(Person.UndoCaption, caption);
        EXPECT_NE(ListsText(), states.back()) << caption;
        states.push_back(ListsText());
        if (caption == "Sort links") {
            Window->Run(Action::FileSave); // the history stays
            EXPECT_EQ(Person.Caption, EngineFileName + " - Brimlow Sitevane");
        }
    }
    EXPECT_EQ(Person.Caption, "*" + EngineFileName + " - Brimlow Sitevane");
    const std::size_t saved = 5;
    for (std::size_t i = commands.size(); i > 0; --i) {
        Window->Run(Action::EditUndo);
        EXPECT_EQ(ListsText(), states[i - 1]);
        EXPECT_EQ(Person.RedoCaption, commands[i - 1].first);
        EXPECT_EQ(Window->EngineSaved(), i - 1 == saved);
        EXPECT_EQ(Person.ChangedPanel, i - 1 == saved ? "" : "Changed");
    }
    EXPECT_EQ(Person.UndoCaption, "");
    Window->Run(Action::EditUndo); // nothing left: nothing changes
    EXPECT_EQ(ListsText(), states.front());
    for (std::size_t i = 1; i <= saved; ++i) {
        Window->Run(Action::EditRedo);
        EXPECT_EQ(ListsText(), states[i]);
    }
    EXPECT_TRUE(Window->EngineSaved());

    // A new command after undoing drops the redo steps; the saved state can
    // no longer come back.
    Window->Run(Action::EditUndo);
    Show(false);
    Window->Run(Action::EditAdd);
    EXPECT_EQ(Person.RedoCaption, "");
    Window->Run(Action::EditUndo);
    EXPECT_FALSE(Window->EngineSaved());
}

TEST_F(WindowTest, TheHistoryKeepsItsNewestHundredSteps) {
    EditHistory history;
    for (int i = 0; i < 120; ++i) {
        history.Record("Add link");
        Base->Add(MakeLink(0, "", std::to_string(i)));
    }
    int undone = 0;
    for (; !history.UndoCaption().empty(); ++undone) {
        history.Undo();
    }
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(Base->Count(), 20);
}

TEST_F(WindowTest, ASelectionOfSeveralLinksIsDeletedMovedAndRecategorisedAtOnce) {
    OpenExample();
    Window->RowsSelected({1, 3});
    Person.CategoryChoiceScript = [](CategoryChoice& choice) {
        EXPECT_EQ(choice.Selected, 1); // the first selected link's
        choice.Selected = 2;
        return true;
    };
    Window->Run(Action::EditChangeCategory);
    EXPECT_EQ(LinkCategories(), "0222");
    Window->Run(Action::MoveToBegin);
    EXPECT_EQ(LinkUrls(), "news/a.html news/b.html index.html docs/g.html");
    EXPECT_EQ(Window->SelectedRows(), (std::vector<std::int32_t>{0, 1}));
    Window->Run(Action::MoveDown);
    Window->Run(Action::MoveDown);
    Window->Run(Action::MoveDown); // the block is at the end and stays
    EXPECT_EQ(LinkUrls(), "index.html docs/g.html news/a.html news/b.html");

    Person.Answers.push_back(Answer::Yes);
    Window->Run(Action::EditDelete);
    ASSERT_EQ(Person.Questions.size(), 1u);
    EXPECT_EQ(Person.Questions[0].Text, "Are you sure to delete these 2 links?");
    EXPECT_EQ(LinkUrls(), "index.html docs/g.html");
    EXPECT_EQ(Window->SelectedRow(), 1);
}

TEST_F(WindowTest, TheFilterNarrowsTheViewAndTheCommandsActOnItsRows) {
    OpenExample();
    Base->SetLink(3, MakeLink(1, "Caf\xE9 \xC9lan", "news/b.html", "",
                              {"\xDCn\xEF"
                               "code"}));
    Select(2);
    Window->SetFilter("ELAN");
    EXPECT_EQ(Window->Shown().Rows(), std::vector<std::int32_t>{3});
    EXPECT_EQ(Window->SelectedRow(), -1); // the current link is hidden
    Window->SetFilter("unic");
    EXPECT_EQ(Window->Shown().Rows(), std::vector<std::int32_t>{3});
    Window->SetFilter("NEWS/");
    EXPECT_EQ(Window->Shown().Rows(), (std::vector<std::int32_t>{1, 3}));

    Window->RowSelected(1);
    Person.Answers.push_back(Answer::Yes);
    Window->Run(Action::EditDelete);
    EXPECT_EQ(LinkUrls(), "index.html news/a.html docs/g.html");
    EXPECT_EQ(Window->Shown().Rows(), std::vector<std::int32_t>{1});

    Select(0);
    Window->SetFilter("");
    EXPECT_EQ(Window->Shown().Rows().size(), 3u);
    EXPECT_EQ(Window->SelectedRow(), 1); // the current link stays current
}

TEST_F(WindowTest, SortingTheViewKeepsTheOrderUntilSortLinks) {
    OpenExample();
    Window->SortView(2, true); // by URL, descending
    EXPECT_EQ(Window->Shown().Rows(), (std::vector<std::int32_t>{3, 1, 0, 2}));
    EXPECT_EQ(LinkUrls(), "index.html news/a.html docs/g.html news/b.html");
    Window->RowSelected(0);
    EXPECT_EQ(Base->Current, 3);
    Window->Run(Action::EditSortLinks);
    EXPECT_EQ(LinkUrls(), "news/b.html news/a.html index.html docs/g.html");
    EXPECT_EQ(Window->Shown().SortColumn(), 0);
    EXPECT_EQ(Base->Current, 0);
    Window->Run(Action::EditUndo);
    EXPECT_EQ(LinkUrls(), "index.html news/a.html docs/g.html news/b.html");
}

TEST_F(WindowTest, OpenedAndSavedFilesAreRecentFilesOnce) {
    AppSettings.RecentFiles = {"/gone/svxdb.js"};
    OpenExample();
    EXPECT_EQ(Person.RecentFiles, (std::vector<std::string>{EngineFileName, "/gone/svxdb.js"}));
    for (int i = 0; i < 10; ++i) {
        AddRecentFile("/f" + std::to_string(i));
    }
    AddRecentFile("/f5");
    EXPECT_EQ(AppSettings.RecentFiles.size(), MaxRecentFiles);
    EXPECT_EQ(AppSettings.RecentFiles[0], "/f5");
    EXPECT_EQ(AppSettings.RecentFiles[1], "/f9");

    // A recent file that is gone is reported and leaves the list.
    AppSettings.RecentFiles = {"/gone/svxdb.js", EngineFileName};
    Window->OpenRecentFile(0);
    ASSERT_EQ(Person.Messages.size(), 1u);
    EXPECT_EQ(Person.Messages[0].Text, "The file /gone/svxdb.js is not found.");
    EXPECT_EQ(Person.RecentFiles, std::vector<std::string>{EngineFileName});
    AppSettings.RecentFiles.clear();
}

} // namespace
