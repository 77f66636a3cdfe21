// The settings files that ship with the program, over real documentation pages:
// stop words never become keywords, title words rank near the top, and nothing
// inside script or style elements is counted.
#include "app/app_settings.h"
#include "app/engine_encoding.h"
#include "indexer/document_index.h"
#include "indexer/rating.h"
#include "indexer/rating_cache.h"
#include "platform/files.h"
#include "readers/file_buffer.h"
#include "readers/page_encoding.h"
#include "support/doc_pages.h"
#include "support/page_facts.h"

#include <gtest/gtest.h>
#include <iostream>
#include <set>

TEST(ShippedSettings, ChooseAcceptableKeywordsOnRealPages) {
    const std::string setup = ExecutableFolder();
    AppSettings.SetupDir = setup;
    LoadSetXml();
    TRating settings;
    ASSERT_TRUE(settings.LoadSettings(setup + "tags.xml", setup + "words.xml", setup + "set.xml"));
    ASSERT_GE(settings.KeysCount, 10);
    ASSERT_LE(settings.KeysCount, 40);
    const std::set<std::string> stopWords = StopWordsOf(settings);
    ASSERT_GT(stopWords.size(), 500u);

    std::size_t pages = 0;
    std::size_t titledPages = 0;
    std::size_t titleInTopThree = 0;
    std::size_t keywords = 0;
    std::size_t numbers = 0;
    std::vector<std::string> stopWordKeywords;
    std::vector<std::string> hiddenKeywords;
    for (const DocPackage& package : DocPackages()) {
        const std::vector<std::string> files = HtmlFilesBelow(package.Folder);
        EXPECT_GE(files.size(), 100u) << package.Name << " is not installed";
        for (const std::string& file : files) {
            std::string page;
            ASSERT_TRUE(ReadWholeFile(file, page));
            TRating rating;
            rating.LoadSettings(setup + "tags.xml", setup + "words.xml", setup + "set.xml");
            rating.RateFile(file, AppSettings.IndexDepthLimit);
            ++pages;
            keywords += rating.Words.size();

            const std::string visible = VisibleText(page);
            const std::set<std::string> meta = MetaKeywords(page);
            for (const TWordRating& word : rating.Words) {
                numbers += word.Word[0] >= '0' && word.Word[0] <= '9';
                if (stopWords.count(word.Word)) {
                    stopWordKeywords.push_back(file + ": " + word.Word);
                }
                if (!meta.count(word.Word) && visible.find(word.Word) == std::string::npos) {
                    hiddenKeywords.push_back(file + ": " + word.Word);
                }
            }
            std::set<std::string> title;
            for (const std::string& word : TitleWords(page)) {
                if (!stopWords.count(word)) {
                    title.insert(word);
                }
            }
            if (title.empty()) {
                continue;
            }
            ++titledPages;
            for (std::size_t i = 0; i < rating.Words.size() && i < 3; ++i) {
                if (title.count(rating.Words[i].Word)) {
                    ++titleInTopThree;
                    break;
                }
            }
        }
    }
    const double titleShare = titledPages ? 100.0 * titleInTopThree / titledPages : 0;
    const double numberShare = keywords ? 100.0 * numbers / keywords : 0;
    std::cout << pages << " pages, " << static_cast<double>(keywords) / pages
              << " keywords a page, " << numberShare << "% of them numbers; " << titleInTopThree
              << " of " << titledPages << " titled pages (" << titleShare
              << "%) have a title word among their first three keywords; "
              << stopWordKeywords.size() << " stop-word keywords; " << hiddenKeywords.size()
              << " keywords found only inside script, style, comments or tags\n";
    EXPECT_GE(pages, 200u);
    EXPECT_GE(titleShare, 70.0);
    EXPECT_LT(numberShare, 10.0);
    for (const std::string& stopWord : stopWordKeywords) {
        ADD_FAILURE() << "stop word " << stopWord;
    }
    for (const std::string& hidden : hiddenKeywords) {
        ADD_FAILURE() << hidden;
    }
}

TEST(ShippedSettings, UnicodeDocumentationGivesNoMojibakeInAUtf8Engine) {
    const std::string setup = ExecutableFolder();
    AppSettings.SetupDir = setup;
    LoadSetXml();
    EngineEncoding = TEngineEncoding::Utf8;
    TRatingCache ratings;
    std::size_t pages = 0;
    std::size_t unicodeTexts = 0;
    for (const DocPackage& package : DocPackages()) {
        for (const std::string& file : HtmlFilesBelow(package.Folder)) {
            TBaseRecord record;
            IndexFile(file, package.Folder + "/svx.html", record, &ratings);
            ++pages;
            std::vector<std::string> texts = record.Keywords;
            texts.push_back(record.Caption);
            for (const std::string& text : texts) {
                unicodeTexts += HasNonAscii(text);
                // UTF-8 read as Windows-1252 ("Ã©", "Â "), or the replacement character.
                const bool garbage = text.find("\xC3\x83") != std::string::npos ||
                                     text.find("\xC3\x82") != std::string::npos ||
                                     text.find("\xEF\xBF\xBD") != std::string::npos;
                EXPECT_FALSE(garbage) << file << ": " << text;
            }
        }
    }
    EngineEncoding = TEngineEncoding::Windows1252;
    EXPECT_GE(pages, 200u);
    EXPECT_GT(unicodeTexts, 0u); // the no-break spaces of the captions, at least
}
