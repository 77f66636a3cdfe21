// docsift's reading-order text of real PDFs against pdftotext -layout: the words
// (runs of ASCII letters and digits) must agree on at least 95% of their
// occurrences in every file.
#include "docsift/docsift_library.h"
#include "support/doc_pdfs.h"
#include "support/scratch_folder.h"
#include "support/word_agreement.h"

#include <gtest/gtest.h>
#include <iostream>

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
        const WordAgreement comparison = CompareWords(text, reference);
        const std::size_t words = comparison.ReferenceWords;
        // The share of the reference's word occurrences that the text has too.
        const double agreement = words ? static_cast<double>(comparison.Shared) / words : 1.0;
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
