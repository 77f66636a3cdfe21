// Showing files and web addresses to the person, and opening files for editing,
// through the desktop's associations.
#pragma once

#include <string>

// Pages of the user's manual, relative to the program folder.
namespace HelpPage {
extern const char* const Index;
extern const char* const Search;
extern const char* const NewEngine;
extern const char* const Templates;
extern const char* const Category;
extern const char* const Link;
extern const char* const Template;
extern const char* const Site;
} // namespace HelpPage

// The program that opens a file with the desktop's association for its type,
// or the empty text when the desktop offers none.
std::string FindEditorProgram();

// Tries the desktop opener, then the preferred web browser, then any browser;
// false when none of them could be started.
bool OpenDocument(const std::string& target);
// Tries $VISUAL or $EDITOR, then EditorProgram, then the system's default
// editor; false when none of them could be started.
bool EditDocument(const std::string& file);
// The address of a page of the manual (HelpPage) in the program folder.
std::string HelpPageAddress(const std::string& page);
// Opens a page of the manual; false when no browser could be started.
bool OpenHelpPage(const std::string& page);
