// The converter over real RTF files written by LibreOffice, pandoc and enscript
// from documents of Debian packages (tests/data/rtf, made by
// scripts/make-rtf-corpus.sh): the words of the page's text must agree with
// LibreOffice's own text export of the same file on at least 95% of their
// occurrences, counted against the larger of the two word counts.
#include "convert/rtf_to_html.h"
#include "platform/files.h"
#include "support/scratch_folder.h"
#include "support/word_agreement.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>

namespace {

// The text of an HTML page: tags dropped, character references read as a
// space (they stand for single characters that are not ASCII words).
std::string PageText(const std::string& html) {
    std::string text;
    bool inTag = false;
    for (std::size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '<') {
            inTag = true;
        } else if (c == '>') {
            inTag = false;
            text += ' ';
        } else if (!inTag && c == '&') {
            const std::size_t end = html.find(';', i);
            text += end != std::string::npos && end - i < 10 ? ' ' : c;
            i = end != std::string::npos && end - i < 10 ? end : i;
        } else if (!inTag) {
            text += c;
        }
    }
    return text;
}

std::vector<std::string> CorpusFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(RTF_CORPUS)) {
        if (entry.path().extension() == ".rtf") {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

TEST(RealRtf, WordsAgreeWithLibreOfficeText) {
    const std::vector<std::string> files = CorpusFiles();
    ASSERT_GE(files.size(), 20u);
    ScratchFolder folder;
    std::size_t allWords = 0;
    double weighted = 0;
    for (const std::string& file : files) {
        RtfToHtml(file, folder.Path() + "page.html", {"noFonts", "onlyDefiniteOpt"});
        std::string html;
        std::string reference;
        ASSERT_TRUE(ReadWholeFile(folder.Path() + "page.html", html));
        ASSERT_TRUE(ReadWholeFile(file.substr(0, file.size() - 4) + ".txt", reference));
        const WordAgreement compared =
            CompareWords(PageText(html.substr(html.find("<BODY"))), reference);
        const std::size_t words = compared.ReferenceWords;
        const std::size_t ourWords = compared.TextWords;
        const std::size_t shared = compared.Shared;
        // Shared occurrences over the larger of the two counts: words missing
        // from the page and words the page has in excess both count against it.
        const std::size_t larger = std::max(words, ourWords);
        const double agreement = larger ? static_cast<double>(shared) / larger : 1.0;
        std::cout << static_cast<int>(agreement * 1000) / 10.0 << "% of " << words
                  << " words (page " << ourWords
                  << "): " << std::filesystem::path(file).filename().string() << "\n";
        EXPECT_GE(agreement, 0.95) << file;
        allWords += words;
        weighted += agreement * static_cast<double>(words);
    }
    std::cout << files.size() << " RTF files, " << allWords << " words, agreement "
              << 100 * weighted / allWords << "%\n";
}
