// Starting other programs, the stand-in for the shell's verbs and associations.
#pragma once

#include <string>
#include <vector>

// Starts program (a path, or a name looked up on PATH) with the arguments,
// detached from this process; true when it started.
bool StartDetached(const std::string& program, const std::vector<std::string>& arguments);

// The full path of a program found on PATH, or the empty text.
std::string FindProgram(const std::string& name);
