#include "indexer/site_scan.h"

#include "app/app_settings.h"
#include "app/application.h"
#include "app/engine_pages.h"
#include "indexer/document_index.h"
#include "indexer/link_addresses.h"
#include "indexer/page_workers.h"
#include "indexer/rating_cache.h"
#include "indexer/site_weight.h"
#include "platform/files.h"
#include "platform/integer_text.h"

#include <algorithm>
#include <array>
#include <deque>
#include <stdexcept>
#include <thread>
#include <vector>

bool StopRequested = false;

unsigned DefaultWorkerCount() {
    // Pages are read and rated on every core but the walk's own, whose thread
    // rates pages too while it waits; at least one worker, and a few at most,
    // as the disk soon sets the pace.
    return std::clamp(std::thread::hardware_concurrency(), 2u, 4u) - 1;
}

namespace {

bool IsListed(const std::string& extension) {
    const auto& list = AppSettings.ExtensionList;
    return std::find(list.begin(), list.end(), extension) != list.end();
}

// Whether IndexFile analyses the file as a page (rather than converting it
// first).
bool IsPage(const std::string& extension) {
    return extension != "pdf" && extension != "rtf" && extension != "mp3" && extension != "m3u";
}

// Runs index, which fills a file's record; true when it did. A failure of
// the file is told and skipped (false) when the run skips failed files, and
// raised otherwise.
template <typename Index>
bool IndexOrSkip(const std::string& file, bool skipFailed, ScanObserver& observer, Index index) {
    try {
        index();
        return true;
    } catch (const std::runtime_error& failure) {
        if (!skipFailed) {
            throw;
        }
        observer.FileFailed(file, failure.what());
        return false;
    }
}

// What one scan carries from folder to folder. The files to index are taken
// in the order of the walk; pages are analysed ahead by the workers, the
// other files when their turn comes, and the links are added in that order.
struct ScanRun {
    ScanRun(std::int32_t category, bool recurse, bool addExisting, ScanObserver& observer,
            const TScanOptions& options)
        : Category(category), Recurse(recurse), AddExisting(addExisting),
          SkipFailed(options.SkipFailedFiles), Observer(observer), Linked(*Base),
          OwnRatings(!options.CacheSettings), SiteWeight(OwnRatings),
          Workers(options.Workers, EngineFileName, &OwnRatings),
          EnginePages{EngineFileName, SearchPageOf(EngineFileName)} {}

    std::int32_t Category;
    bool Recurse;
    bool AddExisting;
    bool SkipFailed;
    ScanObserver& Observer;
    TLinkAddresses Linked;
    TRatingCache OwnRatings;
    TSiteWeight SiteWeight;
    // The folders being walked, outermost first.
    std::vector<FolderIdentity> Walking;
    // The files to index, oldest first; pages are also with the workers.
    std::deque<std::pair<std::string, bool>> Waiting;
    TPageWorkers Workers;
    // The engine file and its search page are the search, not pages of the
    // site: a scan of their folder leaves them out.
    std::array<std::string, 2> EnginePages;
};

// Indexes the oldest waiting file and appends its link. The progress shows it
// first, as if it were read only now; Stop takes effect after it.
void IndexOldest(ScanRun& run) {
    const auto [file, isPage] = run.Waiting.front();
    run.Waiting.pop_front();
    run.Observer.FileStarted(file);
    TBaseRecord record;
    const bool indexed = IndexOrSkip(file, run.SkipFailed, run.Observer, [&] {
        if (isPage) {
            record = run.Workers.TakeOldest();
        } else {
            IndexFile(file, EngineFileName, record, &run.OwnRatings);
        }
    });
    if (indexed) {
        record.Category = run.Category;
        run.SiteWeight.Keep(Base->Count(), record.Keywords);
        Base->Add(record);
    }
}

// Hands a file to the scan, indexing the oldest files when enough wait.
void Enqueue(const std::string& file, ScanRun& run) {
    const std::string extension = ExtensionOf(file);
    if (StopRequested || !IsListed(extension)) {
        return;
    }
    run.Linked.Add(RelativeUrl(EngineFileName, file));
    run.Waiting.emplace_back(file, IsPage(extension));
    if (IsPage(extension)) {
        run.Workers.Hand(file);
    }
    while (run.Waiting.size() > run.Workers.Lookahead() && !StopRequested) {
        IndexOldest(run);
    }
}

void Scan(const std::string& folder, ScanRun& run) {
    if (StopRequested) {
        return;
    }
    // A folder reached again through a symbolic link while it is being walked
    // is not entered a second time.
    FolderIdentity identity;
    const bool identified = IdentifyFolder(folder, identity);
    if (identified) {
        if (std::find(run.Walking.begin(), run.Walking.end(), identity) != run.Walking.end()) {
            return;
        }
        run.Walking.push_back(identity);
    }
    std::vector<FolderEntry> entries;
    if (ListFolder(folder, entries)) {
        for (const FolderEntry& entry : entries) {
            const std::string path = folder + entry.Name;
            if (run.Recurse && entry.IsFolder) {
                Scan(path + PathSeparator, run);
            }
            // A file too large to read is skipped before anything of it is read.
            const bool enginePage = std::find(run.EnginePages.begin(), run.EnginePages.end(),
                                              path) != run.EnginePages.end();
            if (entry.IsFile && !enginePage && entry.Size <= MaxReadableFileSize &&
                (run.AddExisting || !run.Linked.HasLinkForFile(path, EngineFileName))) {
                Enqueue(path, run);
            }
            if (StopRequested) {
                break;
            }
        }
    }
    if (identified) {
        run.Walking.pop_back();
    }
}

} // namespace

void ScanFolder(const std::string& folder, std::int32_t category, bool recurse, bool addExisting,
                ScanObserver& observer, const TScanOptions& options) {
    ScanRun run(category, recurse, addExisting, observer, options);
    Scan(folder, run);
    while (!run.Waiting.empty() && !StopRequested) {
        IndexOldest(run);
    }
    run.SiteWeight.Apply(*Base);
}

void IndexOneFile(const std::string& file, std::int32_t category, ScanObserver& observer) {
    if (StopRequested || !IsListed(ExtensionOf(file))) {
        return;
    }
    observer.FileStarted(file);
    TBaseRecord record;
    IndexFile(file, EngineFileName, record);
    record.Category = category;
    Base->Add(record);
}

namespace {

// One file of an update: a link's file for one entry of ExtensionList that
// names its extension.
struct UpdateStep {
    std::int32_t Link;
    std::string Path;
    bool DontUpdate; // the link is marked dont_update: it is only shown
    bool Handed;     // a page the workers analyse ahead
};

// Indexes a step's file again into its link, as its turn comes. A file gone
// or unreadable by now keeps the link as it is, whatever was analysed ahead.
void RunUpdateStep(const UpdateStep& step, ScanObserver& observer, TPageWorkers& workers,
                   TRatingCache& ratings, TSiteWeight& siteWeight, bool skipFailed) {
    observer.FileStarted(step.Path);
    if (step.DontUpdate) {
        return;
    }
    TBaseRecord record = Base->GetLink(step.Link);
    const std::int32_t category = record.Category;
    const std::string url = record.URL;
    bool readable = false;
    const bool indexed = IndexOrSkip(step.Path, skipFailed, observer, [&] {
        if (step.Handed) {
            record = workers.TakeOldest();
        }
        // A pipe, a device or a file too large to read is never opened: its
        // link stays as it is.
        readable = IsReadableFile(step.Path);
        if (readable && !step.Handed) {
            IndexFile(step.Path, EngineFileName, record, &ratings);
        }
    });
    if (!indexed) {
        return;
    }
    if (readable) {
        record.Category = category;
        siteWeight.Keep(step.Link, record.Keywords);
        Base->SetLink(step.Link, record);
    } else if (!FileExists(step.Path)) {
        observer.PageNotFound(url);
    }
}

void RunUpdate(ScanObserver& observer, const TScanOptions& options, TRatingCache& ratings,
               TSiteWeight& siteWeight) {
    TPageWorkers workers(options.Workers, EngineFileName, &ratings);
    std::deque<UpdateStep> steps;
    const std::int32_t count = Base->Count();
    for (std::int32_t i = 0; i <= count; ++i) {
        // The oldest steps run once enough wait, and all at the end.
        while (!steps.empty() && (steps.size() > workers.Lookahead() || i == count)) {
            if (StopRequested) {
                return;
            }
            RunUpdateStep(steps.front(), observer, workers, ratings, siteWeight,
                          options.SkipFailedFiles);
            steps.pop_front();
        }
        if (i == count) {
            break;
        }
        const TBaseRecord& link = Base->LinkAt(i);
        if (link.URL.find("://") != std::string::npos) {
            continue;
        }
        const std::string path = UrlToPath(link.URL, EngineFileName);
        const std::string extension = ExtensionOf(path);
        for (const std::string& listed : AppSettings.ExtensionList) {
            if (listed != extension) {
                continue;
            }
            if (Base->IsDontUpdate(i)) {
                steps.push_back({i, path, true, false});
                break;
            }
            // A file listed twice is indexed twice, the second time on this
            // thread.
            const bool handed = IsPage(extension) && IsReadableFile(path) &&
                                (steps.empty() || steps.back().Link != i);
            if (handed) {
                workers.Hand(path);
            }
            steps.push_back({i, path, false, handed});
        }
    }
}

} // namespace

void UpdateLinks(ScanObserver& observer, const TScanOptions& options) {
    TRatingCache ratings(!options.CacheSettings);
    TSiteWeight siteWeight(ratings);
    RunUpdate(observer, options, ratings, siteWeight);
    siteWeight.Apply(*Base);
}

bool HasListedExtension(const std::string& path) {
    return IsListed(ExtensionOf(path));
}

std::string UrlToPath(const std::string& url, const std::string& engine) {
    if (url.find(":\\") != std::string::npos || (!url.empty() && url[0] == PathSeparator)) {
        return url;
    }
    std::string path = engine.substr(0, engine.find_last_of("/\\:") + 1);
    for (std::size_t i = 0; i < url.size(); ++i) {
        // %XX is the byte of the two hexadecimal digits; any other "%" is itself.
        const int high = url[i] == '%' && i + 2 < url.size() ? HexDigitValue(url[i + 1]) : -1;
        const int low = high >= 0 ? HexDigitValue(url[i + 2]) : -1;
        if (low >= 0) {
            path += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            path += url[i] == '/' || url[i] == '\\' ? PathSeparator : url[i];
        }
    }
    return path;
}
