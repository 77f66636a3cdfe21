#include "commands/window_commands.h"

#include "app/app_settings.h"
#include "app/application.h"
#include "app/documents.h"
#include "app/engine_pages.h"
#include "commands/engine_file.h"
#include "indexer/site_scan.h"
#include "platform/ansi.h"
#include "platform/files.h"

#include <algorithm>
#include <stdexcept>

namespace {

const char* const StartHint = "For help press F1";
const char* const DocumentHint = "Press \"Ins\" to add new link or category";
const char* const ChangedPanelText = "Changed";

const char* const DeleteCategoryQuestion =
    "Deleting of the category will delete all referenced links, too.\n\nAre you sure to delete "
    "this category and referenced links?";
const char* const ClearCategoriesQuestion =
    "Deleting of all categories will delete all links, too.\n\nAre you sure to clear search "
    "engine database?";
const char* const DeleteLinkQuestion = "Are you sure to delete this link?";
const char* const DeleteLinksQuestion = "Are you sure to delete these %d links?";
const char* const ClearLinksQuestion = "Are you sure to delete all links?";
const char* const PreviewQuestion =
    "You must save the search engine to show. Save it before showing?";
const char* const CloseQuestion = "Search engine file is not saved. Save it?";
const char* const RecentFileMissingMessage = "The file %s is not found.";
const char* const ProgramNotStartedMessage =
    "No program could be started to open this file (xdg-open, a web browser or an editor).";

std::string WithArgument(const char* text, const std::string& argument) {
    std::string result = text;
    const std::size_t at = result.find('%');
    return result.replace(at, 2, argument);
}

// Runs a command of the window: a conversion or input/output error ends it and
// is shown with the caption "Error".
template <typename Command> void Guarded(Ui& ui, Command command) {
    try {
        command();
    } catch (const std::runtime_error& error) {
        ui.ShowMessage(error.what(), "Error", MessageIcon::Error);
    }
}

} // namespace

WindowCommands::WindowCommands(WindowUi& ui) : ui_(ui) {
    ui_.SetCaption(ProductTitle);
    ui_.SetHintPanel(StartHint);
    ui_.SetChangedPanel("");
    ui_.SetViewChecked(false);
    ui_.SetUndoCaptions("", "");
    ui_.SetRecentFiles(AppSettings.RecentFiles);
}

// An engine with unsaved changes shows "*" before its name.
std::string WindowCommands::Caption() const {
    if (!engineLoaded_) {
        return ProductTitle;
    }
    return (engineSaved_ ? "" : "*") + EngineFileName + " - " + ProductTitle;
}

void WindowCommands::HandleCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return;
    }
    Guarded(ui_, [&] {
        OpenEngineFile(arguments[0]);
        if (arguments.size() >= 2) {
            RunBatchMode(arguments);
        }
    });
}

void WindowCommands::RunBatchMode(const std::vector<std::string>& arguments) {
    const std::string mode = AnsiLowerCase(arguments[1]);
    if (arguments.size() == 2 && mode == "update") {
        UpdateBase();
        FileSave();
    } else if (arguments.size() == 2 && mode == "addsite") {
        AddSite();
        FileSave();
    } else if (arguments.size() == 6 && mode == "addsite") {
        BatchAddSite(arguments);
        AddSite();
        FileSave();
    }
}

void WindowCommands::Run(Action action) {
    if (scanning_ || (InfoOf(action).Document && !documentEnabled_)) {
        return;
    }
    Guarded(ui_, [&] { Dispatch(action); });
}

void WindowCommands::Dispatch(Action action) {
    switch (action) {
    case Action::FileNew:
        return FileNew();
    case Action::FileOpen:
        return FileOpen();
    case Action::FileSave:
        return FileSave();
    case Action::FileSaveAs:
        return FileSaveAs();
    case Action::FileSaveAsTemplate:
        return FileSaveAsTemplate();
    case Action::FileBuildIn:
        return FileBuildIn();
    case Action::FileConvertToUtf8:
        return FileConvertToUtf8();
    case Action::FileImport:
        return FileImport();
    case Action::FilePreview:
        return FilePreview();
    case Action::FileExit:
        return ui_.CloseWindow();
    case Action::EditAdd:
        return EditAdd();
    case Action::AddSite:
        return AddSite();
    case Action::EditModify:
        return EditModify();
    case Action::UpdateBase:
        return UpdateBase();
    case Action::EditDelete:
        return EditDelete();
    case Action::EditClear:
        return EditClear();
    case Action::MoveToBegin:
    case Action::MoveUp:
    case Action::MoveDown:
    case Action::MoveToEnd:
        return Move(action);
    case Action::ViewCat:
    case Action::ViewLinks:
        viewAsCategories_ = action == Action::ViewCat;
        return SetViewStatus();
    case Action::RatSet:
        return EditSettingsFile("set.xml");
    case Action::TagSet:
        return EditSettingsFile("tags.xml");
    case Action::WordRat:
        return EditSettingsFile("words.xml");
    case Action::HelpIndex:
        return ReportIfNotStarted(OpenHelpPage(HelpPage::Index), HelpPageAddress(HelpPage::Index));
    case Action::HelpSearch:
        return ReportIfNotStarted(OpenHelpPage(HelpPage::Search),
                                  HelpPageAddress(HelpPage::Search));
    case Action::HelpDevSite:
        return ReportIfNotStarted(OpenDocument(HomePageAddress), HomePageAddress);
    case Action::HelpAbout:
        return ui_.ShowAbout();
    case Action::EditUndo:
    case Action::EditRedo:
        return EditUndo(action == Action::EditRedo);
    case Action::EditChangeCategory:
        return EditChangeCategory();
    case Action::EditSortLinks:
        return EditSortLinks();
    }
}

void WindowCommands::RowSelected(std::int32_t row) {
    if (viewAsCategories_) {
        Cat->Current = row;
        return;
    }
    const std::vector<std::int32_t>& rows = shown_.Rows();
    Base->Current = row >= 0 && row < static_cast<std::int32_t>(rows.size())
                        ? rows[static_cast<std::size_t>(row)]
                        : -1;
}

std::int32_t WindowCommands::SelectedRow() {
    if (viewAsCategories_) {
        return Cat->Current >= 0 && Cat->Current < Cat->Count() ? Cat->Current : -1;
    }
    return Base->Current >= 0 && Base->Current < Base->Count() ? shown_.RowOf(Base->Current) : -1;
}

void WindowCommands::RowsSelected(const std::vector<std::int32_t>& rows) {
    selection_.clear();
    const std::vector<std::int32_t>& shown = shown_.Rows();
    if (viewAsCategories_ || rows.size() < 2) {
        return;
    }
    for (const std::int32_t row : rows) {
        if (row >= 0 && row < static_cast<std::int32_t>(shown.size())) {
            selection_.push_back(shown[static_cast<std::size_t>(row)]);
        }
    }
    std::sort(selection_.begin(), selection_.end());
}

std::vector<std::int32_t> WindowCommands::SelectedRows() {
    std::vector<std::int32_t> rows;
    for (const std::int32_t position : selection_) {
        const std::int32_t row = shown_.RowOf(position);
        if (row >= 0) {
            rows.push_back(row);
        }
    }
    const std::int32_t current = SelectedRow();
    if (rows.empty() && current >= 0) {
        rows.push_back(current);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<std::int32_t> WindowCommands::SelectedPositions() {
    if (!viewAsCategories_ && selection_.size() > 1) {
        return selection_;
    }
    const std::int32_t row = SelectedRow();
    if (row < 0) {
        return {};
    }
    return {viewAsCategories_ ? row : shown_.Rows()[static_cast<std::size_t>(row)]};
}

void WindowCommands::SetFilter(const std::string& text) {
    shown_.SetFilter(text);
    selection_.clear();
    ui_.RefreshView();
}

void WindowCommands::SortView(int column, bool descending) {
    shown_.SetSort(column, descending);
    ui_.RefreshView();
}

void WindowCommands::OpenRecentFile(std::size_t index) {
    if (scanning_ || index >= AppSettings.RecentFiles.size()) {
        return;
    }
    const std::string path = AppSettings.RecentFiles[index];
    if (!FileExists(path)) {
        ui_.ShowMessage(WithArgument(RecentFileMissingMessage, path), "Error", MessageIcon::Error);
        AppSettings.RecentFiles.erase(AppSettings.RecentFiles.begin() +
                                      static_cast<std::ptrdiff_t>(index));
        ui_.SetRecentFiles(AppSettings.RecentFiles);
        return;
    }
    if (MayLeaveEngine()) {
        Guarded(ui_, [&] { OpenEngineFile(path); });
    }
}

bool WindowCommands::ConfirmClose() {
    if (scanning_) {
        StopRequested = true;
        return false;
    }
    return MayLeaveEngine();
}

bool WindowCommands::MayLeaveEngine() {
    if (engineSaved_) {
        return true;
    }
    switch (ui_.Ask(CloseQuestion, "Warning", MessageIcon::Warning, MessageButtons::YesNoCancel)) {
    case Answer::Yes:
        // A failed save keeps the engine, so that the edits are not lost.
        return SaveEngine(ui_);
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void WindowCommands::FileNew() {
    if (!MayLeaveEngine()) {
        return;
    }
    NewForm form = MakeNewForm();
    if (!ui_.RunNewForm(form)) {
        return;
    }
    OpenEngineFile(EngineFileName);
}

void WindowCommands::FileOpen() {
    std::string path;
    if (MayLeaveEngine() && ui_.ChooseFileToOpen(EngineFilter, path)) {
        OpenEngineFile(path);
    }
}

void WindowCommands::DropPath(const std::string& path) {
    if (!path.empty() && path.back() == PathSeparator) {
        if (documentEnabled_) {
            AddSiteFrom(path);
        }
    } else if (MayLeaveEngine()) {
        Guarded(ui_, [&] { OpenEngineFile(path); });
    }
}

void WindowCommands::OpenEngineFile(const std::string& path) {
    EnableDocument();
    OpenEngine(path, ui_);
    EngineOpened();
    ShowEngineCaption();
    FileSaved();
}

void WindowCommands::EngineOpened() {
    history_.Clear();
    selection_.clear();
    AddRecentFile(EngineFileName);
    ui_.SetRecentFiles(AppSettings.RecentFiles);
}

void WindowCommands::FileSave() {
    if (SaveEngine(ui_)) {
        FileSaved();
    }
}

void WindowCommands::FileSaveAs() {
    SaveInto(true, SaveEngineAs);
}

void WindowCommands::FileSaveAsTemplate() {
    std::string name;
    if (ui_.RunTemplateForm(name)) {
        EngineSavedUnderNewName(SaveEngineAsTemplate(name, ui_));
    }
}

void WindowCommands::FileBuildIn() {
    SaveInto(false, BuildInto);
}

// Saves the lists, converts the file and opens it again in its new encoding.
void WindowCommands::FileConvertToUtf8() {
    if (SaveEngine(ui_) && ConvertEngineToUtf8(EngineFileName, ui_)) {
        OpenEngineFile(EngineFileName);
    }
}

// Save As and Build in: the lists go into a file the person chooses.
void WindowCommands::SaveInto(bool askOverwrite, bool (*save)(const std::string&, Ui&)) {
    std::string path = EngineFileName;
    if (ui_.ChooseFileToSave(EngineFilter, path, askOverwrite)) {
        EngineSavedUnderNewName(save(path, ui_));
    }
}

// The caption names the new file; it counts as saved only when the save
// succeeded.
void WindowCommands::EngineSavedUnderNewName(bool saved) {
    ShowEngineCaption();
    if (saved) {
        AddRecentFile(EngineFileName);
        ui_.SetRecentFiles(AppSettings.RecentFiles);
        FileSaved();
    }
}

void WindowCommands::FileImport() {
    std::string path;
    if (!ui_.ChooseFileToOpen(EngineFilter, path)) {
        return;
    }
    EnableDocument();
    history_.Record("Import links");
    ImportLinks(path, ui_);
    RefreshView();
    FileChanged();
}

void WindowCommands::FilePreview() {
    if (!engineSaved_) {
        switch (ui_.Ask(PreviewQuestion, "Question", MessageIcon::Question,
                        MessageButtons::YesNoCancel)) {
        case Answer::Yes:
            if (!SaveEngine(ui_)) {
                return;
            }
            FileSaved();
            break;
        case Answer::No:
            break;
        default:
            return;
        }
    }
    ReportIfNotStarted(ShowSearch(), SearchPageOf(EngineFileName));
}

void WindowCommands::EditSettingsFile(const char* name) {
    const std::string file = EditableSettingsFile(name);
    ReportIfNotStarted(EditDocument(file), file);
}

void WindowCommands::ReportIfNotStarted(bool started, const std::string& target) {
    if (!started) {
        ui_.ShowMessage(std::string(ProgramNotStartedMessage) + "\n" + target, "Error",
                        MessageIcon::Error);
    }
}

void WindowCommands::EditAdd() {
    if (viewAsCategories_) {
        std::string name;
        if (ui_.RunCategoryForm("Add a new Category", name)) {
            history_.Record("Add category");
            Cat->Add(name);
            RefreshView();
            FileChanged();
        }
        return;
    }
    LinkForm form = NewLinkForm();
    if (ui_.RunLinkForm("Add new Link", form)) {
        history_.Record("Add link");
        Base->Add(LinkFromForm(form));
        RefreshView();
        FileChanged();
    }
}

void WindowCommands::EditModify() {
    const std::int32_t shownRow = SelectedRow();
    if (shownRow < 0) {
        return;
    }
    const std::int32_t row = viewAsCategories_ ? Cat->Current : Base->Current;
    if (viewAsCategories_) {
        std::string name = Cat->GetName(row);
        if (ui_.RunCategoryForm("Edit Category", name)) {
            history_.Record("Modify category");
            Cat->SetName(row, name);
            FileChanged();
            RefreshView();
        }
        return;
    }
    LinkForm form = NewLinkForm();
    LinkToForm(Base->GetLink(row), form);
    if (ui_.RunLinkForm("Edit Link", form)) {
        history_.Record("Modify link");
        Base->SetLink(row, LinkFromForm(form));
        FileChanged();
        RefreshView();
    }
}

void WindowCommands::EditDelete() {
    const std::vector<std::int32_t> positions = SelectedPositions();
    if (positions.empty()) {
        return;
    }
    const bool several = positions.size() > 1;
    const std::string question =
        viewAsCategories_ ? DeleteCategoryQuestion
        : several         ? WithArgument(DeleteLinksQuestion, std::to_string(positions.size()))
                          : DeleteLinkQuestion;
    if (ui_.Ask(question, "Warning", MessageIcon::Warning, MessageButtons::YesNo) != Answer::Yes) {
        return;
    }
    history_.Record(viewAsCategories_ ? "Delete category"
                    : several         ? "Delete links"
                                      : "Delete link");
    if (viewAsCategories_) {
        DeleteCategory(*Cat, *Base, positions.front());
    } else if (several) {
        Base->RemoveLinks(positions);
    } else {
        Base->Remove(positions.front());
    }
    FileChanged();
    RefreshView();
}

void WindowCommands::EditClear() {
    const char* question = viewAsCategories_ ? ClearCategoriesQuestion : ClearLinksQuestion;
    if (ui_.Ask(question, "Warning", MessageIcon::Warning, MessageButtons::YesNo) != Answer::Yes) {
        return;
    }
    history_.Record("Delete all");
    Base->Clear();
    if (viewAsCategories_) {
        Cat->Clear();
    }
    FileChanged();
    RefreshView();
}

void WindowCommands::Move(Action action) {
    const std::vector<std::int32_t> positions = SelectedPositions();
    if (positions.empty()) {
        return;
    }
    history_.Record(viewAsCategories_ ? "Move category" : "Move link");
    if (positions.size() > 1) {
        return MoveLinkBlock(action, positions);
    }
    const std::int32_t row = positions.front();
    if (viewAsCategories_) {
        const std::int32_t count = Cat->Count();
        switch (action) {
        case Action::MoveToBegin:
            Cat->ToBegin(row);
            Base->CatMovedToBegin(row);
            break;
        case Action::MoveUp:
            Cat->StepUp(row);
            Base->CatMovedUp(row);
            break;
        case Action::MoveDown:
            Cat->StepDown(row);
            Base->CatMovedDown(row, count);
            break;
        default:
            Cat->ToEnd(row);
            Base->CatMovedToEnd(row, count);
            break;
        }
    } else {
        switch (action) {
        case Action::MoveToBegin:
            Base->ToBegin(row);
            break;
        case Action::MoveUp:
            Base->StepUp(row);
            break;
        case Action::MoveDown:
            Base->StepDown(row);
            break;
        default:
            Base->ToEnd(row);
            break;
        }
    }
    FileChanged();
    RefreshView();
}

void WindowCommands::MoveLinkBlock(Action action, const std::vector<std::int32_t>& positions) {
    const BlockMove move = action == Action::MoveToBegin ? BlockMove::ToBegin
                           : action == Action::MoveUp    ? BlockMove::Up
                           : action == Action::MoveDown  ? BlockMove::Down
                                                         : BlockMove::ToEnd;
    std::vector<std::int32_t> moved = Base->MoveLinks(positions, move);
    FileChanged();
    RefreshView(std::move(moved));
}

void WindowCommands::EditChangeCategory() {
    const std::vector<std::int32_t> positions = SelectedPositions();
    if (viewAsCategories_ || positions.empty()) {
        return;
    }
    CategoryChoice choice;
    FillCategoryList(choice);
    const std::int32_t category = Base->LinkAt(positions.front()).Category;
    if (category < static_cast<std::int32_t>(choice.Items.size())) {
        choice.Selected = category;
    }
    if (!ui_.RunCategoryChoice(choice) || choice.Selected < 0) {
        return;
    }
    history_.Record("Change category");
    for (const std::int32_t position : positions) {
        TBaseRecord link = Base->GetLink(position);
        link.Category = choice.Selected;
        Base->SetLink(position, link);
    }
    FileChanged();
    RefreshView(positions.size() > 1 ? positions : std::vector<std::int32_t>());
}

// The base takes the order the list shows (every link, the filter aside); by
// caption when the list shows the base's own order.
void WindowCommands::EditSortLinks() {
    if (viewAsCategories_) {
        return;
    }
    const int column = shown_.SortColumn() > 0 ? shown_.SortColumn() : 3;
    const std::vector<std::int32_t> order =
        ShownLinks::SortedPositions(column, shown_.SortColumn() > 0 && shown_.Descending());
    history_.Record("Sort links");
    const std::int32_t current = Base->Current;
    Base->Reorder(order);
    const auto at = std::find(order.begin(), order.end(), current);
    Base->Current = at == order.end() ? -1 : static_cast<std::int32_t>(at - order.begin());
    shown_.SetSort(0, false);
    FileChanged();
    RefreshView();
}

void WindowCommands::EditUndo(bool redo) {
    if ((redo ? history_.RedoCaption() : history_.UndoCaption()).empty()) {
        return;
    }
    redo ? history_.Redo() : history_.Undo();
    engineSaved_ = history_.AtSavedPoint();
    ShowSavedState();
    RefreshView();
}

void WindowCommands::FileChanged() {
    engineSaved_ = false;
    ShowSavedState();
}

void WindowCommands::FileSaved() {
    history_.MarkSaved();
    engineSaved_ = true;
    ShowSavedState();
}

void WindowCommands::ShowSavedState() {
    ui_.SetChangedPanel(engineSaved_ ? "" : ChangedPanelText);
    ui_.SetUndoCaptions(history_.UndoCaption(), history_.RedoCaption());
    if (engineLoaded_) {
        ui_.SetCaption(Caption());
    }
}

void WindowCommands::RefreshView(std::vector<std::int32_t> selection) {
    selection_ = std::move(selection);
    ui_.RefreshView();
}

void WindowCommands::SetViewStatus() {
    ui_.SetViewChecked(viewAsCategories_);
    RefreshView();
}

void WindowCommands::EnableDocument() {
    documentEnabled_ = true;
    ui_.EnableDocumentCommands();
    ui_.SetHintPanel(DocumentHint);
}

void WindowCommands::ShowEngineCaption() {
    engineLoaded_ = true;
    ui_.SetCaption(Caption());
}
