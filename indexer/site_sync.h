// Bringing an engine up to date with its site folder in one run, as a site's
// build does: links to deleted files go, the others are indexed again, new
// files are added.
#pragma once

#include "indexer/site_scan.h"

#include <cstdint>
#include <string>

struct TSyncCounts {
    std::int32_t Added = 0;
    std::int32_t Updated = 0;
    std::int32_t Removed = 0;
    std::int32_t Unchanged = 0; // kept as they were, web addresses and dont_update links included
    std::int32_t Failed = 0;    // files that could not be read or converted, skipped
};

// Removes the links whose file is gone (the local links with a listed
// extension, not marked dont_update, that an update would report not found),
// indexes the remaining links again as UpdateLinks does, then adds the files
// of folder that no link has into category, as ScanFolder does. A file that
// fails is told to the observer and skipped.
TSyncCounts SyncSite(const std::string& folder, std::int32_t category, bool recurse,
                     ScanObserver& observer, TScanOptions options = {});
