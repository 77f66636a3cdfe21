#include "app/app_settings.h"
#include "app/documents.h"
#include "platform/files.h"
#include "support/fake_programs.h"

#include <gtest/gtest.h>

TEST(Documents, OpenDocumentPrefersTheDesktopOpener) {
    FakePrograms programs;
    programs.Add("sensible-browser");
    programs.Add("x-www-browser");
    OpenDocument("/site/index.html");
    EXPECT_EQ(programs.Call(), "sensible-browser /site/index.html");
}

TEST(Documents, OpenDocumentUsesXdgOpenFirst) {
    FakePrograms programs;
    programs.Add("xdg-open");
    programs.Add("sensible-browser");
    OpenDocument("https://example.org/");
    EXPECT_EQ(programs.Call(), "xdg-open https://example.org/");
}

TEST(Documents, EditDocumentTriesTheUsersEditorThenTheAssociation) {
    {
        FakePrograms programs;
        programs.Add("my-editor");
        ScopedEnvironment visual("VISUAL", programs.Path("my-editor"));
        EditDocument("/setup/tags.xml");
        EXPECT_EQ(programs.Call(), "my-editor /setup/tags.xml");
    }
    {
        FakePrograms programs;
        programs.Add("associated");
        ScopedEnvironment visual("VISUAL", "");
        ScopedEnvironment editor("EDITOR", "/nonexistent/editor");
        AppSettings.EditorProgram = programs.Path("associated");
        EditDocument("/setup/set.xml");
        EXPECT_EQ(programs.Call(), "associated /setup/set.xml");
    }
}

TEST(Documents, HelpPagesOpenAsFileAddressesWithTheirAnchors) {
    FakePrograms programs;
    programs.Add("xdg-open");
    AppSettings.SetupDir = "/opt/sitevane/";
    OpenHelpPage(HelpPage::Category);
    EXPECT_EQ(programs.Call(), "xdg-open file:///opt/sitevane/Manual/dialogs.html#category");
}
