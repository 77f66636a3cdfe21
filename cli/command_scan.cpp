// update, addsite and sync: the base update, the site scan and both together
// for batch runs, with a progress line on standard error when it is a terminal
// and a summary at the end.
#include "app/app_settings.h"
#include "app/application.h"
#include "app/engine_encoding.h"
#include "cli/cli_command.h"
#include "cli/cli_ui.h"
#include "cli/json_text.h"
#include "commands/engine_file.h"
#include "indexer/site_scan.h"
#include "indexer/site_sync.h"
#include "platform/ansi.h"
#include "platform/files.h"

#include <chrono>
#include <filesystem>
#include <future>
#include <iostream>
#include <memory>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

class ProgressReport : public ScanObserver {
  public:
    ProgressReport() : start_(std::chrono::steady_clock::now()), terminal_(::isatty(2) != 0) {}

    void FileStarted(const std::string& path) override {
        ++files_;
        if (terminal_) {
            const double seconds = Seconds();
            std::cerr << "\r\033[K" << files_ << " files, "
                      << static_cast<int>(seconds > 0 ? files_ / seconds : 0) << "/s: " << path
                      << std::flush;
        }
    }
    void PageNotFound(const std::string& url) override {
        ++warnings_;
        EndLine();
        std::cerr << "The page " << EngineTextToUtf8(url) << " is not found.\n";
    }
    void FileFailed(const std::string& path, const std::string& reason) override {
        EndLine();
        std::cerr << path << ": " << AnsiToUtf8(reason) << "\n";
        Failures.emplace_back(path, reason);
    }

    // The files skipped as failed, with the reasons.
    std::vector<std::pair<std::string, std::string>> Failures;

    void Summary(const char* done, int skipped) {
        EndLine();
        std::cerr << files_ << " links " << done << ", " << skipped << " files skipped, "
                  << warnings_ << " warnings, " << Seconds() << " s\n";
    }

  private:
    double Seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }
    void EndLine() {
        if (terminal_ && files_ > 0) {
            std::cerr << "\r\033[K";
        }
    }

    std::chrono::steady_clock::time_point start_;
    bool terminal_;
    int files_ = 0;
    int warnings_ = 0;
};

// Opens the engine as the window program does; false when there is none.
bool Open(const CliOptions& options, const std::string& engine, CliUi& ui) {
    if (!FileExists(engine)) {
        std::cerr << "Cannot open file " << engine << "\n";
        return false;
    }
    StartCore(options);
    OpenEngine(std::filesystem::absolute(engine).lexically_normal().string(), ui);
    return true;
}

// Counts the regular files below folder, to report how many a scan skipped.
int CountFiles(const std::string& folder, bool recurse) {
    int count = 0;
    std::error_code error;
    if (recurse) {
        for (std::filesystem::recursive_directory_iterator it(folder, error), end; it != end;
             it.increment(error)) {
            count += it->is_regular_file(error) ? 1 : 0;
        }
    } else {
        for (std::filesystem::directory_iterator it(folder, error), end; it != end;
             it.increment(error)) {
            count += it->is_regular_file(error) ? 1 : 0;
        }
    }
    return count;
}

int RunUpdate(const CliOptions& options, const std::string& engine) {
    CliUi ui;
    if (!Open(options, engine, ui)) {
        return 1;
    }
    ProgressReport progress;
    StopRequested = false;
    UpdateLinks(progress);
    StopRequested = true;
    SaveEngine(ui);
    progress.Summary("updated", 0);
    return ui.Failed() ? 1 : 0;
}

// What addsite and sync are given: the same engine, folder and category, and
// each one's own flags.
struct SiteArguments {
    std::string Engine;
    std::string Folder;
    std::int32_t Category = 0;
    bool Recurse = false;
    bool Existing = false;
    bool DryRun = false;
    bool Json = false;
};

int RunAddSite(const CliOptions& options, const SiteArguments& arguments) {
    CliUi ui;
    if (!Open(options, arguments.Engine, ui)) {
        return 1;
    }
    const std::string site = WithTrailingSeparator(
        std::filesystem::absolute(arguments.Folder).lexically_normal().string());
    ProgressReport progress;
    const std::int32_t before = Base->Count();
    // The site's files are counted beside the scan, which leaves a core free
    // at its start, not after it; the count is in before the save writes its
    // temporary file, which may stand in the site.
    std::future<int> files = std::async(std::launch::async, CountFiles, site, arguments.Recurse);
    StopRequested = false;
    ScanFolder(site, arguments.Category, arguments.Recurse, arguments.Existing, progress);
    StopRequested = true;
    const int siteFiles = files.get();
    SaveEngine(ui);
    const int added = Base->Count() - before;
    progress.Summary("added", siteFiles - added);
    return ui.Failed() ? 1 : 0;
}

void PrintSyncSummary(const TSyncCounts& counts, const ProgressReport& progress, bool saved,
                      const SiteArguments& arguments) {
    if (!arguments.Json) {
        const char* const end = saved              ? ""
                                : arguments.DryRun ? ", not saved (dry run)"
                                                   : ", not saved";
        std::cout << counts.Added << " added, " << counts.Updated << " updated, " << counts.Removed
                  << " removed, " << counts.Unchanged << " unchanged, " << counts.Failed
                  << " failed" << end << "\n";
        return;
    }
    Json failures = Json::array();
    for (const auto& [path, reason] : progress.Failures) {
        failures.push_back({{"path", JsonText(path)}, {"reason", JsonText(reason)}});
    }
    const Json summary = {{"added", counts.Added},          {"updated", counts.Updated},
                          {"removed", counts.Removed},      {"unchanged", counts.Unchanged},
                          {"failed", counts.Failed},        {"saved", saved},
                          {"failures", std::move(failures)}};
    std::cout << summary.dump(1) << "\n";
}

// 0: saved (or, with --dry-run, nothing failed); 1: it could not be saved;
// 3: saved, but some files failed.
int RunSync(const CliOptions& options, const SiteArguments& arguments) {
    CliUi ui;
    if (!Open(options, arguments.Engine, ui)) {
        return 1;
    }
    const std::string site = WithTrailingSeparator(
        std::filesystem::absolute(arguments.Folder).lexically_normal().string());
    if (!FolderExists(site)) {
        std::cerr << "Cannot open folder " << arguments.Folder << "\n";
        return 1;
    }
    ProgressReport progress;
    StopRequested = false;
    const TSyncCounts counts = SyncSite(site, arguments.Category, arguments.Recurse, progress);
    StopRequested = true;
    const bool saved = !arguments.DryRun && SaveEngine(ui);
    PrintSyncSummary(counts, progress, saved, arguments);
    if (!arguments.DryRun && !saved) {
        return 1;
    }
    return counts.Failed > 0 ? 3 : 0;
}

// A command over ENGINE DIR CAT with --recurse, as addsite and sync are.
CLI::App* AddSiteCommand(CLI::App& app, const char* name, const char* description,
                         SiteArguments& arguments) {
    CLI::App* command = app.add_subcommand(name, description);
    command->add_option("ENGINE", arguments.Engine, "the engine file")->required();
    command->add_option("DIR", arguments.Folder, "the site folder")->required();
    command->add_option("CAT", arguments.Category, "the category number of the new links")
        ->required();
    command->add_flag("--recurse", arguments.Recurse, "walk the subfolders too");
    return command;
}

} // namespace

void AddScanCommands(CLI::App& app, CliOptions& options) {
    auto engine = std::make_shared<std::string>();
    CLI::App* update =
        app.add_subcommand("update", "Index every local link of ENGINE again and save it");
    update->add_option("ENGINE", *engine, "the engine file")->required();
    update->callback([&options, engine] { options.ExitStatus = RunUpdate(options, *engine); });

    auto addsite = std::make_shared<SiteArguments>();
    CLI::App* command = AddSiteCommand(
        app, "addsite", "Index the files of DIR into category CAT of ENGINE and save it", *addsite);
    command->add_flag("--existing", addsite->Existing,
                      "add files that already have a link as well");
    command->callback([&options, addsite] { options.ExitStatus = RunAddSite(options, *addsite); });

    auto sync = std::make_shared<SiteArguments>();
    command = AddSiteCommand(
        app, "sync",
        "Bring ENGINE up to date with DIR: index its links again, add the files no link "
        "has into category CAT, drop the links whose file is gone, and save it once",
        *sync);
    command->add_flag("--dry-run", sync->DryRun, "count what would change, and save nothing");
    command->add_flag("--json", sync->Json, "print the summary as a JSON object");
    command->callback([&options, sync] { options.ExitStatus = RunSync(options, *sync); });
}
