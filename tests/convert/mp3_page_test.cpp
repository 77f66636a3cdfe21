#include "convert/in_out_error.h"
#include "convert/mp3_page.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

namespace {

std::string Padded(const std::string& text, std::size_t width, char pad = '\0') {
    std::string field = text;
    field.resize(width, pad);
    return field;
}

// An ID3v1 tag of 128 bytes.
std::string Tag(const std::string& title, const std::string& artist, const std::string& album,
                const std::string& comment, unsigned char genre,
                const std::string& marker = "TAG") {
    return marker + Padded(title, 30) + Padded(artist, 30) + Padded(album, 30) + "2005" +
           Padded(comment, 30) + static_cast<char>(genre);
}

class Mp3PageTest : public ::testing::Test {
  protected:
    std::string Page(const std::string& tag, const std::string& audio = std::string(1000, '\xFF')) {
        return Mp3TagToHtml(Folder.Write("song.mp3", audio + tag));
    }
    ScratchFolder Folder;
};

} // namespace

TEST_F(Mp3PageTest, AnEmptyTagWithAnUnknownGenre) {
    EXPECT_EQ(Page(Tag("", "", "", "", 255)),
              "<html><head><title> - </title><meta name=\"description\" content=\"\"></head><body> "
              "   </body></html>");
}

TEST_F(Mp3PageTest, FieldsAreTrimmedAndInsertedAsText) {
    EXPECT_EQ(Page(Tag("  Sea Shanty ", "The Crew", "Harbour & Home", "Live \"<take>\"", 17)),
              "<html><head><title>The Crew - Sea Shanty</title><meta name=\"description\" "
              "content=\"Live &quot;&lt;take&gt;&quot;\"></head><body>Sea Shanty The Crew Harbour "
              "&amp; Home Live &quot;&lt;take&gt;&quot; Rock</body></html>");
}

TEST_F(Mp3PageTest, Genres) {
    for (const auto& [code, name] : std::vector<std::pair<int, std::string>>{
             {0, "Blues"}, {84, "Bebob"}, {114, "Folklore"}, {115, ""}, {200, ""}}) {
        const std::string page = Page(Tag("t", "a", "b", "c", static_cast<unsigned char>(code)));
        EXPECT_EQ(page.substr(page.find("<body>")), "<body>t a b c " + name + "</body></html>")
            << code;
    }
    EXPECT_EQ(GenreNames.size(), 115u);
    EXPECT_STREQ(GenreNames[14], "R&B");
    EXPECT_STREQ(GenreNames[67], "Psychadelic");
}

TEST_F(Mp3PageTest, TrackByteOfId3v11StaysAfterItsZero) {
    const std::string comment = Padded("Recorded at sea", 28, ' ') + std::string("\0\x07", 2);
    const std::string trackAbove = Padded("Recorded at sea", 28, ' ') + std::string("\0\x41", 2);
    EXPECT_NE(Page(Tag("t", "a", "b", comment, 0)).find("content=\"Recorded at sea\""),
              std::string::npos);
    EXPECT_NE(
        Page(Tag("t", "a", "b", trackAbove, 0))
            .find("content=\"Recorded at sea" + Padded("", 13, ' ') + std::string("\0A", 2) + "\""),
        std::string::npos);
}

TEST_F(Mp3PageTest, NoTagAndShortFiles) {
    EXPECT_EQ(Page(Tag("t", "a", "b", "c", 0, "tag")), "");
    EXPECT_EQ(Page(std::string(128, 'x'), ""), "");
    EXPECT_EQ(Page(Tag("Only", "Tag", "", "", 0), ""),
              "<html><head><title>Tag - Only</title><meta name=\"description\" "
              "content=\"\"></head><body>Only Tag   "
              "Blues</body></html>");
    EXPECT_THROW(Page(std::string(127, 'x'), ""), InOutError);
    try {
        Mp3TagToHtml(Folder.Path() + "missing.mp3");
        FAIL() << "no error";
    } catch (const InOutError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open file " + Folder.Path() + "missing.mp3: No such file or directory");
    }
}
