#include "readers/tokens.h"

#include "platform/ansi.h"
#include "readers/entities.h"

namespace {

bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

bool IsNumberByte(int c) {
    return IsDigit(c) || c == ',' || c == '-' || c == '.' || c == ':';
}

bool StartsWord(int c) {
    return c == '&' || IsAnsiLetter(static_cast<unsigned char>(c));
}

bool ContinuesWord(int c) {
    return StartsWord(c) || c == '\'' || c == '-' || IsDigit(c);
}

void StepBack(TFileBuffer& buffer) {
    --buffer.Position;
}

// Steps back over a byte read ahead, unless the read met the end of the data.
void UnreadLookAhead(TFileBuffer& buffer, int lookAhead) {
    if (lookAhead >= 0) {
        StepBack(buffer);
    }
}

TTokenKind ScanWord(TFileBuffer& buffer, std::string& text) {
    for (;;) {
        const int c = ReadByte(buffer);
        if (c < 0) {
            return tkWord;
        }
        if (!ContinuesWord(c)) {
            StepBack(buffer);
            return tkWord;
        }
        if (c == '-') {
            const int next = ReadByte(buffer);
            if (next == '>') {
                buffer.Position -= 2;
                return tkWord;
            }
            text += '-';
            UnreadLookAhead(buffer, next);
            continue;
        }
        const unsigned char character =
            c == '&' ? DecodeEntity(buffer) : static_cast<unsigned char>(c);
        if (character <= 0x20) {
            if (text.empty()) {
                text = " ";
                return tkSpace;
            }
            buffer.PendingSpace = true;
            return tkWord;
        }
        text += static_cast<char>(character);
    }
}

TTokenKind ScanNumber(TFileBuffer& buffer, int first, std::string& text) {
    text += static_cast<char>(first);
    int c;
    while ((c = ReadByte(buffer)) >= 0 && IsNumberByte(c)) {
        text += static_cast<char>(c);
    }
    UnreadLookAhead(buffer, c);
    return tkNumber;
}

TTokenKind ScanTagOpening(TFileBuffer& buffer, std::string& text) {
    const int c = ReadByte(buffer);
    switch (c) {
    case -1:
        return tkEnd;
    case '/':
        text = "</";
        return tkEndTagOpen;
    case '?':
        text = "<?";
        return tkPIOpen;
    case '!': {
        const int next = ReadByte(buffer);
        if (next < 0) {
            return tkEnd;
        }
        if (next == '-') {
            text = "<!-";
            return tkCommentOpen;
        }
        buffer.Position -= 2;
        text = "<!";
        return tkDeclOpen;
    }
    default:
        StepBack(buffer);
        text = "<";
        return tkTagOpen;
    }
}

// "/" and "-" pair with a following ">"; alone they are characters.
TTokenKind ScanPairWithClose(TFileBuffer& buffer, char first, TTokenKind pairKind,
                             std::string& text) {
    const int next = ReadByte(buffer);
    text = first;
    if (next == '>') {
        text += '>';
        return pairKind;
    }
    UnreadLookAhead(buffer, next);
    return tkChar;
}

} // namespace

const char* TokenKindName(TTokenKind kind) {
    static const char* const names[] = {
        "tkEnd",          "tkNumber",   "tkSpace",      "tkLineEnd",       "tkChar",
        "tkTagOpen",      "tkTagClose", "tkEndTagOpen", "tkEmptyTagClose", "tkCommentOpen",
        "tkCommentClose", "tkDeclOpen", "tkPIOpen",     "tkWord"};
    return names[kind];
}

TTokenKind NextToken(TFileBuffer& buffer, std::string& text) {
    text.clear();
    if (buffer.PendingSpace) {
        buffer.PendingSpace = false;
        text = " ";
        return tkSpace;
    }
    const int c = ReadByte(buffer);
    if (c < 0) {
        return tkEnd;
    }
    if (StartsWord(c)) {
        StepBack(buffer);
        return ScanWord(buffer, text);
    }
    if (IsDigit(c)) {
        return ScanNumber(buffer, c, text);
    }
    switch (c) {
    case '<':
        return ScanTagOpening(buffer, text);
    case '>':
        text = ">";
        return tkTagClose;
    case '/':
        return ScanPairWithClose(buffer, '/', tkEmptyTagClose, text);
    case '-':
        return ScanPairWithClose(buffer, '-', tkCommentClose, text);
    case '\r':
        return tkLineEnd;
    default:
        if (c <= 0x20) {
            text = " ";
            return tkSpace;
        }
        text = static_cast<char>(c);
        return tkChar;
    }
}
