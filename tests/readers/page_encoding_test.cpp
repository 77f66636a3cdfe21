#include "readers/page_encoding.h"

#include <gtest/gtest.h>

namespace {

struct TConverted {
    bool Changed;
    std::string Text;
    std::vector<std::size_t> Missing;
};

TConverted Convert(std::string bytes) {
    std::vector<std::size_t> missing;
    const bool changed = PageToCodePage(bytes, missing);
    return {changed, bytes, missing};
}

} // namespace

TEST(PageEncoding, TakesTheMarkThenTheDeclarationThenTheBytes) {
    EXPECT_EQ(PageEncoding("\xEF\xBB\xBF<meta charset=koi8-r>"), "UTF-8");
    EXPECT_EQ(PageEncoding("\xFF\xFE<\0"), "UTF-16LE");
    EXPECT_EQ(PageEncoding("\xFE\xFF\0<"), "UTF-16BE");
    EXPECT_EQ(PageEncoding("<META CHARSET = 'KOI8-R'>"), "koi8-r");
    EXPECT_EQ(PageEncoding("<meta http-equiv=\"Content-Type\" "
                           "content=\"text/html; charset=ISO-8859-2\"/>"),
              "iso-8859-2");
    EXPECT_EQ(PageEncoding("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><p>"), "shift_jis");
    // Browsers read Latin-1 and ASCII labels as Windows-1252, a UTF-16 label
    // without a mark as UTF-8.
    EXPECT_EQ(PageEncoding("<meta charset=\"iso-8859-1\">\xC3\xA9"), "windows-1252");
    EXPECT_EQ(PageEncoding("<meta charset=\"utf-16\">\xE9"), "UTF-8");
    // Undeclared, unknown or declared too late: valid UTF-8 or not.
    EXPECT_EQ(PageEncoding("caf\xC3\xA9"), "UTF-8");
    EXPECT_EQ(PageEncoding("<meta charset=\"no-such-set\">caf\xE9"), "windows-1252");
    EXPECT_EQ(PageEncoding(std::string(1100, ' ') + "<meta charset=koi8-r>\xC3\xA9"), "UTF-8");
}

TEST(PageEncoding, ATextFileHasOnlyItsMarkAndItsBytes) {
    EXPECT_EQ(PageEncoding("<meta charset=koi8-r> caf\xC3\xA9", false), "UTF-8");
    EXPECT_EQ(PageEncoding("<meta charset=utf-8> caf\xE9", false), "windows-1252");
    EXPECT_EQ(PageEncoding("\xFF\xFE<\0", false), "UTF-16LE");
    std::string text = "<meta charset=koi8-r>\xC3\xA9";
    EXPECT_TRUE(PageToUtf8(text = "\xEF\xBB\xBF\xC3\xA9", false));
    EXPECT_EQ(text, "\xC3\xA9");
    EXPECT_TRUE(PageToUtf8(text = "<meta charset=koi8-r>\xE9", false));
    EXPECT_EQ(text, "<meta charset=koi8-r>\xC3\xA9");
}

TEST(PageToUtf8, ConvertsEveryEncodingIntoUtf8) {
    std::string page = "<meta charset=koi8-r>\xF0\xD2\xC9\xD7\xC5\xD4";
    EXPECT_TRUE(PageToUtf8(page));
    EXPECT_EQ(page, "<meta charset=koi8-r>\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82");
    page = "caf\xC3\xA9";
    EXPECT_FALSE(PageToUtf8(page)); // valid UTF-8 stays as it is
    page = "<meta charset=utf-8>caf\xE9 \x80";
    EXPECT_TRUE(PageToUtf8(page));
    EXPECT_EQ(page, "<meta charset=utf-8>caf? ?");
    page = "caf\xE9 \x80";
    EXPECT_TRUE(PageToUtf8(page));
    EXPECT_EQ(page, "caf\xC3\xA9 \xE2\x82\xAC");
    page = std::string("\xFF\xFE"
                       "A\0\x16\x04",
                       6);
    EXPECT_TRUE(PageToUtf8(page));
    EXPECT_EQ(page, "A\xD0\x96");
}

TEST(PageToCodePage, KeepsWhatIsAlreadyInTheCodePage) {
    EXPECT_FALSE(Convert("<title>plain ASCII</title>").Changed);
    const std::string latin1 = "<meta charset=\"latin1\"><title>Caf\xE9 \x81</title>";
    const TConverted converted = Convert(latin1);
    EXPECT_FALSE(converted.Changed);
    EXPECT_EQ(converted.Text, latin1);
}

TEST(PageToCodePage, ConvertsEveryEncodingIntoTheCodePage) {
    // UTF-8: the mark goes, the euro sign and the letters have their bytes, a
    // zero-width space is dropped, a malformed sequence is one missing character.
    TConverted utf8 = Convert("\xEF\xBB\xBF"
                              "caf\xC3\xA9 \xE2\x82\xAC"
                              "a\xE2\x80\x8B"
                              "b");
    EXPECT_EQ(utf8.Text, "caf\xE9 \x80"
                         "ab");
    EXPECT_TRUE(utf8.Missing.empty());
    utf8 = Convert("<meta charset=utf-8>x\xC3(");
    EXPECT_EQ(utf8.Text, "<meta charset=utf-8>x?(");
    EXPECT_EQ(utf8.Missing, std::vector<std::size_t>{21});

    const TConverted polish = Convert("<meta charset=iso-8859-2>\xA3\xF3"
                                      "d\xBC");
    EXPECT_EQ(polish.Text, "<meta charset=iso-8859-2>?\xF3"
                           "d?");
    EXPECT_EQ(polish.Missing, (std::vector<std::size_t>{25, 28}));
    EXPECT_EQ(Convert("<meta charset=koi8-r>\xF0\xD2\xC9").Text, "<meta charset=koi8-r>???");
    EXPECT_EQ(Convert("<meta charset=shift_jis>\x93\x8C\x8B\x9E Tokyo").Text,
              "<meta charset=shift_jis>?? Tokyo");
    EXPECT_EQ(Convert(std::string("\xFF\xFE"
                                  "c\0\xE9\0",
                                  6))
                  .Text,
              "c\xE9");
}

TEST(WithoutWordsAt, BlanksWholeWordsOnly) {
    const std::string text = "?\xF3"
                             "d?-Fabryczna jest du?ym, x?'s -->?<!-- ok";
    const std::vector<std::size_t> at = {0, 3, 22, 28, 35};
    EXPECT_EQ(WithoutWordsAt(text, at), std::string(14, ' ') + " jest " + std::string(5, ' ') +
                                            ", " + std::string(4, ' ') + " --> <!-- ok");
    // A long run of missing characters is one word, blanked in one step.
    const std::string run(200000, '?');
    std::vector<std::size_t> all(run.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i] = i;
    }
    EXPECT_EQ(WithoutWordsAt(run, all), std::string(run.size(), ' '));
}
