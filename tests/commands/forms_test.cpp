#include "commands/forms.h"
#include "commands/links_view.h"
#include "support/engine_fixture.h"

namespace {

using Strings = std::vector<std::string>;

TEST_F(EngineTest, CategoryListOfTheDialogs) {
    LinkForm empty = NewLinkForm();
    EXPECT_TRUE(empty.Category.Items.empty());
    EXPECT_EQ(empty.Category.Selected, -1);
    EXPECT_EQ(MissingLinkField(empty), LinkField::URL);
    empty.URL = "a.html";
    EXPECT_EQ(MissingLinkField(empty), LinkField::Category);

    Cat->Add("News");
    Cat->Add("Docs");
    LinkForm form = NewLinkForm();
    EXPECT_EQ(form.Category.Items, (Strings{"News (0)", "Docs (1)"}));
    EXPECT_EQ(form.Category.Selected, 0);
    form.URL = "a.html";
    EXPECT_EQ(MissingLinkField(form), LinkField::None);

    // New: cancelled adds nothing; OK appends at once and selects the new one.
    EXPECT_FALSE(AddCategoryFromForm(Person, form.Category));
    Person.CategoryForm = [](std::string& name) {
        name = "Photos";
        return true;
    };
    EXPECT_TRUE(AddCategoryFromForm(Person, form.Category));
    EXPECT_EQ(form.Category.Items, (Strings{"News (0)", "Docs (1)", "Photos (2)"}));
    EXPECT_EQ(form.Category.Selected, 2);
    EXPECT_EQ(Cat->Count(), 3);
    EXPECT_EQ(Person.Dialogs, (Strings{"Add a new Category", "Add a new Category"}));

    const AddSiteForm site = NewAddSiteForm();
    EXPECT_EQ(site.Category.Selected, 0);
    EXPECT_TRUE(site.Recurse);
    EXPECT_FALSE(site.AddExisting);
}

TEST_F(EngineTest, LinkToFormAndBack) {
    Cat->Add("News");
    Cat->Add("Docs");
    LinkForm form = NewLinkForm();
    LinkToForm(MakeLink(1, "Cap", "u.html", "Desc", {"x", "dont_update"}), form);
    EXPECT_EQ(form.Category.Selected, 1);
    EXPECT_EQ(form.Keywords, "x");
    EXPECT_TRUE(form.DontUpdate);
    // Editing a link without changes keeps its keywords (the marker goes first).
    EXPECT_EQ(LinkFromForm(form), MakeLink(1, "Cap", "u.html", "Desc", {"dont_update", "x"}));
    LinkToForm(MakeLink(1, "Cap", "u.html", "Desc", {"dont_update", "x", "y"}), form);
    EXPECT_EQ(form.Keywords, "x, y");
    LinkToForm(MakeLink(1, "", "", "", {"", "dont_update", "y"}), form);
    EXPECT_EQ(form.Keywords, ", y");
    LinkToForm(MakeLink(5, "", "", "", {"Dont_Update"}), form);
    EXPECT_EQ(form.Category.Selected, -1); // no such item
    EXPECT_EQ(form.Keywords, "Dont_Update");
    EXPECT_FALSE(form.DontUpdate);

    form.Category.Selected = 1;
    form.URL = "page.html";
    form.Caption = " spaced ";
    form.Keywords = "a, b,,c";
    form.DontUpdate = true;
    EXPECT_EQ(LinkFromForm(form),
              MakeLink(1, " spaced ", "page.html", "", {"dont_update", "a", "b", "", "c"}));
    form.DontUpdate = false;
    form.Keywords = "\tone\r\ntwo ,  ";
    EXPECT_EQ(LinkFromForm(form).Keywords, (Strings{"one\r\ntwo", ""}));
    form.Keywords.clear();
    EXPECT_TRUE(LinkFromForm(form).Keywords.empty());
}

TEST_F(EngineTest, SelectFillsTheFormFromTheFile) {
    Cat->Add("News");
    const std::string page = Folder.Write(
        "docs/page.html", "<title>Page title</title><meta name=\"description\" content=\"D\">");
    LinkForm form = NewLinkForm();
    form.Caption = "typed";
    form.Keywords = "typed";
    form.DontUpdate = true;
    SelectLinkFile(form, page);
    EXPECT_EQ(form.URL, "docs/page.html");
    EXPECT_EQ(form.Caption, "Page title");
    EXPECT_EQ(form.Description, "D");
    EXPECT_FALSE(form.DontUpdate);

    form.FromFile = false;
    form.Caption = "typed";
    form.Description = "typed";
    form.Keywords = "typed";
    SelectLinkFile(form, page);
    EXPECT_EQ(form.Caption, "");
    EXPECT_EQ(form.Description, "");
    EXPECT_EQ(form.Keywords, "");
    EXPECT_EQ(form.Category.Selected, 0);
}

TEST_F(EngineTest, ListCellsAndColours) {
    Cat->Add("News");
    Cat->Add("Docs");
    Cat->Add("Misc");
    Cat->Add("Docs");
    Base->Add(MakeLink(3, "Cap", "a.html", "D", {"x", "dont_update"}));
    Base->Add(MakeLink(9, "", "b.html"));
    Base->Add(MakeLink(2147483647, std::string(1 << 20, 'c'), "c.html"));

    EXPECT_EQ(RowCount(true), 4);
    EXPECT_EQ(RowCount(false), 3);
    EXPECT_EQ(CategoryCell(3, 0), "3");
    EXPECT_EQ(CategoryCell(3, 1), "Docs");
    const Strings first{LinkCell(0, 0), LinkCell(0, 1), LinkCell(0, 2),
                        LinkCell(0, 3), LinkCell(0, 4), LinkCell(0, 5)};
    EXPECT_EQ(first, (Strings{"1", "Docs (3)", "a.html", "Cap", "D", "x, dont_update"}));
    EXPECT_EQ(LinkCell(1, 1), " (9)");
    EXPECT_EQ(LinkCell(2, 1), " (2147483647)");
    EXPECT_EQ(LinkCell(2, 3).size(), 1u << 20);

    const RowColour maroon = ColourOfCategory(RowCategory(false, 0));
    EXPECT_EQ(maroon.Use, RowColour::Text);
    EXPECT_EQ((Strings{std::to_string(maroon.Red), std::to_string(maroon.Green),
                       std::to_string(maroon.Blue)}),
              (Strings{"128", "0", "0"}));
    EXPECT_EQ(ColourOfCategory(0).Use, RowColour::TooltipBackground);
    EXPECT_EQ(ColourOfCategory(1).Red, 255);
    EXPECT_EQ(ColourOfCategory(7).Use, RowColour::Text);
    EXPECT_EQ(ColourOfCategory(7).Blue, 128);
    EXPECT_EQ(ColourOfCategory(8).Red, 255); // from 8 on the colours come round again
    EXPECT_EQ(ColourOfCategory(14).Blue, 128);
    EXPECT_EQ(ColourOfCategory(-1).Use, RowColour::Default);
    EXPECT_EQ(ColourOfCategory(RowCategory(false, 2)).Use, RowColour::Text); // 2147483647
    EXPECT_EQ(RowCategory(true, 2), 2);
}

} // namespace
