// The converters on random input: no crash, no hang, and (in the sanitizer
// build) no read or write out of bounds. Errors the converters define may end a
// conversion; nothing else may.
#include "convert/in_out_error.h"
#include "convert/mp3_page.h"
#include "convert/rtf_test_helpers.h"
#include "platform/integer_text.h"

#include <gtest/gtest.h>
#include <random>

namespace {

std::string RandomRtf(std::mt19937& random) {
    static const char* const pieces[] = {"{",
                                         "}",
                                         "\\",
                                         "\\par ",
                                         "\\pard",
                                         "\\b ",
                                         "\\i0 ",
                                         "\\fs24 ",
                                         "\\li720 ",
                                         "\\fi-360 ",
                                         "\\qc ",
                                         "\\trowd",
                                         "\\cell ",
                                         "\\row ",
                                         "\\intbl ",
                                         "\\'e4",
                                         "\\'3c",
                                         "\\'",
                                         "\\*\\pn\\pnlvlbody\\pndec\\pnstart3 ",
                                         "{\\pntxta .}",
                                         "\\pnlvlblt ",
                                         "{\\fonttbl{\\f0 Times;}",
                                         "{\\colortbl;\\red9;",
                                         "{\\stylesheet{\\s1\\b h1;}",
                                         "\\s1 ",
                                         "\\f0 ",
                                         "\\cf1 ",
                                         "\\bin5 ",
                                         "\\pict ",
                                         "\\header ",
                                         "\\*\\bkmkstart ",
                                         "text ",
                                         "http://x.org ",
                                         "\n",
                                         "\r\n",
                                         "\\u8364?",
                                         "\\tab ",
                                         "\\plain ",
                                         "\\v ",
                                         "\\caps ",
                                         "<&>",
                                         "\xE9"};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 60);
    std::string rtf = "{\\rtf1 ";
    for (int i = length(random); i > 0; --i) {
        rtf += pieces[pick(random)];
    }
    return rtf;
}

} // namespace

TEST(ConverterRobustness, RandomRtfDocuments) {
    std::mt19937 random(31);
    ScratchFolder folder;
    for (int round = 0; round < 10000; ++round) {
        const std::string input = folder.Write("in.rtf", RandomRtf(random));
        try {
            RtfToHtml(input, folder.Path() + "out.html", {"optimize"});
        } catch (const ConversionError&) {
        }
        std::string html;
        ReadWholeFile(folder.Path() + "out.html", html);
        ASSERT_NE(html.find("</BODY>\n</HTML>\n"), std::string::npos) << "round " << round;
    }
}

TEST(ConverterRobustness, RandomMp3Files) {
    std::mt19937 random(32);
    ScratchFolder folder;
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 500; ++round) {
        std::string data(static_cast<std::size_t>(byte(random)), '\0');
        for (char& c : data) {
            c = static_cast<char>(byte(random));
        }
        if (round % 2 == 0 && data.size() >= 128) {
            data.replace(data.size() - 128, 3, "TAG");
        }
        const std::string path = folder.Write("song.mp3", data);
        if (data.size() < 128) {
            EXPECT_THROW(Mp3TagToHtml(path), InOutError);
        } else {
            const std::string page = Mp3TagToHtml(path);
            EXPECT_EQ(page.empty(), data.compare(data.size() - 128, 3, "TAG") != 0);
        }
    }
}
