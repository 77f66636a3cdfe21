// Filling the link base from the files of a site folder, and indexing the
// links of the base again from their files.
#pragma once

#include "app/base.h"

#include <string>

// The number of worker threads a scan starts on this machine.
unsigned DefaultWorkerCount();

// Set to end a running scan or update at its next file; each run clears it at
// its start and sets it at its end.
extern bool StopRequested;

// What a run tells the person while it goes.
class ScanObserver {
  public:
    virtual ~ScanObserver() = default;
    // A file is about to be indexed; pending window events may run here (which
    // is where a Stop button sets StopRequested).
    virtual void FileStarted(const std::string& path) = 0;
    // The update found no file for a link.
    virtual void PageNotFound(const std::string& url) = 0;
    // A file could not be read or converted and was skipped (a run that skips
    // failed files only).
    virtual void FileFailed(const std::string& /*path*/, const std::string& /*reason*/) {}
};

// How a run does its work; the results are the same either way.
struct TScanOptions {
    // The rating settings read once and again only when a settings file
    // changes, rather than for every file.
    bool CacheSettings = true;
    // Threads that read and analyse pages ahead of the walk; none analyses
    // each page on the calling thread when its turn comes.
    unsigned Workers = DefaultWorkerCount();
    // A file that cannot be read or converted (InOutError, ConversionError) is
    // told to the observer and skipped, and the run goes on: a scan adds no
    // link for it, an update keeps its link as it was. Otherwise the first such
    // failure ends the run and is raised to the caller.
    bool SkipFailedFiles = false;
};

// Indexes every file of folder (ending with the separator) whose extension is
// in ExtensionList into Base, with the category given, walking subfolders when
// recurse is set; with addExisting off, files that already have a link are
// skipped. Files are taken in the order the file system lists them.
void ScanFolder(const std::string& folder, std::int32_t category, bool recurse, bool addExisting,
                ScanObserver& observer, const TScanOptions& options = {});

// Indexes one file when its extension is listed, and appends its link.
void IndexOneFile(const std::string& file, std::int32_t category, ScanObserver& observer);

// Indexes every local link of Base again from its file, keeping its category
// and position; links to web addresses and links marked dont_update stay.
void UpdateLinks(ScanObserver& observer, const TScanOptions& options = {});

// Whether the extension of the file's name is in ExtensionList.
bool HasListedExtension(const std::string& path);

// The file a link's URL stands for, seen from the engine file's folder.
std::string UrlToPath(const std::string& url, const std::string& engine);
