#include "indexer/site_scan.h"

#include "app/app_settings.h"
#include "app/application.h"
#include "indexer/document_index.h"
#include "indexer/link_addresses.h"
#include "indexer/rating_cache.h"
#include "platform/ansi.h"
#include "platform/files.h"
#include "platform/integer_text.h"

#include <algorithm>
#include <vector>

bool StopRequested = false;

namespace {

// The extension of a path's file name without its dot, lower-cased; empty when
// there is none.
std::string ExtensionOf(const std::string& path) {
    const std::size_t nameStart = path.find_last_of("/\\") + 1;
    const std::size_t dot = path.rfind('.');
    return dot == std::string::npos || dot < nameStart ? "" : AnsiLowerCase(path.substr(dot + 1));
}

bool IsListed(const std::string& extension) {
    const auto& list = AppSettings.ExtensionList;
    return std::find(list.begin(), list.end(), extension) != list.end();
}

// What one scan carries from folder to folder.
struct ScanRun {
    std::int32_t Category;
    bool Recurse;
    bool AddExisting;
    ScanObserver& Observer;
    TLinkAddresses Linked;
    TRatingCache Ratings;
    // The folders being walked, outermost first.
    std::vector<FolderIdentity> Walking;
};

void IndexListedFile(const std::string& file, std::int32_t category, ScanObserver& observer,
                     TRatingCache* ratings) {
    if (StopRequested || !IsListed(ExtensionOf(file))) {
        return;
    }
    observer.FileStarted(file);
    TBaseRecord record;
    IndexFile(file, EngineFileName, record, ratings);
    record.Category = category;
    Base->Add(record);
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
            if (entry.IsFile && entry.Size <= MaxReadableFileSize &&
                (run.AddExisting || !run.Linked.HasLinkForFile(path, EngineFileName))) {
                const std::int32_t before = Base->Count();
                IndexListedFile(path, run.Category, run.Observer, &run.Ratings);
                if (Base->Count() > before) {
                    run.Linked.Add(Base->LinkAt(before).URL);
                }
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
                ScanObserver& observer) {
    ScanRun run{category, recurse, addExisting, observer, TLinkAddresses(*Base), {}, {}};
    Scan(folder, run);
}

void IndexOneFile(const std::string& file, std::int32_t category, ScanObserver& observer) {
    IndexListedFile(file, category, observer, nullptr);
}

void UpdateLinks(ScanObserver& observer) {
    TRatingCache ratings;
    const std::int32_t count = Base->Count();
    for (std::int32_t i = 0; i < count; ++i) {
        TBaseRecord record = Base->GetLink(i);
        const std::int32_t category = record.Category;
        if (record.URL.find("://") != std::string::npos) {
            continue;
        }
        const std::string path = UrlToPath(record.URL, EngineFileName);
        const std::string extension = ExtensionOf(path);
        for (const std::string& listed : AppSettings.ExtensionList) {
            if (listed != extension) {
                continue;
            }
            if (StopRequested) {
                return;
            }
            observer.FileStarted(path);
            if (Base->IsDontUpdate(i)) {
                break;
            }
            // A pipe, a device or a file too large to read is never opened:
            // its link stays as it is.
            if (IsReadableFile(path)) {
                IndexFile(path, EngineFileName, record, &ratings);
                record.Category = category;
                Base->SetLink(i, record);
            } else if (!FileExists(path)) {
                observer.PageNotFound(record.URL);
            }
        }
    }
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
