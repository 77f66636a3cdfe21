#include "convert/rtf_html_writer.h"
#include "platform/integer_text.h"

#include <gtest/gtest.h>

namespace {

class WriterTest : public ::testing::Test {
  protected:
    std::vector<TFont> Fonts{{"Arial", 0}, {"Times", 3}};
    RtfHtmlWriter Writer{Fonts};
    TFormat Format;
};

} // namespace

TEST_F(WriterTest, TagsOpenLazilyInTheirOrder) {
    Format.Bold = Format.Italic = Format.Underline = Format.Subscript = Format.Superscript =
        Format.Strike = true;
    Format.Colour = "#FF0000";
    Format.Font = 3;
    Format.Size = 10;
    Writer.FormatChanged = true;
    EXPECT_EQ(Writer.EmitText("x", Format),
              "<B><I><U><SUB><SUP><S><FONT COLOR=\"#FF0000\"><FONT FACE=\"Times\">"
              "<FONT SIZE=-1>x");
    EXPECT_EQ(Writer.EmitText("y", Format), "y"); // no change, no tags
    EXPECT_EQ(Writer.CloseAllTags(), "</FONT></FONT></FONT></S></SUP></SUB></U></I></B>");
    Format.Font = 9;
    Writer.FormatChanged = true;
    EXPECT_EQ(Writer.EmitText("z", TFormat{}), "z");
    EXPECT_EQ(Writer.OpenFormatTags(Format).find("<FONT FACE=\"\">") != std::string::npos, true);
}

TEST_F(WriterTest, FontSizes) {
    const std::vector<std::pair<int, std::string>> sizes = {
        {12, "+0"}, {0, "-2"},  {8, "-2"},  {9, "-1"},  {11, "-1"}, {13, "+1"}, {15, "+1"},
        {16, "+2"}, {20, "+2"}, {21, "+3"}, {28, "+3"}, {29, "+4"}, {400, "+4"}};
    for (const auto& [points, value] : sizes) {
        EXPECT_EQ(RtfHtmlWriter::FontSizeTag(points), "<FONT SIZE=" + value + ">") << points;
    }
}

TEST_F(WriterTest, CharactersAndEscapes) {
    EXPECT_EQ(Writer.EmitText("<", Format) + Writer.EmitText(">", Format) +
                  Writer.EmitText("&", Format),
              "&lt;&gt;&amp;");
    EXPECT_EQ(Writer.EmitText("\xE9", Format), "\xE9");
    Format.Caps = true;
    EXPECT_EQ(Writer.EmitText("a", Format) + Writer.EmitText("e4", Format) +
                  Writer.EmitText("C4", Format),
              "A&Auml;\xC4");
    Format.Caps = false;
    EXPECT_EQ(Writer.EmitText("e4", Format) + Writer.EmitText("f6", Format) +
                  Writer.EmitText("fc", Format) + Writer.EmitText("df", Format) +
                  Writer.EmitText("b7", Format),
              "&auml;&ouml;&uuml;&szlig;&middot;");
    EXPECT_EQ(Writer.EmitText("3c", Format) + Writer.EmitText("26", Format) +
                  Writer.EmitText("&&<1>", Format) + Writer.EmitText("&dblquote;", Format),
              "&lt;&amp;&lt;1&gt;&quot;"); // markup in escapes and labels is text
    EXPECT_THROW(Writer.EmitText("zz", Format), ConversionError);
    EXPECT_EQ(Writer.EmitText("&tab;", Format), "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;");
    EXPECT_EQ(Writer.EmitText("&&1. ", Format), "1. ");
    EXPECT_EQ(Writer.EmitText("&unknown;", Format), "");
    Format.Hidden = true;
    EXPECT_EQ(Writer.EmitText("x", Format), "");
}

TEST_F(WriterTest, LinesAreCutAtParagraphsBreaksAndLongTagEnds) {
    Writer.WriteHtml("short");
    EXPECT_EQ(Writer.Output(), "");
    Writer.WriteHtml(" text<BR>more<P>rest");
    EXPECT_EQ(Writer.Output(), "short text<BR>more<P>\n"); // a "<P>" cuts before a "<BR>" does
    Writer.WriteHtml(std::string(100, 'x') + "</UL>");
    EXPECT_EQ(Writer.Output(), "short text<BR>more<P>\n"); // not after </UL>
    Writer.WriteHtml("<B>");
    EXPECT_EQ(Writer.Output(),
              "short text<BR>more<P>\nrest" + std::string(100, 'x') + "</UL><B>\n");
    Writer.WriteHtml("see http://a.org/x, and http://b.org<BR>");
    Writer.FlushPending();
    EXPECT_NE(Writer.Output().find(
                  "see <A HREF=\"http://a.org/x\">http://a.org/x</A>, and <A HREF=\"http://b.org\">"
                  "http://b.org</A><BR>\n"),
              std::string::npos);
}

TEST_F(WriterTest, CleanUpRemovesEmptyPairs) {
    EXPECT_EQ(Writer.CleanUpHtml("<UL></UL>a</UL><UL>b</B><B>"), "ab</B><B>");
    Writer.Optimize = true;
    Writer.AddCleanUpPattern("<FONT SIZE=+0></FONT>");
    EXPECT_EQ(Writer.CleanUpHtml("x</B><B>y<B><I></I></B><FONT SIZE=+0></FONT>"), "xy");
}
