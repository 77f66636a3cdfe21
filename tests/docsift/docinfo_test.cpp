#include "docsift/docsift_library.h"
#include "support/pdf_writer.h"
#include "support/scratch_folder.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace {

class DocInfoTest : public ::testing::Test {
  protected:
    // A one-page document with these information entries.
    std::string Document(std::optional<std::map<std::string, std::string>> info, int pages = 1) {
        PdfDocument document;
        document.Info = std::move(info);
        for (int i = 0; i < pages; ++i) {
            document.Pages.push_back(
                {{{72, 720, 12, U"Page " + std::u32string(1, U'0' + i % 10)}}});
        }
        return Folder.Write("doc" + std::to_string(++count_) + ".pdf", WritePdf(document));
    }

    // Fills a record that was full of '#' bytes; answers the call's result.
    int Fill(const std::string& path) {
        std::memset(&Record, '#', sizeof Record);
        return Library.GetDocInfo(path.c_str(), &Record);
    }

    DocsiftLibrary Library;
    ScratchFolder Folder;
    DocInfo Record{};

  private:
    int count_ = 0;
};

} // namespace

TEST(DocInfoLayout, FieldsStandAtTheirOffsets) {
    EXPECT_EQ(sizeof(DocInfo), 2044u);
    EXPECT_EQ(offsetof(DocInfo, Title), 0u);
    EXPECT_EQ(offsetof(DocInfo, Author), 255u);
    EXPECT_EQ(offsetof(DocInfo, Keywords), 510u);
    EXPECT_EQ(offsetof(DocInfo, Subject), 765u);
    EXPECT_EQ(offsetof(DocInfo, Creator), 1020u);
    EXPECT_EQ(offsetof(DocInfo, Producer), 1275u);
    EXPECT_EQ(offsetof(DocInfo, CreationDate), 1530u);
    EXPECT_EQ(offsetof(DocInfo, ModDate), 1785u);
    EXPECT_EQ(offsetof(DocInfo, PageCount), 2040u);
}

TEST_F(DocInfoTest, FieldsAndSpacesForEmptyOnes) {
    ASSERT_EQ(Fill(Document(std::map<std::string, std::string>{{"Title", "Harbour Lights"},
                                                               {"Author", "J. Smith"},
                                                               {"Subject", ""},
                                                               {"Creator", "Writer"}},
                            3)),
              1);
    EXPECT_STREQ(Record.Title, "Harbour Lights");
    EXPECT_STREQ(Record.Author, "J. Smith");
    EXPECT_STREQ(Record.Subject, " ");
    EXPECT_STREQ(Record.Keywords, " ");
    EXPECT_STREQ(Record.Creator, "Writer");
    EXPECT_STREQ(Record.Producer, " ");
    EXPECT_STREQ(Record.CreationDate, " ");
    EXPECT_STREQ(Record.ModDate, " ");
    EXPECT_EQ(Record.PageCount, 3);
    // Every slot is zeroed after its text.
    EXPECT_EQ(Record.Title[254], 0);
    EXPECT_EQ(Record.Subject[200], 0);
}

TEST_F(DocInfoTest, Utf16ValuesAndByteStrings) {
    ASSERT_EQ(Fill(Document(std::map<std::string, std::string>{
                  {"Title", std::string("\xFE\xFF\x00\x41\x00\x42", 6)},
                  {"Subject", std::string("\xFE\xFF\x00\x41\x04\x16", 6)},
                  {"Keywords", std::string("caf\xE9\0hidden", 11)},
                  {"Author", std::string("\xFE\xFF\x00\xE9", 4)}})),
              1);
    EXPECT_STREQ(Record.Title, "AB");
    EXPECT_STREQ(Record.Subject, "Unicode");
    EXPECT_STREQ(Record.Keywords, "caf\xE9");
    EXPECT_STREQ(Record.Author, "\xE9");
}

TEST_F(DocInfoTest, DatesAreReformatted) {
    const std::vector<std::pair<std::string, std::string>> dates = {
        {"D:20050317143005+03'00'", "2005.03.17 14:30:05"},
        {"D:20050317143005Z", "2005.03.17 14:30:05"},
        {"D:20050317143005z", "2005.03.17 14:30:05"},
        {"D:20050317143005-08'00'", "2005.03.17 14:30:05"},
        {"D:20050317143005", "2005.03.17 14:30:05"},
        {"Tue Mar 17 2005", "Tue Mar 17 2005"},
        {"D:2005", "2005.. ::"},
        {"D:200503171430", "2005.03.17 14:30:"},
        {"D:", ""},
    };
    for (const auto& [value, shown] : dates) {
        ASSERT_EQ(Fill(Document(std::map<std::string, std::string>{{"CreationDate", value},
                                                                   {"ModDate", value}})),
                  1);
        EXPECT_STREQ(Record.CreationDate, shown.c_str()) << value;
        EXPECT_STREQ(Record.ModDate, shown.c_str()) << value;
    }
}

TEST_F(DocInfoTest, LongValuesAreCutInsideTheirSlot) {
    ASSERT_EQ(Fill(Document(std::map<std::string, std::string>{{"Title", std::string(300, 'x')},
                                                               {"Author", "next"}})),
              1);
    EXPECT_EQ(std::strlen(Record.Title), 254u);
    EXPECT_STREQ(Record.Author, "next");
}

TEST_F(DocInfoTest, NoInformationDictionaryLeavesTheRecordAlone) {
    const std::string path = Document(std::nullopt);
    EXPECT_EQ(Fill(path), 0);
    EXPECT_EQ(Record.Title[0], '#');
    EXPECT_EQ(Record.PageCount, 0x23232323);
    EXPECT_EQ(DocsiftLibrary::Take(Library.GetTextContentFormated(path.c_str(), 0, 0)), "Page 0\n");
}

TEST_F(DocInfoTest, UnreadableDocumentsGiveNothing) {
    const std::string plain = Document(std::map<std::string, std::string>{{"Title", "Secret"}});
    const std::string noCopy = Folder.Path() + "nocopy.pdf";
    const std::string locked = Folder.Path() + "locked.pdf";
    ASSERT_EQ(
        std::system(("qpdf --encrypt '' owner 256 --extract=n -- '" + plain + "' '" + noCopy + "'")
                        .c_str()),
        0);
    ASSERT_EQ(
        std::system(("qpdf --encrypt user owner 256 -- '" + plain + "' '" + locked + "'").c_str()),
        0);
    std::string damaged = WritePdf(PdfDocument{{PdfPage{}}, std::nullopt});
    damaged = "%PDF-1.4\n" + std::string(500, '\x01') + damaged.substr(damaged.size() / 3, 40);
    const std::string broken = Folder.Write("damaged.pdf", damaged);
    for (const std::string& path : {noCopy, locked, broken, Folder.Path() + "missing.pdf"}) {
        EXPECT_EQ(Fill(path), 0) << path;
        EXPECT_EQ(Record.Title[0], '#') << path;
        double length = -1;
        EXPECT_EQ(Library.GetTextContentFormated(path.c_str(), 0, 0), nullptr) << path;
        EXPECT_EQ(Library.GetTextContent(path.c_str(), 0, 0), nullptr) << path;
        EXPECT_EQ(Library.GetUnicodeTextContentFormated(path.c_str(), 0, 0, &length, 1), nullptr)
            << path;
        EXPECT_EQ(Library.GetUnicodeTextContent(path.c_str(), 0, 0, &length, 0), nullptr) << path;
    }
    EXPECT_EQ(Fill(plain), 1);
}
