#include "app/app_settings.h"
#include "app/application.h"
#include "gui/about_form.h"
#include "gui/add_site_form.h"
#include "gui/cat_form.h"
#include "gui/link_form.h"
#include "gui/new_form.h"
#include "gui_fixture.h"
#include "indexer/site_scan.h"
#include "menus/bar_main_menu.h"
#include "menus/bar_popup_menu.h"
#include "platform/files.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFont>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QToolTip>
#include <QTreeView>
#include <QUrl>

namespace {

const std::string Links = "  '0+Home+index.html',\r\n"
                          "  '3+Guide+docs/guide.html',\r\n"
                          "  '9+Lost+lost.html',\r\n"
                          "  '1+Story+news/a.html'";
const std::string Categories = "  'Main',\r\n  'News',\r\n  'Misc',\r\n  'Docs'";

QColor Foreground(QTreeView* view, int row) {
    return view->model()
        ->data(view->model()->index(row, 0), Qt::ForegroundRole)
        .value<QBrush>()
        .color();
}

TEST_F(GuiTest, StartsWithoutAnEngine) {
    EXPECT_EQ(Window->windowTitle(), "Brimlow Sitevane");
    EXPECT_FALSE(Window->LinksView()->isVisible());
    EXPECT_FALSE(Window->ActionOf(Action::FileSave)->isEnabled());
    EXPECT_FALSE(Window->ActionOf(Action::EditAdd)->isEnabled());
    EXPECT_TRUE(Window->ActionOf(Action::FileOpen)->isEnabled());
    EXPECT_TRUE(Window->ActionOf(Action::ViewLinks)->isChecked());
    EXPECT_EQ(PanelText("HintPanel"), "For help press F1");
    EXPECT_EQ(PanelText("ViewPanel"), "");
    EXPECT_EQ(PanelText("ChangedPanel"), "");
    EXPECT_EQ(Window->ActionOf(Action::EditAdd)->shortcut(), QKeySequence(Qt::Key_Insert));
    EXPECT_EQ(Window->ActionOf(Action::FileSaveAs)->shortcut(),
              QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_S));
    EXPECT_FALSE(Window->ActionOf(Action::FileNew)->icon().isNull());
}

TEST_F(GuiTest, StandardShortcutsAndDialogsOverTheWindow) {
    EXPECT_TRUE(Window->ActionOf(Action::FileNew)->shortcuts().contains(QKeySequence("Ctrl+N")));
    EXPECT_TRUE(Window->ActionOf(Action::FileOpen)->shortcuts().contains(QKeySequence("Ctrl+O")));
    EXPECT_EQ(QKeySequence::listToString(Window->ActionOf(Action::FileExit)->shortcuts()),
              "Alt+X; Ctrl+Q");
    Window->setGeometry(60, 40, 700, 500);
    Window->show();
    TAboutForm about(Window.get());
    const QPoint offset = about.frameGeometry().center() - Window->frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
}

TEST_F(GuiTest, ShowsBothViewsWithTheirCellsAndColours) {
    const std::string engine = WriteEngine("svxdb.js", Links, Categories);
    Window->Commands().HandleCommandLine({engine});
    QTreeView* view = Window->LinksView();
    EXPECT_EQ(Window->windowTitle(), QString::fromStdString(engine + " - Brimlow Sitevane"));
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(Window->ActionOf(Action::FileSave)->isEnabled());
    EXPECT_EQ(PanelText("HintPanel"), "Press \"Ins\" to add new link or category");
    EXPECT_EQ(PanelText("ViewPanel"), "Links");

    ASSERT_EQ(view->model()->rowCount(), 4);
    EXPECT_EQ(view->model()->headerData(2, Qt::Horizontal).toString(), "Link URL");
    EXPECT_EQ(view->columnWidth(0), 50);
    EXPECT_EQ(view->columnWidth(5), 800);
    EXPECT_EQ(Cell(1, 0), "2");
    EXPECT_EQ(Cell(1, 1), "Docs (3)");
    EXPECT_EQ(Cell(2, 1), " (9)");
    EXPECT_EQ(Cell(3, 3), "Story");
    EXPECT_EQ(Foreground(view, 1), QColor(128, 0, 0));
    EXPECT_EQ(Foreground(view, 3), QColor(255, 0, 0));
    EXPECT_EQ(Foreground(view, 2), QColor(0, 128, 0)); // category 9 takes 2's colour
    EXPECT_TRUE(view->model()->data(view->model()->index(0, 0), Qt::BackgroundRole).isValid());
    // Category 0's text is the tooltip's, readable on its background in any palette.
    EXPECT_EQ(Foreground(view, 0), QToolTip::palette().color(QPalette::ToolTipText));
    EXPECT_EQ(view->currentIndex().row(), Base->Current);

    Window->ActionOf(Action::ViewCat)->trigger();
    EXPECT_EQ(PanelText("ViewPanel"), "Categories");
    EXPECT_TRUE(Window->ActionOf(Action::ViewCat)->isChecked());
    ASSERT_EQ(view->model()->rowCount(), 4);
    EXPECT_EQ(view->model()->headerData(1, Qt::Horizontal).toString(), "Category Name");
    EXPECT_EQ(view->columnWidth(0), 30);
    EXPECT_EQ(view->columnWidth(1), view->width() - 35);
    EXPECT_EQ(Cell(3, 0), "3");
    EXPECT_EQ(Cell(3, 1), "Docs");
    EXPECT_EQ(Foreground(view, 2), QColor(0, 128, 0));
    EXPECT_TRUE(
        view->model()->data(view->model()->index(0, 1), Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(view->model()->data(view->model()->index(1, 1), Qt::FontRole).isValid());

    // Selecting a row makes it Current; moves act on it.
    view->setCurrentIndex(view->model()->index(1, 0));
    EXPECT_EQ(Cat->Current, 1);
    view->selectionModel()->clearSelection(); // a click beside the rows
    EXPECT_TRUE(view->selectionModel()->isRowSelected(1, QModelIndex()));
    Window->ActionOf(Action::MoveToEnd)->trigger();
    EXPECT_EQ(Cell(3, 1), "News");
    EXPECT_EQ(view->currentIndex().row(), 3);
    EXPECT_EQ(PanelText("ChangedPanel"), "Changed");
}

TEST_F(GuiTest, AddsALinkThroughTheLinkDialog) {
    Window->Commands().HandleCommandLine({WriteEngine("svxdb.js", Links, Categories)});
    std::string message;
    WhenShown<TLinkForm>([&](TLinkForm* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Add new Link");
        auto* categories = dialog->findChild<QComboBox*>("CatComboBox");
        EXPECT_EQ(categories->count(), 4);
        EXPECT_EQ(categories->itemText(3), "Docs (3)");
        EXPECT_EQ(categories->currentIndex(), 0);
        EXPECT_TRUE(dialog->findChild<QCheckBox*>("FromCheck")->isChecked());
        WhenShown<QMessageBox>([&, dialog](QMessageBox* box) {
            message = box->windowTitle().toStdString() + ": " + box->text().toStdString();
            EXPECT_EQ(box->icon(), QMessageBox::Critical);
            box->accept();
            WhenShown<TLinkForm>([](TLinkForm* form) {
                EXPECT_EQ(form->focusWidget(), form->findChild<QLineEdit*>("URLEdit"));
                form->findChild<QLineEdit*>("URLEdit")->setText("new.html");
                form->findChild<QComboBox*>("CatComboBox")->setCurrentIndex(2);
                form->findChild<QLineEdit*>("CaptionEdit")->setText(QString::fromUtf8("Caf\u00E9"));
                form->findChild<QPushButton*>("OkButton")->click();
            });
        });
        dialog->findChild<QPushButton*>("OkButton")->click();
    });
    Window->ActionOf(Action::EditAdd)->trigger();
    EXPECT_EQ(message, "Error: Not all required fields are filled");
    ASSERT_EQ(Base->Count(), 5);
    EXPECT_EQ(Base->GetLink(4).URL, "new.html");
    EXPECT_EQ(Base->GetLink(4).Category, 2);
    EXPECT_EQ(Base->GetLink(4).Caption, "Caf\xE9"); // Windows-1252 in the core
    EXPECT_EQ(Cell(4, 3), QString::fromUtf8("Caf\u00E9"));
    EXPECT_EQ(PanelText("ChangedPanel"), "Changed");
}

TEST_F(GuiTest, CategoryDialogNeedsAName) {
    TCatForm adding(Window.get(), "Add a new Category", "");
    auto* ok = adding.findChild<QPushButton*>("OkButton");
    auto* name = adding.findChild<QLineEdit*>("NameEdit");
    EXPECT_FALSE(ok->isEnabled());
    name->setText(" ");
    EXPECT_TRUE(ok->isEnabled());
    name->clear();
    EXPECT_FALSE(ok->isEnabled());

    TCatForm editing(Window.get(), "Edit Category", "Docs");
    EXPECT_TRUE(editing.findChild<QPushButton*>("OkButton")->isEnabled());
    EXPECT_EQ(editing.windowTitle(), "Edit Category");
}

TEST_F(GuiTest, PlacementSurvivesARestart) {
    Window->setGeometry(40, 50, 700, 500);
    CloseAndFinish();
    InitApplication();
    EXPECT_EQ(AppSettings.X0, 40);
    EXPECT_EQ(AppSettings.Y0, 50);
    EXPECT_EQ(AppSettings.DX, 700);
    EXPECT_EQ(AppSettings.DY, 500);
    EXPECT_FALSE(AppSettings.Maximize);

    Window = std::make_unique<MainForm>();
    EXPECT_EQ(Window->geometry(), QRect(40, 50, 700, 500));
    Window->showMaximized();
    QApplication::processEvents();
    EXPECT_TRUE(Window->isMaximized());
    CloseAndFinish();
    InitApplication();
    EXPECT_TRUE(AppSettings.Maximize);
    EXPECT_EQ(AppSettings.DX, 700); // the size it had before it was maximized
    EXPECT_EQ(AppSettings.DY, 500);
    finished_ = false;
    Window = std::make_unique<MainForm>();
}

TEST_F(GuiTest, BadInputLeavesTheWindowUsable) {
    // A missing file: its path in the caption and an empty list.
    const std::string missing = Folder.Path() + "nowhere/svxdb.js";
    Window->Commands().HandleCommandLine({missing});
    EXPECT_EQ(Window->windowTitle(), QString::fromStdString(missing + " - Brimlow Sitevane"));
    EXPECT_EQ(Window->LinksView()->model()->rowCount(), 0);

    // A file that is no engine file: a warning, then an empty list.
    QString warning;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        warning = box->windowTitle() + ": " + box->text();
        box->accept();
    });
    Window->Commands().HandleCommandLine({Folder.Write("image.png", "\x89PNG\r\n\x1A\n")});
    EXPECT_TRUE(warning.startsWith("Warning: Search engine is not found in this file."));
    EXPECT_EQ(Window->LinksView()->model()->rowCount(), 0);

    // A caption of a megabyte and the largest category number draw at once.
    const std::string huge = "  '2147483647+" + std::string(1 << 20, 'c') + "+big.html'";
    Window->Commands().HandleCommandLine({WriteEngine("big.js", huge, "  'Only'")});
    EXPECT_EQ(Cell(0, 1), " (2147483647)");
    QElapsedTimer timer;
    timer.start();
    Window->LinksView()->viewport()->grab();
    Window->ActionOf(Action::ViewCat)->trigger();
    Window->ActionOf(Action::ViewLinks)->trigger();
    Window->LinksView()->viewport()->grab();
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_EQ(Base->GetLink(0).Caption.size(), 1u << 20);
}

TEST_F(GuiTest, ProgressWindowStopsTheScanBeforeItCloses) {
    Window->ShowProgress();
    QWidget* progress = Window->findChild<QWidget*>("TAddUpdateSiteForm");
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->windowTitle(), "Scanning the Indexing Files...");
    StopRequested = false;
    progress->close();
    EXPECT_TRUE(progress->isVisible());
    EXPECT_TRUE(StopRequested);
    progress->close();
    EXPECT_FALSE(progress->isVisible());
    Window->CloseProgress();
}

} // namespace

namespace {

TEST_F(GuiTest, NewEngineDialogCreatesAndOpensTheFile) {
    const std::string engine = Folder.Path() + "site/enginedb.js";
    CreateFolders(Folder.Path() + "site");
    WhenShown<TNewForm>([&](TNewForm* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "New search engine file");
        auto* templates = dialog->findChild<QComboBox*>("TemplateComboBox");
        ASSERT_GE(templates->count(), 2);
        EXPECT_EQ(templates->itemText(0), "Script"); // sorted
        EXPECT_EQ(templates->currentIndex(), 0);
        EXPECT_EQ(dialog->findChild<QLineEdit*>("PathEdit")->text().toStdString(),
                  AppSettings.ProjectsPath + "svxdb.js");
        dialog->findChild<QLineEdit*>("PathEdit")->setText(QString::fromStdString(engine));
        templates->setCurrentIndex(templates->findText("Standard"));
        dialog->findChild<QPushButton*>("OkButton")->click();
    });
    Window->ActionOf(Action::FileNew)->trigger();
    EXPECT_EQ(Window->windowTitle(), QString::fromStdString(engine + " - Brimlow Sitevane"));
    EXPECT_TRUE(FileExists(engine));
    EXPECT_TRUE(FileExists(Folder.Path() + "site/search.html"));
    EXPECT_TRUE(Window->ActionOf(Action::FileSave)->isEnabled());
    EXPECT_TRUE(Window->LinksView()->isVisible());
}

TEST_F(GuiTest, AddSiteDialogsNewCategoryShowsInTheCategoryView) {
    Window->Commands().HandleCommandLine({WriteEngine("svxdb.js", Links, Categories)});
    Window->ActionOf(Action::ViewCat)->trigger();
    WhenShown<TAddSiteForm>([](TAddSiteForm* dialog) {
        EXPECT_EQ(dialog->findChild<QPushButton*>("OkButton")->text(), "Select Directory");
        EXPECT_FALSE(dialog->findChild<QCheckBox*>("AlreadyCheckBox")->isChecked());
        WhenShown<TCatForm>([dialog](TCatForm* name) {
            EXPECT_EQ(name->windowTitle(), "Add a new Category");
            name->findChild<QLineEdit*>("NameEdit")->setText("Photos");
            name->findChild<QPushButton*>("OkButton")->click();
            WhenShown<TAddSiteForm>([](TAddSiteForm* again) {
                auto* categories = again->findChild<QComboBox*>("CatComboBox");
                EXPECT_EQ(categories->currentText(), "Photos (4)");
                again->reject(); // the category stays although the dialog is cancelled
            });
        });
        dialog->findChild<QPushButton*>("NewCatBtn")->click();
    });
    Window->ActionOf(Action::AddSite)->trigger();
    EXPECT_EQ(Cat->Count(), 5);
    EXPECT_EQ(Window->LinksView()->model()->rowCount(), 5);
    EXPECT_EQ(Cell(4, 1), "Photos");
}

// Drops the local file or folder onto the window, as a file manager would.
void Drop(QWidget& window, const std::string& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
}

TEST_F(GuiTest, ADroppedEngineOpensAndADroppedFolderIsAddedAsASite) {
    const std::string engine = WriteEngine("svxdb.js", Links, Categories);
    Drop(*Window, engine);
    EXPECT_EQ(Window->windowTitle(), QString::fromStdString(engine + " - Brimlow Sitevane"));
    Folder.Write("site/a.html", "<title>Dropped</title>");
    WhenShown<TAddSiteForm>(
        [](TAddSiteForm* dialog) { dialog->findChild<QPushButton*>("OkButton")->click(); });
    Drop(*Window, Folder.Path() + "site");
    ASSERT_EQ(Base->Count(), 5); // no folder chooser: the dropped folder is the site
    EXPECT_EQ(Base->GetLink(4).Caption, "Dropped");
}

} // namespace

namespace {

TEST_F(GuiTest, OnlyTheFileMenuHasTheSideBar) {
    auto* mainMenu = dynamic_cast<TBcBarMainMenu*>(Window->menuBar());
    ASSERT_NE(mainMenu, nullptr);
    EXPECT_EQ(mainMenu->Bar.Width, 24);
    EXPECT_EQ(mainMenu->Bar.BarCaption.Caption, "Brimlow Sitevane");
    EXPECT_EQ(mainMenu->Bar.BarCaption.Font.pixelSize(), 15);
    EXPECT_TRUE(mainMenu->Bar.BarCaption.Font.bold());
    EXPECT_FALSE(mainMenu->Bar.BarBackPicture.Transparent);
    EXPECT_EQ(mainMenu->MenuStyle, msWindowsXP);
    const QList<QAction*> titles = mainMenu->actions();
    ASSERT_EQ(titles.size(), 5);
    EXPECT_EQ(titles[0]->text(), "&File");
    EXPECT_EQ(titles[4]->text(), "&?");
    QMenu* file = titles[0]->menu();
    QMenu* edit = titles[1]->menu();
    EXPECT_TRUE(mainMenu->BarApplies(*file, *Window->ActionOf(Action::FileExit)));
    EXPECT_FALSE(mainMenu->BarApplies(*edit, *Window->ActionOf(Action::EditAdd)));

    auto* context = Window->findChild<TBcBarPopupMenu*>("ContextMenu");
    ASSERT_NE(context, nullptr);
    EXPECT_FALSE(context->Bar.Visible());
    EXPECT_EQ(context->Bar.BarCaption.Font.pixelSize(), 19);
    EXPECT_TRUE(context->Bar.BarCaption.Font.italic());
    EXPECT_TRUE(context->Separators.Fade);
    EXPECT_FALSE(context->BarApplies(*context, *Window->ActionOf(Action::EditModify)));
    EXPECT_EQ(context->actions().size(), 10);
}

} // namespace
