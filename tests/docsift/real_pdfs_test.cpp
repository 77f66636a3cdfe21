// docsift's reading-order text of real PDFs against pdftotext -layout: the words
// (runs of ASCII letters and digits) must agree on at least 95% of their
// occurrences in every file.
#include "docsift/docsift_library.h"
#include "support/doc_pdfs.h"
#include "support/scratch_folder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iostream>
#include <map>

namespace {

std::map<std::string, std::size_t> WordCounts(const std::string& text) {
    std::map<std::string, std::size_t> counts;
    std::string word;
    for (const char c : text + ' ') {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            word += c;
        } else if (!word.empty()) {
            ++counts[word];
            word.clear();
        }
    }
    return counts;
}

// The share of the reference's word occurrences that the text has too.
double Agreement(const std::string& text, const std::string& reference,
                 std::size_t& referenceWords) {
    const auto ours = WordCounts(text);
    std::size_t shared = 0;
    referenceWords = 0;
    for (const auto& [word, count] : WordCounts(reference)) {
        referenceWords += count;
        const auto found = ours.find(word);
        shared += found == ours.end() ? 0 : std::min(count, found->second);
    }
    return referenceWords ? static_cast<double>(shared) / referenceWords : 1.0;
}

} // namespace

TEST(RealPdfs, TextAgreesWithPdftotext) {
    DocsiftLibrary library;
    ScratchFolder folder;
    const std::vector<std::string> files = DocumentationPdfs(folder.Path(), 40);
    ASSERT_GE(files.size(), 30u) << "the documentation packages are not installed";
    std::size_t compared = 0;
    std::size_t allWords = 0;
    double weighted = 0;
    for (const std::string& file : files) {
        const std::string text =
            DocsiftLibrary::Take(library.GetTextContentFormated(file.c_str(), 0, 0));
        DocInfo info{};
        library.GetDocInfo(file.c_str(), &info);
        double length = 0;
        DocsiftLibrary::TakeWide(library.GetUnicodeTextContent(file.c_str(), 1, 2, &length, 1),
                                 length);
        const std::string reference =
            CommandOutput("pdftotext -q -layout -enc Latin1 '" + file + "' -");
        if (text == "<null>") {
            std::cout << "refused (as pdftotext " << (reference.empty() ? "too" : "does not")
                      << "): " << file << "\n";
            continue;
        }
        std::size_t words = 0;
        const double agreement = Agreement(text, reference, words);
        std::cout << static_cast<int>(agreement * 1000) / 10.0 << "% of " << words
                  << " words: " << file << "\n";
        EXPECT_GE(agreement, 0.95) << file;
        ++compared;
        allWords += words;
        weighted += agreement * static_cast<double>(words);
    }
    std::cout << compared << " PDFs, " << allWords << " words, agreement "
              << 100 * weighted / allWords << "%\n";
    EXPECT_GE(compared, 30u);
}
