#include "app/app_settings.h"
#include "cli/cli_command.h"
#include "cli/json_text.h"

#include <iostream>

namespace {

int RunSettings(const CliOptions& options) {
    StartCore(options);
    const TAppSettings& s = AppSettings;
    const Json settings = {
        {"SetupDir", JsonText(s.SetupDir)},
        {"TemplatesPath", JsonText(s.TemplatesPath)},
        {"ProjectsPath", JsonText(s.ProjectsPath)},
        {"DefEngineName", JsonText(s.DefEngineName)},
        {"BeginSignature", JsonText(s.BeginSignature)},
        {"EndSignature", JsonText(s.EndSignature)},
        {"X0", s.X0},
        {"Y0", s.Y0},
        {"DX", s.DX},
        {"DY", s.DY},
        {"Maximize", s.Maximize},
        {"ExtensionList", JsonTextList(s.ExtensionList)},
        {"IndexDepthLimit", s.IndexDepthLimit},
    };
    std::cout << settings.dump(2) << '\n';
    return 0;
}

} // namespace

void AddSettingsCommand(CLI::App& app, CliOptions& options) {
    CLI::App* command = app.add_subcommand(
        "settings", "Print the settings the program starts with, as a JSON object");
    command->callback([&options] { options.ExitStatus = RunSettings(options); });
}
