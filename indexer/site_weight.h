// The site-wide weight of a scan or an update: at the run's end, each page
// indexed chooses its keywords among its candidates again, weighing how rare
// each word is across the engine's links, so that words most pages share
// give way to the words that tell the page apart.
#pragma once

#include "app/base.h"
#include "indexer/rating_cache.h"
#include "indexer/word_ids.h"

#include <cstdint>
#include <string>
#include <vector>

class TSiteWeight {
  public:
    // Takes the site weight and KeysCount of the run's settings at its start;
    // with no site weight (or settings that cannot be read) it keeps nothing
    // and changes nothing.
    explicit TSiteWeight(TRatingCache& ratings);

    // Keeps the candidates of the link at the position (keywords, best first)
    // and leaves keywords with the first KeysCount of them.
    void Keep(std::int32_t link, std::vector<std::string>& keywords);

    // Gives every kept link of base its KeysCount best candidates: a
    // candidate's place in its page's order (the last counting 1, the one
    // before it 2, ...) times the logarithm of the links' count over the
    // count of links holding the word, raised to the site weight.
    void Apply(TBase& base) const;

  private:
    double weight_ = 0;
    std::size_t keysCount_ = 0;
    TWordIds ids_; // the words of every page's candidates
    std::vector<std::pair<std::int32_t, std::vector<std::uint32_t>>> pages_;
};
