// Every command of the main window with the caption, shortcut and hint that its
// menu item, toolbar button and shortcut share.
#pragma once

#include <array>

enum class Action {
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    FileSaveAsTemplate,
    FileBuildIn,
    FileImport,
    FileConvertToUtf8,
    FilePreview,
    FileExit,
    EditAdd,
    AddSite,
    EditModify,
    UpdateBase,
    EditDelete,
    EditClear,
    MoveToBegin,
    MoveUp,
    MoveDown,
    MoveToEnd,
    ViewCat,
    ViewLinks,
    RatSet,
    TagSet,
    WordRat,
    HelpIndex,
    HelpSearch,
    HelpDevSite,
    HelpAbout,
    EditUndo,
    EditRedo,
    EditChangeCategory,
    EditSortLinks,
};

struct CommandInfo {
    Action Id;
    const char* Name;
    const char* Caption;
    const char* Shortcut; // in the toolkit's portable key notation; empty for none
    const char* Hint;
    bool Document; // disabled until an engine file is loaded
};

extern const std::array<CommandInfo, 33> CommandTable;

const CommandInfo& InfoOf(Action action);

// The file-type filters of the file dialogs: "Description|patterns|..." pairs.
extern const char* const EngineFilter;
extern const char* const NewEngineFilter;
extern const char* const LinkFileFilter;
