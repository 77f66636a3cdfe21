// sitevane-cli: the core's operations for build pipelines and scripts.
#include "app/app_settings.h"
#include "app/application.h"
#include "cli/cli_command.h"
#include "platform/files.h"

#include <exception>
#include <iostream>

void StartCore(const CliOptions& options) {
    InitApplication(options.SetupDir);
}

bool CanReadInput(const std::string& path) {
    if (IsReadableFile(path)) {
        return true;
    }
    std::cerr << "Cannot open file " << path << "\n";
    return false;
}

int main(int argc, char** argv) {
    CLI::App app("Sitevane's headless tool: the core's operations for scripts and build pipelines.",
                 "sitevane-cli");
    app.set_version_flag("--version", std::string("sitevane-cli ") + ProgramVersion);
    CliOptions options;
    app.add_option("--setup", options.SetupDir,
                   "the program folder (set.xml, tags.xml, words.xml, Templates/) instead of the "
                   "registry's");
    app.require_subcommand(1);
    AddTokensCommand(app, options);
    AddSettingsCommand(app, options);
    AddRateCommand(app, options);
    AddEngineCommands(app, options);
    AddPdfCommands(app, options);
    AddConvertCommands(app, options);
    AddIndexCommand(app, options);
    AddScanCommands(app, options);
    app.footer("Exit status: 0 success; 1 failure, with the message on standard error; 2 a usage "
               "error; sync: 3 saved, but some files failed.");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? 0 : 2;
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return options.ExitStatus;
}
