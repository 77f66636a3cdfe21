#include "app/base.h"

#include "app/list_moves.h"

#include <algorithm>

const char* const DontUpdateKeyword = "dont_update";

bool TBaseRecord::operator==(const TBaseRecord& other) const {
    return Category == other.Category && Caption == other.Caption && URL == other.URL &&
           Description == other.Description && Keywords == other.Keywords;
}

void TCat::Clear() {
    names_.clear();
    Current = 0;
}

void TCat::Add(const std::string& name) {
    names_.push_back(name);
    Current = Count() - 1;
}

std::string TCat::GetName(std::int32_t position) const {
    return list_moves::Inside(names_, position) ? names_[position] : std::string();
}

void TCat::SetName(std::int32_t position, const std::string& name) {
    if (list_moves::Inside(names_, position)) {
        names_[position] = name;
    }
}

void TCat::Remove(std::int32_t position) {
    list_moves::Remove(names_, Current, position);
}
void TCat::ToBegin(std::int32_t position) {
    list_moves::ToBegin(names_, Current, position);
}
void TCat::ToEnd(std::int32_t position) {
    list_moves::ToEnd(names_, Current, position);
}
void TCat::StepUp(std::int32_t position) {
    list_moves::StepUp(names_, Current, position);
}
void TCat::StepDown(std::int32_t position) {
    list_moves::StepDown(names_, Current, position);
}

void TBase::Touch() {
    static std::uint64_t lastRevision = 0;
    revision_ = ++lastRevision;
}

void TBase::Clear() {
    Touch();
    links_.clear();
    Current = 0;
}

void TBase::Add(const TBaseRecord& link) {
    Touch();
    links_.push_back(link);
    Current = Count() - 1;
}

TBaseRecord TBase::GetLink(std::int32_t position) const {
    return list_moves::Inside(links_, position) ? links_[position] : TBaseRecord();
}

void TBase::SetLink(std::int32_t position, const TBaseRecord& link) {
    Touch();
    if (list_moves::Inside(links_, position)) {
        links_[position] = link;
    }
}

void TBase::SetKeywords(std::int32_t position, std::vector<std::string> keywords) {
    Touch();
    if (list_moves::Inside(links_, position)) {
        links_[position].Keywords = std::move(keywords);
    }
}

void TBase::Remove(std::int32_t position) {
    Touch();
    list_moves::Remove(links_, Current, position);
}
void TBase::ToBegin(std::int32_t position) {
    Touch();
    list_moves::ToBegin(links_, Current, position);
}
void TBase::ToEnd(std::int32_t position) {
    Touch();
    list_moves::ToEnd(links_, Current, position);
}
void TBase::StepUp(std::int32_t position) {
    Touch();
    list_moves::StepUp(links_, Current, position);
}
void TBase::StepDown(std::int32_t position) {
    Touch();
    list_moves::StepDown(links_, Current, position);
}

std::vector<std::int32_t> TBase::MoveLinks(const std::vector<std::int32_t>& positions,
                                           BlockMove move) {
    Touch();
    std::vector<std::int32_t> moved = list_moves::MoveBlock(links_, positions, move);
    if (!moved.empty()) {
        Current = moved.front();
    }
    return moved;
}

void TBase::RemoveLinks(const std::vector<std::int32_t>& positions) {
    Touch();
    std::vector<bool> removed(links_.size());
    for (std::int32_t p : positions) {
        removed[static_cast<std::size_t>(p)] = true;
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < links_.size(); ++i) {
        if (!removed[i]) {
            if (kept != i) {
                links_[kept] = std::move(links_[i]);
            }
            ++kept;
        }
    }
    links_.resize(kept);
    if (!positions.empty()) {
        Current = std::min(positions.front(), Count() - 1);
    }
}

void TBase::Reorder(const std::vector<std::int32_t>& order) {
    Touch();
    std::vector<TBaseRecord> links;
    links.reserve(order.size());
    for (std::int32_t p : order) {
        links.push_back(std::move(links_[static_cast<std::size_t>(p)]));
    }
    links_ = std::move(links);
}

void TBase::CatMovedToBegin(std::int32_t k) {
    Touch();
    if (k == 0) {
        return;
    }
    for (TBaseRecord& link : links_) {
        if (link.Category == k) {
            link.Category = 0;
        } else if (link.Category < k) {
            ++link.Category;
        }
    }
}

void TBase::CatMovedToEnd(std::int32_t k, std::int32_t categoryCount) {
    Touch();
    if (k == categoryCount - 1) {
        return;
    }
    for (TBaseRecord& link : links_) {
        if (link.Category == k) {
            link.Category = categoryCount - 1;
        } else if (link.Category > k) {
            --link.Category;
        }
    }
}

void TBase::CatMovedUp(std::int32_t k) {
    Touch();
    if (k == 0) {
        return;
    }
    for (TBaseRecord& link : links_) {
        if (link.Category == k) {
            link.Category = k - 1;
        } else if (link.Category == k - 1) {
            link.Category = k;
        }
    }
}

void TBase::CatMovedDown(std::int32_t k, std::int32_t categoryCount) {
    Touch();
    if (k == categoryCount - 1) {
        return;
    }
    for (TBaseRecord& link : links_) {
        if (link.Category == k) {
            link.Category = k + 1;
        } else if (link.Category == k + 1) {
            link.Category = k;
        }
    }
}

bool TBase::IsDontUpdate(std::int32_t position) const {
    if (!list_moves::Inside(links_, position)) {
        return false;
    }
    const auto& keywords = links_[position].Keywords;
    return std::find(keywords.begin(), keywords.end(), DontUpdateKeyword) != keywords.end();
}

void TBase::CategoryDeleted(std::int32_t k) {
    Touch();
    std::int32_t kept = 0;
    std::int32_t lastRemovedAt = -1; // its position at the time of its removal
    for (std::size_t i = 0; i < links_.size(); ++i) {
        TBaseRecord& link = links_[i];
        if (link.Category == k) {
            lastRemovedAt = kept;
            continue;
        }
        if (link.Category > k) {
            --link.Category;
        }
        if (static_cast<std::size_t>(kept) != i) {
            links_[kept] = std::move(link);
        }
        ++kept;
    }
    if (lastRemovedAt < 0) {
        return;
    }
    // The last removal met kept - lastRemovedAt links after and at its position.
    const bool wasLast = lastRemovedAt == kept;
    Current = lastRemovedAt > 0 && wasLast ? lastRemovedAt - 1 : lastRemovedAt;
    links_.resize(static_cast<std::size_t>(kept));
}

void DeleteCategory(TCat& categories, TBase& links, std::int32_t k) {
    categories.Remove(k);
    links.CategoryDeleted(k);
}
