// The HTML side of the RTF converter: tags opened lazily when text follows a
// format change, escaped text, table-of-contents links and heading anchors, and
// output cut into lines with links for web addresses.
#pragma once

#include "convert/rtf_format.h"

#include <array>
#include <string>
#include <vector>

class RtfHtmlWriter {
  public:
    explicit RtfHtmlWriter(const std::vector<TFont>& fonts) : fonts_(fonts) {}

    // Flags that the reader sets and the writer reads.
    bool FormatChanged = false;
    bool ParagraphStart = false;
    bool TocLinkMode = false;
    int TocLinkLevel = 0;
    bool TocNewParagraph = false;
    bool TocLinkOpen = false;
    bool HeadingAnchor = false;
    int HeadingAnchorLevel = 0;
    bool Optimize = false;

    // The HTML of one piece of text: a character, a hexadecimal escape of two
    // characters, or one of the named pieces such as "&tab;".
    std::string EmitText(const std::string& text, const TFormat& format);
    std::string OpenFormatTags(const TFormat& format);
    std::string CloseAllTags();
    static std::string FontSizeTag(int points);

    // Adds HTML to the pending output and writes the lines that are complete.
    void WriteHtml(const std::string& html);
    std::string CleanUpHtml(std::string html) const;
    static std::string LinkUrls(const std::string& line);
    void AddCleanUpPattern(const std::string& pattern);
    // Writes one line as it is.
    void WriteLine(const std::string& line) { output_ += line + "\n"; }
    // Writes what is still pending as one line, without links.
    void FlushPending();

    const std::string& Output() const { return output_; }

  private:
    struct OpenTag {
        std::string Opening;
        std::string Closing;
    };

    std::string FontName(int number) const;
    std::string Push(const std::string& opening, const std::string& closing);

    const std::vector<TFont>& fonts_;
    std::vector<OpenTag> openTags_;
    std::vector<std::string> cleanUpPatterns_; // newest first
    std::array<int, 10> tocCount_{};
    std::array<int, 10> headingCount_{};
    std::string pending_;
    bool pendingClean_ = true; // pending_ holds no clean-up pattern and no cut
    std::string output_;
};

// The value of a hexadecimal pair such as "e4"; raises ConversionError when a
// character is not a hexadecimal digit.
unsigned char HexPairValue(const std::string& pair);
