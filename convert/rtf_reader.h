// The reader of the RTF converter: groups, control words, destinations, the
// font, colour and style tables, numbering and tables. It walks the input line
// by line, the line ends removed, and drives the HTML writer.
#pragma once

#include "convert/rtf_code_page.h"
#include "convert/rtf_format.h"
#include "convert/rtf_html_writer.h"

#include <array>
#include <string>
#include <vector>

// The lines of a text, their ends (CR, LF or CR LF) removed.
std::vector<std::string> TextLines(const std::string& text);

struct RtfOptions {
    bool NoFonts = false;
    bool Optimize = false;
    bool OnlyDefiniteOpt = false;
    // Characters beyond Windows-1252 are written as references: \uN's
    // (its fallback skipped), and the \'hh bytes of another \ansicpgN.
    bool Unicode = false;
};

class RtfReader {
  public:
    RtfReader(std::vector<std::string> lines, RtfOptions options);

    // Converts the whole input; the page head and tail included. Raises
    // ConversionError after finishing the page.
    void Convert(const std::string& title);
    const std::string& Html() const { return writer_.Output(); }

  private:
    struct Style {
        std::string Name;
        std::string Controls;
    };

    // The input.
    bool ReadNextLine();
    bool Need(std::size_t count);
    char At(std::size_t offset) const;
    // Whether the input has no character left at the position (following
    // lines are appended to look).
    bool AtEndOfInput();
    // The characters up to the next "}" (not taken).
    std::string TextUpToBrace();
    // Up to count characters from the position plus offset (fewer at the end).
    std::string Peek(std::size_t offset, std::size_t count) const;

    void ParseGroup(int depth);
    void ParseBackslash(TFormat& format, std::string* cell);
    void HandleText(const std::string& text, TFormat& format, std::string* cell);
    std::string ReadControlWord();
    void ApplyControlWord(const std::string& word);
    std::string HandleControlWord(const std::string& word, TFormat& format);
    void ApplyStyleReference(const std::string& word);
    void ParseNumbering();
    void ParseFontTable();
    void ParseColourTable();
    void ParseStyleSheet();
    void ParseStyle(int number, bool hasNumber);
    void ParseTable();
    void SkipGroup();
    std::string CloseLists();
    void Write(const std::string& html, std::string* cell = nullptr);

    std::vector<std::string> lines_;
    std::size_t nextLine_ = 0;
    std::string line_;
    std::size_t pos_ = 0;
    bool appendLines_ = false;

    RtfOptions options_;
    TFormat format_;
    std::vector<TFont> fonts_;
    std::vector<std::string> colours_;
    std::array<Style, 301> styles_;
    std::array<int, 10> tocStyle_;
    std::array<int, 10> headingStyle_;
    int listDepth_ = 0;
    int indentTotal_ = 0;
    bool firstIndent_ = true;
    bool bulletItem_ = false;
    bool itemPending_ = false;
    bool numbering_ = false;
    bool numberingStyle_ = false;
    bool bulletList_ = false;
    int numberCounter_ = -1;
    std::string textBefore_;
    std::string textAfter_;
    std::string pendingLabel_;
    // \ansicpgN, and the fallback characters after \uN: \ucN of them (one
    // unless told), of which skipUnicodeFallback_ are still to be skipped.
    RtfCodePage codePage_;
    int unicodeFallback_ = 1;
    int skipUnicodeFallback_ = 0;
    int highSurrogate_ = 0; // the first half of a character beyond U+FFFF
    bool bookmarkParagraph_ = false;
    int excessDepth_ = 0;
    RtfHtmlWriter writer_;
};
