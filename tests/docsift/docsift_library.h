// libdocsift loaded with dlopen and its five exports looked up by name, as a
// program that binds them at run time sees them.
#pragma once

#include "docsift/docsift.h"

#include <string>

struct DocsiftLibrary {
    DocsiftLibrary();
    ~DocsiftLibrary();
    DocsiftLibrary(const DocsiftLibrary&) = delete;
    DocsiftLibrary& operator=(const DocsiftLibrary&) = delete;

    void* Handle = nullptr;
    decltype(&::GetDocInfo) GetDocInfo = nullptr;
    decltype(&::GetTextContent) GetTextContent = nullptr;
    decltype(&::GetTextContentFormated) GetTextContentFormated = nullptr;
    decltype(&::GetUnicodeTextContent) GetUnicodeTextContent = nullptr;
    decltype(&::GetUnicodeTextContentFormated) GetUnicodeTextContentFormated = nullptr;

    // The 8-bit text (terminator excluded) of a text call's block, released;
    // "<null>" for a null result.
    static std::string Take(char* block);
    // The UTF-16 bytes of a block, length bytes and the zero unit after them,
    // released.
    static std::string TakeWide(void* block, double length);
};
