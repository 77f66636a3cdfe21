#include "readers/file_buffer.h"

#include "platform/ansi.h"
#include "readers/scan_helpers.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

TEST(FileBuffer, OpenReadsTheWholeFileAndCloseReportsIt) {
    ScratchFolder folder;
    TFileBuffer buffer;
    ASSERT_TRUE(OpenFileBuffer(buffer, folder.Write("page.html", "<p>hi</p>")));
    EXPECT_EQ(buffer.Size, 9u);
    EXPECT_EQ(buffer.Position, 0);
    EXPECT_TRUE(CloseFileBuffer(buffer));
    EXPECT_FALSE(CloseFileBuffer(buffer));

    EXPECT_FALSE(OpenFileBuffer(buffer, folder.Path() + "missing.html"));
    EXPECT_EQ(buffer.Size, 0u);
    char c;
    std::uint32_t copied = 9;
    EXPECT_FALSE(BufferRead(buffer, &c, 1, copied));
    EXPECT_EQ(copied, 0u);
}

TEST(FileBuffer, ReadAtAndPastTheEnd) {
    TFileBuffer buffer = BufferOf("abc");
    char bytes[8] = {};
    std::uint32_t copied = 0;
    EXPECT_FALSE(BufferRead(buffer, bytes, 0, copied));

    BufferSeek(buffer, 2, soBeginning);
    EXPECT_TRUE(BufferRead(buffer, bytes, 1, copied));
    EXPECT_EQ(copied, 1u);
    EXPECT_EQ(bytes[0], 'c');
    EXPECT_FALSE(BufferRead(buffer, bytes, 1, copied)); // one byte at the end fails
    EXPECT_EQ(buffer.Position, 3);
    EXPECT_TRUE(BufferRead(buffer, bytes, 4, copied)); // several succeed with none
    EXPECT_EQ(copied, 0u);

    BufferSeek(buffer, 1, soBeginning);
    EXPECT_TRUE(BufferRead(buffer, bytes, 5, copied));
    EXPECT_EQ(copied, 2u);
    EXPECT_EQ(std::string(bytes, 2), "bc");
    EXPECT_EQ(buffer.Position, 3);

    BufferSeek(buffer, -5, soCurrent);
    EXPECT_EQ(buffer.Position, -2);
    EXPECT_FALSE(BufferRead(buffer, bytes, 1, copied));
    EXPECT_TRUE(BufferRead(buffer, bytes, 4, copied)); // nothing is copied from before the start
    EXPECT_EQ(copied, 0u);

    TFileBuffer empty = BufferOf("");
    EXPECT_FALSE(BufferRead(empty, bytes, 4, copied));
}

TEST(FileBuffer, SeekIsRelativeToItsOriginAndNotClamped) {
    TFileBuffer buffer = BufferOf("0123456789");
    EXPECT_EQ(BufferSeek(buffer, 4, soBeginning), 4);
    EXPECT_EQ(BufferSeek(buffer, 3, soCurrent), 7);
    EXPECT_EQ(BufferSeek(buffer, -1, soEnd), 9);
    EXPECT_EQ(BufferSeek(buffer, 5, soEnd), 15);
    EXPECT_EQ(ReadByte(buffer), -1);
}

TEST(FileBuffer, FindTextIgnoresWindows1252Case) {
    TFileBuffer buffer = BufferOf("<meta name=\"KEYWORDS\" content=\"x\"> caf\xC9 CAF\xE9");
    std::int32_t position = 0;
    ASSERT_TRUE(FindText(buffer, "\"keywords\"", position));
    EXPECT_EQ(position, 21); // just after the closing quote of the match
    EXPECT_EQ(buffer.Position, 21);

    ASSERT_TRUE(FindText(buffer, "caf\xE9", position));
    EXPECT_EQ(position, 39);
    ASSERT_TRUE(FindText(buffer, "caf\xC9", position));
    EXPECT_EQ(position, 44);
    EXPECT_FALSE(FindText(buffer, "caf", position));
    EXPECT_EQ(position, 44);

    position = 0;
    EXPECT_FALSE(FindText(buffer, "", position));
    EXPECT_FALSE(FindText(buffer, "absent", position));
    position = -10;
    EXPECT_TRUE(FindText(buffer, "<meta", position));
    EXPECT_EQ(position, 5);
    TFileBuffer shortBuffer = BufferOf("ab");
    position = 0;
    EXPECT_FALSE(FindText(shortBuffer, "abc", position));
}

TEST(FileBuffer, FindTextFindsTheFirstMatchInLongRandomPages) {
    // Pieces of the key in both cases beside bytes next to its letters'
    // values, in pages long enough to be searched many bytes at a time.
    const char* const pieces[] = {"\"", "key", "KEY",  "\"kEy\"", "\"KEY\"", "!",
                                  "#",  "j",   "\x01", "\x80",    "\xE9",    "\xC9"};
    const std::string key = "\"key\"";
    RandomPieces random(7);
    for (int n = 0; n < 2000; ++n) {
        const std::string data = random.Next(pieces, n % 29);
        const std::size_t first = AnsiUpperCase(data).find("\"KEY\"");
        TFileBuffer buffer = BufferOf(data);
        std::int32_t position = 0;
        const bool found = FindText(buffer, key, position);
        ASSERT_EQ(found, first != std::string::npos) << data;
        if (found) {
            EXPECT_EQ(static_cast<std::size_t>(position), first + key.size()) << data;
        }
    }
}

TEST(FileBuffer, FindEachTextFindsWhatFindTextFinds) {
    const std::vector<std::string> keys = {"\"description\"", "\"keywords\"", "\"key\"",
                                           "\"absent\""};
    std::vector<std::string> pages = {
        "",
        "\"",
        "<meta name=\"KEYWORDS\" content=\"a\"><meta name=\"description\"",
        "\"key\"words\" \"keywords\" \"Key\"",
        "\"keyword\"keywords\"",
        "x\"description"};
    // Longer pages of the pieces, so that the search goes many bytes at a time.
    const char* const pieces[] = {"\"", "\"k", "KEY", "ey\"", "words\"", "\"description\"",
                                  "d",  " x "};
    std::uint32_t seed = 7;
    for (int n = 0; n < 400; ++n) {
        std::string page;
        for (int piece = n % 40; piece > 0; --piece) {
            seed = seed * 1103515245 + 12345;
            page += pieces[(seed >> 16) % std::size(pieces)];
        }
        pages.push_back(page);
    }
    for (const std::string& data : pages) {
        TFileBuffer buffer = BufferOf(data);
        buffer.Position = 3;
        const std::vector<std::int32_t> found = FindEachText(buffer, keys);
        ASSERT_EQ(found.size(), keys.size());
        EXPECT_EQ(buffer.Position, 3);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            std::int32_t position = 0;
            EXPECT_EQ(found[i], FindText(buffer, keys[i], position) ? position : -1)
                << data << " " << keys[i];
        }
    }
}

TEST(FileBuffer, ReadQuotedHandlesEscapesAndLineBreaks) {
    TFileBuffer buffer = BufferOf("cg[0]='it\\'s', 'a\\b\\\\c', 'line\r\nbreak'");
    EXPECT_EQ(ReadQuoted(buffer, '\''), "it's");
    EXPECT_EQ(ReadQuoted(buffer, '\''), "ab\\c");
    EXPECT_EQ(ReadQuoted(buffer, '\''), "line break");
    EXPECT_EQ(ReadQuoted(buffer, '\''), "");

    TFileBuffer doubleQuoted = BufferOf("x = \"a\\\"b\"");
    EXPECT_EQ(ReadQuoted(doubleQuoted, '"'), "a\\"); // the backslash is an ordinary byte here

    TFileBuffer unterminated = BufferOf("'abc\\");
    EXPECT_EQ(ReadQuoted(unterminated, '\''), "abc");
    TFileBuffer noQuote = BufferOf("abc");
    EXPECT_EQ(ReadQuoted(noQuote, '\''), "");
}
