#include "gui/main_form.h"

#include "app/app_settings.h"
#include "commands/links_view.h"
#include "gui/about_form.h"
#include "gui/action_icons.h"
#include "gui/add_site_form.h"
#include "gui/cat_form.h"
#include "gui/link_form.h"
#include "gui/links_model.h"
#include "gui/menu_look.h"
#include "gui/missing_pages_form.h"
#include "gui/new_form.h"
#include "gui/progress_form.h"
#include "gui/qt_text.h"
#include "gui/template_form.h"
#include "gui/window_placement.h"
#include "menus/bar_main_menu.h"
#include "menus/bar_popup_menu.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QTreeView>
#include <QUrl>
#include <optional>

namespace {

// A menu or toolbar, in order; nullopt stands for a separator.
using Items = std::initializer_list<std::optional<Action>>;
constexpr std::nullopt_t Bar = std::nullopt;

const Items FileMenu{Action::FileNew,
                     Action::FileOpen,
                     Bar,
                     Action::FileSave,
                     Action::FileSaveAs,
                     Action::FileSaveAsTemplate,
                     Action::FileBuildIn,
                     Action::FileImport,
                     Bar,
                     Action::FilePreview,
                     Bar,
                     Action::FileExit};
const Items EditMenu{Action::EditAdd,     Action::AddSite,    Bar,
                     Action::EditModify,  Action::UpdateBase, Bar,
                     Action::EditDelete,  Action::EditClear,  Bar,
                     Action::MoveToBegin, Action::MoveUp,     Action::MoveDown,
                     Action::MoveToEnd};
const Items OptionsMenu{Action::RatSet, Action::TagSet, Action::WordRat};
const Items ViewMenu{Action::ViewCat, Action::ViewLinks};
const Items HelpMenu{Action::HelpIndex, Action::HelpSearch, Action::HelpDevSite, Bar,
                     Action::HelpAbout};
const Items ContextMenu{
    Action::EditModify, Action::EditDelete, Bar, Action::MoveToBegin, Action::MoveUp,
    Action::MoveDown,   Action::MoveToEnd,  Bar, Action::ViewCat,     Action::ViewLinks};
const Items ToolbarItems{Action::FileNew,
                         Action::FileOpen,
                         Action::FileSave,
                         Action::FilePreview,
                         Bar,
                         Action::EditAdd,
                         Action::AddSite,
                         Bar,
                         Action::EditModify,
                         Action::UpdateBase,
                         Bar,
                         Action::EditDelete,
                         Action::EditClear,
                         Bar,
                         Action::MoveToBegin,
                         Action::MoveToEnd,
                         Bar,
                         Action::MoveUp,
                         Action::MoveDown,
                         Bar,
                         Action::ViewCat,
                         Action::ViewLinks,
                         Bar,
                         Action::HelpIndex};

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    default:
        return QMessageBox::Information;
    }
}

} // namespace

MainForm::MainForm()
    : model_(new LinksModel(this)), linksView_(new QTreeView), viewPanel_(new QLabel),
      changedPanel_(new QLabel), hintPanel_(new QLabel) {
    setObjectName("MainForm");
    setAcceptDrops(true);
    CreateActions();
    CreateMenusAndToolbar();
    CreateStatusBar();
    CreateLinksView();
    // The primary screen first (and once more among the others).
    QList<QRect> screens;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screens.append(primary->availableGeometry());
    }
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->availableGeometry());
    }
    setGeometry(
        MainWindowPlacement(QRect(AppSettings.X0, AppSettings.Y0, AppSettings.DX, AppSettings.DY),
                            !AppSettings.PlacementStored, screens));
    commands_ = std::make_unique<WindowCommands>(*this);
}

MainForm::~MainForm() = default;

void MainForm::CreateActions() {
    auto* views = new QActionGroup(this);
    for (const CommandInfo& info : CommandTable) {
        auto* action = new QAction(ActionIcon(info.Id), info.Caption, this);
        action->setObjectName(info.Name);
        action->setShortcut(QKeySequence(QString::fromLatin1(info.Shortcut)));
        action->setToolTip(info.Hint);
        action->setStatusTip(info.Hint);
        action->setEnabled(!info.Document);
        connect(action, &QAction::triggered, [this, id = info.Id] { commands_->Run(id); });
        actions_[info.Id] = action;
        addAction(action);
    }
    for (Action view : {Action::ViewCat, Action::ViewLinks}) {
        actions_[view]->setCheckable(true);
        views->addAction(actions_[view]);
    }
    AddStandardShortcuts();
}

// The usual Ctrl+N, Ctrl+O and Ctrl+Q beside the table's shortcuts,
// wherever no command of the table has taken them.
void MainForm::AddStandardShortcuts() {
    QList<QKeySequence> taken;
    for (const CommandInfo& info : CommandTable) {
        taken += QKeySequence(QString::fromLatin1(info.Shortcut));
    }
    const std::pair<Action, QKeySequence> standard[] = {
        {Action::FileNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {Action::FileOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {Action::FileExit, QKeySequence(Qt::CTRL | Qt::Key_Q)}};
    for (const auto& [id, key] : standard) {
        QList<QKeySequence> shortcuts = actions_[id]->shortcuts();
        shortcuts.removeAll(QKeySequence());
        if (!taken.contains(key)) {
            shortcuts += key;
        }
        actions_[id]->setShortcuts(shortcuts);
    }
}

void MainForm::CreateMenusAndToolbar() {
    const auto fill = [this](QWidget& target, Items items) {
        for (const std::optional<Action>& item : items) {
            if (item) {
                target.addAction(actions_[*item]);
            } else {
                auto* separator = new QAction(&target);
                separator->setSeparator(true);
                target.addAction(separator);
            }
        }
    };
    const std::pair<const char*, Items> menus[] = {{"&File", FileMenu},
                                                   {"&Edit", EditMenu},
                                                   {"&Options", OptionsMenu},
                                                   {"&View", ViewMenu},
                                                   {"&?", HelpMenu}};
    auto* mainMenu = new TBcBarMainMenu(this);
    mainMenu->setObjectName("MainMenu");
    StyleMainMenu(*mainMenu);
    setMenuBar(mainMenu);
    for (const auto& [title, items] : menus) {
        fill(*mainMenu->AddMenu(title), items);
    }
    QToolBar* toolbar = addToolBar("Toolbar");
    toolbar->setObjectName("ToolBar");
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(16, 16));
    fill(*toolbar, ToolbarItems);

    auto* contextMenu = new TBcBarPopupMenu(this);
    StyleContextMenu(*contextMenu);
    contextMenu->setObjectName("ContextMenu");
    fill(*contextMenu, ContextMenu);
    linksView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(linksView_, &QWidget::customContextMenuRequested, [this, contextMenu](QPoint at) {
        contextMenu->popup(linksView_->viewport()->mapToGlobal(at));
    });
}

void MainForm::CreateStatusBar() {
    viewPanel_->setObjectName("ViewPanel");
    changedPanel_->setObjectName("ChangedPanel");
    hintPanel_->setObjectName("HintPanel");
    viewPanel_->setFixedWidth(100);
    changedPanel_->setFixedWidth(80);
    for (QLabel* panel : {viewPanel_, changedPanel_, hintPanel_}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    statusBar()->addWidget(viewPanel_);
    statusBar()->addWidget(changedPanel_);
    statusBar()->addWidget(hintPanel_, 1);
}

void MainForm::CreateLinksView() {
    linksView_->setObjectName("LinksView");
    linksView_->setModel(model_);
    linksView_->setRootIsDecorated(false);
    linksView_->setUniformRowHeights(true);
    linksView_->setItemsExpandable(false);
    linksView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    linksView_->setSelectionMode(QAbstractItemView::SingleSelection);
    linksView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    linksView_->setTextElideMode(Qt::ElideRight);
    linksView_->header()->setStretchLastSection(false);
    // The selection stays visible while the list has no focus.
    QPalette palette = linksView_->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    linksView_->setPalette(palette);
    connect(linksView_->selectionModel(), &QItemSelectionModel::currentRowChanged,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    commands_->RowSelected(current.row());
                }
            });
    // A click beside the rows keeps the current row selected: the row commands
    // act on it.
    connect(linksView_->selectionModel(), &QItemSelectionModel::selectionChanged, [this] {
        const int row = commands_ ? commands_->SelectedRow() : -1;
        if (row >= 0 && !linksView_->selectionModel()->hasSelection()) {
            linksView_->selectionModel()->select(
                model_->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    });
    connect(linksView_, &QAbstractItemView::doubleClicked,
            [this] { commands_->Run(Action::EditModify); });
    linksView_->hide();
    setCentralWidget(linksView_);
}

void MainForm::SetColumnWidths() {
    const auto& columns = model_->Categories() ? CategoryColumns() : LinkColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int width = columns[i].Width > 0 ? columns[i].Width : linksView_->width() - 35;
        linksView_->setColumnWidth(static_cast<int>(i), width);
    }
}

void MainForm::RefreshView() {
    const bool categories = commands_ ? commands_->ViewAsCategories() : false;
    viewPanel_->setText(categories ? "Categories" : "Links");
    linksView_->setUpdatesEnabled(false);
    model_->Reset(categories);
    SetColumnWidths();
    linksView_->setUpdatesEnabled(true);
    if (commands_ && commands_->DocumentEnabled()) {
        linksView_->show();
    }
    linksView_->setFocus();
    const int row = commands_ ? commands_->SelectedRow() : -1;
    if (row >= 0) {
        const QModelIndex index = model_->index(row, 0);
        linksView_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                 QItemSelectionModel::Rows);
        linksView_->scrollTo(index);
    }
}

// A message or a dialog opened from within a dialog belongs to that dialog;
// during a scan, to the progress window, so that it is never hidden behind it.
QWidget* MainForm::DialogOwner() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return progress_ ? static_cast<QWidget*>(progress_) : this;
}

void MainForm::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
    QMessageBox box(QtIcon(icon), ToQt(caption), ToQt(text), QMessageBox::Ok, DialogOwner());
    box.exec();
}

Answer MainForm::Ask(const std::string& text, const std::string& caption, MessageIcon icon,
                     MessageButtons buttons) {
    QMessageBox::StandardButtons offered = QMessageBox::Ok;
    if (buttons == MessageButtons::YesNo) {
        offered = QMessageBox::Yes | QMessageBox::No;
    } else if (buttons == MessageButtons::YesNoCancel) {
        offered = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    QMessageBox box(QtIcon(icon), ToQt(caption), ToQt(text), offered, DialogOwner());
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

bool MainForm::ChooseFileToOpen(const char* filter, std::string& path) {
    const QString chosen =
        QFileDialog::getOpenFileName(this, QString(), ToQt(path), QtFilter(filter));
    if (chosen.isEmpty()) {
        return false;
    }
    path = FromQt(chosen);
    return true;
}

bool MainForm::ChooseFileToSave(const char* filter, std::string& path, bool askOverwrite) {
    const QString chosen = QFileDialog::getSaveFileName(
        this, QString(), ToQt(path), QtFilter(filter), nullptr,
        askOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty()) {
        return false;
    }
    path = FromQt(chosen);
    return true;
}

bool MainForm::BrowseForFolder(const std::string& prompt, std::string& path) {
    const std::string start = path.empty() ? path : path.substr(0, path.size() - 1);
    const QString chosen = QFileDialog::getExistingDirectory(this, ToQt(prompt), ToQt(start));
    if (chosen.isEmpty()) {
        return false;
    }
    path = FromQt(chosen);
    if (path.back() != '/') {
        path += '/';
    }
    return true;
}

bool MainForm::RunCategoryForm(const std::string& caption, std::string& name) {
    TCatForm form(DialogOwner(), ToQt(caption), ToQt(name));
    if (form.exec() != QDialog::Accepted) {
        return false;
    }
    name = FromQt(form.Name());
    return true;
}

bool MainForm::RunLinkForm(const std::string& caption, LinkForm& form) {
    TLinkForm dialog(this, *this, ToQt(caption), form);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    form = dialog.Form();
    return true;
}

bool MainForm::RunNewForm(NewForm& form) {
    TNewForm dialog(this, *this, form);
    return dialog.exec() == QDialog::Accepted;
}

bool MainForm::RunTemplateForm(std::string& name) {
    TTemplateForm dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    name = FromQt(dialog.Name());
    return true;
}

bool MainForm::RunAddSiteForm(AddSiteForm& form) {
    TAddSiteForm dialog(this, *this, form);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    form = dialog.Form();
    return true;
}

void MainForm::ShowAbout() {
    TAboutForm(this).exec();
}

void MainForm::ShowProgress() {
    delete progress_;
    progress_ = new TAddUpdateSiteForm(this);
    progress_->adjustSize();
    progress_->move(geometry().center() - progress_->rect().center());
    progress_->show();
}

void MainForm::ShowProgressFile(const std::string& path) {
    if (progress_) {
        progress_->ShowFile(ToQt(path));
    }
}

void MainForm::CloseProgress() {
    if (progress_) {
        progress_->close();
        progress_->deleteLater();
        progress_ = nullptr;
    }
}

void MainForm::ProcessEvents() {
    QCoreApplication::processEvents();
}

// Esc and the close button go on warning, as OK did.
MissingPageChoice MainForm::WarnPageNotFound(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, "Warning", ToQt(text), QMessageBox::NoButton,
                    DialogOwner());
    QPushButton* goOn = box.addButton("&Go On", QMessageBox::AcceptRole);
    goOn->setObjectName("GoOnButton");
    QPushButton* skip = box.addButton("S&kip Further Warnings", QMessageBox::ActionRole);
    skip->setObjectName("SkipButton");
    QPushButton* stop = box.addButton("&Stop Update", QMessageBox::RejectRole);
    stop->setObjectName("StopUpdateButton");
    box.setDefaultButton(goOn);
    box.setEscapeButton(goOn);
    box.exec();
    if (box.clickedButton() == skip) {
        return MissingPageChoice::SkipWarnings;
    }
    return box.clickedButton() == stop ? MissingPageChoice::StopUpdate : MissingPageChoice::GoOn;
}

bool MainForm::OfferToDeleteMissingLinks(const std::vector<std::string>& urls) {
    return TMissingPagesForm(urls, DialogOwner()).exec() == QDialog::Accepted;
}

void MainForm::SetCaption(const std::string& caption) {
    setWindowTitle(ToQt(caption));
}

void MainForm::SetChangedPanel(const std::string& text) {
    changedPanel_->setText(ToQt(text));
}

void MainForm::SetHintPanel(const std::string& text) {
    standingHint_ = ToQt(text);
    hintPanel_->setText(standingHint_);
}

void MainForm::EnableDocumentCommands() {
    for (const CommandInfo& info : CommandTable) {
        if (info.Document) {
            actions_[info.Id]->setEnabled(true);
        }
    }
    linksView_->show();
}

void MainForm::SetViewChecked(bool categories) {
    actions_[Action::ViewCat]->setChecked(categories);
    actions_[Action::ViewLinks]->setChecked(!categories);
}

void MainForm::CloseWindow() {
    close();
}

void MainForm::closeEvent(QCloseEvent* event) {
    if (!commands_->ConfirmClose()) {
        event->ignore();
        return;
    }
    RecordPlacement();
    event->accept();
}

// A command's hint shows in the hint panel while the pointer is on it.
bool MainForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        hintPanel_->setText(tip.isEmpty() ? standingHint_ : tip);
        return true;
    }
    return QMainWindow::event(event);
}

namespace {

// The first local file or folder of a drag, a folder ending with the
// separator; empty when the drag brings none.
QString DroppedPath(const QMimeData* data) {
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            const QFileInfo file(url.toLocalFile());
            return file.isDir() ? QDir(file.absoluteFilePath()).absolutePath() + '/'
                                : file.absoluteFilePath();
        }
    }
    return QString();
}

} // namespace

void MainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedPath(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

// A folder dropped onto the window is added as a site, a file opens.
void MainForm::dropEvent(QDropEvent* event) {
    const QString path = DroppedPath(event->mimeData());
    if (!path.isEmpty()) {
        event->acceptProposedAction();
        commands_->DropPath(FromQt(path));
    }
}

void MainForm::RecordPlacement() {
    AppSettings.Maximize = isMaximized();
    const QRect bounds = isMaximized() ? normalGeometry() : geometry();
    AppSettings.X0 = bounds.x();
    AppSettings.Y0 = bounds.y();
    AppSettings.DX = bounds.width();
    AppSettings.DY = bounds.height();
}
