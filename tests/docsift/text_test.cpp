#include "docsift/docsift_library.h"
#include "support/pdf_writer.h"
#include "support/scratch_folder.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class TextTest : public ::testing::Test {
  protected:
    std::string Write(const PdfDocument& document) {
        return Folder.Write("doc" + std::to_string(++count_) + ".pdf", WritePdf(document));
    }
    // One page per text, each a single line.
    std::string Pages(const std::vector<std::u32string>& texts) {
        PdfDocument document;
        for (const std::u32string& text : texts) {
            document.Pages.push_back({{{72, 720, 12, text}}});
        }
        return Write(document);
    }
    std::string Text(const std::string& path, int first = 0, int last = 0) {
        return DocsiftLibrary::Take(Library.GetTextContentFormated(path.c_str(), first, last));
    }
    std::string ContentText(const std::string& path) {
        return DocsiftLibrary::Take(Library.GetTextContent(path.c_str(), 0, 0));
    }
    std::string Wide(const std::string& path, int byteOrder, double* length = nullptr,
                     bool content = false) {
        double size = -1;
        void* block =
            content ? Library.GetUnicodeTextContent(path.c_str(), 0, 0, &size, byteOrder)
                    : Library.GetUnicodeTextContentFormated(path.c_str(), 0, 0, &size, byteOrder);
        if (length) {
            *length = size;
        }
        return DocsiftLibrary::TakeWide(block, size);
    }

    DocsiftLibrary Library;
    ScratchFolder Folder;

  private:
    int count_ = 0;
};

// UTF-16 little-endian bytes of ASCII text.
std::string Utf16le(const std::string& ascii) {
    std::string bytes;
    for (const char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

} // namespace

TEST_F(TextTest, TheLetterAInBothByteOrders) {
    const std::string path = Pages({U"A"});
    double length = 0;
    EXPECT_EQ(Wide(path, 1, &length), std::string("\x41\0\x0D\0\x0A\0\x0D\0\x0A\0\0\0", 12));
    EXPECT_EQ(length, 10);
    EXPECT_EQ(Wide(path, 0, &length), std::string("\0\x41\0\x0D\0\x0A\0\x0D\0\x0A\0\0", 12));
    EXPECT_EQ(length, 10);
    EXPECT_EQ(Text(path), "A\n");
}

TEST_F(TextTest, CyrillicGoesToOneByteEachAndToUtf16) {
    const std::string path = Pages({U"Привет"});
    EXPECT_EQ(Text(path), "\xCF\xF0\xE8\xE2\xE5\xF2\n");
    EXPECT_EQ(Wide(path, 0), std::string("\x04\x1F\x04\x40\x04\x38\x04\x32\x04\x35\x04\x42"
                                         "\0\x0D\0\x0A\0\x0D\0\x0A\0\0",
                                         22));
}

TEST_F(TextTest, TypographicCharacters) {
    const std::string path = Pages({U"it\u2019s \u201Cso\u201D \u2013 \u20AC5 \u2026 \U0001F600"});
    // The right quote and the dash come from the table; U+201C and U+2026 from
    // Latin1; the euro sign and the emoji have no byte.
    EXPECT_EQ(Text(path), "it\x92s \"so\x94 \x96 5 ... \n");
    const std::string wide = Wide(path, 1);
    EXPECT_NE(wide.find(std::string("\x19\x20", 2)), std::string::npos); // U+2019
    EXPECT_NE(wide.find(std::string("\x00\xF6", 2)), std::string::npos); // low 16 bits of U+1F600
}

TEST_F(TextTest, PagesEndDifferentlyInBothTexts) {
    const std::string path = Pages({U"line1", U"line2"});
    EXPECT_EQ(Text(path), "line1\nline2\n");
    EXPECT_EQ(Wide(path, 1), Utf16le("line1\r\n\r\nline2\r\n\r\n") + std::string(2, '\0'));
}

TEST_F(TextTest, PageRangesAreClamped) {
    std::vector<std::u32string> texts;
    for (int i = 1; i <= 10; ++i) {
        texts.push_back(U"Page " + std::u32string(i == 10 ? U"10" : std::u32string(1, U'0' + i)));
    }
    const std::string path = Pages(texts);
    std::string all;
    for (int i = 1; i <= 10; ++i) {
        all += "Page " + std::to_string(i) + "\n";
    }
    EXPECT_EQ(Text(path, 0, 0), all);
    EXPECT_EQ(Text(path, 5, 3), "Page 3\n");
    EXPECT_EQ(Text(path, 8, 999), "Page 8\nPage 9\nPage 10\n");
    EXPECT_EQ(Text(path, -3, 2), "Page 1\nPage 2\n");
    EXPECT_EQ(Text(path, 4, -1), ""); // no page in the range: only the terminator
    double length = -1;
    void* block = Library.GetUnicodeTextContentFormated(path.c_str(), 4, -1, &length, 1);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(DocsiftLibrary::TakeWide(block, length), std::string(2, '\0'));
}

TEST_F(TextTest, BlankLinesAreCapped) {
    PdfDocument document;
    // Eight line heights of empty space between the two lines.
    document.Pages.push_back({{{72, 720, 12, U"above"}, {72, 720 - 9 * 12 * 1.0, 12, U"below"}}});
    const std::string path = Write(document);
    EXPECT_EQ(Text(path), "above\n\n\n\n\n\nbelow\n");
    EXPECT_EQ(ContentText(path), "above\n\n\nbelow\n");
}

TEST_F(TextTest, ContentOrderDoesNotIndentTheFirstWord) {
    PdfDocument document;
    const double column = 12 * PdfCharacterWidth;
    document.Pages.push_back(
        {{{72, 720, 12, U"Left edge of the text"}, {72 + 12 * column, 706, 12, U"indented"}}});
    const std::string path = Write(document);
    const std::string reading = Text(path);
    const std::string content = ContentText(path);
    EXPECT_EQ(content, "Left edge of the text\nindented\n");
    EXPECT_EQ(reading.substr(reading.find('\n') + 1), std::string(12, ' ') + "indented\n");
}

TEST_F(TextTest, TwoColumnsReadColumnByColumn) {
    PdfDocument document;
    PdfPage page;
    // The right column is drawn first.
    for (int line = 0; line < 6; ++line) {
        page.Texts.push_back({330, 700.0 - 14 * line, 12,
                              U"right" + std::u32string(1, U'0' + line) + U" text here"});
    }
    for (int line = 0; line < 6; ++line) {
        page.Texts.push_back(
            {72, 700.0 - 14 * line, 12, U"left" + std::u32string(1, U'0' + line) + U" words here"});
    }
    document.Pages.push_back(page);
    const std::string path = Write(document);
    const std::string reading = Text(path);
    EXPECT_LT(reading.find("left5"), reading.find("right0"));
    const std::string content = ContentText(path);
    EXPECT_LT(content.find("right5"), content.find("left0"));
}

TEST_F(TextTest, HostileInputsAreBounded) {
    const std::string page = Pages({U"A"});
    for (const int byteOrder : {-11, 2, 2147483647}) {
        double length = -1;
        EXPECT_EQ(Library.GetUnicodeTextContent(page.c_str(), 0, 0, &length, byteOrder), nullptr)
            << byteOrder;
        EXPECT_EQ(Library.GetUnicodeTextContentFormated(page.c_str(), 0, 0, &length, byteOrder),
                  nullptr)
            << byteOrder;
    }
    EXPECT_EQ(Text(page, -2147483647 - 1, 2147483647), "A\n");

    // A pipe is never opened: the call does not wait for a writer.
    const std::string pipe = Folder.Path() + "pipe.pdf";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    DocInfo info{};
    EXPECT_EQ(Library.GetDocInfo(pipe.c_str(), &info), 0);
    EXPECT_EQ(Text(pipe), "<null>");

    // Words drawn again and again at one spot cost the engine time that grows
    // with their square; the time limit ends the text.
    PdfDocument bomb;
    bomb.Pages.emplace_back();
    for (int i = 0; i < 40000; ++i) {
        bomb.Pages[0].Texts.push_back({100, 100, 12, U"x y"});
    }
    const std::string slow = Write(bomb);
    const ScopedEnvironment limit("DOCSIFT_TEXT_TIME_LIMIT", "1");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NE(Text(slow), "<null>");
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 2.5);
}
