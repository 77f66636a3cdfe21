#include "support/doc_pages.h"

#include <algorithm>
#include <filesystem>

const std::vector<DocPackage>& DocPackages() {
    static const std::vector<DocPackage> packages = {
        {"sqlite3-doc", "/usr/share/doc/sqlite3"},
        {"git-doc", "/usr/share/doc/git-doc"},
    };
    return packages;
}

std::vector<std::string> HtmlFilesBelow(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    std::error_code error;
    for (fs::recursive_directory_iterator
             it(folder, fs::directory_options::skip_permission_denied, error),
         end;
         it != end; it.increment(error)) {
        if (!error && it->is_regular_file(error) && it->path().extension() == ".html") {
            files.push_back(it->path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}
