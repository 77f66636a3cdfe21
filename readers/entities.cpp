#include "readers/entities.h"

#include "platform/ansi.h"
#include "platform/integer_text.h"

#include <cstring>
#include <string>

const std::array<TEntity, 101> EntityTable = {{
    {"nbsp", 0x20},   {"gt", '>'},      {"lt", '<'},      {"amp", '&'},     {"apos", 0x60},
    {"quot", '"'},    {"iexcl", 0xA1},  {"cent", 0xA2},   {"pound", 0xA3},  {"curren", 0xA4},
    {"yen", 0xA5},    {"brvbar", 0xA6}, {"sect", 0xA7},   {"uml", 0xA8},    {"copy", 0xA9},
    {"ordf", 0xAA},   {"laquo", 0xAB},  {"not", 0xAC},    {"shy", 0xAD},    {"reg", 0xAE},
    {"macr", 0xAF},   {"deg", 0xB0},    {"plusmn", 0xB1}, {"sup2", 0xB2},   {"sup3", 0xB3},
    {"acute", 0xB4},  {"micro", 0xB5},  {"para", 0xB6},   {"middot", 0xB7}, {"cedil", 0xB8},
    {"sup1", 0xB9},   {"ordm", 0xBA},   {"raquo", 0xBB},  {"frac14", 0xBC}, {"frac12", 0xBD},
    {"frac34", 0xBE}, {"iquest", 0xBF}, {"Agrave", 0xC0}, {"Aacute", 0xC1}, {"Acirc", 0xC2},
    {"Atilde", 0xC3}, {"Auml", 0xC4},   {"Aring", 0xC5},  {"AElig", 0xC6},  {"Ccedil", 0xC7},
    {"Egrave", 0xC8}, {"Eacute", 0xC9}, {"Ecirc", 0xCA},  {"Euml", 0xCB},   {"Igrave", 0xCC},
    {"Iacute", 0xCD}, {"Icirc", 0xCE},  {"Iuml", 0xCF},   {"ETH", 0xD0},    {"Ntilde", 0xD1},
    {"Ograve", 0xD2}, {"Oacute", 0xD3}, {"Ocirc", 0xD4},  {"Otilde", 0xD5}, {"Ouml", 0xD6},
    {"times", 0xD7},  {"Oslash", 0xD8}, {"Ugrave", 0xD9}, {"Uacute", 0xDA}, {"Ucirc", 0xDB},
    {"Uuml", 0xDC},   {"Yacute", 0xDD}, {"THORN", 0xDE},  {"szlig", 0xDF},  {"agrave", 0xE0},
    {"aacute", 0xE1}, {"acirc", 0xE2},  {"atilde", 0xE3}, {"auml", 0xE4},   {"aring", 0xE5},
    {"aelig", 0xE6},  {"ccedil", 0xE7}, {"egrave", 0xE8}, {"eacute", 0xE9}, {"ecirc", 0xEA},
    {"euml", 0xEB},   {"igrave", 0xEC}, {"iacute", 0xED}, {"icirc", 0xEE},  {"iuml", 0xEF},
    {"eth", 0xF0},    {"ntilde", 0xF1}, {"ograve", 0xF2}, {"oacute", 0xF3}, {"ocirc", 0xF4},
    {"otilde", 0xF5}, {"ouml", 0xF6},   {"divide", 0xF7}, {"oslash", 0xF8}, {"ugrave", 0xF9},
    {"uacute", 0xFA}, {"ucirc", 0xFB},  {"uuml", 0xFC},   {"yacute", 0xFD}, {"thorn", 0xFE},
    {"yuml", 0xFF},
}};

namespace {

bool IsDecimalDigit(int c) {
    return c >= '0' && c <= '9';
}

// &#xHH: hexadecimal digits up to the first other byte, which is consumed.
unsigned char DecodeHexadecimal(TFileBuffer& buffer) {
    unsigned value = 0;
    bool anyDigit = false;
    int digit;
    while ((digit = HexDigitValue(ReadByte(buffer))) >= 0) {
        value = value * 16 + static_cast<unsigned>(digit);
        anyDigit = true;
    }
    return anyDigit ? static_cast<unsigned char>(value) : '?';
}

// &#NN: the first byte whatever it is, then hexadecimal digits; only an
// all-decimal run is a number.
unsigned char DecodeDecimal(TFileBuffer& buffer, int first) {
    bool allDecimal = IsDecimalDigit(first);
    unsigned value = allDecimal ? static_cast<unsigned>(first - '0') : 0;
    int c;
    while (HexDigitValue(c = ReadByte(buffer)) >= 0) {
        allDecimal = allDecimal && IsDecimalDigit(c);
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return allDecimal ? static_cast<unsigned char>(value) : '?';
}

unsigned char DecodeNamed(TFileBuffer& buffer, int first) {
    std::string name(1, static_cast<char>(first));
    int c;
    while ((c = ReadByte(buffer)) >= 0 && IsAnsiLetter(static_cast<unsigned char>(c))) {
        name += static_cast<char>(c);
    }
    for (const TEntity& entity : EntityTable) {
        if (name == entity.Name) {
            return entity.Character;
        }
    }
    return static_cast<unsigned char>(first);
}

} // namespace

unsigned char DecodeEntity(TFileBuffer& buffer) {
    const int first = ReadByte(buffer);
    if (first < 0) {
        return 0;
    }
    if (first != '#') {
        return DecodeNamed(buffer, first);
    }
    const int second = ReadByte(buffer);
    if (second < 0) {
        return 0;
    }
    return second == 'x' ? DecodeHexadecimal(buffer) : DecodeDecimal(buffer, second);
}
