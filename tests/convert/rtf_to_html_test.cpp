#include "convert/in_out_error.h"
#include "convert/rtf_test_helpers.h"
#include "platform/integer_text.h"

#include <gtest/gtest.h>

TEST(RtfToHtml, PageHeadAndTail) {
    ScratchFolder folder;
    const std::string input = folder.Write("doc.rtf", "{\\rtf1 Hello}");
    RtfToHtml(input, folder.Path() + "doc.html", {});
    std::string html;
    ReadWholeFile(folder.Path() + "doc.html", html);
    EXPECT_EQ(
        html,
        "<HTML>\n<HEAD>\n<TITLE>" + input +
            "</TITLE>\n</HEAD>\n<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" "
            "LINK=\"#3333FF\" VLINK=\"#999999\" ALINK=\"#FF0000\">\nHello\n</BODY>\n</HTML>\n");
}

TEST(RtfToHtml, CharacterFormatting) {
    EXPECT_EQ(RtfBody("{\\rtf1 {\\b bold}}"), "<B>bold</B>");
    EXPECT_EQ(RtfBody("{\\rtf1 {\\b a}{\\b b}}"), "<B>a</B><B>b</B>");
    EXPECT_EQ(RtfBody("{\\rtf1 {\\b a}{\\b b}\\par}", {"optimize"}), "<B>ab</B><BR>");
    EXPECT_EQ(RtfBody("{\\rtf1 \\b\\i\\b0 x}"), "<I>x</I>"); // a change without text writes nothing
    EXPECT_EQ(RtfBody("{\\rtf1 \\fs24 a\\fs20 b}"), "<FONT SIZE=+0>a</FONT><FONT SIZE=-1>b</FONT>");
    EXPECT_EQ(RtfBody("{\\rtf1 \\caps abc\\'e4\\caps0 \\'e4\\'C4\\'3c}"),
              "ABC&Auml;&auml;\xC4&lt;");
    EXPECT_EQ(RtfBody("{\\rtf1 \\u8364?}"), "?");
    EXPECT_EQ(RtfBody("{\\rtf1 a\\\nb\\par}"), "ab<BR>"); // a backslash ending a line is nothing
    EXPECT_EQ(RtfBody("{\\rtf1 \\v hidden\\v0 shown \\{\\}\\\\\\_\\~}"), "shown {}\\-&nbsp;");
}

TEST(RtfToHtml, ParagraphsAlignmentAndLists) {
    EXPECT_EQ(RtfBody("{\\rtf1 \\qc centred\\par}"), "<CENTER>centred</CENTER><BR>");
    EXPECT_EQ(RtfBody("{\\rtf1 \\li720 deep\\par\\pard flat\\par}"),
              "<UL><UL><UL>deep<BR></UL></UL></UL>flat<BR>");
    EXPECT_EQ(RtfBody("{\\rtf1 \\li360 a\\par\\pard\\li360 b\\par\\pard}"),
              "<UL><UL>a<BR>b<BR></UL></UL>");
    std::string opened;
    std::string closed;
    for (int level = 0; level < 21; ++level) {
        opened += "<UL>";
        closed += "</UL>";
    }
    EXPECT_EQ(RtfBody("{\\rtf1 \\li99999 x\\pard}"), opened + "x" + closed); // at most 21 levels
}

TEST(RtfToHtml, SkippedDestinationsAndPictures) {
    EXPECT_EQ(
        RtfBody(
            "{\\rtf1 {\\header head}{\\*\\generator gen}{\\info {\\title t}}text{\\pict 0123}}"),
        "text<P>[*** picture ***]<P>");
    EXPECT_EQ(RtfBody("{\\rtf1 {\\*\\bkmkstart b}x}"), "<P>x");
    EXPECT_EQ(RtfBody("{\\rtf1 {\\info {\\title a\\}b}}after}"), "after");
}

TEST(RtfToHtml, Tables) {
    const std::string table = "{\\rtf1 \\trowd\\cellx100\\cellx200\\intbl a\\cell b\\cell\\row"
                              "\\trowd\\intbl c\\cell d\\cell\\row\\pard\\pard after\\par}";
    EXPECT_EQ(RtfBody(table),
              "<BR><TABLE BORDER=2><TR><TD>a</TD><TD>b</TD></TR><TR><TD>c</TD><TD>d</TD></TR>"
              "</TABLE><BR>after<BR>");
    EXPECT_EQ(RtfBody("{\\rtf1 \\trowd\\intbl a\\cell b\\cell\\row}"),
              "<BR><TABLE BORDER=2><TR><TD>a</TD><TD>b</TD></TR>");
}

TEST(RtfToHtml, FontsColoursAndOptions) {
    const std::string rtf =
        "{\\rtf1{\\fonttbl{\\f0\\froman{\\*\\panose 0}Times;}{\\f1\\fswiss Arial{\\*\\falt Helv}"
        ";}}{\\colortbl;\\red255\\green0\\blue16;}\\f1\\cf1 x\\f0 y}";
    EXPECT_EQ(RtfBody(rtf),
              "<FONT COLOR=\"#FF0010\"><FONT FACE=\"Helv\">x</FONT></FONT><FONT COLOR=\"#FF0010\">"
              "<FONT FACE=\"Times\">y</FONT></FONT>");
    EXPECT_EQ(RtfBody(rtf, {"noFonts"}).find("FACE"), std::string::npos);
    const std::string joined = "{\\rtf1{\\fonttbl{\\f0 Times;}}{\\f0 a}{\\f0 b}\\par}";
    EXPECT_EQ(RtfBody(joined, {"optimize"}), "<FONT FACE=\"Times\">ab</FONT><BR>");
    EXPECT_EQ(RtfBody(joined, {"optimize", "onlyDefiniteOpt"}),
              "<FONT FACE=\"Times\">a</FONT><FONT FACE=\"Times\">b</FONT><BR>");
}

TEST(RtfToHtml, StylesTocLinksAndHeadingAnchors) {
    const std::string rtf =
        "{\\rtf1{\\stylesheet{\\s1\\b\\fs28\\sbasedon0 heading 1;}{\\s2\\i toc 1;}"
        "{\\s3\\sbasedon1\\ul Sub;}}"
        "\\pard\\s2 Intro\\par\\pard\\s1 hello\\par\\pard\\s3 x\\par}";
    const std::string body = RtfBody(rtf);
    EXPECT_NE(body.find("<A HREF=\"#1-1\">Intro</A>"), std::string::npos) << body;
    EXPECT_NE(body.find("<A NAME=\"1-1\">h</A>ello"), std::string::npos) << body;
    EXPECT_EQ(body.find("</A></A>"), std::string::npos);
    // Style 3 takes style 1's words and its own; the italic of style 2 is still on.
    EXPECT_NE(body.find("<B><I><U><FONT SIZE=+1>x"), std::string::npos) << body;
}

TEST(RtfToHtml, NumberedAndBulletedParagraphs) {
    const std::string numbered = "{\\rtf1 {\\*\\pn\\pnlvlbody\\pndec\\pnstart1{\\pntxtb "
                                 "(}{\\pntxta )}}one\\par two\\par\\pard}";
    EXPECT_EQ(RtfBody(numbered), "(1)one<BR>(2)two<BR>");
    const std::string bullets =
        "{\\rtf1 {\\*\\pn\\pnlvlblt{\\pntxtb \\'b7}}one\\par two\\par\\pard after}";
    EXPECT_EQ(RtfBody(bullets), "<UL><LI type=disc>one</LI><LI type=disc>two</LI></UL>after");
}

TEST(RtfToHtml, ErrorsOfFilesAndEscapes) {
    ScratchFolder folder;
    EXPECT_THROW(RtfToHtml(folder.Path() + "missing.rtf", folder.Path() + "out.html", {}),
                 InOutError);
    EXPECT_FALSE(FileExists(folder.Path() + "out.html"));
    const std::string input = folder.Write("in.rtf", "{\\rtf1 ok\\'zz more}");
    EXPECT_THROW(RtfToHtml(input, folder.Path() + "no/such/dir/out.html", {}), InOutError);
    try {
        RtfToHtml(input, folder.Path() + "out.html", {});
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'$zz' is not a valid integer value");
    }
    std::string html;
    ReadWholeFile(folder.Path() + "out.html", html);
    EXPECT_NE(html.find("ok\n</BODY>\n</HTML>\n"), std::string::npos)
        << html; // the tail is still written
}

TEST(RtfToHtml, MalformedInputEnds) {
    const std::vector<std::string> inputs = {
        std::string(100000, '{'),
        std::string(5000, '}') + "x",
        "{\\rtf1 \\" + std::string(100000, 'a') + " x}",
        "{\\rtf1 {\\pict \\bin999999999 }}",
        "{\\rtf1 x\\'e",
        "{\\rtf1{\\stylesheet{\\s999 big;}{\\s1\\s1 loop;}}\\s1\\s999 x}",
        "{\\rtf1 \\trowd" + std::string(50, '{') + "\\b x\\cell" + std::string(50, '}') + "}",
    };
    for (const std::string& input : inputs) {
        EXPECT_NO_THROW(ConvertRtf(input)) << input.substr(0, 40);
    }
    EXPECT_NE(RtfBody("{\\rtf1{\\stylesheet{\\s1\\s1\\b loop;}}\\s1 x}").find("<B>x"),
              std::string::npos);
}

TEST(RtfToHtml, FontLimitAndStyleInsertion) {
    std::string fonts = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 250; ++i) {
        fonts += "{\\f" + std::to_string(i) + " Font" + std::to_string(i) + ";}";
    }
    fonts += "}\\f200 a\\f240 b}";
    // The table keeps 201 fonts; a number beyond them names no font.
    EXPECT_EQ(RtfBody(fonts), "<FONT FACE=\"Font200\">a</FONT><FONT FACE=\"\">b</FONT>");
    // The words a style reference inserts end before the text that follows it.
    EXPECT_EQ(RtfBody("{\\rtf1{\\stylesheet{\\s1\\fs28 Big;}}\\s1 hello}"),
              "<FONT SIZE=+1>hello</FONT>");
}

TEST(RtfToHtml, UnicodeWritesReferencesForCharactersBeyondTheCodePage) {
    const std::vector<std::string> unicode = {"unicode"};
    EXPECT_EQ(RtfBody("{\\rtf1 \\u8364?x}", unicode), "&#8364;x");
    EXPECT_EQ(RtfBody("{\\rtf1 \\uc2\\u-1624\\'3f\\'3fx}", unicode), "&#63912;x");
    EXPECT_EQ(RtfBody("{\\rtf1 \\u-10179?\\u-8704?}", unicode), "&#128512;"); // surrogates
    EXPECT_EQ(RtfBody("{\\rtf1 \\u-8704?}", unicode), "&#65533;");
    EXPECT_EQ(RtfBody("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'e0}", unicode), "&#1055;&#1072;");
    // A double-byte code page: a lead byte waits for the byte after it.
    EXPECT_EQ(RtfBody("{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0a}", unicode), "&#12354;a");
    // Windows-1252, or a code page that is not known, keeps its bytes.
    EXPECT_EQ(RtfBody("{\\rtf1\\ansi\\ansicpg1252 \\'e9}", unicode), "\xE9");
    EXPECT_EQ(RtfBody("{\\rtf1\\ansi\\ansicpg77777 \\'e9}", unicode), "\xE9");
    EXPECT_EQ(RtfBody("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\u8364?}"), "\xCF?");
}
