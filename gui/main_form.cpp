#include "gui/main_form.h"

#include "app/app_settings.h"
#include "app/application.h"
#include "app/engine_encoding.h"
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
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>
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
                     Action::FileConvertToUtf8,
                     Bar,
                     Action::FilePreview,
                     Bar,
                     Action::FileExit};
const Items EditMenu{Action::EditUndo,
                     Action::EditRedo,
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
                     Action::MoveUp,
                     Action::MoveDown,
                     Action::MoveToEnd,
                     Bar,
                     Action::EditChangeCategory,
                     Action::EditSortLinks};
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
      changedPanel_(new QLabel), encodingPanel_(new QLabel), hintPanel_(new QLabel) {
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

// The list's model reads the commands' shown rows: the view lets go of it
// before the commands go, since the window still lays the view out as it
// closes.
MainForm::~MainForm() {
    linksView_->setModel(nullptr);
}

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

// The usual Ctrl+N, Ctrl+O, Ctrl+Q and Ctrl+Y beside the table's shortcuts,
// wherever no command of the table has taken them.
void MainForm::AddStandardShortcuts() {
    QList<QKeySequence> taken;
    for (const CommandInfo& info : CommandTable) {
        taken += QKeySequence(QString::fromLatin1(info.Shortcut));
    }
    const std::pair<Action, QKeySequence> standard[] = {
        {Action::FileNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {Action::FileOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {Action::FileExit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {Action::EditRedo, QKeySequence(Qt::CTRL | Qt::Key_Y)}};
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
        QMenu* menu = mainMenu->AddMenu(title);
        fill(*menu, items);
        if (items.begin() == FileMenu.begin()) {
            fileMenu_ = menu;
        }
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
    encodingPanel_->setObjectName("EncodingPanel");
    hintPanel_->setObjectName("HintPanel");
    viewPanel_->setFixedWidth(100);
    changedPanel_->setFixedWidth(80);
    encodingPanel_->setFixedWidth(100);
    for (QLabel* panel : {viewPanel_, changedPanel_, encodingPanel_, hintPanel_}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    statusBar()->addWidget(viewPanel_);
    statusBar()->addWidget(changedPanel_);
    statusBar()->addWidget(encodingPanel_);
    statusBar()->addWidget(hintPanel_, 1);
}

void MainForm::CreateLinksView() {
    linksView_->setObjectName("LinksView");
    linksView_->setModel(model_);
    linksView_->setRootIsDecorated(false);
    linksView_->setUniformRowHeights(true);
    linksView_->setItemsExpandable(false);
    linksView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    linksView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    linksView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    linksView_->setTextElideMode(Qt::ElideRight);
    linksView_->header()->setStretchLastSection(false);
    connect(linksView_->header(), &QHeaderView::sortIndicatorChanged,
            [this](int column, Qt::SortOrder order) {
                commands_->SortView(column, order == Qt::DescendingOrder);
            });
    linksView_->installEventFilter(this);
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
        if (!commands_) {
            return;
        }
        QItemSelectionModel& selection = *linksView_->selectionModel();
        const int row = commands_->SelectedRow();
        if (row >= 0 && !selection.hasSelection()) {
            selection.select(model_->index(row, 0),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        std::vector<std::int32_t> rows;
        for (const QModelIndex& index : selection.selectedRows()) {
            rows.push_back(index.row());
        }
        commands_->RowsSelected(rows);
    });
    connect(linksView_, &QAbstractItemView::doubleClicked,
            [this] { commands_->Run(Action::EditModify); });
    linksView_->hide();
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CreateFilterBar());
    layout->addWidget(linksView_);
    setCentralWidget(central);
}

// The filter field above the links: typing narrows the list, Esc clears it.
QWidget* MainForm::CreateFilterBar() {
    filterBar_ = new QWidget;
    filterBar_->setObjectName("FilterBar");
    filterField_ = new QLineEdit;
    filterField_->setObjectName("FilterField");
    filterField_->setPlaceholderText(
        "Find links by caption, URL, description or keywords (Ctrl+F)");
    filterField_->setClearButtonEnabled(true);
    filterField_->installEventFilter(this);
    connect(filterField_, &QLineEdit::textChanged,
            [this](const QString& text) { commands_->SetFilter(FromQt(text)); });
    filterCount_ = new QLabel;
    filterCount_->setObjectName("FilterCount");
    auto* layout = new QHBoxLayout(filterBar_);
    layout->setContentsMargins(4, 3, 4, 3);
    layout->addWidget(filterField_, 1);
    layout->addWidget(filterCount_);
    filterBar_->hide();

    auto* find = new QAction("Find", this);
    find->setObjectName("FindLinks");
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, [this] { FocusFilter(); });
    addAction(find);
    return filterBar_;
}

void MainForm::FocusFilter() {
    if (filterBar_->isVisible()) {
        filterField_->setFocus();
        filterField_->selectAll();
    }
}

// "/" in the list goes to the filter; Esc in the filter clears it, and Esc
// or Down in an empty one goes back to the list.
bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == linksView_ && key->text() == "/" && filterBar_->isVisible()) {
        FocusFilter();
        return true;
    }
    if (watched == filterField_ && key->key() == Qt::Key_Escape &&
        !filterField_->text().isEmpty()) {
        filterField_->clear();
        return true;
    }
    if (watched == filterField_ && (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Down)) {
        linksView_->setFocus();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::ShowFilterCount() {
    const QLocale locale;
    const int shown = model_->rowCount();
    filterCount_->setText(
        commands_->Shown().Filtered()
            ? QString("%1 of %2 links").arg(locale.toString(shown), locale.toString(Base->Count()))
            : QString("%1 links").arg(locale.toString(shown)));
}

void MainForm::SetColumnWidths() {
    const auto& columns = model_->Categories() ? CategoryColumns() : LinkColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int width = columns[i].Width > 0 ? columns[i].Width : linksView_->width() - 35;
        linksView_->setColumnWidth(static_cast<int>(i), width);
    }
}

void MainForm::RefreshView() {
    if (!commands_) {
        return;
    }
    const bool categories = commands_->ViewAsCategories();
    viewPanel_->setText(categories ? "Categories" : "Links");
    encodingPanel_->setText(EngineEncoding == TEngineEncoding::Utf8 ? "UTF-8" : "Windows-1252");
    linksView_->setUpdatesEnabled(false);
    model_->Reset(categories, commands_->Shown());
    linksView_->setSelectionMode(categories ? QAbstractItemView::SingleSelection
                                            : QAbstractItemView::ExtendedSelection);
    QHeaderView& header = *linksView_->header();
    header.setSectionsClickable(!categories);
    header.setSortIndicatorShown(!categories);
    {
        const QSignalBlocker quiet(header);
        header.setSortIndicator(categories ? -1 : commands_->Shown().SortColumn(),
                                commands_->Shown().Descending() ? Qt::DescendingOrder
                                                                : Qt::AscendingOrder);
    }
    SetColumnWidths();
    linksView_->setUpdatesEnabled(true);
    if (commands_->DocumentEnabled()) {
        linksView_->show();
        filterBar_->setVisible(!categories);
    }
    ShowFilterCount();
    if (!filterField_->hasFocus()) {
        linksView_->setFocus();
    }
    SelectShownRows();
}

// Selects the rows the commands hold selected, the current one first.
void MainForm::SelectShownRows() {
    const std::vector<std::int32_t> rows = commands_->SelectedRows();
    const int current = commands_->SelectedRow();
    if (current < 0) {
        return;
    }
    const QModelIndex index = model_->index(current, 0);
    QItemSelectionModel& selection = *linksView_->selectionModel();
    selection.setCurrentIndex(index,
                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (rows.size() > 1) {
        QItemSelection block;
        for (std::size_t first = 0, last = 0; first < rows.size(); first = ++last) {
            while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1) {
                ++last;
            }
            block.select(model_->index(rows[first], 0), model_->index(rows[last], 0));
        }
        selection.select(block, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    linksView_->scrollTo(index);
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
        QFileDialog::getOpenFileName(this, QString(), PathToQt(path), QtFilter(filter));
    if (chosen.isEmpty()) {
        return false;
    }
    path = PathFromQt(chosen);
    return true;
}

bool MainForm::ChooseFileToSave(const char* filter, std::string& path, bool askOverwrite) {
    const QString chosen = QFileDialog::getSaveFileName(
        this, QString(), PathToQt(path), QtFilter(filter), nullptr,
        askOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
    if (chosen.isEmpty()) {
        return false;
    }
    path = PathFromQt(chosen);
    return true;
}

bool MainForm::BrowseForFolder(const std::string& prompt, std::string& path) {
    const std::string start = path.empty() ? path : path.substr(0, path.size() - 1);
    const QString chosen = QFileDialog::getExistingDirectory(this, ToQt(prompt), PathToQt(start));
    if (chosen.isEmpty()) {
        return false;
    }
    path = PathFromQt(chosen);
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
        progress_->ShowFile(PathToQt(path));
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
        // Undo and Redo follow the history (SetUndoCaptions).
        if (info.Document && info.Id != Action::EditUndo && info.Id != Action::EditRedo) {
            actions_[info.Id]->setEnabled(true);
        }
    }
    linksView_->show();
}

void MainForm::SetViewChecked(bool categories) {
    actions_[Action::ViewCat]->setChecked(categories);
    actions_[Action::ViewLinks]->setChecked(!categories);
}

bool MainForm::RunCategoryChoice(CategoryChoice& choice) {
    QStringList items;
    for (const std::string& item : choice.Items) {
        items += ToQt(item);
    }
    QInputDialog dialog(DialogOwner());
    dialog.setObjectName("CategoryChoice");
    dialog.setWindowTitle("Change Category");
    dialog.setLabelText("Category of the selected links:");
    dialog.setComboBoxItems(items);
    if (choice.Selected >= 0 && choice.Selected < items.size()) {
        dialog.setTextValue(items[choice.Selected]);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    choice.Selected = static_cast<std::int32_t>(items.indexOf(dialog.textValue()));
    return true;
}

void MainForm::SetUndoCaptions(const std::string& undo, const std::string& redo) {
    const std::pair<Action, const std::string&> steps[] = {{Action::EditUndo, undo},
                                                           {Action::EditRedo, redo}};
    for (const auto& [id, caption] : steps) {
        const QString text = InfoOf(id).Caption;
        actions_[id]->setText(caption.empty() ? text : text + ' ' + ToQt(caption));
        actions_[id]->setEnabled(!caption.empty());
    }
}

// The recent files stand before Exit, numbered for the keyboard; a change of
// the list is stored at once.
void MainForm::SetRecentFiles(const std::vector<std::string>& files) {
    if (files == recentFiles_) {
        return;
    }
    recentFiles_ = files;
    qDeleteAll(recentActions_);
    recentActions_.clear();
    for (std::size_t i = 0; i < files.size(); ++i) {
        QString path = PathToQt(files[i]);
        auto* action = new QAction(QString("&%1 %2").arg(i + 1).arg(path.replace('&', "&&")), this);
        action->setObjectName(QString("RecentFile%1").arg(i + 1));
        connect(action, &QAction::triggered, [this, i] { commands_->OpenRecentFile(i); });
        recentActions_ += action;
    }
    if (!recentActions_.isEmpty()) {
        auto* separator = new QAction(this);
        separator->setSeparator(true);
        recentActions_ += separator;
    }
    fileMenu_->insertActions(actions_[Action::FileExit], recentActions_);
    if (commands_) { // not the list read at the start
        SaveRecentFiles();
    }
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
        commands_->DropPath(PathFromQt(path));
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
