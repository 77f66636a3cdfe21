// RtfToHtml over the real RTF files of the tests, timed beside unrtf --html on
// the same files in the same run (the best of three rounds each).
//
//   bench_rtf
#include "bench/best_time.h"
#include "convert/rtf_to_html.h"
#include "support/scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

int main() {
    std::vector<std::string> files;
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(RTF_CORPUS)) {
        if (entry.path().extension() == ".rtf") {
            files.push_back(entry.path().string());
            bytes += entry.file_size();
        }
    }
    ScratchFolder folder;
    const double converter = BestSeconds([&] {
        for (const std::string& file : files) {
            RtfToHtml(file, folder.Path() + "page.html", {"noFonts", "onlyDefiniteOpt"});
        }
    });
    // unrtf writes the pictures it meets into its working folder: it runs in
    // the scratch folder, not wherever the benchmark was started.
    const double unrtf = BestSeconds([&] {
        for (const std::string& file : files) {
            std::system(
                ("cd '" + folder.Path() + "' && unrtf --html '" + file + "' > /dev/null 2>&1")
                    .c_str());
        }
    });
    std::cout << files.size() << " RTF files, " << bytes << " bytes\n"
              << "RtfToHtml: " << converter << " s\n"
              << "unrtf --html: " << unrtf << " s (its process start included)\n"
              << "ratio (RtfToHtml / unrtf): " << converter / unrtf << "\n";
    return 0;
}
