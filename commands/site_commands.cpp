// The add-site and update commands of the main window and the six-argument
// batch mode: the scan runs on the window's thread, showing each file in the
// progress window and letting the window's events run before it.
#include "commands/site_commands.h"

#include "app/application.h"
#include "commands/engine_file.h"
#include "commands/window_commands.h"
#include "indexer/site_scan.h"
#include "platform/files.h"
#include "platform/integer_text.h"

#include <unordered_set>
#include <vector>

const char* const SiteFolderPrompt = "Select a site directory";
const char* const PageNotFoundMessage = "The page %s is not found.";

namespace {

class ProgressWindowObserver : public ScanObserver {
  public:
    explicit ProgressWindowObserver(WindowUi& ui) : ui_(ui) {}

    void FileStarted(const std::string& path) override {
        ui_.ShowProgressFile(path);
        ui_.ProcessEvents();
    }
    // Each missing page is warned of until the person skips the warnings or
    // stops the update; the skipped ones are offered for deletion at the end.
    void PageNotFound(const std::string& url) override {
        Missing.push_back(url);
        if (SkippedWarnings) {
            return;
        }
        std::string text = PageNotFoundMessage;
        text.replace(text.find("%s"), 2, url);
        switch (ui_.WarnPageNotFound(text)) {
        case MissingPageChoice::GoOn:
            break;
        case MissingPageChoice::SkipWarnings:
            SkippedWarnings = true;
            break;
        case MissingPageChoice::StopUpdate:
            StopRequested = true;
            break;
        }
    }

    std::vector<std::string> Missing; // the URLs of the pages not found
    bool SkippedWarnings = false;

  private:
    WindowUi& ui_;
};

// Deletes the local links of those URLs whose file is still missing.
void DeleteMissingLinks(const std::vector<std::string>& urls) {
    const std::unordered_set<std::string> missing(urls.begin(), urls.end());
    for (std::int32_t i = Base->Count() - 1; i >= 0; --i) {
        const std::string& url = Base->LinkAt(i).URL;
        if (missing.count(url) && !FileExists(UrlToPath(url, EngineFileName))) {
            Base->Remove(i);
        }
    }
}

} // namespace

bool ProgressMayClose() {
    if (StopRequested) {
        return true;
    }
    StopRequested = true;
    return false;
}

// Clears the stop request, shows the progress window, runs the scan as one
// undo step and ends with the window closed, the view redrawn and the engine
// marked changed. An error that ends the scan early ends it the same way
// before it is passed on: the links stored before it stay and are worth saving.
template <typename Scan> void WindowCommands::RunScan(const char* caption, Scan scan) {
    history_.Record(caption);
    StopRequested = false;
    scanning_ = true;
    ui_.ShowProgress();
    ui_.ProcessEvents();
    const auto finish = [this] {
        StopRequested = true;
        scanning_ = false;
        ui_.CloseProgress();
        RefreshView();
        FileChanged();
    };
    ProgressWindowObserver observer(ui_);
    try {
        scan(observer);
    } catch (...) {
        finish();
        throw;
    }
    finish();
    if (observer.SkippedWarnings && ui_.OfferToDeleteMissingLinks(observer.Missing)) {
        DeleteMissingLinks(observer.Missing);
        RefreshView();
    }
}

void WindowCommands::AddSite() {
    AddSiteFrom(std::string());
}

void WindowCommands::AddSiteFrom(std::string folder) {
    AddSiteForm form = NewAddSiteForm();
    if (!ui_.RunAddSiteForm(form)) {
        return;
    }
    if (folder.empty()) {
        folder = FolderOf(EngineFileName);
        if (!ui_.BrowseForFolder(SiteFolderPrompt, folder)) {
            return;
        }
    }
    RunScan("Add site", [&](ScanObserver& observer) {
        ScanFolder(folder, form.Category.Selected, form.Recurse, form.AddExisting, observer);
    });
}

void WindowCommands::UpdateBase() {
    RunScan("Update search DB", [](ScanObserver& observer) { UpdateLinks(observer); });
}

// engine, "addsite", site path, category number, recurse "y", add existing "y".
void WindowCommands::BatchAddSite(const std::vector<std::string>& arguments) {
    RunScan("Add site", [&](ScanObserver& observer) {
        const std::int32_t category = StrToInt(arguments[3]);
        ScanFolder(FolderOf(arguments[2]), category, arguments[4] == "y", arguments[5] == "y",
                   observer);
    });
}
