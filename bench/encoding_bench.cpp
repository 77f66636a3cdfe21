// The UTF-8 path beside the Windows-1252 path in the same run: the token
// scanner and the whole analysis of a page (decoding, title, description,
// rating of the whole page), over an ASCII-heavy page (the largest .html
// file under /usr/share/doc) and a Cyrillic page made here. Prints each
// time and the ratio UTF-8 / Windows-1252.
//
//   bench_encodings [PAGE.html]
#include "app/app_settings.h"
#include "app/engine_encoding.h"
#include "bench/best_time.h"
#include "bench/largest_page.h"
#include "indexer/document_index.h"
#include "indexer/rating_cache.h"
#include "platform/files.h"
#include "readers/page_encoding.h"
#include "readers/tokens.h"
#include "support/scratch_folder.h"

#include <iostream>

namespace {

// About a megabyte of Russian prose in paragraphs and headings, UTF-8.
std::string CyrillicPage() {
    const char* const words[] = {"Москва",  "столица", "России", "город",   "река",
                                 "история", "музей",   "улица",  "площадь", "и",
                                 "в",       "на",      "это",    "был",     "большой"};
    std::string page = "<html><head><meta charset=\"utf-8\"><title>Москва — столица</title>"
                       "</head><body>";
    std::uint32_t seed = 7;
    while (page.size() < 1000000) {
        page += "<h2>История</h2><p>";
        for (int i = 0; i < 60; ++i) {
            seed = seed * 1103515245u + 12345u;
            page += words[(seed >> 16) % 15];
            page += i % 9 == 8 ? ". " : " ";
        }
        page += "</p>\n";
    }
    return page + "</body></html>";
}

double ScanSeconds(const std::string& bytes, bool utf8) {
    TFileBuffer buffer;
    AssignBuffer(buffer, bytes);
    buffer.Utf8 = utf8;
    std::string_view text;
    return BestSeconds([&] {
        for (int round = 0; round < 5; ++round) {
            buffer.Position = 0;
            buffer.PendingSpace = false;
            while (NextToken(buffer, text) != tkEnd) {
            }
        }
    });
}

double AnalysisSeconds(const std::string& page, const std::string& root, TEngineEncoding encoding) {
    EngineEncoding = encoding;
    TRatingCache ratings;
    return BestSeconds([&] {
        for (int round = 0; round < 5; ++round) {
            TBaseRecord record;
            AnalysePage(page, root, record, &ratings);
        }
    });
}

void Report(const std::string& name, const std::string& path, const std::string& root) {
    std::string utf8;
    ReadWholeFile(path, utf8);
    PageToUtf8(utf8);
    std::string ansi;
    ReadWholeFile(path, ansi);
    std::vector<std::size_t> missing;
    PageToCodePage(ansi, missing);
    AppSettings.IndexDepthLimit = static_cast<std::int32_t>(utf8.size()); // the whole page

    const double scanAnsi = ScanSeconds(ansi, false);
    const double scanUtf8 = ScanSeconds(utf8, true);
    const double analysisAnsi = AnalysisSeconds(path, root, TEngineEncoding::Windows1252);
    const double analysisUtf8 = AnalysisSeconds(path, root, TEngineEncoding::Utf8);
    std::cout << name << " (" << utf8.size() << " bytes in UTF-8):\n"
              << "  NextToken: Windows-1252 " << scanAnsi / 5 * 1e3 << " ms, UTF-8 "
              << scanUtf8 / 5 * 1e3 << " ms, ratio " << scanUtf8 / scanAnsi << "\n"
              << "  analysis:  Windows-1252 " << analysisAnsi / 5 * 1e3 << " ms, UTF-8 "
              << analysisUtf8 / 5 * 1e3 << " ms, ratio " << analysisUtf8 / analysisAnsi << "\n";
}

} // namespace

int main(int argc, char** argv) {
    AppSettings.SetupDir = ExecutableFolder();
    LoadSetXml();
    const std::string ascii = argc > 1 ? argv[1] : LargestHtmlFile("/usr/share/doc");
    if (ascii.empty()) {
        std::cerr << "No HTML page to read; name one on the command line.\n";
        return 1;
    }
    ScratchFolder folder;
    const std::string cyrillic = folder.Write("cyrillic.html", CyrillicPage());
    const std::string root = folder.Path() + "svx.html";
    Report("ASCII-heavy page " + ascii, ascii, root);
    Report("Cyrillic page", cyrillic, root);
    return 0;
}
