// The main window apart from its widgets: its state, every command of the
// command table in both views, the command line, and closing.
#pragma once

#include "commands/command_table.h"
#include "commands/window_ui.h"

#include <cstdint>
#include <string>
#include <vector>

class WindowCommands {
  public:
    // The window as it starts: links view, saved, document commands disabled,
    // the product title as its caption.
    explicit WindowCommands(WindowUi& ui);

    bool ViewAsCategories() const { return viewAsCategories_; }
    bool EngineSaved() const { return engineSaved_; }
    bool DocumentEnabled() const { return documentEnabled_; }
    bool Scanning() const { return scanning_; }
    std::string Caption() const;

    // The arguments after the program's name: an engine file to open, then a
    // batch mode.
    void HandleCommandLine(const std::vector<std::string>& arguments);
    // A file or folder dropped onto the window: a folder (ending with the
    // separator) is added as a site through the add-site dialog, when an
    // engine is open; a file opens as the engine.
    void DropPath(const std::string& path);

    // Runs a command of the table. A disabled document command, or any
    // command while a scan runs, does nothing. A conversion or input/output
    // error ends the command and is shown with the caption "Error".
    void Run(Action action);

    // The row of the shown list the person selected becomes its Current.
    void RowSelected(std::int32_t row);
    // The selected row: Current of the shown list, -1 when it lies outside.
    std::int32_t SelectedRow() const;

    // Asks whether to save unsaved changes. False when the window must stay
    // open: a scan is running (it is asked to stop), the person cancelled or
    // the save failed.
    bool ConfirmClose();

  private:
    void FileNew();
    void FileOpen();
    void OpenEngineFile(const std::string& path);
    // With unsaved changes, asks to save them (Yes), to drop them (No) or to
    // stay (Cancel); true when the engine may be left.
    bool MayLeaveEngine();
    void FileSave();
    void FileSaveAs();
    void FileSaveAsTemplate();
    void FileBuildIn();
    void FileImport();
    void SaveInto(bool askOverwrite, bool (*save)(const std::string&, Ui&));
    void EngineSavedUnderNewName(bool saved);
    void FilePreview();
    void EditSettingsFile(const char* name);
    // A program that could not be started is reported with what it was to open.
    void ReportIfNotStarted(bool started, const std::string& target);
    void EditAdd();
    void EditModify();
    void EditDelete();
    void EditClear();
    void Move(Action action);
    void AddSite();
    // The add-site dialog, then the scan of folder, or of a folder chosen then
    // when folder is empty.
    void AddSiteFrom(std::string folder);
    void UpdateBase();
    void BatchAddSite(const std::vector<std::string>& arguments);
    template <typename Scan> void RunScan(Scan scan);

    void RunBatchMode(const std::vector<std::string>& arguments);
    void Dispatch(Action action);
    void FileChanged();
    void FileSaved();
    void RefreshView() { ui_.RefreshView(); }
    void SetViewStatus();
    void EnableDocument();
    void ShowEngineCaption();

    WindowUi& ui_;
    bool viewAsCategories_ = false;
    bool engineSaved_ = true;
    bool documentEnabled_ = false;
    bool engineLoaded_ = false;
    bool scanning_ = false;
};
