// How many keywords a page should keep: for several IndexDepthLimit and
// KeysCount values, the size of a page's keyword element in the database
// against how well a search for one of the page's heading words (title, h1-h3)
// finds that page through its keywords.
//
//   keyword_study [FOLDER...]    (default: the documentation packages of the tests)
#include "indexer/rating.h"
#include "platform/files.h"
#include "support/doc_pages.h"
#include "support/page_facts.h"

#include <iomanip>
#include <iostream>
#include <map>
#include <set>

namespace {

struct RatedPage {
    std::vector<std::string> Keywords; // best first, up to the largest count studied
    std::set<std::string> Headings;
};

bool IsNumber(const std::string& word) {
    return word.find_first_not_of("0123456789-") == std::string::npos;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            for (const std::string& file : HtmlFilesBelow(argv[i])) {
                files.push_back(file);
            }
        }
    } else {
        for (const DocPackage& package : DocPackages()) {
            for (const std::string& file : HtmlFilesBelow(package.Folder)) {
                files.push_back(file);
            }
        }
    }
    const std::string setup = ExecutableFolder();
    const std::vector<std::int32_t> limits = {1, 4, 16, 64};
    const std::vector<std::size_t> counts = {10, 15, 20, 25, 30, 40};

    std::cout << files.size() << " pages\n"
              << "limit KB  keys  kw bytes/page  heading words found  pages a search finds\n";
    for (const std::int32_t limit : limits) {
        std::vector<RatedPage> pages;
        for (const std::string& file : files) {
            TRating rating;
            rating.LoadSettings(setup + "tags.xml", setup + "words.xml", setup + "set.xml");
            rating.KeysCount = static_cast<std::int32_t>(counts.back());
            rating.RateFile(file, limit * 1024);
            const std::set<std::string> stopWords = StopWordsOf(rating);
            RatedPage page;
            for (const TWordRating& word : rating.Words) {
                page.Keywords.push_back(word.Word);
            }
            std::string text;
            ReadWholeFile(file, text);
            for (const std::string& word : HeadingWords(text)) {
                if (!stopWords.count(word) && !IsNumber(word)) {
                    page.Headings.insert(word);
                }
            }
            pages.push_back(std::move(page));
        }
        for (const std::size_t count : counts) {
            std::size_t bytes = 0;
            std::map<std::string, std::size_t> pagesWithKeyword;
            for (const RatedPage& page : pages) {
                const std::size_t kept = std::min(count, page.Keywords.size());
                for (std::size_t i = 0; i < kept; ++i) {
                    bytes += page.Keywords[i].size() + (i > 0);
                    ++pagesWithKeyword[page.Keywords[i]];
                }
            }
            std::size_t searches = 0;
            std::size_t found = 0;
            std::size_t results = 0;
            for (const RatedPage& page : pages) {
                const std::size_t kept = std::min(count, page.Keywords.size());
                const std::set<std::string> keywords(page.Keywords.begin(),
                                                     page.Keywords.begin() + kept);
                for (const std::string& word : page.Headings) {
                    ++searches;
                    found += keywords.count(word);
                    results += pagesWithKeyword[word];
                }
            }
            std::cout << std::setw(8) << limit << std::setw(6) << count << std::setw(15)
                      << std::fixed << std::setprecision(1)
                      << static_cast<double>(bytes) / pages.size() << std::setw(20)
                      << 100.0 * found / searches << "%" << std::setw(21)
                      << static_cast<double>(results) / searches << "\n";
        }
    }
    return 0;
}
