// The markup token scanner over a file buffer.
#pragma once

#include "readers/file_buffer.h"

#include <string>

enum TTokenKind {
    tkEnd = 0,
    tkNumber = 1,
    tkSpace = 2,
    tkLineEnd = 3,
    tkChar = 4,
    tkTagOpen = 5,
    tkTagClose = 6,
    tkEndTagOpen = 7,
    tkEmptyTagClose = 8,
    tkCommentOpen = 9,
    tkCommentClose = 10,
    tkDeclOpen = 11,
    tkPIOpen = 12,
    tkWord = 13,
};

// The kind's name as written above, for instance "tkWord".
const char* TokenKindName(TTokenKind kind);

// Reads the next token at the buffer's position; text receives its text (entity
// references in words decoded).
TTokenKind NextToken(TFileBuffer& buffer, std::string& text);
