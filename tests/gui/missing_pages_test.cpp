// An update over an engine whose pages are gone, offscreen: the warning ends
// the stream in one step, and Stop in the progress window works at any moment.
#include "app/application.h"
#include "gui/missing_pages_form.h"
#include "gui_fixture.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class MissingPagesTest : public GuiTest {
  protected:
    void OpenWithMissingPages() {
        std::string links = "  '0+Here+here.html'";
        for (int i = 0; i < 1000; ++i) {
            links += ",\r\n  '0+Gone+gone" + std::to_string(i) + ".html'";
        }
        Folder.Write("here.html", "<title>Here</title>");
        Window->Commands().HandleCommandLine({WriteEngine("svxdb.js", links, "  'Main'")});
    }

    // Presses a button of the warning shown over the progress window.
    static void AnswerWarning(const char* button) {
        WhenShown<QMessageBox>([button](QMessageBox* box) {
            EXPECT_EQ(box->text(), "The page gone0.html is not found.");
            EXPECT_EQ(box->parentWidget()->objectName(), "TAddUpdateSiteForm");
            box->findChild<QPushButton*>(button)->click();
        });
    }

    // Counts the pages the summary lists into listed, then presses a button.
    static void AnswerSummary(const char* button, int& listed) {
        WhenShown<TMissingPagesForm>([button, &listed](TMissingPagesForm* form) {
            listed = form->findChild<QPlainTextEdit*>("MissingList")->document()->lineCount() - 1;
            form->findChild<QPushButton*>(button)->click();
        });
    }
};

} // namespace

TEST_F(MissingPagesTest, SkipThenDeleteTheLinksFromTheSummary) {
    OpenWithMissingPages();
    AnswerWarning("SkipButton");
    int listed = 0;
    AnswerSummary("DeleteButton", listed);
    Window->Commands().Run(Action::UpdateBase);
    EXPECT_EQ(listed, 1000);
    ASSERT_EQ(Base->Count(), 1);
    EXPECT_EQ(Base->GetLink(0).Caption, "Here");
}

TEST_F(MissingPagesTest, StopFromTheWarningOrTheProgressWindow) {
    OpenWithMissingPages();
    AnswerWarning("StopUpdateButton");
    Window->Commands().Run(Action::UpdateBase);
    EXPECT_EQ(Base->Count(), 1001);
    EXPECT_FALSE(Window->Commands().Scanning());

    // Skip, then Stop pressed in the progress window while the update runs
    // (a zero-time timer ticks once for every file's events): the summary
    // comes at once, and keeping the pages keeps their links.
    QTimer ticks;
    int tick = 0;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        auto* stop = Window->findChild<QPushButton*>("StopButton");
        if (++tick == 200 && stop) {
            stop->click();
        }
    });
    WhenShown<QMessageBox>([&ticks](QMessageBox* box) {
        box->findChild<QPushButton*>("SkipButton")->click();
        ticks.start(0);
    });
    int listed = 0;
    AnswerSummary("KeepButton", listed);
    Window->Commands().Run(Action::UpdateBase);
    EXPECT_GT(listed, 0);
    EXPECT_LT(listed, 1000);
    EXPECT_EQ(Base->Count(), 1001);
}
