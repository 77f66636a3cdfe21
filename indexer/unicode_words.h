// The words of UTF-8 text as the rating takes them, by Unicode's letters, case
// and word breaks.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct UBreakIterator;

// Splits a word of the UTF-8 scanner (ASCII letters, digits, "'" and "-" and
// any multi-byte characters) into the words it holds: runs of Unicode letters,
// marks and digits, with "'" and "-" inside them as the code page's words have
// them. A run in a script written without spaces (Chinese, Japanese, Thai,
// Lao, Khmer, Myanmar) is cut into words by ICU's dictionary word breaks.
class TUnicodeWords {
  public:
    TUnicodeWords();
    ~TUnicodeWords();
    TUnicodeWords(TUnicodeWords&&) noexcept;
    TUnicodeWords& operator=(TUnicodeWords&&) noexcept;

    // The words of token, pieces of it, in their order; valid until the next call.
    const std::vector<std::string_view>& Split(std::string_view token);

  private:
    void AddRun(std::string_view run, bool withoutSpaces);

    struct BreakCloser {
        void operator()(UBreakIterator* breaks) const;
    };
    std::unique_ptr<UBreakIterator, BreakCloser> breaks_;
    std::vector<std::string_view> words_;
};

// A word as a keyword: lower-cased by Unicode's case mapping (a dotted
// capital I becomes "i") and composed (NFC), without soft hyphens and other
// invisible characters (the joiners that some scripts need stay).
std::string UnicodeKeyword(std::string_view word);

// The letter case of a word, for the rating's case classes: how many of its
// characters upper-casing leaves as they are, out of how many; a word
// without any cased letter (Chinese, say) counts as all lower case.
struct TLetterCase {
    std::size_t Characters = 0;
    std::size_t Unchanged = 0;
};
TLetterCase UnicodeLetterCase(std::string_view word);
