// docsift's reading-order text of real PDFs, timed beside pdftotext -layout on
// the same files in the same run (the best of three rounds each).
//
//   bench_docsift
#include "docsift/docsift.h"
#include "platform/vmem.h"
#include "support/doc_pdfs.h"
#include "support/scratch_folder.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>

namespace {

using Clock = std::chrono::steady_clock;

template <typename Work> double BestSeconds(Work work) {
    double best = 1e300;
    for (int round = 0; round < 3; ++round) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

} // namespace

int main() {
    ScratchFolder folder;
    const std::vector<std::string> files = DocumentationPdfs(folder.Path(), 40);
    if (files.empty()) {
        std::cerr << "No PDFs; run scripts/install-deps.sh tests.\n";
        return 1;
    }
    std::size_t bytes = 0;
    const double docsift = BestSeconds([&] {
        bytes = 0;
        for (const std::string& file : files) {
            char* text = GetTextContentFormated(file.c_str(), 0, 0);
            if (text) {
                bytes += std::char_traits<char>::length(text);
                VirtualFree(text, 0, MEM_RELEASE);
            }
        }
    });
    const double pdftotext = BestSeconds([&] {
        for (const std::string& file : files) {
            std::system(("pdftotext -q -layout '" + file + "' /dev/null").c_str());
        }
    });
    std::cout << files.size() << " PDFs, " << bytes << " bytes of text\n"
              << "docsift reading order: " << docsift << " s\n"
              << "pdftotext -layout: " << pdftotext << " s\n"
              << "ratio (docsift / pdftotext): " << docsift / pdftotext << "\n";
    return 0;
}
