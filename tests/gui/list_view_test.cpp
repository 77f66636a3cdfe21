// The links view offscreen: the filter over a large base, a selection of
// several rows, undo in the Edit menu, and the recent files across a restart.
#include "app/application.h"
#include "gui_fixture.h"

#include <QElapsedTimer>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <algorithm>
#include <iostream>

namespace {

class ListViewTest : public GuiTest {
  protected:
    void OpenLinks(int count) {
        std::string links;
        for (int i = 0; i < count; ++i) {
            links += std::string(i > 0 ? ",\r\n" : "") + "  '" + std::to_string(i % 3) + "+Page " +
                     std::to_string(i) + "+p" + std::to_string(i) + ".html'";
        }
        Window->Commands().HandleCommandLine(
            {WriteEngine("svxdb.js", links, "  'Red',\r\n  'Green',\r\n  'Blue'")});
    }

    int ShownRows() const { return Window->LinksView()->model()->rowCount(); }
    int CurrentRow() const { return Window->LinksView()->currentIndex().row(); }
};

TEST_F(ListViewTest, TheFilterNarrowsAHundredThousandLinksAsYouType) {
    OpenLinks(100000);
    QLineEdit* field = Window->FilterField();
    ASSERT_TRUE(field->isVisible());
    qint64 slowest = 0;
    for (const char c : std::string("PAGE 9999")) {
        QElapsedTimer timer;
        timer.start();
        field->insert(QString(QChar(c)));
        QApplication::processEvents();
        slowest = std::max(slowest, timer.elapsed());
    }
    std::cout << "slowest keystroke over 100,000 links: " << slowest << " ms\n";
    EXPECT_EQ(ShownRows(), 11); // Page 9999 and Page 99990 to 99999
    EXPECT_EQ(Cell(0, 3), "Page 9999");
    EXPECT_EQ(PanelText("FilterCount").rfind("11 of ", 0), 0u);

    // The row chosen in the filtered view stays current once it is cleared.
    Window->LinksView()->setCurrentIndex(Window->LinksView()->model()->index(5, 0));
    field->clear();
    EXPECT_EQ(ShownRows(), 100000);
    EXPECT_EQ(CurrentRow(), 99994);
    EXPECT_EQ(Cell(CurrentRow(), 3), "Page 99994");

    // All of them selected, deleted and brought back.
    QElapsedTimer timer;
    timer.start();
    Window->LinksView()->selectAll();
    WhenShown<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    Window->Commands().Run(Action::EditDelete);
    EXPECT_EQ(Base->Count(), 0);
    Window->ActionOf(Action::EditUndo)->trigger();
    EXPECT_EQ(ShownRows(), 100000);
    std::cout << "select all, delete and undo over 100,000 links: " << timer.elapsed() << " ms\n";
}

TEST_F(ListViewTest, SeveralSelectedRowsAreRecategorisedAndDeletedAndUndone) {
    OpenLinks(6);
    QItemSelectionModel* selection = Window->LinksView()->selectionModel();
    QAbstractItemModel* model = Window->LinksView()->model();
    for (int row : {1, 4}) {
        selection->select(model->index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    WhenShown<QInputDialog>([](QInputDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Change Category");
        dialog->setTextValue("Blue (2)");
        dialog->accept();
    });
    Window->Commands().Run(Action::EditChangeCategory);
    EXPECT_EQ(Base->GetLink(1).Category, 2);
    EXPECT_EQ(Base->GetLink(4).Category, 2);
    EXPECT_EQ(selection->selectedRows().size(), 3); // the current row 0 with them

    QString question;
    WhenShown<QMessageBox>([&question](QMessageBox* box) {
        question = box->text();
        box->button(QMessageBox::Yes)->click();
    });
    Window->Commands().Run(Action::EditDelete);
    EXPECT_EQ(question, "Are you sure to delete these 3 links?");
    EXPECT_EQ(Base->Count(), 3);
    QAction* undo = Window->ActionOf(Action::EditUndo);
    EXPECT_EQ(undo->text(), "&Undo Delete links");
    undo->trigger();
    EXPECT_EQ(Base->Count(), 6);
    EXPECT_EQ(undo->text(), "&Undo Change category");
    EXPECT_EQ(Window->windowTitle().left(1), "*");
    undo->trigger();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(Window->windowTitle().startsWith('*'));
}

TEST_F(ListViewTest, RecentFilesComeBackAfterARestart) {
    OpenLinks(2);
    const std::string engine = EngineFileName;
    CloseAndFinish();

    InitApplication();
    Window = std::make_unique<MainForm>();
    finished_ = false;
    auto* recent = Window->findChild<QAction*>("RecentFile1");
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->text(), QString::fromStdString("&1 " + engine));
    EXPECT_TRUE(Window->menuBar()->actions()[0]->menu()->actions().contains(recent));
    recent->trigger();
    EXPECT_EQ(Base->Count(), 2);
    EXPECT_EQ(Window->windowTitle(), QString::fromStdString(engine + " - Brimlow Sitevane"));
}

} // namespace
