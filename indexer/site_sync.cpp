#include "indexer/site_sync.h"

#include "app/application.h"
#include "platform/files.h"

#include <vector>

namespace {

// Passes everything on to the person's observer and counts the failures.
class FailureCount : public ScanObserver {
  public:
    explicit FailureCount(ScanObserver& observer) : observer_(observer) {}

    void FileStarted(const std::string& path) override { observer_.FileStarted(path); }
    void PageNotFound(const std::string& url) override { observer_.PageNotFound(url); }
    void FileFailed(const std::string& path, const std::string& reason) override {
        ++Failed;
        observer_.FileFailed(path, reason);
    }

    std::int32_t Failed = 0;

  private:
    ScanObserver& observer_;
};

bool FileIsGone(std::int32_t link) {
    const std::string& url = Base->LinkAt(link).URL;
    if (url.find("://") != std::string::npos || Base->IsDontUpdate(link)) {
        return false;
    }
    const std::string path = UrlToPath(url, EngineFileName);
    return HasListedExtension(path) && !FileExists(path);
}

} // namespace

TSyncCounts SyncSite(const std::string& folder, std::int32_t category, bool recurse,
                     ScanObserver& observer, TScanOptions options) {
    options.SkipFailedFiles = true;
    TSyncCounts counts;
    for (std::int32_t i = Base->Count() - 1; i >= 0; --i) {
        if (FileIsGone(i)) {
            Base->Remove(i);
            ++counts.Removed;
        }
    }

    std::vector<TBaseRecord> before;
    before.reserve(static_cast<std::size_t>(Base->Count()));
    for (std::int32_t i = 0; i < Base->Count(); ++i) {
        before.push_back(Base->LinkAt(i));
    }
    FailureCount updating(observer);
    UpdateLinks(updating, options);
    for (std::int32_t i = 0; i < Base->Count(); ++i) {
        ++(Base->LinkAt(i) == before[static_cast<std::size_t>(i)] ? counts.Unchanged
                                                                  : counts.Updated);
    }
    // A failed file kept its link as it was: it counts as failed only.
    counts.Unchanged -= updating.Failed;

    FailureCount adding(observer);
    const std::int32_t linked = Base->Count();
    ScanFolder(folder, category, recurse, false, adding, options);
    counts.Added = Base->Count() - linked;
    counts.Failed = updating.Failed + adding.Failed;
    return counts;
}
