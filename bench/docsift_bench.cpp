// docsift's reading-order text of real PDFs, timed beside pdftotext -layout on
// the same files in the same run (the best of three rounds each).
//
//   bench_docsift
#include "bench/best_time.h"
#include "docsift/docsift.h"
#include "platform/vmem.h"
#include "support/doc_pdfs.h"
#include "support/scratch_folder.h"

#include <cstdlib>
#include <iostream>

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
