#include "readers/settings_items.h"

#include "platform/ansi.h"
#include "readers/tokens.h"

bool FindElement(TFileBuffer& buffer, const std::string& name) {
    std::string text;
    for (;;) {
        TTokenKind kind = NextToken(buffer, text);
        if (kind == tkEnd) {
            return false;
        }
        if (kind != tkTagOpen) {
            continue;
        }
        kind = NextToken(buffer, text);
        if (kind == tkEnd) {
            return false;
        }
        if (kind == tkWord && AnsiLowerCase(text) == name) {
            return true;
        }
    }
}

bool SkipTagEnd(TFileBuffer& buffer) {
    std::string text;
    for (;;) {
        switch (NextToken(buffer, text)) {
        case tkEnd:
            return false;
        case tkTagClose:
        case tkEmptyTagClose:
            return true;
        default:
            break;
        }
    }
}

TItemValue ReadItemValue(TFileBuffer& buffer, const std::string& attribute, TValueMode mode,
                         std::string& value) {
    value.clear();
    std::string text;
    TTokenKind kind;
    while ((kind = NextToken(buffer, text)) != tkWord) {
        if (kind == tkEnd) {
            return TItemValue::EndOfData;
        }
    }
    if (text != attribute) {
        return TItemValue::OtherAttribute;
    }
    while (text != "\"") {
        if (NextToken(buffer, text) == tkEnd) {
            return TItemValue::EndOfData;
        }
    }
    for (;;) {
        kind = NextToken(buffer, text);
        if (kind == tkEnd) {
            value.clear();
            return TItemValue::EndOfData;
        }
        if (text == "\"") {
            return TItemValue::Found;
        }
        if (mode == TValueMode::Text || kind == tkNumber || text == "-") {
            value += text;
        }
    }
}

void ReadItems(TFileBuffer& buffer, const std::string& attribute, TValueMode mode,
               const TItemHandler& handle) {
    std::string text;
    std::string value;
    for (;;) {
        TTokenKind kind = NextToken(buffer, text);
        if (kind == tkEnd) {
            return;
        }
        if (kind != tkTagOpen) {
            continue;
        }
        kind = NextToken(buffer, text);
        if (kind == tkEnd) {
            return;
        }
        if (kind != tkWord) {
            continue;
        }
        const std::string name = text;
        switch (ReadItemValue(buffer, attribute, mode, value)) {
        case TItemValue::EndOfData:
            return;
        case TItemValue::OtherAttribute:
            break;
        case TItemValue::Found:
            handle(name, value);
            break;
        }
    }
}

bool ReadSettingsFile(const std::string& path, const std::string& root,
                      const std::string& attribute, TValueMode mode, const TItemHandler& handle) {
    TFileBuffer buffer;
    if (!OpenFileBuffer(buffer, path)) {
        return false;
    }
    if (FindElement(buffer, root)) {
        ReadItems(buffer, attribute, mode, handle);
    }
    CloseFileBuffer(buffer);
    return true;
}
