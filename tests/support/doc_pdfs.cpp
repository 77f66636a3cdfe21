#include "support/doc_pdfs.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

std::string CommandOutput(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return output;
    }
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
        output.append(chunk, got);
    }
    ::pclose(pipe);
    return output;
}

std::vector<std::string> DocumentationPdfs(const std::string& unpackFolder, std::size_t most) {
    std::vector<fs::path> found;
    std::error_code error;
    for (fs::recursive_directory_iterator
             it("/usr/share/doc", fs::directory_options::skip_permission_denied, error),
         end;
         it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const bool pdf = name.size() > 4 && name.compare(name.size() - 4, 4, ".pdf") == 0;
        const bool packed = name.size() > 7 && name.compare(name.size() - 7, 7, ".pdf.gz") == 0;
        if (!error && (pdf || packed) && it->is_regular_file(error) &&
            it->file_size(error) < (20u << 20)) {
            found.push_back(it->path());
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> files;
    for (const fs::path& path : found) {
        if (files.size() >= most) {
            break;
        }
        if (path.extension() != ".gz") {
            files.push_back(path.string());
            continue;
        }
        const std::string unpacked =
            unpackFolder + std::to_string(files.size()) + "-" + path.stem().string();
        if (std::system(("gzip -dc '" + path.string() + "' > '" + unpacked + "'").c_str()) == 0) {
            files.push_back(unpacked);
        }
    }
    return files;
}
