// Running sitevane-cli as a separate process, as scripts run it.
#pragma once

#include <string>

struct CliResult {
    int Status = -1;
    std::string Output;
};

// Runs sitevane-cli with the arguments (already quoted for the shell); Output is
// its standard output, or its standard error when errorOutput is set.
CliResult RunCli(const std::string& arguments, bool errorOutput = false);
// The same for another executable.
CliResult RunProgram(const std::string& program, const std::string& arguments,
                     bool errorOutput = false);

// The folder of sitevane-cli, with a trailing "/".
std::string CliFolder();
