// The operations on engine files: open, new from a template, import, save, save
// as, build into a page, save as template, and showing the search page.
#pragma once

#include "app/base.h"
#include "app/engine_pages.h"
#include "commands/ui.h"

#include <functional>
#include <string>
#include <vector>

extern const char* const CannotSaveMessage;
extern const char* const EngineNotFoundMessage;
// Warned of when a file without the database's signatures is opened.
extern const char* const NoDatabaseMessage;

// Reads both lists from the engine file. A link whose category number is no
// number gets category 0 and is reported; false then.
bool OpenEngine(const std::string& path, Ui& ui);
// Tells the person which links had a category number that is no number; true
// when there were none.
bool ReportBadCategories(const std::vector<TBadCategory>& problems, Ui& ui);
// Copies the template's folder beside newPath, renames its engine page svx.html
// to newPath and loads the lists from it.
void NewEngineFromTemplate(const std::string& newPath, const std::string& templateName, Ui& ui);
// Copies every entry of source into destination (both ending with the
// separator), asking before a file is replaced.
void CopyTemplateTree(const std::string& source, const std::string& destination, Ui& ui);
// Appends the links of another engine file; they keep their category numbers.
void ImportLinks(const std::string& path, Ui& ui);
// Writes the lists into the engine file between its signatures. The file is
// replaced only when the whole new file was written. Each save answers whether
// it succeeded (a failure has been shown to the person).
bool SaveEngine(Ui& ui);
class OutputFile;
// SaveEngine with the link arrays written by writeLinks in place of the base's.
using LinksWriter = std::function<bool(OutputFile&)>;
bool SaveEngineWithLinks(const LinksWriter& writeLinks, Ui& ui);

// Turns the engine file at path into a UTF-8 one (EngineInUtf8), replacing it
// as a save does; false, with the message shown, when it cannot be written.
bool ConvertEngineToUtf8(const std::string& path, Ui& ui);
bool SaveEngineAs(const std::string& path, Ui& ui);
bool BuildInto(const std::string& path, Ui& ui);
bool SaveEngineAsTemplate(const std::string& templateName, Ui& ui);
// Opens the engine's search page (SearchPageOf); false when no browser could be
// started.
bool ShowSearch();
