// Where templates live: the person's own templates folder and the program's.
#pragma once

#include <string>
#include <vector>

// The folder (ending with the separator) of the template of that name: the
// person's own when they have one of that name, else the program's.
std::string TemplateFolder(const std::string& name);
// The names of every template, the person's own first, each group sorted; a
// name of both is listed once, as the person's.
std::vector<std::string> TemplateNames();
// The folder a template saved under that name goes to: the person's own
// templates folder when the run has one, else the program's.
std::string SavedTemplateFolder(const std::string& name);
