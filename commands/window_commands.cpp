#include "commands/window_commands.h"

#include "app/app_settings.h"
#include "app/application.h"
#include "app/documents.h"
#include "commands/engine_file.h"
#include "indexer/site_scan.h"
#include "platform/ansi.h"
#include "platform/files.h"

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
const char* const ClearLinksQuestion = "Are you sure to delete all links?";
const char* const PreviewQuestion =
    "You must save the search engine to show. Save it before showing?";
const char* const CloseQuestion = "Search engine file is not saved. Save it?";
const char* const ProgramNotStartedMessage =
    "No program could be started to open this file (xdg-open, a web browser or an editor).";

} // namespace

WindowCommands::WindowCommands(WindowUi& ui) : ui_(ui) {
    ui_.SetCaption(ProductTitle);
    ui_.SetHintPanel(StartHint);
    ui_.SetChangedPanel("");
    ui_.SetViewChecked(false);
}

std::string WindowCommands::Caption() const {
    return engineLoaded_ ? EngineFileName + " - " + ProductTitle : ProductTitle;
}

void WindowCommands::HandleCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return;
    }
    try {
        EnableDocument();
        OpenEngine(arguments[0], ui_);
        ShowEngineCaption();
        FileSaved();
        if (arguments.size() >= 2) {
            RunBatchMode(arguments);
        }
    } catch (const std::runtime_error& error) {
        ui_.ShowMessage(error.what(), "Error", MessageIcon::Error);
    }
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
    try {
        Dispatch(action);
    } catch (const std::runtime_error& error) {
        ui_.ShowMessage(error.what(), "Error", MessageIcon::Error);
    }
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
    }
}

void WindowCommands::RowSelected(std::int32_t row) {
    (viewAsCategories_ ? Cat->Current : Base->Current) = row;
}

std::int32_t WindowCommands::SelectedRow() const {
    const std::int32_t current = viewAsCategories_ ? Cat->Current : Base->Current;
    const std::int32_t count = viewAsCategories_ ? Cat->Count() : Base->Count();
    return current >= 0 && current < count ? current : -1;
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
    EnableDocument();
    OpenEngine(EngineFileName, ui_);
    FileSaved();
    ShowEngineCaption();
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
        OpenEngineFile(path);
    }
}

void WindowCommands::OpenEngineFile(const std::string& path) {
    EnableDocument();
    OpenEngine(path, ui_);
    ShowEngineCaption();
    FileSaved();
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
        FileSaved();
    }
}

void WindowCommands::FileImport() {
    std::string path;
    if (!ui_.ChooseFileToOpen(EngineFilter, path)) {
        return;
    }
    EnableDocument();
    ImportLinks(path, ui_);
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
    ReportIfNotStarted(ShowSearch(), SearchPageOfEngine());
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
            Cat->Add(name);
            RefreshView();
            FileChanged();
        }
        return;
    }
    LinkForm form = NewLinkForm();
    if (ui_.RunLinkForm("Add new Link", form)) {
        Base->Add(LinkFromForm(form));
        RefreshView();
        FileChanged();
    }
}

void WindowCommands::EditModify() {
    const std::int32_t row = SelectedRow();
    if (row < 0) {
        return;
    }
    if (viewAsCategories_) {
        std::string name = Cat->GetName(row);
        if (ui_.RunCategoryForm("Edit Category", name)) {
            Cat->SetName(row, name);
            FileChanged();
            RefreshView();
        }
        return;
    }
    LinkForm form = NewLinkForm();
    LinkToForm(Base->GetLink(row), form);
    if (ui_.RunLinkForm("Edit Link", form)) {
        Base->SetLink(row, LinkFromForm(form));
        FileChanged();
        RefreshView();
    }
}

void WindowCommands::EditDelete() {
    const std::int32_t row = SelectedRow();
    if (row < 0) {
        return;
    }
    const char* question = viewAsCategories_ ? DeleteCategoryQuestion : DeleteLinkQuestion;
    if (ui_.Ask(question, "Warning", MessageIcon::Warning, MessageButtons::YesNo) != Answer::Yes) {
        return;
    }
    if (viewAsCategories_) {
        DeleteCategory(*Cat, *Base, row);
    } else {
        Base->Remove(row);
    }
    FileChanged();
    RefreshView();
}

void WindowCommands::EditClear() {
    const char* question = viewAsCategories_ ? ClearCategoriesQuestion : ClearLinksQuestion;
    if (ui_.Ask(question, "Warning", MessageIcon::Warning, MessageButtons::YesNo) != Answer::Yes) {
        return;
    }
    Base->Clear();
    if (viewAsCategories_) {
        Cat->Clear();
    }
    FileChanged();
    RefreshView();
}

void WindowCommands::Move(Action action) {
    const std::int32_t row = SelectedRow();
    if (row < 0) {
        return;
    }
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

void WindowCommands::FileChanged() {
    engineSaved_ = false;
    ui_.SetChangedPanel(ChangedPanelText);
}

void WindowCommands::FileSaved() {
    engineSaved_ = true;
    ui_.SetChangedPanel("");
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
