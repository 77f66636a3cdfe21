#include "commands/command_table.h"

const std::array<CommandInfo, 33> CommandTable{{
    {Action::FileNew, "FileNew", "&New...", "", "Create a New Search Engine", false},
    {Action::FileOpen, "FileOpen", "&Open...", "", "Open an Existing Search Engine", false},
    {Action::FileSave, "FileSave", "&Save", "Ctrl+S", "Save the Search Engine", true},
    {Action::FileSaveAs, "FileSaveAs", "Save &As...", "Shift+Ctrl+S", "Save as New File", true},
    {Action::FileSaveAsTemplate, "FileSaveAsTemplate", "Save As &Template...", "",
     "Save this Engine as a Template", true},
    {Action::FileBuildIn, "FileBuildIn", "&Build in...", "", "Build into an Existing File", true},
    {Action::FileImport, "FileImport", "&Import Links...", "", "Import Links", true},
    {Action::FileConvertToUtf8, "FileConvertToUtf8", "Convert to &UTF-8", "",
     "Keep this Engine's Texts in UTF-8", true},
    {Action::FilePreview, "FilePreview", "&Show The Search", "F12", "Show in the Browser", true},
    {Action::FileExit, "FileExit", "E&xit", "Alt+X", "Exit the Program", false},
    {Action::EditAdd, "EditAdd", "Add &File...", "Ins", "Add", true},
    {Action::AddSite, "AddSite", "Add &Dir...", "Ctrl+Ins", "Add Links from a Web Site Directory",
     true},
    {Action::EditModify, "EditModify", "&Modify...", "F4", "Modify", true},
    {Action::UpdateBase, "UpdateBase", "&Update Search DB", "Ctrl+F4", "Update the Search Database",
     true},
    {Action::EditDelete, "EditDelete", "De&lete", "Del", "Delete", true},
    {Action::EditClear, "EditClear", "&Delete All", "", "Delete all Links", true},
    {Action::MoveToBegin, "MoveToBegin", "Move to &Begin", "Ctrl+B",
     "Move to the Begin of the List", true},
    {Action::MoveUp, "MoveUp", "Move &Up", "Ctrl+U", "Move Up", true},
    {Action::MoveDown, "MoveDown", "Move &Down", "Ctrl+D", "Move Down", true},
    {Action::MoveToEnd, "MoveToEnd", "Move to &End", "Ctrl+E", "Move to the End of the List", true},
    {Action::ViewCat, "ViewCat", "&Category List", "F6", "View as Category List", true},
    {Action::ViewLinks, "ViewLinks", "&Links List", "F7", "View as Links List", true},
    {Action::RatSet, "RatSet", "Ratin&g Settings", "", "Edit set.xml File", false},
    {Action::TagSet, "TagSet", "&Tags Ratings", "", "Edit tags.xml File", false},
    {Action::WordRat, "WordRat", "&Words Ratings", "", "Edit words.xml File", false},
    {Action::HelpIndex, "HelpIndex", "&User's Manual", "F1", "User's Manual", false},
    {Action::HelpSearch, "HelpSearch", "&Search in Manual", "", "Search in the User's Manual",
     false},
    {Action::HelpDevSite, "HelpDevSite", "&Developers Web Site", "", "", false},
    {Action::HelpAbout, "HelpAbout", "&About...", "", "About the Program", false},
    {Action::EditUndo, "EditUndo", "&Undo", "Ctrl+Z", "Undo the Last Change", true},
    {Action::EditRedo, "EditRedo", "&Redo", "Ctrl+Shift+Z", "Redo the Change Undone", true},
    {Action::EditChangeCategory, "EditChangeCategory", "Change &Category...", "",
     "Move the Selected Links into another Category", true},
    {Action::EditSortLinks, "EditSortLinks", "S&ort Links", "",
     "Sort the Links as the List Shows them", true},
}};

const CommandInfo& InfoOf(Action action) {
    return CommandTable[static_cast<std::size_t>(action)];
}

// Engines are kept in script files and in pages of every kind a site has.
const char* const EngineFilter =
    "Engine Files (*.js;*.html;*.htm;*.shtml;*.phtml;*.php;*.asp;*.jsp)|"
    "*.js;*.html;*.htm;*.shtml;*.phtml;*.php;*.asp;*.jsp|Engine File (*db.js)|*db.js|"
    "Any other type File (*.*)|*.*";
const char* const NewEngineFilter =
    "HTML File (*.html;*.htm;*.shtml)|*.html;*.htm;*.shtml|HTML script File "
    "(*.phtml;*.php;*.asp;*.jsp)|*.phtml;*.php;*.asp;*.jsp|XML File (*.xml;*.xsl)|*.xml;*.xsl|Any "
    "File (*.*)|*.*";
const char* const LinkFileFilter =
    "All File Types (*.*)|*.*|HTML File (*.html;*.htm;*.shtml)|*.html;*.htm;*.shtml|HTML script "
    "File (*.phtml;*.php;*.asp)|*.phtml;*.php;*.asp|XML File (*.xml;*.xsl)|*.xml;*.xsl|Document "
    "File (*.txt;*.doc;*.pdf;*.ps)|*.txt;*.doc;*.pdf;*.ps|Image File "
    "(*.gif;*.jpg;*.png)|*.gif;*.jpg;*.png|Multimedia File (*.mp3;*.m3u)|*.mp3;*.m3u|Archive File "
    "(*.zip;*.rar)|*.zip;*.rar|Script File "
    "(*.cgi;*.pl;*.php;*.asp;*.dll;*.exe;*.jsp)|*.cgi;*.pl;*.php;*.asp;*.dll;*.exe;*.jsp";
