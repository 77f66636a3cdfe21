// The files beside an engine file: its folder and the page that shows its
// search.
#pragma once

#include <string>

// The page a template carries as its engine, renamed to the new engine's name.
extern const char* const TemplateEnginePage;

// The folder of a path: its text up to and including the last separator.
std::string FolderOf(const std::string& path);
// The search page of the engine's folder: svx.html; where there is none, the
// engine file itself when it is an HTML page, else the folder's search.html
// (the page that includes a script engine).
std::string SearchPageOf(const std::string& engine);
