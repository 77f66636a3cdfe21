// Keyword rating: chooses the keywords of one page from the words of its text,
// weighted by where they stand, their letter case and the elements around
// them, with the weights of tags.xml, words.xml and set.xml.
#pragma once

#include "indexer/short_names.h"
#include "indexer/unicode_words.h"
#include "indexer/word_ids.h"
#include "readers/file_buffer.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// Longer words are no keywords: nobody searches for them, and a page of one
// endless word would make an endless keyword.
constexpr std::size_t MaxKeywordLength = 64;

// With a site weight, the words kept for each keyword a page keeps.
constexpr std::size_t SiteCandidatesPerKeyword = 8;

struct TTagRating {
    std::string Name;
    std::int32_t Rating = 0;
};

struct TWordGroup {
    std::string Text = " "; // " word word word "
    std::int32_t Rating = 0;
};

struct TOpenTag {
    // A name of up to eight bytes stands in ShortName, padded with zeros, and
    // a longer one from NameStart on in the names of the open elements.
    std::uint32_t NameStart = 0;
    std::uint32_t NameSize = 0;
    char ShortName[TShortNames::MaxSize] = {};
    std::int32_t Rating = 0;
    bool Suppress = false; // this element switched word collection off
    // The ratings of this element and those around it, in hundredths, summed
    // from the outermost in.
    long double RatingSum = 0;
};

struct TWordRating {
    std::string Word;
    std::int32_t Count = 0;
    std::int32_t Position = 0;
    double Rating = 0;
    double Score = 0;
    // The rating of the last word group holding the word, when it was told
    // as the word was first met; NaN when it is still to be looked up.
    double Existing = std::numeric_limits<double>::quiet_NaN();
};

// The key of the keywords meta element's value: "keywords" with its quotes.
extern const char* const MetaKeywordsKey;
// The quoted value after the first MetaKeywordsKey (in any case) of the page,
// or "".
std::string MetaKeywordsOf(TFileBuffer& page);

class TRating {
  public:
    // The pages and the word groups are UTF-8, as a UTF-8 engine's links are
    // (else the code page): words are Unicode's, lower-cased by its rules.
    // Set before the settings are loaded.
    bool Utf8 = false;
    std::vector<TTagRating> Tags;
    std::vector<TWordGroup> WordGroups;
    std::vector<TOpenTag> TagStack;
    bool Suppressed = false;
    std::uint32_t FileSize = 0;

    std::int32_t TagsMinimalRating = 0;
    std::int32_t StopWordsMinimalRating = 0;
    std::int32_t KeysCount = 0;
    // The most bytes of a page's opening text that fill its empty
    // description; 0 leaves it empty.
    std::int32_t TextDescriptionLength = 0;
    double BeginOfFile = 0;
    double EndOfFile = 0;
    double DigitRating = 0;
    double XXXRating = 0;
    double YyyRating = 0;
    double zzzRating = 0;
    double CodeRating = 0;
    double KeywordRating = 0;
    double ExistingWeight = 0;
    double TagWeight = 0;
    double WordPositionWeight = 0;
    double WordCaseWeight = 0;
    double CountWeight = 0;
    // How much a scan's end weighs the rarity of a page's words across the
    // engine's links; 0 leaves the page's own rating alone.
    double SiteWeight = 0;

    std::vector<TWordRating> Words;
    // With a site weight, the next best words after Words, best first: the
    // candidates the scan's end may choose from.
    std::vector<std::string> MoreWords;

    // Reads the three files in this order; a missing file or root stops the
    // reading there (false). Raises ConversionError for a value that is not a
    // whole number.
    bool LoadSettings(const std::string& tagsPath, const std::string& wordsPath,
                      const std::string& setPath);

    // Rates the page, reading at most indexDepthLimit characters of token text;
    // Words then holds at most KeysCount keywords, best first, and MoreWords
    // up to SiteCandidatesPerKeyword - 1 times as many with a site weight.
    bool RateFile(const std::string& pagePath, std::int32_t indexDepthLimit);
    // The same for a page already read, from its start.
    void RatePage(TFileBuffer& page, std::int32_t indexDepthLimit);
    // The same with the value of the page's first "keywords" attribute, as
    // MetaKeywordsOf reads it, already known.
    void RatePage(TFileBuffer& page, std::int32_t indexDepthLimit, const std::string& metaKeywords);

    // Promises that the settings stay as they are until they are loaded again,
    // so that what the word groups say of each word is worked out once for
    // every page rated, not once per page.
    void FixSettings();

    void PushTag(std::string_view name);
    void PopTag(std::string_view name);
    std::string_view NameOf(const TOpenTag& tag) const {
        return tag.NameSize <= TShortNames::MaxSize
                   ? std::string_view(tag.ShortName, tag.NameSize)
                   : std::string_view(openTagNames_).substr(tag.NameStart, tag.NameSize);
    }
    void AddWord(std::string_view word, std::int32_t position);
    void AddKeyword(const std::string& keyword);
    double RateWord(std::string_view word, std::int32_t position) const;
    void ScoreWords();
    // The order of a selection sort, highest score first, ties keeping the
    // earlier entry in front at each step (the rest as its swaps leave it).
    // Only the first `positions` places are settled.
    void SortWords(std::size_t positions);

  private:
    bool LoadTags(const std::string& path);
    bool LoadWordGroups(const std::string& path);
    bool LoadRatingKeys(const std::string& path);
    // hash is TWordIds::HashOf(lowerWord).
    bool IsStopWord(std::string_view lowerWord, std::size_t hash) const;
    // Whether the word is a stop word and, when the index of the groups tells
    // it at once, the rating of the last group holding it (else NaN).
    struct WordGroupsSay {
        bool Stop;
        double Existing;
    };
    WordGroupsSay WhatGroupsSay(std::string_view lowerWord, std::size_t hash) const;
    double ExistingRating(const std::string& lowerWord) const;
    void IndexWordGroups();
    TWordRating* FindWord(const std::string& lowerWord);
    void AppendWord(const std::string& lowerWord, std::int32_t position, double rating);
    // Rebuilds wordIndex_ when Words was sorted or cut since it was built.
    void EnsureWordIndex();
    // The first entry of Tags with the name, or none.
    const TTagRating* FindTag(std::string_view name) const;
    void ScanTokens(TFileBuffer& page, std::int32_t indexDepthLimit);
    // Closes the open elements from the k-th on.
    void CloseTagsFrom(std::size_t k);
    void AddMetaKeywords(const std::string& value);
    // AddWord for one word's keyword form and the value of its letter case.
    void AddLowerWord(std::string_view lowerWord, double caseValue, std::int32_t position);
    // The value of a word's letter case: a digit first, digits in it, or its
    // letters all capitals, all small or mixed.
    double CaseValue(bool digitFirst, std::size_t digits, TLetterCase letterCase) const;
    double CaseValueOf(std::string_view word) const;
    // RateWord for a word of that case value.
    double RateAt(double caseValue, std::int32_t position) const;

    // The long names of the open elements of TagStack, one after another: an
    // element opens and closes without a string of its own.
    std::string openTagNames_;
    // The words of the page met so far and, by their numbers, their places in
    // Words, or StopWordMark for stop words.
    TWordIds wordIndex_;
    std::vector<std::uint32_t> placeOf_;
    bool wordIndexCurrent_ = true;
    static constexpr std::uint32_t StopWordMark = UINT32_MAX;

    // What the word groups say of each of their words, built while a page is
    // rated (the groups cannot change then): a word without spaces stands in a
    // group exactly when it is one of the group's words.
    struct GroupFacts {
        bool Stop = false;
        double Existing = 0; // the rating of the last group holding the word
    };
    // Whether the index of the groups tells of the word: it is ready, and the
    // word has no space.
    bool GroupIndexTells(std::string_view lowerWord) const {
        return groupIndexReady_ && lowerWord.find(' ') == std::string_view::npos;
    }
    // The facts of a word the index tells of, or none when no group holds it.
    const GroupFacts* FactsOf(std::string_view lowerWord, std::size_t hash) const {
        const std::uint32_t id = groupIndex_.Find(lowerWord, hash);
        return id == TWordIds::None ? nullptr : &groupFacts_[id];
    }
    TWordIds groupIndex_;
    std::vector<GroupFacts> groupFacts_; // by the word's number in groupIndex_
    bool groupIndexReady_ = false;
    bool settingsFixed_ = false;
    // Kept while the settings are fixed: the tags' names and, by their
    // numbers, the place in Tags of the first tag of each name.
    TWordIds tagIds_;
    std::vector<std::size_t> tagPlaces_;
    std::vector<long double> tagHundredths_; // by the place in Tags
    TShortNames shortTags_;                  // the places of the short names
    TUnicodeWords unicodeWords_;
    // SortWords' tournament and the order of the further candidates, kept
    // between pages for their storage.
    std::vector<std::uint32_t> sortTree_;
    std::vector<std::uint32_t> restOrder_;
};
