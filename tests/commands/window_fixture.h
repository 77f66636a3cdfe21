// The main window's commands over a small engine file: categories News, Docs,
// Misc and four links, opened as the command line opens it.
#pragma once

#include "commands/window_commands.h"
#include "support/engine_fixture.h"

#include <memory>

class WindowTest : public EngineTest {
  protected:
    // Writes the engine file and opens it as the command line does.
    void OpenExample();
    // The engine file without any database, opened.
    void OpenEmpty();
    void Show(bool categories);
    void Select(std::int32_t row) { Window->RowSelected(row); }

    std::string LinkUrls() const;
    std::string CategoryNames() const;
    std::string LinkCategories() const;

    std::unique_ptr<WindowCommands> Window = std::make_unique<WindowCommands>(Person);
};
