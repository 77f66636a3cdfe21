#include "app/app_settings.h"
#include "app/base.h"
#include "app/engine_encoding.h"

#include <gtest/gtest.h>

namespace {

TEngineEncoding Of(const std::string& content) {
    AppSettings.BeginSignature = "//Settings";
    return EngineEncodingOf(content);
}

} // namespace

TEST(EngineEncoding, ADeclarationBeforeTheSignatureOrAMarkMakesUtf8) {
    const auto utf8 = TEngineEncoding::Utf8;
    const auto ansi = TEngineEncoding::Windows1252;
    EXPECT_EQ(Of("\xEF\xBB\xBF<script>//Settings"), utf8);
    EXPECT_EQ(Of("<META CHARSET=\"UTF-8\"><script>//Settings"), utf8);
    EXPECT_EQ(
        Of("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf8\">//Settings"),
        utf8);
    EXPECT_EQ(Of("// charset = 'utf-8'\n//Settings"), utf8);
    EXPECT_EQ(Of("<meta charset=\"windows-1252\"><script>//Settings"), ansi);
    EXPECT_EQ(Of("<script>//Settings\n//DatabaseEnd charset=utf-8"), ansi);
    EXPECT_EQ(Of("no engine at all"), ansi);
}

TEST(EngineEncoding, TextsCrossInTheOpenEnginesEncoding) {
    EngineEncoding = TEngineEncoding::Utf8;
    EXPECT_EQ(EngineTextToUtf8("Caf\xC3\xA9 \xE9"), "Caf\xC3\xA9 \xEF\xBF\xBD");
    EXPECT_EQ(EngineTextFromUtf8("\xE6\x97\xA5"), "\xE6\x97\xA5");
    EXPECT_EQ(EngineTextFromAnsi("Caf\xE9 \x80"), "Caf\xC3\xA9 \xE2\x82\xAC");

    EngineEncoding = TEngineEncoding::Windows1252;
    EXPECT_EQ(EngineTextToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(EngineTextFromUtf8("\xE6\x97\xA5 Caf\xC3\xA9"), "? Caf\xE9");
    EXPECT_EQ(EngineTextFromAnsi("Caf\xE9"), "Caf\xE9");
}

TEST(EngineEncoding, ConversionToUtf8ChangesTheDeclarationAndNothingElse) {
    AppSettings.BeginSignature = "//Settings";
    EXPECT_EQ(EngineInUtf8("<head><meta charset=\"ISO-8859-1\"><title>Caf\xE9</title>\n"
                           "<script>//Settings\nvar cg=new Array('\x80');"),
              "<head><meta charset=\"utf-8\"><title>Caf\xC3\xA9</title>\n"
              "<script>//Settings\nvar cg=new Array('\xE2\x82\xAC');");
    EXPECT_EQ(EngineInUtf8("<HEAD lang=fr><header>x</header><script>//Settings"),
              "<HEAD lang=fr><meta charset=\"utf-8\"><header>x</header><script>//Settings");
    EXPECT_EQ(EngineInUtf8("<header>\xE9</header>//Settings"),
              "\xEF\xBB\xBF<header>\xC3\xA9</header>//Settings");
    EXPECT_EQ(EngineInUtf8("// <script charset=\"windows-1252\">\n//Settings"),
              "\xEF\xBB\xBF// <script charset=\"utf-8\">\n//Settings");
    const std::string utf8 = "// charset=utf-8\n//Settings\n'\xC3\xA9'";
    EXPECT_EQ(EngineInUtf8(utf8), utf8);
}
