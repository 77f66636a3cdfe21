// The page the scanner benchmarks read when none is named: the largest .html
// file below a folder.
#pragma once

#include <filesystem>
#include <string>

inline std::string LargestHtmlFile(const std::string& root) {
    namespace fs = std::filesystem;
    std::string largest;
    std::uintmax_t largestSize = 0;
    std::error_code error;
    for (fs::recursive_directory_iterator
             it(root, fs::directory_options::skip_permission_denied, error),
         end;
         it != end; it.increment(error)) {
        if (!error && it->path().extension() == ".html" && it->is_regular_file(error) &&
            it->file_size(error) > largestSize) {
            largestSize = it->file_size(error);
            largest = it->path().string();
        }
    }
    return largest;
}
