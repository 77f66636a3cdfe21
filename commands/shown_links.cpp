#include "commands/shown_links.h"

#include "app/application.h"
#include "commands/links_view.h"
#include "platform/search_fold.h"

#include <algorithm>
#include <numeric>

namespace {

// The link's fields, folded, one line each so that a match never spans two.
std::string FoldedFields(const TBaseRecord& link) {
    std::string text = link.Caption + '\n' + link.URL + '\n' + link.Description;
    for (const std::string& keyword : link.Keywords) {
        text += '\n' + keyword;
    }
    return FoldedForSearch(text);
}

} // namespace

void ShownLinks::SetFilter(const std::string& text) {
    filter_ = FoldedForSearch(text);
    rowsRevision_ = 0;
}

void ShownLinks::SetSort(int column, bool descending) {
    column_ = column;
    descending_ = descending;
    rowsRevision_ = 0;
    sortedRevision_ = 0;
}

const std::vector<std::int32_t>& ShownLinks::Rows() {
    if (rowsRevision_ != Base->Revision()) {
        Update();
    }
    return rows_;
}

std::int32_t ShownLinks::RowOf(std::int32_t position) {
    Rows();
    return position >= 0 && position < static_cast<std::int32_t>(rowOf_.size())
               ? rowOf_[static_cast<std::size_t>(position)]
               : -1;
}

std::vector<std::int32_t> ShownLinks::SortedPositions(int column, bool descending) {
    std::vector<std::int32_t> positions(static_cast<std::size_t>(Base->Count()));
    std::iota(positions.begin(), positions.end(), 0);
    if (column == 1) {
        std::stable_sort(positions.begin(), positions.end(), [](std::int32_t a, std::int32_t b) {
            return Base->LinkAt(a).Category < Base->LinkAt(b).Category;
        });
    } else if (column > 1) {
        std::vector<std::string> keys;
        keys.reserve(positions.size());
        for (const std::int32_t position : positions) {
            keys.push_back(FoldedForSearch(LinkCell(position, column)));
        }
        std::stable_sort(
            positions.begin(), positions.end(), [&keys](std::int32_t a, std::int32_t b) {
                return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
            });
    }
    if (descending) {
        std::reverse(positions.begin(), positions.end());
    }
    return positions;
}

void ShownLinks::Update() {
    const std::uint64_t revision = Base->Revision();
    if (sortedRevision_ != revision) {
        sorted_ = SortedPositions(column_, descending_);
        sortedRevision_ = revision;
    }
    rows_ = sorted_;
    if (!filter_.empty()) {
        if (textsRevision_ != revision) {
            texts_.clear();
            texts_.reserve(static_cast<std::size_t>(Base->Count()));
            for (std::int32_t i = 0; i < Base->Count(); ++i) {
                texts_.push_back(FoldedFields(Base->LinkAt(i)));
            }
            textsRevision_ = revision;
        }
        rows_.erase(std::remove_if(rows_.begin(), rows_.end(),
                                   [this](std::int32_t position) {
                                       return texts_[static_cast<std::size_t>(position)].find(
                                                  filter_) == std::string::npos;
                                   }),
                    rows_.end());
    }
    rowOf_.assign(static_cast<std::size_t>(Base->Count()), -1);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        rowOf_[static_cast<std::size_t>(rows_[row])] = static_cast<std::int32_t>(row);
    }
    rowsRevision_ = revision;
}
