#include "readers/scan_helpers.h"

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

TEST(Tokens, KindNames) {
    EXPECT_STREQ(TokenKindName(tkEnd), "tkEnd");
    EXPECT_STREQ(TokenKindName(tkCommentClose), "tkCommentClose");
    EXPECT_STREQ(TokenKindName(tkWord), "tkWord");
}
