#include "app/app_settings.h"
#include "app/engine_encoding.h"
#include "convert/in_out_error.h"
#include "indexer/document_index.h"
#include "indexer/site_scan.h"
#include "indexer/unicode_words.h"
#include "platform/ansi.h"
#include "platform/files.h"
#include "platform/integer_text.h"
#include "support/pdf_writer.h"
#include "support/scratch_folder.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using Strings = std::vector<std::string>;

Strings Sorted(Strings words) {
    std::sort(words.begin(), words.end());
    return words;
}

class IndexTest : public ::testing::Test {
  protected:
    IndexTest() {
        Folder.Write("setup/tags.xml", "<tags><title rating=\"300\"/></tags>");
        Folder.Write("setup/words.xml", "<words><group rating=\"0\">the a of</group></words>");
        Folder.Write("setup/set.xml",
                     "<settings><KeysCount value=\"5\"/><CountWeight value=\"100\"/>"
                     "<TagWeight value=\"100\"/><StopWordsMinimalRating value=\"1\"/></settings>");
        AppSettings = TAppSettings();
        AppSettings.SetupDir = Folder.Path() + "setup/";
        Root = Folder.Path() + "site/svx.html";
    }
    ~IndexTest() override {
        EXPECT_FALSE(FileExists(TempPageFile())) << "the temporary page was left behind";
    }

    TBaseRecord Index(const std::string& name, const std::string& content) {
        TBaseRecord record;
        IndexFile(Folder.Write("site/" + name, content), Root, record);
        return record;
    }
    std::string Pdf(const std::string& name,
                    std::optional<std::map<std::string, std::string>> info) {
        PdfDocument document;
        document.Info = std::move(info);
        document.Pages.push_back({{{72, 720, 12, U"Lighthouse keepers lighthouse lamps"}}});
        return Folder.Write("site/" + name, WritePdf(document));
    }

    ScratchFolder Folder;
    std::string Root;
};

} // namespace

TEST_F(IndexTest, TitlesAreTakenRaw) {
    EXPECT_EQ(Index("a.html", "<TITLE>My\r\nPage</TITLE>").Caption, "My Page");
    EXPECT_EQ(Index("b.html", "<title> a &amp; b </title>").Caption, " a &amp; b ");
    EXPECT_EQ(Index("c.html", "<title lang=\"en\">Not found</title>").Caption, "");
    EXPECT_EQ(Index("d.html", "<title>No end").Caption, "");
    EXPECT_EQ(Index("e.html", "</title><title>Reversed").Caption, "");
}

TEST_F(IndexTest, DescriptionAndCategoryCode) {
    TBaseRecord record = Index("a.html", "<META NAME=\"Description\" CONTENT=\"Hi\r\nthere\">"
                                         "<meta name=\"category code\" content=\" 3 \">");
    EXPECT_EQ(record.Description, "Hi there");
    EXPECT_EQ(record.Category, 3);
    EXPECT_EQ(record.URL, "a.html");
    EXPECT_EQ(Index("b.html", "<meta name=description content=\"Hi\">").Description, "");
    EXPECT_EQ(Index("c.html", "<meta name=\"category code\" content=\"\">").Category, 0);
    for (const char* code : {"x", "1.5", "99999999999"}) {
        EXPECT_THROW(
            Index("d.html", std::string("<meta name=\"category code\" content=\"") + code + "\">"),
            ConversionError)
            << code;
    }
}

TEST_F(IndexTest, AnEmptyDescriptionTakesTheOpeningTextWhenAsked) {
    const std::string page =
        "<title>Knots</title><nav>Home | News</nav><h1>Knots</h1>"
        "<script>var end = \"</p>\";</script><!-- draft -->"
        "<p>The bowline makes a <b>fixed</b> loop at the\r\nend of a line.</p>";
    EXPECT_EQ(Index("off.html", page).Description, "");
    Folder.Write("setup/set.xml", "<settings><TextDescriptionLength value=\"40\"/></settings>");
    EXPECT_EQ(Index("cut.html", page).Description, "The bowline makes a fixed loop at the...");
    EXPECT_EQ(Index("short.html", "<title>Knots</title>\n<p>Reef knots.</p>").Description,
              "Reef knots.");
    EXPECT_EQ(
        Index("own.html", "<meta name=\"description\" content=\"Its own\"><p>Text</p>").Description,
        "Its own");
    EXPECT_EQ(Index("word.html", "<p>" + std::string(60, 'x') + "</p>").Description, "");
}

TEST_F(IndexTest, PagesAreReadInTheirOwnEncoding) {
    const TBaseRecord french =
        Index("fr.html", "<meta charset=\"utf-8\"><title>Caf\xC3\xA9 f\xC3\xBCr Gr\xC3\xB6\xC3\x9F"
                         "e</title><p>Gr\xC3\xB6\xC3\x9F"
                         "e</p>");
    EXPECT_EQ(french.Caption, "Caf\xE9 f\xFCr Gr\xF6\xDF"
                              "e");
    EXPECT_EQ(Sorted(french.Keywords), Sorted({"caf\xE9", "f\xFCr",
                                               "gr\xF6\xDF"
                                               "e"}));
    // What the code page lacks is "?" in the texts, and no part of a word
    // holding it is a keyword.
    const TBaseRecord polish =
        Index("pl.html", "<meta charset=iso-8859-2><meta name=\"keywords\" content=\"\xA3\xF3"
                         "d\xBC, "
                         "Polska\"><meta name=\"description\" content=\"\xA3\xF3"
                         "d\xBC\">"
                         "<title>\xA3\xF3"
                         "d\xBC miasto</title>du\xBFym");
    EXPECT_EQ(polish.Caption, "?\xF3"
                              "d? miasto");
    EXPECT_EQ(polish.Description, "?\xF3"
                                  "d?");
    EXPECT_EQ(Sorted(polish.Keywords), Sorted({"miasto", "polska"}));
}

// The words of text that hold no "?", so that no piece of a word holding a
// character the code page lacks counts as a word.
std::set<std::string> WholeWords(const std::string& text) {
    std::set<std::string> words;
    std::string word;
    for (const char c : text + ' ') {
        const auto byte = static_cast<unsigned char>(c);
        if (IsAnsiLetter(byte) || (byte >= '0' && byte <= '9') || c == '?') {
            word += c;
        } else {
            if (!word.empty() && word.find('?') == std::string::npos) {
                words.insert(AnsiLowerCase(word));
            }
            word.clear();
        }
    }
    return words;
}

// Whether keyword, in the open engine's encoding, is a word of text (UTF-8):
// a whole word of it in the code page, a piece of its lower case in UTF-8.
bool IsWordOf(const std::string& keyword, const std::string& text) {
    return EngineEncoding == TEngineEncoding::Utf8
               ? UnicodeKeyword(text).find(keyword) != std::string::npos
               : WholeWords(Utf8ToAnsi(text)).count(keyword) > 0;
}

bool HasKeyword(const TBaseRecord& record, const std::string& keyword) {
    return std::find(record.Keywords.begin(), record.Keywords.end(), keyword) !=
           record.Keywords.end();
}

// A file of the multilingual site as its list gives it, in UTF-8 as Python's
// codecs read it.
struct ListedFile {
    std::string Name;
    std::string Title; // none in documents.txt
    std::string Text;
};

// The files of a list of the site: "name, title, text" lines in pages.txt,
// "name, text" lines in documents.txt, separated by tabs.
std::vector<ListedFile> ListedFiles(const std::string& list) {
    std::ifstream lines(MULTILINGUAL_SITE "/" + list);
    std::vector<ListedFile> files;
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t tab = line.find('\t');
        const std::size_t lastTab = line.rfind('\t');
        files.push_back({line.substr(0, tab),
                         lastTab > tab ? line.substr(tab + 1, lastTab - tab - 1) : "",
                         line.substr(lastTab + 1)});
    }
    return files;
}

// Makes the engine open now a UTF-8 or a Windows-1252 one, and Windows-1252
// again at the end of the scope.
struct OpenEngineEncoding {
    explicit OpenEngineEncoding(TEngineEncoding encoding) { EngineEncoding = encoding; }
    ~OpenEngineEncoding() { EngineEncoding = TEngineEncoding::Windows1252; }
};

TEST_F(IndexTest, AMultilingualSiteGivesNoGarbage) {
    const std::map<std::string, Strings> expected = {{"fr.html", {"caf\xE9"}},
                                                     {"de.html",
                                                      {"gr\xF6\xDF"
                                                       "e",
                                                       "\xFC"
                                                       "bung"}},
                                                     {"pl.html", {"miastem"}},
                                                     {"cs.html",
                                                      {"\xF3"
                                                       "dy"}},
                                                     {"tr.html",
                                                      {"t\xFC"
                                                       "rkiye"}},
                                                     {"legacy.html",
                                                      {"cr\xE8me", "br\xFBl\xE9"
                                                                   "e"}},
                                                     {"utf16.html",
                                                      {"no\xEBl", "qu\xE9"
                                                                  "bec"}},
                                                     {"notes.txt",
                                                      {"\xE7"
                                                       "a",
                                                       "na\xEFve"}}};
    const std::vector<ListedFile> pages = ListedFiles("pages.txt");
    for (const ListedFile& page : pages) {
        TBaseRecord record;
        IndexFile(MULTILINGUAL_SITE "/" + page.Name, Root, record);
        EXPECT_EQ(record.Caption, Utf8ToAnsi(page.Title)) << page.Name;
        for (const std::string& keyword : record.Keywords) {
            EXPECT_TRUE(IsWordOf(keyword, page.Title + ' ' + page.Text))
                << page.Name << ": " << keyword;
        }
        const auto wanted = expected.find(page.Name);
        for (const std::string& word : wanted == expected.end() ? Strings() : wanted->second) {
            EXPECT_TRUE(HasKeyword(record, word)) << page.Name << ": " << word;
        }
    }
    EXPECT_EQ(pages.size(), 15u);
}

TEST_F(IndexTest, AMultilingualSiteKeepsEveryCharacterInAUtf8Engine) {
    const OpenEngineEncoding utf8(TEngineEncoding::Utf8);
    // Words each page must give, in UTF-8 (the test's source is UTF-8).
    const std::map<std::string, Strings> expected = {
        {"fr.html", {"café"}},         {"de.html", {"größe", "übung"}},
        {"pl.html", {"łódź"}},         {"cs.html", {"příliš", "žluťoučký"}},
        {"tr.html", {"istanbul"}},     {"ru.html", {"привет"}},
        {"ru-koi8.html", {"москва"}},  {"uk.html", {"київ"}},
        {"el.html", {"καλημέρα"}},     {"zh.html", {"东京", "大学"}},
        {"ja.html", {"東京", "大学"}}, {"th.html", {"ภาษา", "ไทย"}},
        {"legacy.html", {"crème"}},    {"utf16.html", {"noël", "québec"}},
        {"notes.txt", {"naïve"}}};
    const std::vector<ListedFile> pages = ListedFiles("pages.txt");
    for (const ListedFile& page : pages) {
        TBaseRecord record;
        IndexFile(MULTILINGUAL_SITE "/" + page.Name, Root, record);
        EXPECT_EQ(record.Caption, page.Title) << page.Name;
        for (const std::string& keyword : record.Keywords) {
            EXPECT_TRUE(IsWordOf(keyword, page.Title + ' ' + page.Text))
                << page.Name << ": " << keyword;
            // No replacement character, no UTF-8 read as the code page ("Ã©").
            EXPECT_EQ(keyword.find("\xEF\xBF\xBD"), std::string::npos) << page.Name;
            EXPECT_EQ(keyword.find("\xC3\x83"), std::string::npos) << page.Name;
        }
        for (const std::string& word : expected.at(page.Name)) {
            EXPECT_TRUE(HasKeyword(record, word)) << page.Name << ": " << word;
        }
    }
    EXPECT_EQ(pages.size(), 15u);
}

TEST_F(IndexTest, RtfsOfOtherCodePagesAndUnicodeKeepTheirCharacters) {
    // Each document's words, in UTF-8 (the test's source is UTF-8).
    const std::map<std::string, Strings> words = {{"ru.rtf", {"привет", "москвы", "россии"}},
                                                  {"pl.rtf", {"polsce", "leżą", "łódź", "kraków"}}};
    const std::vector<ListedFile> documents = ListedFiles("documents.txt");
    ASSERT_EQ(documents.size(), words.size());
    for (const TEngineEncoding encoding : {TEngineEncoding::Utf8, TEngineEncoding::Windows1252}) {
        const OpenEngineEncoding open(encoding);
        for (const ListedFile& document : documents) {
            TBaseRecord record;
            IndexFile(MULTILINGUAL_SITE "/" + document.Name, Root, record);
            for (const std::string& word : words.at(document.Name)) {
                const std::string keyword = EngineTextFromUtf8(word);
                // In the code page a word holding a character it lacks is no keyword.
                EXPECT_EQ(HasKeyword(record, keyword), keyword.find('?') == std::string::npos)
                    << document.Name << ": " << word;
            }
            for (const std::string& keyword : record.Keywords) {
                EXPECT_TRUE(IsWordOf(keyword, document.Text)) << document.Name << ": " << keyword;
            }
        }
    }
}

TEST_F(IndexTest, PdfTextOfAnyScriptInAUtf8Engine) {
    PdfDocument document;
    document.Pages.push_back({{{72, 720, 12, U"Moscow Москва столица, Łódź 東京"}}});
    const std::string pdf = Folder.Write("site/ru.pdf", WritePdf(document));
    TBaseRecord record;
    {
        const OpenEngineEncoding utf8(TEngineEncoding::Utf8);
        IndexFile(pdf, Root, record);
    }
    EXPECT_EQ(Sorted(record.Keywords), Sorted({"moscow", "москва", "столица", "łódź", "東京"}));
    IndexFile(pdf, Root, record);
    EXPECT_TRUE(HasKeyword(record, "moscow"));
    for (const std::string& keyword : record.Keywords) {
        EXPECT_TRUE(std::all_of(keyword.begin(), keyword.end(), [](char c) {
            return IsAnsiLetter(static_cast<unsigned char>(c));
        })) << keyword;
    }
}

TEST_F(IndexTest, InUtf8AnOpeningWithoutSpacesIsCutBetweenCharacters) {
    Folder.Write("setup/set.xml", "<settings><TextDescriptionLength value=\"10\"/></settings>");
    const OpenEngineEncoding utf8(TEngineEncoding::Utf8);
    EXPECT_EQ(Index("zh.html", "<p>东京大学是日本的一所大学</p>").Description, "东京大...");
}

TEST_F(IndexTest, TextFilesGetKeywordsOnly) {
    const TBaseRecord record = Index("notes.txt", "the lighthouse of the bay, lighthouse lamps");
    EXPECT_EQ(record.Caption, "");
    EXPECT_EQ(record.Description, "");
    EXPECT_EQ(record.URL, "notes.txt");
    ASSERT_FALSE(record.Keywords.empty());
    EXPECT_EQ(record.Keywords[0], "lighthouse");
}

TEST_F(IndexTest, RtfNeverGetsACaption) {
    const TBaseRecord record =
        Index("doc.RTF", "{\\rtf1{\\info{\\title Hidden}}Tides and tides\\par}");
    EXPECT_EQ(record.Caption, "");
    EXPECT_EQ(record.URL, "doc.RTF");
    // The converted page's title is the RTF file's path: no keyword comes from it.
    EXPECT_EQ(record.Keywords, Strings({"tides", "and"}));
    EXPECT_THROW(Index("bad.rtf", "{\\rtf1 \\'zz}"), ConversionError);
    TBaseRecord missing;
    EXPECT_THROW(IndexFile(Folder.Path() + "site/missing.rtf", Root, missing), InOutError);
}

TEST_F(IndexTest, PdfTitleAndSubject) {
    TBaseRecord record;
    IndexFile(Pdf("with.pdf", std::map<std::string, std::string>{{"Title", "Keepers"},
                                                                 {"Subject", "Annual report"}}),
              Root, record);
    EXPECT_EQ(record.Caption, "Keepers");
    EXPECT_EQ(record.Description, "Annual report");
    EXPECT_EQ(record.URL, "with.pdf");
    EXPECT_EQ(record.Keywords,
              Strings({"keepers", "lighthouse", "lamps"})); // the title, then the text

    record = TBaseRecord();
    IndexFile(Pdf("without.pdf", std::map<std::string, std::string>{{"Author", "Someone"}}), Root,
              record);
    EXPECT_EQ(record.Caption, "");
    EXPECT_EQ(record.Description, "");
    EXPECT_EQ(record.Keywords.at(0), "lighthouse");
}

TEST_F(IndexTest, PdfWithoutInformationOrText) {
    TBaseRecord record;
    record.Caption = "stale";
    IndexFile(Pdf("noinfo.pdf", std::nullopt), Root, record);
    EXPECT_EQ(record.URL, "noinfo.pdf");
    EXPECT_EQ(record.Caption, "");
    EXPECT_EQ(record.Keywords.at(0), "lighthouse");

    const std::string plain =
        Pdf("plain.pdf", std::map<std::string, std::string>{{"Title", "Secret"}});
    const std::string locked = Folder.Path() + "site/locked.pdf";
    ASSERT_EQ(
        std::system(("qpdf --encrypt '' owner 256 --extract=n -- '" + plain + "' '" + locked + "'")
                        .c_str()),
        0);
    record = TBaseRecord();
    record.Caption = "stale";
    IndexFile(locked, Root, record);
    EXPECT_EQ(record.URL, "locked.pdf");
    EXPECT_EQ(record.Caption, "");
    EXPECT_TRUE(record.Keywords.empty());
}

TEST_F(IndexTest, Mp3Tags) {
    std::string tag = "TAG" + std::string(30, '\0') + std::string(30, '\0') +
                      std::string(30, '\0') + "2005" + std::string(30, '\0') + '\x11';
    tag.replace(3, 5, "Tides");
    tag.replace(33, 4, "Crew");
    EXPECT_EQ(Index("song.mp3", std::string(400, '\xFF') + tag).Caption, "Crew - Tides");
    const TBaseRecord untagged = Index("plain.MP3", std::string(400, '\xFF'));
    EXPECT_EQ(untagged.URL, "plain.MP3");
    EXPECT_EQ(untagged.Caption, "");
    EXPECT_TRUE(untagged.Keywords.empty());
    EXPECT_THROW(Index("short.mp3", "tiny"), InOutError);
}

TEST_F(IndexTest, PlaylistDirectivesGiveNoKeywords) {
    const TBaseRecord record =
        Index("race.m3u", "#EXTM3U\r\n#EXTINF:2,Harbour Signal\r\nhorn.mp3\r\n"
                          "#EXTINF:-1 tvg-name=\"x\",Harbour\r\n#PLAYLIST:Regatta\r\n#\r\n");
    EXPECT_EQ(record.URL, "race.m3u");
    EXPECT_EQ(Sorted(record.Keywords), Strings({"harbour", "horn", "mp3", "regatta", "signal"}));
}

TEST_F(IndexTest, MissingPagesKeepTheirAddress) {
    TBaseRecord record;
    record.Caption = "stale";
    IndexFile(Folder.Path() + "site/gone.html", Root, record);
    EXPECT_EQ(record.URL, "gone.html");
    EXPECT_EQ(record.Caption, "");
}

TEST(RelativeUrl, AUtf8EngineEscapesWhatTheUrlStandardEscapesInPaths) {
    {
        const OpenEngineEncoding utf8(TEngineEncoding::Utf8);
        EXPECT_EQ(RelativeUrl("/site/svx.html", "/site/100% #1?{x}.html"),
                  "100%25%20%231%3F%7Bx%7D.html");
    }
    EXPECT_EQ(RelativeUrl("/site/svx.html", "/site/100% #1.html"), "100%%20#1.html");
}

TEST(RelativeUrl, AddressesFromTheEngineFolder) {
    EXPECT_EQ(RelativeUrl("/site/svx.html", "/site/dir/a b.html"), "dir/a%20b.html");
    EXPECT_EQ(RelativeUrl("/site/svx.html", "/site/svx.html"), "svx.html");
    EXPECT_EQ(RelativeUrl("/site/search/svx.html", "/site/a.html"), "../a.html");
    EXPECT_EQ(RelativeUrl("C:\\site\\svx.html", "D:\\other\\x y.html"), "D:\\other\\x y.html");
    EXPECT_EQ(RelativeUrl("C:\\site\\svx.html", "C:\\site\\dir\\a b.html"), "dir/a%20b.html");
    EXPECT_EQ(RelativeUrl("/a/b/c/svx.html", "/a/x.html"), "../../x.html");
    EXPECT_EQ(RelativeUrl("/site/svx.html", "/site/"), "");
    // A sibling folder whose name starts like the engine's folder.
    EXPECT_EQ(RelativeUrl("/s/site/svx.html", "/s/sitex/b.html"), "../sitex/b.html");
    EXPECT_EQ(RelativeUrl("/s/site/svx.html", "/s/site/x/b.html"), "x/b.html");
    // A name's non-ASCII bytes are escaped; UrlToPath reads them back.
    const std::string folder = "/site/\xC3\x9C"
                               "bungen/caf\xC3\xA9 1.html";
    EXPECT_EQ(RelativeUrl("/site/svx.html", folder), "%C3%9Cbungen/caf%C3%A9%201.html");
    EXPECT_EQ(UrlToPath(RelativeUrl("/site/svx.html", folder), "/site/svx.html"), folder);
}

TEST(HasLinkForFile, ComparesAddressesExactly) {
    TBase links;
    TBaseRecord link;
    link.URL = "Dir/a.html";
    links.Add(link);
    EXPECT_TRUE(HasLinkForFile(links, "/site/Dir/a.html", "/site/svx.html"));
    EXPECT_FALSE(HasLinkForFile(links, "/site/dir/a.html", "/site/svx.html"));
}

TEST(TempPageFile, NamedForThisProcess) {
    const std::string name = TempPageFile();
    EXPECT_EQ(name.find(TempFolder()), 0u);
    EXPECT_NE(name.find("svx~tmp~"), std::string::npos);
    EXPECT_NE(name.find(std::to_string(::getpid())), std::string::npos);
}
