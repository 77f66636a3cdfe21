// The text output device that the text exports run over the pages: it keeps an
// 8-bit text (LF line ends) and a UTF-16 text (CR LF line ends, an empty line
// after every page) in memory.
#pragma once

#include "docsift/wide_text_buffer.h"

#include <OutputDev.h>
#include <chrono>
#include <string>
#include <vector>

class ActualText;
class TextPage;
class UnicodeMap;

class MemoryTextDevice : public OutputDev {
  public:
    MemoryTextDevice(bool contentOrder, std::int32_t byteOrder);
    ~MemoryTextDevice() override;
    MemoryTextDevice(const MemoryTextDevice&) = delete;
    MemoryTextDevice& operator=(const MemoryTextDevice&) = delete;

    bool isOk() { return ready_; }

    // From this moment on characters are no longer collected: the text ends
    // with what was read by then.
    void SetDeadline(std::chrono::steady_clock::time_point deadline) { deadline_ = deadline; }
    bool PastDeadline();

    bool upsideDown() override { return true; }
    bool useDrawChar() override { return true; }
    bool interpretType3Chars() override { return false; }
    bool needNonText() override { return false; }
    bool needCharCount() override { return true; }

    void startPage(int pageNumber, GfxState* state, XRef* xref) override;
    void endPage() override;
    void restoreState(GfxState* state) override;
    void updateFont(GfxState* state) override;
    void drawChar(GfxState* state, double x, double y, double dx, double dy, double originX,
                  double originY, CharCode code, int nBytes, const Unicode* u, int uLen) override;
    void incCharCount(int nChars) override;
    void beginActualText(GfxState* state, const GooString* text) override;
    void endActualText(GfxState* state) override;

    const std::string& Text() const { return text_; }
    const WideTextBuffer& WideText() const { return wideText_; }

    // One word as the page writer needs it: its characters in the line's
    // character array, the column it starts at and the columns it takes.
    struct Word {
        std::size_t First = 0;
        std::size_t Count = 0;
        int StartColumn = 0;
        int Columns = 0;
    };
    // One line of words with its box, top-down page coordinates.
    struct Line {
        std::vector<std::uint32_t> Characters;
        std::vector<Word> Words;
        double Top = 0;
        double Bottom = 0;
    };

  private:
    std::vector<Line> ReadingOrderLines() const;
    std::vector<Line> ContentOrderLines() const;
    void WriteLines(const std::vector<Line>& lines);
    void WriteLineEnd();
    void WriteCharacter(std::uint32_t codePoint);

    bool contentOrder_;
    bool ready_ = true;
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
    bool pastDeadline_ = false;
    TextPage* page_;
    ActualText* actualText_;
    const UnicodeMap* latin1_;
    std::string text_;
    std::string pageText_;
    WideTextBuffer wideText_;
};
