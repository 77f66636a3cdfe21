// The person as the main window meets them: besides messages, the file and
// folder choosers, the dialogs, the progress window and the window's own state.
#pragma once

#include "commands/forms.h"
#include "commands/ui.h"

#include <string>
#include <vector>

// What the person chose at the warning of a page an update did not find.
enum class MissingPageChoice { GoOn, SkipWarnings, StopUpdate };

class WindowUi : public Ui {
  public:
    // A file to open (it must exist); false when cancelled. filter is one of
    // the filters of command_table.h; path is the proposed name on entry and
    // the chosen one on return.
    virtual bool ChooseFileToOpen(const char* filter, std::string& path) = 0;
    // A file to save to, asking before an existing file is replaced when
    // askOverwrite is set.
    virtual bool ChooseFileToSave(const char* filter, std::string& path, bool askOverwrite) = 0;
    // A folder, starting at path (which ends with the separator); on acceptance
    // path holds the chosen folder with a trailing separator.
    virtual bool BrowseForFolder(const std::string& prompt, std::string& path) = 0;

    // The dialogs; each answers true when closed with OK, its form then holding
    // what the person entered.
    virtual bool RunCategoryForm(const std::string& caption, std::string& name) = 0;
    // The link dialog's OK accepts only when MissingLinkField finds nothing.
    virtual bool RunLinkForm(const std::string& caption, LinkForm& form) = 0;
    // The new engine dialog's OK runs AcceptNewForm and closes only when it
    // created the file.
    virtual bool RunNewForm(NewForm& form) = 0;
    virtual bool RunTemplateForm(std::string& name) = 0;
    virtual bool RunAddSiteForm(AddSiteForm& form) = 0;
    virtual void ShowAbout() = 0;
    // The category of the selected links; true on OK, choice then holding it.
    virtual bool RunCategoryChoice(CategoryChoice& choice) = 0;

    // The progress window of a scan; a request to close it goes through
    // ProgressMayClose.
    virtual void ShowProgress() = 0;
    virtual void ShowProgressFile(const std::string& path) = 0;
    virtual void CloseProgress() = 0;
    // Lets pending window events run (a Stop button press among them).
    virtual void ProcessEvents() = 0;
    // The warning of a page an update did not find (text, caption "Warning"),
    // above the progress window, offering to go on warning, to skip the rest
    // of this run's warnings or to stop the update.
    virtual MissingPageChoice WarnPageNotFound(const std::string& text) = 0;
    // Lists the pages an update did not find after their warnings were
    // skipped; true when the person chooses to delete their links.
    virtual bool OfferToDeleteMissingLinks(const std::vector<std::string>& urls) = 0;

    // The window's visible state.
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetChangedPanel(const std::string& text) = 0;
    virtual void SetHintPanel(const std::string& text) = 0;
    virtual void EnableDocumentCommands() = 0;
    virtual void SetViewChecked(bool categories) = 0;
    // What Undo and Redo would do ("Delete link"); empty disables the command.
    virtual void SetUndoCaptions(const std::string& undo, const std::string& redo) = 0;
    // The recent files of the File menu, the newest first.
    virtual void SetRecentFiles(const std::vector<std::string>& files) = 0;
    // Closes the main window, which asks WindowCommands::ConfirmClose first.
    virtual void CloseWindow() = 0;
};
