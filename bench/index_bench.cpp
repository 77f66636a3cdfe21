// Indexing throughput, in files per second, over a real HTML tree (the
// documentation pages of the tests) and over the real PDFs, each beside the time
// of reading the same files in the same run; the share of the time spent
// loading the three settings files, which indexing one file does for every
// file; and the throughput of a scan's indexing, which reads them once.
//
//   bench_index
#include "app/app_settings.h"
#include "bench/best_time.h"
#include "indexer/document_index.h"
#include "indexer/rating.h"
#include "indexer/rating_cache.h"
#include "platform/files.h"
#include "support/doc_pages.h"
#include "support/doc_pdfs.h"
#include "support/scratch_folder.h"

#include <iostream>

namespace {

void Report(const char* name, const std::vector<std::string>& files) {
    const double read = BestSeconds([&] {
        std::string data;
        for (const std::string& file : files) {
            ReadWholeFile(file, data);
        }
    });
    const double index = BestSeconds([&] {
        for (const std::string& file : files) {
            TBaseRecord record;
            IndexFile(file, "/usr/share/doc/svx.html", record);
        }
    });
    // As a scan indexes them: the settings read once for every file.
    const double scan = BestSeconds([&] {
        TRatingCache ratings;
        for (const std::string& file : files) {
            TBaseRecord record;
            IndexFile(file, "/usr/share/doc/svx.html", record, &ratings);
        }
    });
    const std::string& setup = AppSettings.SetupDir;
    const double settings = BestSeconds([&] {
        for (std::size_t i = 0; i < files.size(); ++i) {
            TRating rating;
            rating.LoadSettings(setup + "tags.xml", setup + "words.xml", setup + "set.xml");
        }
    });
    const double count = static_cast<double>(files.size());
    std::cout << name << ": " << files.size() << " files; indexing " << count / index
              << " files/s, reading " << count / read << " files/s (indexing takes " << index / read
              << " times the reading); loading the "
              << "settings for every file is " << 100 * settings / index
              << "% of the indexing time; as a scan indexes them (settings read once) "
              << count / scan << " files/s, " << scan / read << " times the reading\n";
}

} // namespace

int main() {
    AppSettings.SetupDir = ExecutableFolder();
    LoadSetXml();
    std::vector<std::string> pages;
    for (const DocPackage& package : DocPackages()) {
        const std::vector<std::string> found = HtmlFilesBelow(package.Folder);
        pages.insert(pages.end(), found.begin(), found.end());
    }
    ScratchFolder folder;
    const std::vector<std::string> pdfs = DocumentationPdfs(folder.Path(), 40);
    if (pages.empty() || pdfs.empty()) {
        std::cerr << "No documentation; run scripts/install-deps.sh tests.\n";
        return 1;
    }
    std::cout << "IndexDepthLimit " << AppSettings.IndexDepthLimit << " bytes\n";
    Report("HTML pages", pages);
    Report("PDFs", pdfs);
    return 0;
}
