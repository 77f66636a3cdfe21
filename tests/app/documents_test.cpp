#include "app/app_settings.h"
#include "app/documents.h"
#include "platform/files.h"
#include "support/scratch_folder.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {

// A folder of stand-in programs that log how they were called, alone on PATH, so
// that no real browser or editor starts.
class FakePrograms {
  public:
    FakePrograms() : path_("PATH", folder_.Path()) {}

    void Add(const std::string& name) {
        const std::string script =
            folder_.Write(name, "#!/bin/sh\nprintf '%s %s' \"${0##*/}\" \"$*\" > \"" + log() +
                                    ".tmp\"\n/bin/mv \"" + log() + ".tmp\" \"" + log() + "\"\n");
        ::chmod(script.c_str(), 0755);
    }
    std::string Path(const std::string& name) const { return folder_.Path() + name; }

    // The one call that was made, or the empty text when none came.
    std::string Call() const {
        for (int i = 0; i < 200 && !FileExists(log()); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
        std::string call;
        ReadWholeFile(log(), call);
        return call;
    }

  private:
    std::string log() const { return folder_.Path() + "calls.log"; }
    ScratchFolder folder_;
    ScopedEnvironment path_;
};

} // namespace

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
