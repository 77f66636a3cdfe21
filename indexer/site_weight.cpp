#include "indexer/site_weight.h"

#include "platform/integer_text.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <numeric>

TSiteWeight::TSiteWeight(TRatingCache& ratings) {
    try {
        const TRating& settings = ratings.Rating();
        weight_ = settings.SiteWeight;
        keysCount_ = static_cast<std::size_t>(std::max(settings.KeysCount, 0));
    } catch (const ConversionError&) {
        // No site weight: the rating of each file tells of the setting.
    }
}

void TSiteWeight::Keep(std::int32_t link, std::vector<std::string>& keywords) {
    if (weight_ <= 0) {
        return;
    }
    std::vector<std::uint32_t> candidates;
    candidates.reserve(keywords.size());
    for (const std::string& word : keywords) {
        candidates.push_back(ids_.Add(word, TWordIds::HashOf(word)));
    }
    pages_.emplace_back(link, std::move(candidates));
    if (keywords.size() > keysCount_) {
        keywords.resize(keysCount_);
    }
}

void TSiteWeight::Apply(TBase& base) const {
    if (pages_.empty()) {
        return;
    }
    const auto links = static_cast<std::size_t>(base.Count());
    std::vector<bool> kept(links);
    std::vector<std::uint32_t> linksHolding(ids_.Count());
    for (const auto& [link, candidates] : pages_) {
        kept[static_cast<std::size_t>(link)] = true;
        for (const std::uint32_t id : candidates) {
            ++linksHolding[id];
        }
    }
    for (std::size_t i = 0; i < links; ++i) {
        if (kept[i]) {
            continue;
        }
        for (const std::string& word : base.LinkAt(static_cast<std::int32_t>(i)).Keywords) {
            const std::uint32_t id = ids_.Find(word, TWordIds::HashOf(word));
            if (id != TWordIds::None) {
                ++linksHolding[id];
            }
        }
    }
    // The rarity of each word raised to the weight. It depends on the count of
    // links holding the word alone, and most words share a few small counts:
    // worked out once for each count.
    std::vector<double> byCount;
    std::vector<double> weighted(ids_.Count());
    for (std::size_t id = 0; id < weighted.size(); ++id) {
        const std::uint32_t holding = std::max<std::uint32_t>(linksHolding[id], 1);
        if (holding >= byCount.size()) {
            byCount.resize(holding + 1, -1);
        }
        if (byCount[holding] < 0) {
            const double rarity = std::log(static_cast<double>(links) / holding);
            byCount[holding] = std::pow(std::max(rarity, 0.0), weight_);
        }
        weighted[id] = byCount[holding];
    }
    // Each page chooses on its own: a few hundred pages at a time are shared
    // out between this thread and one more, which note the numbers of their
    // choices; this thread gives them to base in order. The words are copied
    // here, so that they come from this thread's memory, where the keywords
    // they replace go back.
    constexpr std::size_t PagesAtATime = 512;
    std::vector<std::uint32_t> chosen(PagesAtATime * keysCount_);
    std::vector<std::size_t> chosenCount(PagesAtATime);
    const auto choose = [&](std::size_t first, std::size_t end) {
        std::vector<double> scores;
        std::vector<std::size_t> order;
        for (std::size_t page = first; page < end; ++page) {
            const std::vector<std::uint32_t>& candidates = pages_[page].second;
            scores.clear();
            for (std::size_t r = 0; r < candidates.size(); ++r) {
                scores.push_back(static_cast<double>(candidates.size() - r) *
                                 weighted[candidates[r]]);
            }
            order.resize(candidates.size());
            std::iota(order.begin(), order.end(), 0);
            // The best first; of equal scores, the one the page placed first.
            const std::size_t count = std::min(order.size(), keysCount_);
            const auto best = order.begin() + static_cast<std::ptrdiff_t>(count);
            const auto better = [&](std::size_t a, std::size_t b) {
                return scores[a] != scores[b] ? scores[a] > scores[b] : a < b;
            };
            std::nth_element(order.begin(), best, order.end(), better);
            std::sort(order.begin(), best, better);
            const std::size_t slot = page % PagesAtATime;
            chosenCount[slot] = count;
            for (std::size_t k = 0; k < count; ++k) {
                chosen[slot * keysCount_ + k] = candidates[order[k]];
            }
        }
    };
    for (std::size_t first = 0; first < pages_.size(); first += PagesAtATime) {
        const std::size_t end = std::min(pages_.size(), first + PagesAtATime);
        const std::size_t half = first + (end - first) / 2;
        std::future<void> other = std::async(std::launch::async, choose, half, end);
        choose(first, half);
        other.get();
        for (std::size_t page = first; page < end; ++page) {
            const std::size_t slot = page % PagesAtATime;
            std::vector<std::string> keywords;
            keywords.reserve(chosenCount[slot]);
            for (std::size_t k = 0; k < chosenCount[slot]; ++k) {
                keywords.push_back(ids_.Word(chosen[slot * keysCount_ + k]));
            }
            base.SetKeywords(pages_[page].first, std::move(keywords));
        }
    }
}
