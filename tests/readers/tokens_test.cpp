#include "readers/scan_helpers.h"
#include "support/doc_pages.h"

#include <gtest/gtest.h>

namespace {

TokenList T(std::initializer_list<std::pair<TTokenKind, std::string>> tokens) {
    return tokens;
}

} // namespace

TEST(Tokens, EmptyDataEndsAtOnce) {
    EXPECT_TRUE(Scan("").empty());
    TFileBuffer buffer;
    std::string text = "x";
    EXPECT_EQ(NextToken(buffer, text), tkEnd);
    EXPECT_EQ(text, "");
}

TEST(Tokens, TagsAndTheirEndings) {
    EXPECT_EQ(Scan("<p class=x>a</p><br/>"), T({{tkTagOpen, "<"},
                                                {tkWord, "p"},
                                                {tkSpace, " "},
                                                {tkWord, "class"},
                                                {tkChar, "="},
                                                {tkWord, "x"},
                                                {tkTagClose, ">"},
                                                {tkWord, "a"},
                                                {tkEndTagOpen, "</"},
                                                {tkWord, "p"},
                                                {tkTagClose, ">"},
                                                {tkTagOpen, "<"},
                                                {tkWord, "br"},
                                                {tkEmptyTagClose, "/>"}}));
    EXPECT_EQ(Scan("<?xml?>"),
              T({{tkPIOpen, "<?"}, {tkWord, "xml"}, {tkChar, "?"}, {tkTagClose, ">"}}));
    EXPECT_EQ(Scan("a/b"), T({{tkWord, "a"}, {tkChar, "/"}, {tkWord, "b"}}));
    EXPECT_EQ(Scan("/"), T({{tkChar, "/"}}));
    EXPECT_EQ(Scan("<"), T({}));
}

TEST(Tokens, CommentsAndDeclarations) {
    EXPECT_EQ(Scan("<!-- x -->"), T({{tkCommentOpen, "<!-"},
                                     {tkChar, "-"},
                                     {tkSpace, " "},
                                     {tkWord, "x"},
                                     {tkSpace, " "},
                                     {tkChar, "-"},
                                     {tkCommentClose, "->"}}));
    EXPECT_EQ(Scan("<!- svxnoindex ->"), T({{tkCommentOpen, "<!-"},
                                            {tkSpace, " "},
                                            {tkWord, "svxnoindex"},
                                            {tkSpace, " "},
                                            {tkCommentClose, "->"}}));
    // The "!" of a declaration is read again as the next token.
    EXPECT_EQ(Scan("<!DOCTYPE html>"), T({{tkDeclOpen, "<!"},
                                          {tkChar, "!"},
                                          {tkWord, "DOCTYPE"},
                                          {tkSpace, " "},
                                          {tkWord, "html"},
                                          {tkTagClose, ">"}}));
    EXPECT_EQ(Scan("<!"), T({}));
    EXPECT_EQ(Scan("-"), T({{tkChar, "-"}}));
    EXPECT_EQ(Scan("- >"), T({{tkChar, "-"}, {tkSpace, " "}, {tkTagClose, ">"}}));
}

TEST(Tokens, HyphensInsideWordsLookAheadForTheCommentClose) {
    EXPECT_EQ(Scan("word->"), T({{tkWord, "word"}, {tkCommentClose, "->"}}));
    EXPECT_EQ(Scan("e-mail x-"), T({{tkWord, "e-mail"}, {tkSpace, " "}, {tkWord, "x-"}}));
    EXPECT_EQ(Scan("it's mp3"), T({{tkWord, "it's"}, {tkSpace, " "}, {tkWord, "mp3"}}));
}

TEST(Tokens, NumbersTakeSeparators) {
    EXPECT_EQ(Scan("12:30 1,5 3-4 2.0x"), T({{tkNumber, "12:30"},
                                             {tkSpace, " "},
                                             {tkNumber, "1,5"},
                                             {tkSpace, " "},
                                             {tkNumber, "3-4"},
                                             {tkSpace, " "},
                                             {tkNumber, "2.0"},
                                             {tkWord, "x"}}));
    EXPECT_EQ(Scan("7"), T({{tkNumber, "7"}}));
}

TEST(Tokens, WhiteSpaceAndOtherBytes) {
    EXPECT_EQ(Scan("a\r\nb\t\x01"), T({{tkWord, "a"},
                                       {tkLineEnd, ""},
                                       {tkSpace, " "},
                                       {tkWord, "b"},
                                       {tkSpace, " "},
                                       {tkSpace, " "}}));
    EXPECT_EQ(Scan(std::string("\0\"=;\x80\xD7", 6)), T({{tkSpace, " "},
                                                         {tkChar, "\""},
                                                         {tkChar, "="},
                                                         {tkChar, ";"},
                                                         {tkChar, "\x80"},
                                                         {tkChar, "\xD7"}}));
    EXPECT_EQ(Scan("\xC9t\xE9 \x8A"
                   "a"),
              T({{tkWord, "\xC9t\xE9"},
                 {tkSpace, " "},
                 {tkWord, "\x8A"
                          "a"}}));
}

TEST(Tokens, EntityReferencesInsideWords) {
    EXPECT_EQ(Scan("caf&eacute;"), T({{tkWord, "caf\xE9"}}));
    EXPECT_EQ(Scan("AT&amp;T"), T({{tkWord, "AT&T"}}));
    // &nbsp; ends the word and leaves a space pending.
    EXPECT_EQ(Scan("a&nbsp;b"), T({{tkWord, "a"}, {tkSpace, " "}, {tkWord, "b"}}));
    EXPECT_EQ(Scan("&nbsp;x"), T({{tkSpace, " "}, {tkWord, "x"}}));
    EXPECT_EQ(Scan("AT & T "), T({{tkWord, "AT"}, {tkSpace, " "}, {tkSpace, " "}}));
    EXPECT_EQ(Scan("a&#0;b"), T({{tkWord, "a"}, {tkSpace, " "}, {tkWord, "b"}}));
    EXPECT_EQ(Scan("x&"), T({{tkWord, "x"}, {tkSpace, " "}}));
    EXPECT_EQ(Scan("&#"), T({{tkSpace, " "}}));
    EXPECT_EQ(Scan("&lt;b&gt;"), T({{tkWord, "<b>"}}));
}

TEST(Tokens, InUtf8MultiByteCharactersStayInsideWords) {
    const auto scan = [](const std::string& data) { return Scan(data, true); };
    // A Cyrillic word: the code page would cut it into letters and other bytes.
    EXPECT_EQ(scan("\xD0\x9F\xD1\x80 caf&eacute;&euro;&#x1F600;-x <b>"),
              T({{tkWord, "\xD0\x9F\xD1\x80"},
                 {tkSpace, " "},
                 {tkWord, "caf\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80-x"},
                 {tkSpace, " "},
                 {tkTagOpen, "<"},
                 {tkWord, "b"},
                 {tkTagClose, ">"}}));
    // A no-break space is a word's as any multi-byte character: the rating
    // parts words at it.
    EXPECT_EQ(scan("\xC2\xA0"
                   "1,5\xE2\x82\xAC"),
              T({{tkWord, "\xC2\xA0"
                          "1"},
                 {tkChar, ","},
                 {tkNumber, "5"},
                 {tkWord, "\xE2\x82\xAC"}}));
}

TEST(Tokens, KindNames) {
    EXPECT_STREQ(TokenKindName(tkEnd), "tkEnd");
    EXPECT_STREQ(TokenKindName(tkCommentClose), "tkCommentClose");
    EXPECT_STREQ(TokenKindName(tkWord), "tkWord");
}

namespace {

struct SkipResult {
    TTokenKind Kind;
    std::int32_t Position;
    bool PendingSpace;
    std::int32_t TextLength;
    bool operator==(const SkipResult& other) const {
        return Kind == other.Kind && Position == other.Position &&
               PendingSpace == other.PendingSpace && TextLength == other.TextLength;
    }
};

// Skips through data again and again, until its end, with SkipTokens or with
// NextToken one token at a time; the results of every skip.
std::vector<SkipResult> Skips(const std::string& data, TTokenKind stop, TTokenKind alsoStop,
                              bool tokenByToken, bool utf8) {
    TFileBuffer buffer = BufferOf(data, utf8);
    std::vector<SkipResult> results;
    std::string text;
    TTokenKind kind;
    do {
        std::int32_t length = 0;
        if (tokenByToken) {
            do {
                kind = NextToken(buffer, text);
                length += static_cast<std::int32_t>(text.size());
            } while (kind != stop && kind != alsoStop && kind != tkEnd);
        } else {
            kind = SkipTokens(buffer, stop, alsoStop, length);
        }
        results.push_back({kind, buffer.Position, buffer.PendingSpace, length});
    } while (kind != tkEnd);
    return results;
}

void ExpectSkipsAgree(const std::string& data, bool utf8 = false) {
    const std::pair<TTokenKind, TTokenKind> stops[] = {
        {tkTagClose, tkEmptyTagClose}, {tkTagClose, tkTagClose}, {tkCommentClose, tkCommentClose}};
    for (const auto& [stop, alsoStop] : stops) {
        ASSERT_TRUE(Skips(data, stop, alsoStop, false, utf8) ==
                    Skips(data, stop, alsoStop, true, utf8))
            << data.substr(0, 200);
    }
}

} // namespace

TEST(Tokens, SkippingAgreesWithReadingEveryToken) {
    for (const char* tricky :
         {"1->", "x->", "x1-->", "a-b-", "a&nbsp;b>", "&amp;&#32;x", "<!x>", "<!-- a -->",
          "a\r\nb/>", "/ >", "-", "12,5:3.>", "caf\xE9\xFF>", "it's>", "&", "a&"}) {
        ExpectSkipsAgree(tricky);
    }
    // Short strings of the bytes the scanner treats apart, in a fixed order.
    const std::string alphabet = "a1&;-/<>!?\r\n =x'.,:\xE9#0\xC3\xA9";
    RandomPieces random(12345);
    for (int n = 0; n < 3000; ++n) {
        const std::string data = random.Next(alphabet, n % 24);
        ExpectSkipsAgree(data);
        ExpectSkipsAgree(data, true);
    }
    for (const DocPackage& package : DocPackages()) {
        const std::vector<std::string> pages = HtmlFilesBelow(package.Folder);
        EXPECT_GE(pages.size(), 100u) << package.Name << " is not installed";
        for (std::size_t i = 0; i < pages.size(); i += 25) {
            TFileBuffer page;
            ASSERT_TRUE(OpenFileBuffer(page, pages[i]));
            ExpectSkipsAgree(page.Data);
        }
    }
}

namespace {

// Reads data with NextToken and with NextTokenByBytes side by side, from
// start on and again from each jump (a position set by hand, as readers do);
// fails at the first token that differs.
void ExpectWindowAgreesWithBytes(const std::string& data, bool utf8,
                                 const std::vector<std::int32_t>& jumps = {}) {
    TFileBuffer window = BufferOf(data, utf8);
    TFileBuffer bytes = BufferOf(data, utf8);
    std::string_view windowText;
    std::string_view bytesText;
    for (std::size_t jump = 0; jump <= jumps.size(); ++jump) {
        if (jump > 0) {
            window.Position = bytes.Position = jumps[jump - 1];
        }
        TTokenKind kind;
        do {
            kind = NextToken(window, windowText);
            ASSERT_EQ(kind, NextTokenByBytes(bytes, bytesText)) << data.substr(0, 200);
            ASSERT_EQ(windowText, bytesText) << data.substr(0, 200);
            ASSERT_EQ(window.Position, bytes.Position) << data.substr(0, 200);
            ASSERT_EQ(window.PendingSpace, bytes.PendingSpace) << data.substr(0, 200);
        } while (kind != tkEnd);
    }
}

} // namespace

TEST(Tokens, TheMapOfTheBytesAheadTellsTheTokensByteReadingDoes) {
    // Pieces whose tokens depend on their neighbours, and long runs that
    // cross the 64 bytes a map covers.
    const std::vector<std::string> pieces = {"a",
                                             "Z",
                                             "7",
                                             "'",
                                             "-",
                                             ">",
                                             "<",
                                             "/",
                                             "!",
                                             "?",
                                             "&",
                                             "&amp;",
                                             "&nbsp;",
                                             "&#32;",
                                             ",",
                                             ".",
                                             ":",
                                             " ",
                                             "\r",
                                             "\n",
                                             std::string(1, '\0'),
                                             "\xE9",
                                             "\xD7",
                                             "\x8A",
                                             "\xC3\xA9",
                                             "<!--",
                                             "-->",
                                             "</a>",
                                             "/>",
                                             "x-1",
                                             "&#x41;",
                                             std::string(70, 'w'),
                                             std::string(40, '9')};
    RandomPieces random(2024);
    for (int n = 0; n < 4000; ++n) {
        const std::string data = random.Next(pieces, n % 60);
        const std::vector<std::int32_t> jumps = {static_cast<std::int32_t>(n % 97),
                                                 static_cast<std::int32_t>(data.size() / 2)};
        ExpectWindowAgreesWithBytes(data, false, jumps);
        ExpectWindowAgreesWithBytes(data, true, jumps);
    }
    for (const DocPackage& package : DocPackages()) {
        const std::vector<std::string> pages = HtmlFilesBelow(package.Folder);
        for (std::size_t i = 0; i < pages.size(); i += 50) {
            TFileBuffer page;
            ASSERT_TRUE(OpenFileBuffer(page, pages[i]));
            ExpectWindowAgreesWithBytes(page.Data, false);
            ExpectWindowAgreesWithBytes(page.Data, true);
        }
    }
}
