// The main window apart from its widgets: its state, every command of the
// command table in both views, the command line, and closing.
#pragma once

#include "commands/command_table.h"
#include "commands/edit_history.h"
#include "commands/shown_links.h"
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
    // The selected row: the row of the shown list's Current, -1 when it lies
    // outside or the filter hides it.
    std::int32_t SelectedRow();
    // The rows of the links view the person selected; with more than one, the
    // commands that act on a selection (delete, change category, move) act
    // on all of them.
    void RowsSelected(const std::vector<std::int32_t>& rows);
    // The selected rows of the shown list, ascending.
    std::vector<std::int32_t> SelectedRows();

    // The links view shows the links that hold text, ordered by column.
    void SetFilter(const std::string& text);
    void SortView(int column, bool descending);
    // The links the links view shows.
    ShownLinks& Shown() { return shown_; }

    // Opens a file of the File menu's recent files.
    void OpenRecentFile(std::size_t index);

    // Asks whether to save unsaved changes. False when the window must stay
    // open: a scan is running (it is asked to stop), the person cancelled or
    // the save failed.
    bool ConfirmClose();

  private:
    void FileNew();
    void FileOpen();
    void OpenEngineFile(const std::string& path);
    // Begins a new engine's history and names it among the recent files.
    void EngineOpened();
    // With unsaved changes, asks to save them (Yes), to drop them (No) or to
    // stay (Cancel); true when the engine may be left.
    bool MayLeaveEngine();
    void FileSave();
    void FileSaveAs();
    void FileSaveAsTemplate();
    void FileBuildIn();
    void FileConvertToUtf8();
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
    void MoveLinkBlock(Action action, const std::vector<std::int32_t>& positions);
    void EditChangeCategory();
    void EditSortLinks();
    void EditUndo(bool redo);
    // The positions the list commands act on: the selected links, or the
    // shown list's Current when it is shown.
    std::vector<std::int32_t> SelectedPositions();
    void AddSite();
    // The add-site dialog, then the scan of folder, or of a folder chosen then
    // when folder is empty.
    void AddSiteFrom(std::string folder);
    void UpdateBase();
    void BatchAddSite(const std::vector<std::string>& arguments);
    template <typename Scan> void RunScan(const char* caption, Scan scan);

    void RunBatchMode(const std::vector<std::string>& arguments);
    void Dispatch(Action action);
    void FileChanged();
    void FileSaved();
    // The lists changed: redraws the list with these positions selected.
    void RefreshView(std::vector<std::int32_t> selection = {});
    void ShowSavedState();
    void SetViewStatus();
    void EnableDocument();
    void ShowEngineCaption();

    WindowUi& ui_;
    bool viewAsCategories_ = false;
    bool engineSaved_ = true;
    bool documentEnabled_ = false;
    bool engineLoaded_ = false;
    bool scanning_ = false;
    EditHistory history_;
    ShownLinks shown_;
    std::vector<std::int32_t> selection_; // positions of the links, ascending
};
