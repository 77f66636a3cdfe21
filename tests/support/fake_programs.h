// Stand-in programs that log how they were called, alone on PATH, so that no
// real browser or editor starts during a test.
#pragma once

#include "support/scratch_folder.h"

#include <string>

class FakePrograms {
  public:
    FakePrograms();

    // Adds a program that logs "name arguments" when called.
    void Add(const std::string& name);
    std::string Path(const std::string& name) const { return folder_.Path() + name; }
    // The one call that was made (waiting a few seconds for it), or the empty
    // text when none came.
    std::string Call() const;

  private:
    std::string LogPath() const { return folder_.Path() + "calls.log"; }

    ScratchFolder folder_;
    ScopedEnvironment path_;
};
