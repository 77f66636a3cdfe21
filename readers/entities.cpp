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

// A numeric reference's number: its low 32 bits (enough for the code page's
// byte), whether it was read, and whether it is past every character.
struct TNumber {
    unsigned Value = 0;
    bool Read = false;
    bool PastUnicode = false;
};

void Accumulate(TNumber& number, unsigned base, unsigned digit) {
    number.PastUnicode = number.PastUnicode || number.Value > 0x10FFFF;
    number.Value = number.Value * base + digit;
}

// &#xHH: hexadecimal digits up to the first other byte, which is consumed.
TNumber DecodeHexadecimal(TFileBuffer& buffer) {
    TNumber number;
    int digit;
    while ((digit = HexDigitValue(ReadByte(buffer))) >= 0) {
        Accumulate(number, 16, static_cast<unsigned>(digit));
        number.Read = true;
    }
    return number;
}

// &#NN: the first byte whatever it is, then hexadecimal digits; only an
// all-decimal run is a number.
TNumber DecodeDecimal(TFileBuffer& buffer, int first) {
    TNumber number;
    number.Read = IsDecimalDigit(first);
    number.Value = number.Read ? static_cast<unsigned>(first - '0') : 0;
    int c;
    while (HexDigitValue(c = ReadByte(buffer)) >= 0) {
        number.Read = number.Read && IsDecimalDigit(c);
        Accumulate(number, 10, static_cast<unsigned>(c - '0'));
    }
    return number;
}

bool IsAsciiAlphanumeric(int c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDecimalDigit(c);
}

// The reference after "&": a number, or a name as long as letters (and, in
// UTF-8, digits) follow, the byte that ends it consumed; false when nothing
// could be read.
struct TReference {
    bool Numeric = false;
    TNumber Number;
    std::string Name;
};

bool ReadReference(TFileBuffer& buffer, bool utf8, TReference& reference) {
    const int first = ReadByte(buffer);
    if (first < 0) {
        return false;
    }
    if (first != '#') {
        reference.Name = static_cast<char>(first);
        int c;
        while ((c = ReadByte(buffer)) >= 0 &&
               (utf8 ? IsAsciiAlphanumeric(c) : IsAnsiLetter(static_cast<unsigned char>(c)))) {
            reference.Name += static_cast<char>(c);
        }
        return true;
    }
    const int second = ReadByte(buffer);
    if (second < 0) {
        return false;
    }
    reference.Numeric = true;
    reference.Number = second == 'x' ? DecodeHexadecimal(buffer) : DecodeDecimal(buffer, second);
    return true;
}

// The names of the characters that Windows-1252 has beyond Latin-1, and of a
// few spaces and joiners, which a UTF-8 reading decodes too.
struct TWideEntity {
    const char* Name;
    char32_t Character;
};
constexpr TWideEntity WideEntities[] = {
    {"euro", 0x20AC},   {"sbquo", 0x201A},  {"fnof", 0x0192},   {"bdquo", 0x201E},
    {"hellip", 0x2026}, {"dagger", 0x2020}, {"Dagger", 0x2021}, {"circ", 0x02C6},
    {"permil", 0x2030}, {"Scaron", 0x0160}, {"lsaquo", 0x2039}, {"OElig", 0x0152},
    {"lsquo", 0x2018},  {"rsquo", 0x2019},  {"ldquo", 0x201C},  {"rdquo", 0x201D},
    {"bull", 0x2022},   {"ndash", 0x2013},  {"mdash", 0x2014},  {"tilde", 0x02DC},
    {"trade", 0x2122},  {"scaron", 0x0161}, {"rsaquo", 0x203A}, {"oelig", 0x0153},
    {"Yuml", 0x0178},   {"ensp", 0x2002},   {"emsp", 0x2003},   {"thinsp", 0x2009},
    {"zwnj", 0x200C},   {"zwj", 0x200D},    {"apos", '\''},
};

// The entry of EntityTable with the name, or none.
const TEntity* FindEntity(const std::string& name) {
    for (const TEntity& entity : EntityTable) {
        if (name == entity.Name) {
            return &entity;
        }
    }
    return nullptr;
}

} // namespace

unsigned char DecodeEntity(TFileBuffer& buffer) {
    TReference reference;
    if (!ReadReference(buffer, false, reference)) {
        return 0;
    }
    if (reference.Numeric) {
        return reference.Number.Read ? static_cast<unsigned char>(reference.Number.Value) : '?';
    }
    const TEntity* entity = FindEntity(reference.Name);
    return entity ? entity->Character : static_cast<unsigned char>(reference.Name[0]);
}

char32_t DecodeEntityCodePoint(TFileBuffer& buffer) {
    TReference reference;
    if (!ReadReference(buffer, true, reference)) {
        return 0;
    }
    if (reference.Numeric) {
        const TNumber& number = reference.Number;
        if (!number.Read) {
            return '?';
        }
        const bool character = !number.PastUnicode && number.Value <= 0x10FFFF &&
                               (number.Value < 0xD800 || number.Value > 0xDFFF);
        return character ? number.Value : 0xFFFD;
    }
    for (const TWideEntity& entity : WideEntities) {
        if (reference.Name == entity.Name) {
            return entity.Character;
        }
    }
    const TEntity* entity = FindEntity(reference.Name);
    return entity ? entity->Character : static_cast<unsigned char>(reference.Name[0]);
}
