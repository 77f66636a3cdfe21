// What every command of sitevane-cli shares: the global options and the way a
// command is added to the command line.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

struct CliOptions {
    std::string SetupDir; // --setup: the program folder instead of the registry's
    int ExitStatus = 0;
};

// Starts the core as the window program does, honouring --setup.
void StartCore(const CliOptions& options);

// True when path is a file that can be read; otherwise says so on standard
// error.
bool CanReadInput(const std::string& path);

void AddTokensCommand(CLI::App& app, CliOptions& options);
void AddSettingsCommand(CLI::App& app, CliOptions& options);
void AddRateCommand(CLI::App& app, CliOptions& options);
void AddEngineCommands(CLI::App& app, CliOptions& options);
void AddPdfCommands(CLI::App& app, CliOptions& options);
void AddConvertCommands(CLI::App& app, CliOptions& options);
void AddIndexCommand(CLI::App& app, CliOptions& options);
void AddScanCommands(CLI::App& app, CliOptions& options);
