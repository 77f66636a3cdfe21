#include "indexer/rating.h"

#include "platform/ansi.h"
#include "platform/integer_text.h"
#include "readers/page_encoding.h"
#include "readers/settings_items.h"
#include "readers/tokens.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numeric>

namespace {

constexpr bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

// Words and keywords that begin with a space, a quote, "*", "<", ">", "&" or a
// control character (for instance a decoded &lt;) are no candidates.
bool IsCandidate(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const auto first = static_cast<unsigned char>(text[0]);
    return first > ' ' && first != '"' && first != '*' && first != '<' && first != '>' &&
           first != '&';
}

// Copies a name of at most eight bytes without a call: in two overlapping
// halves, or byte by byte.
void CopyShortName(std::string_view name, char* to) {
    const std::size_t size = name.size();
    if (size >= 4) {
        std::memcpy(to, name.data(), 4);
        std::memcpy(to + size - 4, name.data() + size - 4, 4);
        return;
    }
    for (std::size_t i = 0; i < size; ++i) {
        to[i] = name[i];
    }
}

bool IsShortName(std::string_view name) {
    return !name.empty() && name.size() <= TShortNames::MaxSize;
}

// What AddWord asks of each byte: its lower case, whether it is a digit, and
// whether upper-casing leaves it as it is.
struct ByteCase {
    unsigned char Lower = 0;
    unsigned char Digit = 0;
    unsigned char Unchanged = 0;
};

constexpr std::array<ByteCase, 256> MakeByteCases() {
    std::array<ByteCase, 256> cases{};
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        cases[c] = {AnsiLower(byte), IsDigit(byte), AnsiUpper(byte) == byte};
    }
    return cases;
}
constexpr std::array<ByteCase, 256> ByteCases = MakeByteCases();

// The lower case of tag names' bytes: the code page's, or in UTF-8 that of
// the ASCII letters alone.
constexpr std::array<unsigned char, 256> MakeTagLower(bool utf8) {
    std::array<unsigned char, 256> lower{};
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        lower[c] = !utf8 || byte < 0x80 ? AnsiLower(byte) : byte;
    }
    return lower;
}
constexpr std::array<unsigned char, 256> AnsiTagLower = MakeTagLower(false);
constexpr std::array<unsigned char, 256> Utf8TagLower = MakeTagLower(true);

bool IsRawTextElement(std::string_view name) {
    return name == "script" || name == "style";
}

// The size of the "<" or "</" at the page's position when a plain word, the
// tag's name, follows it (name then tells of the word); 0 for anything else.
std::int32_t PlainTagOpening(const TFileBuffer& page, TPlainToken& name) {
    const std::int32_t start = page.Position;
    if (page.PendingSpace || start < 0 || static_cast<std::uint32_t>(start) >= page.Size) {
        return 0;
    }
    const auto* const data = reinterpret_cast<const unsigned char*>(page.Data.data());
    const unsigned char* const first = data + start;
    const unsigned char* const last = data + page.Size;
    const std::uint32_t opening = TagOpeningAt(first, last);
    if (opening == 0 || first + opening == last) {
        return 0;
    }
    name = PlainTokenAt(first + opening, last, token_tables::TablesOf(page));
    return name.Kind == tkWord ? static_cast<std::int32_t>(opening) : 0;
}

// Keys of set.xml, each a whole number or a whole number of hundredths.
struct IntegerKey {
    const char* Name;
    std::int32_t TRating::*Field;
};
struct HundredthsKey {
    const char* Name;
    double TRating::*Field;
};

const IntegerKey IntegerKeys[] = {
    {"TagsMinimalRating", &TRating::TagsMinimalRating},
    {"StopWordsMinimalRating", &TRating::StopWordsMinimalRating},
    {"KeysCount", &TRating::KeysCount},
    {"TextDescriptionLength", &TRating::TextDescriptionLength},
};

const HundredthsKey HundredthsKeys[] = {
    {"BeginOfFile", &TRating::BeginOfFile},
    {"EndOfFile", &TRating::EndOfFile},
    {"DigitRating", &TRating::DigitRating},
    {"XXXRating", &TRating::XXXRating},
    {"YyyRating", &TRating::YyyRating},
    {"zzzRating", &TRating::zzzRating},
    {"CodeRating", &TRating::CodeRating},
    {"KeywordRating", &TRating::KeywordRating},
    {"ExistingWeight", &TRating::ExistingWeight},
    {"TagWeight", &TRating::TagWeight},
    {"WordPositionWeight", &TRating::WordPositionWeight},
    {"WordCaseWeight", &TRating::WordCaseWeight},
    {"CountWeight", &TRating::CountWeight},
    {"SiteWeight", &TRating::SiteWeight},
};

// Ratings are computed in extended precision and stored as doubles.
using Extended = long double;

} // namespace

bool TRating::LoadSettings(const std::string& tagsPath, const std::string& wordsPath,
                           const std::string& setPath) {
    Tags.clear();
    WordGroups.clear();
    settingsFixed_ = false;
    groupIndexReady_ = false;
    return LoadTags(tagsPath) && LoadWordGroups(wordsPath) && LoadRatingKeys(setPath);
}

bool TRating::LoadTags(const std::string& path) {
    TFileBuffer buffer;
    if (!OpenFileBuffer(buffer, path) || !FindElement(buffer, "tags")) {
        return false;
    }
    std::string text;
    std::string value;
    TTokenKind kind;
    while ((kind = NextToken(buffer, text)) != tkEnd) {
        // At the end of the data NextToken keeps answering tkEnd, so the loop ends.
        if (kind != tkTagOpen || NextToken(buffer, text) != tkWord) {
            continue;
        }
        Tags.push_back({text, 0});
        switch (ReadItemValue(buffer, "rating", TValueMode::Numeric, value)) {
        case TItemValue::EndOfData:
            return false;
        case TItemValue::OtherAttribute:
            break;
        case TItemValue::Found:
            Tags.back().Rating = StrToInt(value);
            break;
        }
    }
    return true;
}

bool TRating::LoadWordGroups(const std::string& path) {
    TFileBuffer buffer;
    if (!OpenFileBuffer(buffer, path)) {
        return false;
    }
    // The words in the pages' encoding; in the code page, a word holding a
    // character it lacks is dropped.
    std::vector<std::size_t> missing;
    if (Utf8 ? PageToUtf8(buffer.Data) : PageToCodePage(buffer.Data, missing)) {
        AssignBuffer(buffer, missing.empty() ? std::move(buffer.Data)
                                             : WithoutWordsAt(buffer.Data, missing));
    }
    buffer.Utf8 = Utf8;
    if (!FindElement(buffer, "words")) {
        return false;
    }
    std::string text;
    std::string value;
    while (FindElement(buffer, "group")) {
        WordGroups.emplace_back();
        TWordGroup& group = WordGroups.back();
        switch (ReadItemValue(buffer, "rating", TValueMode::Numeric, value)) {
        case TItemValue::EndOfData:
            return false;
        case TItemValue::OtherAttribute:
            break;
        case TItemValue::Found:
            group.Rating = StrToInt(value);
            break;
        }
        if (!SkipTagEnd(buffer)) {
            return false;
        }
        TTokenKind kind;
        while ((kind = NextToken(buffer, text)) != tkTagClose && kind != tkEndTagOpen &&
               kind != tkEnd) {
            if (kind == tkWord) {
                group.Text += text + ' ';
            }
        }
        if (kind == tkEnd) {
            break;
        }
    }
    return true;
}

bool TRating::LoadRatingKeys(const std::string& path) {
    return ReadSettingsFile(path, "settings", "value", TValueMode::Numeric,
                            [this](const std::string& name, const std::string& value) {
                                for (const IntegerKey& key : IntegerKeys) {
                                    if (name == key.Name) {
                                        this->*key.Field = StrToInt(value);
                                    }
                                }
                                for (const HundredthsKey& key : HundredthsKeys) {
                                    if (name == key.Name) {
                                        this->*key.Field =
                                            static_cast<double>(Extended(StrToInt(value)) / 100);
                                    }
                                }
                            });
}

void TRating::FixSettings() {
    IndexWordGroups();
    tagIds_.Clear();
    tagPlaces_.clear();
    tagHundredths_.clear();
    shortTags_.Clear();
    for (std::size_t i = 0; i < Tags.size(); ++i) {
        tagHundredths_.push_back(Extended(Tags[i].Rating) / 100);
        // The first of a name counts.
        if (IsShortName(Tags[i].Name)) {
            shortTags_.Add(Tags[i].Name, static_cast<std::uint32_t>(i));
        } else {
            tagIds_.Add(Tags[i].Name, TWordIds::HashOf(Tags[i].Name));
            tagPlaces_.resize(tagIds_.Count(), i);
        }
    }
    settingsFixed_ = true;
}

bool TRating::RateFile(const std::string& pagePath, std::int32_t indexDepthLimit) {
    TFileBuffer page;
    OpenFileBuffer(page, pagePath);
    RatePage(page, indexDepthLimit);
    return true;
}

void TRating::RatePage(TFileBuffer& page, std::int32_t indexDepthLimit) {
    RatePage(page, indexDepthLimit, MetaKeywordsOf(page));
}

void TRating::RatePage(TFileBuffer& page, std::int32_t indexDepthLimit,
                       const std::string& metaKeywords) {
    Words.clear();
    wordIndex_.Clear();
    placeOf_.clear();
    wordIndexCurrent_ = true;
    CloseTagsFrom(0);
    Suppressed = false;
    if (!settingsFixed_) {
        IndexWordGroups();
    }
    page.Position = 0;
    page.PendingSpace = false;
    page.Utf8 = Utf8;
    FileSize = page.Size;
    ScanTokens(page, indexDepthLimit);
    AddMetaKeywords(metaKeywords);

    ScoreWords();
    groupIndexReady_ = settingsFixed_;
    const std::size_t kept =
        std::min(Words.size(), static_cast<std::size_t>(std::max(KeysCount, 0)));
    const std::size_t candidates =
        SiteWeight > 0 ? std::min(Words.size(), kept * SiteCandidatesPerKeyword) : kept;
    SortWords(kept);
    // The further candidates: the best of the rest, in a fixed order for ties
    // (the words differ). Chosen by their places, so that no entry moves.
    const auto better = [this](std::uint32_t a, std::uint32_t b) {
        const TWordRating& x = Words[a];
        const TWordRating& y = Words[b];
        return x.Score != y.Score ? x.Score > y.Score : x.Word < y.Word;
    };
    restOrder_.resize(Words.size() - kept);
    std::iota(restOrder_.begin(), restOrder_.end(), static_cast<std::uint32_t>(kept));
    const auto last = restOrder_.begin() + static_cast<std::ptrdiff_t>(candidates - kept);
    std::nth_element(restOrder_.begin(), last, restOrder_.end(), better);
    std::sort(restOrder_.begin(), last, better);
    MoreWords.clear();
    for (auto place = restOrder_.begin(); place != last; ++place) {
        MoreWords.push_back(std::move(Words[*place].Word));
    }
    Words.resize(kept);
    wordIndexCurrent_ = false;
}

void TRating::IndexWordGroups() {
    groupIndex_.Clear();
    groupFacts_.clear();
    for (std::size_t g = 0; g < WordGroups.size(); ++g) {
        const TWordGroup& group = WordGroups[g];
        std::size_t start = 1;
        std::size_t space;
        while ((space = group.Text.find(' ', start)) != std::string::npos) {
            if (space > start) {
                const std::string_view word(group.Text.data() + start, space - start);
                const std::uint32_t id = groupIndex_.Add(word, TWordIds::HashOf(word));
                groupFacts_.resize(groupIndex_.Count());
                GroupFacts& facts = groupFacts_[id];
                facts.Stop = facts.Stop || group.Rating < StopWordsMinimalRating;
                facts.Existing = static_cast<double>(group.Rating * 0.01L);
            }
            start = space + 1;
        }
    }
    groupIndexReady_ = true;
}

void TRating::ScanTokens(TFileBuffer& page, std::int32_t indexDepthLimit) {
    std::string_view text;
    TTokenKind kind = tkEnd;
    std::int32_t p = 0;
    auto take = [&] {
        kind = NextToken(page, text);
        p += static_cast<std::int32_t>(text.size());
        return kind;
    };
    // Tag names: the code page's lower case, or in UTF-8 the ASCII letters'.
    const std::array<unsigned char, 256>& tagLower = Utf8 ? Utf8TagLower : AnsiTagLower;
    const auto lowerTagName = [&tagLower](const char* from, std::size_t size, char* to) {
        for (std::size_t i = 0; i < size; ++i) {
            to[i] = static_cast<char>(tagLower[static_cast<unsigned char>(from[i])]);
        }
        return std::string_view(to, size);
    };
    std::string lowered;
    auto lowerText = [&] {
        lowered.resize(text.size());
        return lowerTagName(text.data(), text.size(), lowered.data());
    };
    auto takeUntil = [&](TTokenKind stop, TTokenKind alsoStop) {
        kind = SkipTokens(page, stop, alsoStop, p);
    };
    // The rest of a tag of that name.
    auto openTag = [&](std::string_view name) {
        PushTag(name);
        takeUntil(tkTagClose, tkEmptyTagClose);
        if (kind == tkEmptyTagClose) {
            CloseTagsFrom(TagStack.size() - 1);
        } else if (kind == tkTagClose && IsRawTextElement(NameOf(TagStack.back()))) {
            // A script or style is raw text up to its own end tag: what looks
            // like tags inside is no tag, and nothing is a word.
            const std::string element(NameOf(TagStack.back()));
            while (take() != tkEnd) {
                if (kind == tkEndTagOpen && take() == tkWord && lowerText() == element) {
                    PopTag(element);
                    takeUntil(tkTagClose, tkTagClose);
                    break;
                }
            }
        }
    };
    auto closeTag = [&](std::string_view name) {
        PopTag(name);
        takeUntil(tkTagClose, tkTagClose);
    };
    // Most tokens are single bytes and plain words: a run of them is taken
    // where it stands, its position kept at hand; false when none was there.
    const auto* const data = reinterpret_cast<const unsigned char*>(page.Data.data());
    const unsigned char* const last = data + page.Size;
    const token_tables::Tables& tables = token_tables::TablesOf(page);
    auto takePlainRun = [&] {
        if (page.PendingSpace || page.Position < 0 ||
            static_cast<std::uint32_t>(page.Position) >= page.Size) {
            return false;
        }
        const unsigned char* const start = data + page.Position;
        const unsigned char* at = start;
        while (at < last) {
            const TPlainToken plain = PlainTokenAt(at, last, tables);
            if (plain.Kind == tkEnd) {
                break;
            }
            std::string_view word(reinterpret_cast<const char*>(at), plain.Size);
            at += plain.Size;
            p += static_cast<std::int32_t>(plain.TextSize);
            kind = plain.Kind;
            if (kind == tkNumber && !IsDigit(static_cast<unsigned char>(word.back()))) {
                word.remove_suffix(1);
            }
            if ((kind == tkWord || kind == tkNumber) && IsCandidate(word)) {
                AddWord(word, p);
            }
            if (p > indexDepthLimit) {
                break;
            }
        }
        page.Position = static_cast<std::int32_t>(at - data);
        return at != start;
    };
    do {
        if (takePlainRun()) {
            continue;
        }
        // Tags with plain names are taken where they stand too.
        TPlainToken plainName;
        if (const std::int32_t opening = PlainTagOpening(page, plainName)) {
            // Short names are lower-cased on the stack, without a string.
            const char* const raw = page.Data.data() + page.Position + opening;
            char shortName[32];
            const std::string_view name = plainName.Size <= sizeof shortName
                                              ? lowerTagName(raw, plainName.Size, shortName)
                                              : (text = {raw, plainName.Size}, lowerText());
            page.Position += opening + static_cast<std::int32_t>(plainName.Size);
            p += opening + static_cast<std::int32_t>(plainName.Size);
            kind = tkWord;
            if (opening == 1) {
                openTag(name);
            } else {
                closeTag(name);
            }
            continue;
        }
        switch (take()) {
        case tkNumber:
            if (!IsDigit(static_cast<unsigned char>(text.back()))) {
                text.remove_suffix(1);
            }
            [[fallthrough]];
        case tkWord:
            if (IsCandidate(text)) {
                AddWord(text, p);
            }
            break;
        case tkTagOpen:
            if (take() == tkWord) {
                openTag(lowerText());
            }
            break;
        case tkEndTagOpen:
            if (take() == tkWord) {
                closeTag(lowerText());
            }
            break;
        case tkCommentOpen:
            // Comment text is never rated; svxnoindex ... svxindex hides a whole
            // part of the page.
            if (take() == tkWord && text == "svxnoindex") {
                while (take() != tkEnd) {
                    if (kind == tkCommentOpen && (take() == tkEnd || text == "svxindex")) {
                        break;
                    }
                }
            }
            if (kind != tkCommentClose && kind != tkEnd) {
                takeUntil(tkCommentClose, tkCommentClose);
            }
            break;
        case tkDeclOpen:
        case tkPIOpen:
            takeUntil(tkTagClose, tkTagClose);
            break;
        default:
            break;
        }
    } while (p <= indexDepthLimit && kind != tkEnd);
}

const char* const MetaKeywordsKey = "\"keywords\"";

std::string MetaKeywordsOf(TFileBuffer& page) {
    std::int32_t position = 0;
    return FindText(page, MetaKeywordsKey, position) ? ReadQuoted(page, '"') : "";
}

void TRating::AddMetaKeywords(const std::string& value) {
    if (value.empty()) {
        return;
    }
    const std::string pieces = value + ',';
    std::size_t start = 0;
    std::size_t comma;
    while ((comma = pieces.find(',', start)) != std::string::npos) {
        const std::string piece = TrimBlanks(pieces.substr(start, comma - start));
        if (IsCandidate(piece)) {
            AddKeyword(piece);
        }
        start = comma + 1;
    }
}

const TTagRating* TRating::FindTag(std::string_view name) const {
    if (settingsFixed_) {
        if (IsShortName(name)) {
            const std::uint32_t place = shortTags_.Find(name);
            return place == TShortNames::None ? nullptr : &Tags[place];
        }
        const std::uint32_t id = tagIds_.Find(name, TWordIds::HashOf(name));
        return id == TWordIds::None ? nullptr : &Tags[tagPlaces_[id]];
    }
    const auto found = std::find_if(Tags.begin(), Tags.end(), [&name](const TTagRating& rating) {
        return rating.Name == name;
    });
    return found == Tags.end() ? nullptr : &*found;
}

void TRating::PushTag(std::string_view name) {
    const Extended outer = TagStack.empty() ? 0 : TagStack.back().RatingSum;
    TagStack.emplace_back();
    TOpenTag& tag = TagStack.back();
    tag.NameStart = static_cast<std::uint32_t>(openTagNames_.size());
    tag.NameSize = static_cast<std::uint32_t>(name.size());
    tag.RatingSum = outer;
    if (name.size() <= TShortNames::MaxSize) {
        CopyShortName(name, tag.ShortName);
    } else {
        openTagNames_.append(name);
    }
    if (const TTagRating* found = FindTag(name)) {
        tag.Rating = found->Rating;
        if (tag.Rating < TagsMinimalRating) {
            tag.Suppress = true;
            Suppressed = true;
        }
        // A rating of 0 adds nothing; the others' hundredths are worked out
        // once while the settings are fixed.
        if (tag.Rating != 0) {
            tag.RatingSum +=
                settingsFixed_ ? tagHundredths_[found - Tags.data()] : Extended(tag.Rating) / 100;
        }
    }
}

void TRating::PopTag(std::string_view name) {
    for (std::size_t k = TagStack.size(); k-- > 0;) {
        if (SameWord(NameOf(TagStack[k]), name)) {
            if (TagStack[k].Suppress) {
                Suppressed = false;
            }
            CloseTagsFrom(k);
            return;
        }
    }
    CloseTagsFrom(0);
}

void TRating::CloseTagsFrom(std::size_t k) {
    if (k < TagStack.size()) {
        // Most names are short: the long ones' string is then as it was.
        if (TagStack[k].NameStart < openTagNames_.size()) {
            openTagNames_.resize(TagStack[k].NameStart);
        }
        TagStack.erase(TagStack.begin() + static_cast<std::ptrdiff_t>(k), TagStack.end());
    }
}

TRating::WordGroupsSay TRating::WhatGroupsSay(std::string_view lowerWord, std::size_t hash) const {
    if (GroupIndexTells(lowerWord)) {
        const GroupFacts* facts = FactsOf(lowerWord, hash);
        return facts != nullptr ? WordGroupsSay{facts->Stop, facts->Existing}
                                : WordGroupsSay{false, 0};
    }
    const std::string padded = ' ' + std::string(lowerWord) + ' ';
    const bool stop =
        std::any_of(WordGroups.begin(), WordGroups.end(), [&](const TWordGroup& group) {
            return group.Rating < StopWordsMinimalRating &&
                   group.Text.find(padded) != std::string::npos;
        });
    return {stop, std::numeric_limits<double>::quiet_NaN()};
}

bool TRating::IsStopWord(std::string_view lowerWord, std::size_t hash) const {
    return WhatGroupsSay(lowerWord, hash).Stop;
}

TWordRating* TRating::FindWord(const std::string& lowerWord) {
    EnsureWordIndex();
    const std::uint32_t id = wordIndex_.Find(lowerWord, TWordIds::HashOf(lowerWord));
    return id == TWordIds::None || placeOf_[id] == StopWordMark ? nullptr : &Words[placeOf_[id]];
}

void TRating::AppendWord(const std::string& lowerWord, std::int32_t position, double rating) {
    EnsureWordIndex();
    const std::uint32_t id = wordIndex_.Add(lowerWord, TWordIds::HashOf(lowerWord));
    placeOf_.resize(wordIndex_.Count(), StopWordMark);
    placeOf_[id] = static_cast<std::uint32_t>(Words.size());
    Words.push_back({lowerWord, 1, position, rating, 0});
}

void TRating::EnsureWordIndex() {
    if (wordIndexCurrent_) {
        return;
    }
    wordIndex_.Clear();
    placeOf_.clear();
    for (std::size_t i = 0; i < Words.size(); ++i) {
        wordIndex_.Add(Words[i].Word, TWordIds::HashOf(Words[i].Word));
        placeOf_.push_back(static_cast<std::uint32_t>(i));
    }
    wordIndexCurrent_ = true;
}

void TRating::AddWord(std::string_view word, std::int32_t position) {
    if (Suppressed) {
        return;
    }
    if (Utf8 && HasNonAscii(word)) {
        for (const std::string_view piece : unicodeWords_.Split(word)) {
            if (piece.size() <= MaxKeywordLength) {
                AddLowerWord(UnicodeKeyword(piece), CaseValueOf(piece), position);
            }
        }
        return;
    }
    if (word.size() > MaxKeywordLength) {
        return;
    }
    // Lowered and its letter case counted in one pass, one look into a table
    // a byte.
    char lower[MaxKeywordLength];
    std::size_t digits = 0;
    TLetterCase letterCase{word.size(), 0};
    for (std::size_t i = 0; i < word.size(); ++i) {
        const ByteCase& byte = ByteCases[static_cast<unsigned char>(word[i])];
        lower[i] = static_cast<char>(byte.Lower);
        digits += byte.Digit;
        letterCase.Unchanged += byte.Unchanged;
    }
    AddLowerWord(std::string_view(lower, word.size()),
                 CaseValue(IsDigit(static_cast<unsigned char>(word[0])), digits, letterCase),
                 position);
}

void TRating::AddLowerWord(std::string_view lowerWord, double caseValue, std::int32_t position) {
    // A word met before on the page is known: counted, or a stop word, which
    // it stays while the word groups cannot change.
    EnsureWordIndex();
    const std::size_t hash = TWordIds::HashOf(lowerWord);
    std::uint32_t id =
        groupIndexReady_ ? wordIndex_.Add(lowerWord, hash) : wordIndex_.Find(lowerWord, hash);
    if (id < placeOf_.size()) {
        if (placeOf_[id] != StopWordMark) {
            TWordRating& entry = Words[placeOf_[id]];
            ++entry.Count;
            entry.Rating = std::max(entry.Rating, RateAt(caseValue, position));
        }
        return;
    }
    // What the groups say of a new word is told once, for ScoreWords too.
    const WordGroupsSay groups = WhatGroupsSay(lowerWord, hash);
    if (groups.Stop) {
        if (groupIndexReady_) {
            placeOf_.push_back(StopWordMark);
        }
        return;
    }
    if (id == TWordIds::None) {
        wordIndex_.Add(lowerWord, hash);
    }
    placeOf_.push_back(static_cast<std::uint32_t>(Words.size()));
    Words.push_back(
        {std::string(lowerWord), 1, position, RateAt(caseValue, position), 0, groups.Existing});
}

void TRating::AddKeyword(const std::string& keyword) {
    if (keyword.size() > MaxKeywordLength) {
        return;
    }
    const std::string lower = Utf8 ? UnicodeKeyword(keyword) : AnsiLowerCase(keyword);
    // Invisible characters alone make no keyword.
    if (lower.empty() || IsStopWord(lower, TWordIds::HashOf(lower))) {
        return;
    }
    const auto rating = [this, &keyword] {
        return static_cast<double>(Extended(RateWord(keyword, 0)) * KeywordRating);
    };
    if (TWordRating* entry = FindWord(lower)) {
        ++entry->Count;
        if (KeywordRating > entry->Rating) {
            entry->Rating = rating();
        }
    } else {
        AppendWord(lower, 0, rating());
    }
}

double TRating::RateWord(std::string_view word, std::int32_t position) const {
    return RateAt(CaseValueOf(word), position);
}

inline double TRating::CaseValue(bool digitFirst, std::size_t digits,
                                 TLetterCase letterCase) const {
    return digitFirst                                      ? DigitRating
           : digits > 0                                    ? CodeRating
           : letterCase.Unchanged == letterCase.Characters ? XXXRating
           : letterCase.Unchanged == 0                     ? zzzRating
                                                           : YyyRating;
}

double TRating::CaseValueOf(std::string_view word) const {
    std::size_t digits = 0;
    TLetterCase letterCase{word.size(), 0};
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        digits += IsDigit(byte);
        letterCase.Unchanged += AnsiUpper(byte) == byte;
    }
    if (Utf8 && HasNonAscii(word)) {
        letterCase = UnicodeLetterCase(word);
    }
    return CaseValue(IsDigit(static_cast<unsigned char>(word[0])), digits, letterCase);
}

inline double TRating::RateAt(double caseValue, std::int32_t position) const {
    // An empty page has no positions to spread: the factor stays 1.
    const Extended fall =
        FileSize == 0 ? 0 : (Extended(BeginOfFile) - EndOfFile) * position / FileSize;
    Extended rating = (1 - fall) * WordPositionWeight;
    rating += Extended(WordCaseWeight) * caseValue;
    const Extended tags = TagStack.empty() ? 0 : TagStack.back().RatingSum;
    rating += TagWeight * tags;
    return static_cast<double>(rating);
}

double TRating::ExistingRating(const std::string& lowerWord) const {
    if (GroupIndexTells(lowerWord)) {
        const GroupFacts* facts = FactsOf(lowerWord, TWordIds::HashOf(lowerWord));
        return facts != nullptr ? facts->Existing : 0;
    }
    const std::string padded = ' ' + lowerWord + ' ';
    double existing = 0;
    for (const TWordGroup& group : WordGroups) {
        if (group.Text.find(padded) != std::string::npos) {
            existing = static_cast<double>(group.Rating * 0.01L);
        }
    }
    return existing;
}

void TRating::ScoreWords() {
    for (TWordRating& entry : Words) {
        const double existing =
            std::isnan(entry.Existing) ? ExistingRating(entry.Word) : entry.Existing;
        entry.Score = static_cast<double>(Extended(entry.Count) * CountWeight + entry.Rating +
                                          Extended(existing) * ExistingWeight);
    }
}

void TRating::SortWords(std::size_t positions) {
    positions = std::min(positions, Words.size());
    // A tournament over the places not yet settled: each node holds the place
    // of the best entry below it, the earlier place on a tie, so the root is
    // the entry the selection sort's scan would pick. After each pick only the
    // two places it swapped are played again.
    constexpr std::uint32_t Settled = UINT32_MAX;
    std::size_t leaves = 1;
    while (leaves < Words.size()) {
        leaves *= 2;
    }
    sortTree_.assign(2 * leaves, Settled);
    const auto winner = [this](std::uint32_t earlier, std::uint32_t later) {
        return earlier == Settled || (later != Settled && Words[later].Score > Words[earlier].Score)
                   ? later
                   : earlier;
    };
    const auto replay = [&](std::size_t node) {
        for (node /= 2; node > 0; node /= 2) {
            sortTree_[node] = winner(sortTree_[2 * node], sortTree_[2 * node + 1]);
        }
    };
    for (std::size_t i = 0; i < Words.size(); ++i) {
        sortTree_[leaves + i] = static_cast<std::uint32_t>(i);
    }
    for (std::size_t node = leaves - 1; node > 0; --node) {
        sortTree_[node] = winner(sortTree_[2 * node], sortTree_[2 * node + 1]);
    }
    for (std::size_t i = 0; i < positions; ++i) {
        const std::size_t best = sortTree_[1];
        std::swap(Words[i], Words[best]);
        sortTree_[leaves + i] = Settled;
        replay(leaves + i);
        replay(leaves + best);
    }
    wordIndexCurrent_ = false;
}
