// The window program's batch modes, in the test process and as the real
// program.
#include "app/application.h"
#include "gui/add_site_form.h"
#include "gui_fixture.h"

#include <QCheckBox>
#include <QProcess>
#include <chrono>
#include <filesystem>
#include <thread>

namespace {

class BatchModeTest : public GuiTest {
  protected:
    void SetUp() override {
        std::filesystem::copy(EXAMPLE_SITE, Folder.Path() + "site",
                              std::filesystem::copy_options::recursive);
        Engine = WriteEngine("site/svxdb.js", "  '0+Old caption+about.html'",
                             "  'Main',\r\n  'Club',\r\n  'Lessons'");
    }

    std::string Engine;
};

TEST_F(BatchModeTest, AddSiteWithFourArgumentsScansShowsTheDialogAndSaves) {
    bool dialogShown = false;
    WhenShown<TAddSiteForm>([&](TAddSiteForm* dialog) {
        dialogShown = true;
        EXPECT_EQ(dialog->windowTitle(), "Add Site");
        EXPECT_TRUE(dialog->findChild<QCheckBox*>("RecurseCheckBox")->isChecked());
        dialog->reject();
    });
    Window->Commands().HandleCommandLine(
        {Engine, "AddSite", Folder.Path() + "site/", "2", "y", "n"});
    EXPECT_TRUE(dialogShown);
    const std::string saved = FileContent(Engine);
    EXPECT_NE(saved.find("'2+Sailing lessons+lessons/index.html'"), std::string::npos);
    EXPECT_EQ(saved.find("+about.html'", saved.find("about.html") + 1), std::string::npos)
        << "about.html already had a link";
    EXPECT_EQ(Window->windowTitle(), QString::fromStdString(Engine + " - Brimlow Sitevane"));
    EXPECT_TRUE(Window->isVisible());
}

TEST_F(BatchModeTest, TheProgramUpdatesAndSavesWithTheWindowOpen) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("SITEVANE_REGISTRY_DIR", QString::fromStdString(Registry.Path()));
    program.setProcessEnvironment(environment);
    program.start(SITEVANE_PROGRAM, {QString::fromStdString(Engine), "update"});
    ASSERT_TRUE(program.waitForStarted());
    // The window stays open after the batch mode: wait for the save, then end it.
    for (int i = 0; i < 200 && FileContent(Engine).find("Old caption") != std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(program.state(), QProcess::Running);
    program.kill();
    program.waitForFinished();
    const std::string saved = FileContent(Engine);
    EXPECT_EQ(saved.find("Old caption"), std::string::npos);
    EXPECT_NE(saved.find("'0+About the club+about.html'"), std::string::npos);
}

} // namespace
