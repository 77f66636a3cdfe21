#include "docsift/memory_text_device.h"

#include "docsift/byte_substitution.h"

#include <GlobalParams.h>
#include <TextOutputDev.h>
#include <UnicodeMap.h>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// The engine works out a start column for every character of a line but keeps
// it private. Explicit template instantiations may name private members, which
// lets the device read the line's columns and length without changing the
// engine's headers.
template <typename Tag, typename Tag::type Member> struct PrivateAccess {
    friend typename Tag::type Get(Tag) { return Member; }
};
struct LineColumns {
    using type = int* TextLine::*;
    friend type Get(LineColumns);
};
struct LineLength {
    using type = int TextLine::*;
    friend type Get(LineLength);
};
template struct PrivateAccess<LineColumns, &TextLine::col>;
template struct PrivateAccess<LineLength, &TextLine::len>;

constexpr int ContentOrderBlankLines = 2;
constexpr int ReadingOrderBlankLines = 5;

// Adds a word's characters to the line and the word to its words.
void AddWord(MemoryTextDevice::Line& line, const TextWord* word, int startColumn, int columns) {
    MemoryTextDevice::Word added;
    added.First = line.Characters.size();
    added.Count = static_cast<std::size_t>(word->getLength());
    added.StartColumn = startColumn;
    added.Columns = columns;
    for (int i = 0; i < word->getLength(); ++i) {
        line.Characters.push_back(static_cast<std::uint32_t>(word->getChar(i)[0]));
    }
    line.Words.push_back(added);
}

void ExtendLineBox(MemoryTextDevice::Line& line, const TextWord* word) {
    double xMin, yMin, xMax, yMax;
    word->getBBox(&xMin, &yMin, &xMax, &yMax);
    if (line.Words.size() == 1) {
        line.Top = yMin;
        line.Bottom = yMax;
    } else {
        line.Top = std::min(line.Top, yMin);
        line.Bottom = std::max(line.Bottom, yMax);
    }
}

} // namespace

MemoryTextDevice::MemoryTextDevice(bool contentOrder, std::int32_t byteOrder)
    : contentOrder_(contentOrder), page_(new TextPage(contentOrder)),
      actualText_(new ActualText(page_)),
      latin1_(globalParams ? globalParams->getTextEncoding() : nullptr), wideText_(byteOrder) {}

MemoryTextDevice::~MemoryTextDevice() {
    delete actualText_;
    page_->decRefCnt();
}

void MemoryTextDevice::startPage(int, GfxState* state, XRef*) {
    page_->startPage(state);
    pageText_.clear();
}

void MemoryTextDevice::restoreState(GfxState* state) {
    page_->updateFont(state);
}
void MemoryTextDevice::updateFont(GfxState* state) {
    page_->updateFont(state);
}
void MemoryTextDevice::incCharCount(int nChars) {
    page_->incCharCount(nChars);
}
void MemoryTextDevice::beginActualText(GfxState* state, const GooString* text) {
    actualText_->begin(state, text);
}
void MemoryTextDevice::endActualText(GfxState* state) {
    actualText_->end(state);
}

bool MemoryTextDevice::PastDeadline() {
    pastDeadline_ = pastDeadline_ || std::chrono::steady_clock::now() >= deadline_;
    return pastDeadline_;
}

void MemoryTextDevice::drawChar(GfxState* state, double x, double y, double dx, double dy, double,
                                double, CharCode code, int nBytes, const Unicode* u, int uLen) {
    if (!PastDeadline()) {
        actualText_->addChar(state, x, y, dx, dy, code, nBytes, u, uLen);
    }
}

void MemoryTextDevice::endPage() {
    page_->endPage();
    page_->coalesce(false, 0, false);
    WriteLines(contentOrder_ ? ContentOrderLines() : ReadingOrderLines());
    text_ += pageText_;
    wideText_.Append('\r');
    wideText_.Append('\n');
}

// Lines as the engine assembled them, with each word's start column and width
// on the engine's own character grid (the grid of its physical layout).
std::vector<MemoryTextDevice::Line> MemoryTextDevice::ReadingOrderLines() const {
    std::vector<Line> lines;
    for (const TextFlow* flow = page_->getFlows(); flow; flow = flow->getNext()) {
        for (const TextBlock* block = flow->getBlocks(); block; block = block->getNext()) {
            for (const TextLine* textLine = block->getLines(); textLine;
                 textLine = textLine->getNext()) {
                const int* columns = textLine->*Get(LineColumns());
                const int length = textLine->*Get(LineLength());
                Line line;
                int index = 0;
                for (const TextWord* word = textLine->getWords(); word; word = word->getNext()) {
                    const int end = std::min(index + word->getLength(), length);
                    const int start = columns && index < length ? columns[index] : 0;
                    const int after =
                        columns && end < length ? columns[end] : start + word->getLength();
                    AddWord(line, word, start, std::max(after - start, 0));
                    ExtendLineBox(line, word);
                    index = end + (word->hasSpaceAfter() ? 1 : 0);
                }
                lines.push_back(std::move(line));
            }
        }
    }
    return lines;
}

// Content order has no lines from the engine: a word starts a new line when its
// baseline moves by half its font size or it stands left of the previous word.
// Columns follow the words' gaps in units of the previous word's character
// width.
std::vector<MemoryTextDevice::Line> MemoryTextDevice::ContentOrderLines() const {
    std::vector<Line> lines;
    const std::unique_ptr<TextWordList> words = page_->makeWordList(false);
    double lastBase = 0;
    double lastRight = 0;
    double characterWidth = 0;
    int column = 0;
    for (int i = 0; i < words->getLength(); ++i) {
        const TextWord* word = words->get(i);
        double xMin, yMin, xMax, yMax;
        word->getBBox(&xMin, &yMin, &xMax, &yMax);
        const double fontSize = word->getFontSize();
        const double base = word->getBaseline();
        const bool newLine = lines.empty() || std::fabs(base - lastBase) > fontSize / 2 ||
                             xMin < lastRight - fontSize;
        if (newLine) {
            lines.emplace_back();
            column = 0;
        } else if (characterWidth > 0 && xMin - lastRight > characterWidth / 4) {
            column +=
                std::max(1, static_cast<int>(std::lround((xMin - lastRight) / characterWidth)));
        }
        const int length = word->getLength();
        AddWord(lines.back(), word, column, length);
        ExtendLineBox(lines.back(), word);
        column += length;
        characterWidth = length > 0 ? (xMax - xMin) / length : 0;
        lastBase = base;
        lastRight = xMax;
    }
    return lines;
}

void MemoryTextDevice::WriteLines(const std::vector<Line>& lines) {
    const int blankLineCap = contentOrder_ ? ContentOrderBlankLines : ReadingOrderBlankLines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int column = 0;
        for (const Word& word : lines[i].Words) {
            if (contentOrder_ && column == 0) {
                column = word.StartColumn;
            }
            for (; column < word.StartColumn; ++column) {
                WriteCharacter(' ');
            }
            for (std::size_t k = word.First; k < word.First + word.Count; ++k) {
                WriteCharacter(lines[i].Characters[k]);
            }
            column += word.Columns;
        }
        WriteLineEnd();
        if (i + 1 < lines.size()) {
            const double height = lines[i].Bottom - lines[i].Top;
            const double gap = lines[i + 1].Top - lines[i].Bottom;
            const int blankLines = height > 0 ? static_cast<int>(gap / height + 0.5) : 0;
            for (int blank = std::min(blankLines, blankLineCap); blank > 0; --blank) {
                WriteLineEnd();
            }
        }
    }
}

void MemoryTextDevice::WriteLineEnd() {
    pageText_ += '\n';
    wideText_.Append('\r');
    wideText_.Append('\n');
}

void MemoryTextDevice::WriteCharacter(std::uint32_t codePoint) {
    wideText_.Append(codePoint);
    // Printable ASCII is its own byte in the table and in "Latin1" alike.
    if (codePoint >= 0x20 && codePoint <= 0x7E) {
        pageText_ += static_cast<char>(codePoint);
        return;
    }
    const int substitute = ByteSubstitution(codePoint);
    if (substitute >= 0) {
        pageText_ += static_cast<char>(substitute);
        return;
    }
    if (latin1_) {
        char bytes[8];
        const int count = latin1_->mapUnicode(codePoint, bytes, sizeof bytes);
        pageText_.append(bytes, static_cast<std::size_t>(std::max(count, 0)));
    }
}
