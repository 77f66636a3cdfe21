// Start-up and shut-down of the program, and the state every command shares.
#pragma once

#include "app/base.h"

#include <memory>
#include <string>

// The one category list and link base of the running program, alive between
// InitApplication and DoneApplication.
extern std::unique_ptr<TCat> Cat;
extern std::unique_ptr<TBase> Base;
// The full path of the current engine file.
extern std::string EngineFileName;

// Reads the settings and creates the empty lists. With setupDir given, the
// registry stand-in is neither read nor written: the folders are the defaults
// for that program folder, the window placement is the default, and the
// person's own settings files and templates are not used.
void InitApplication(const std::string& setupDir = std::string());

// Stores the window placement and frees the lists.
void DoneApplication();
