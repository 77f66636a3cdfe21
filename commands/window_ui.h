// The person as the main window meets them: besides messages, the file and
// folder choosers, the dialogs, the progress window and the window's own state.
#pragma once

#include "commands/forms.h"
#include "commands/ui.h"

#include <string>

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

    // The progress window of a scan; a request to close it goes through
    // ProgressMayClose.
    virtual void ShowProgress() = 0;
    virtual void ShowProgressFile(const std::string& path) = 0;
    virtual void CloseProgress() = 0;
    // Lets pending window events run (a Stop button press among them).
    virtual void ProcessEvents() = 0;

    // The window's visible state.
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetChangedPanel(const std::string& text) = 0;
    virtual void SetHintPanel(const std::string& text) = 0;
    virtual void EnableDocumentCommands() = 0;
    virtual void SetViewChecked(bool categories) = 0;
    // Closes the main window, which asks WindowCommands::ConfirmClose first.
    virtual void CloseWindow() = 0;
};
