#include "commands/edit_history.h"

#include "app/application.h"

#include <utility>

namespace {

// The history holds at most this many steps, and the steps together at most
// this many links (the newest step is always kept): a base of 10,000 links
// keeps 50 steps, one of 100,000 five.
constexpr std::size_t MaxSteps = 100;
constexpr std::size_t MaxKeptLinks = 500000;

} // namespace

void EditHistory::Record(const std::string& caption) {
    if (savedPosition_ > position_) {
        savedPosition_ = -1;
    }
    redo_.clear();
    undo_.push_back({caption, *Cat, *Base});
    ++position_;
    Trim();
}

std::string EditHistory::UndoCaption() const {
    return undo_.empty() ? std::string() : undo_.back().Caption;
}

std::string EditHistory::RedoCaption() const {
    return redo_.empty() ? std::string() : redo_.back().Caption;
}

void EditHistory::Undo() {
    if (!undo_.empty()) {
        TakeNewest(undo_, redo_);
        --position_;
    }
}

void EditHistory::Redo() {
    if (!redo_.empty()) {
        TakeNewest(redo_, undo_);
        ++position_;
    }
}

void EditHistory::Clear() {
    undo_.clear();
    redo_.clear();
    position_ = 0;
    savedPosition_ = 0;
}

void EditHistory::MarkSaved() {
    savedPosition_ = position_;
}

// The newest step of from changes lists with those in memory and becomes the
// newest of to.
void EditHistory::TakeNewest(std::deque<Step>& from, std::deque<Step>& to) {
    Step& step = from.back();
    std::swap(step.Categories, *Cat);
    std::swap(step.Links, *Base);
    to.push_back(std::move(step));
    from.pop_back();
}

void EditHistory::Trim() {
    std::size_t links = 0;
    for (const Step& step : undo_) {
        links += static_cast<std::size_t>(step.Links.Count());
    }
    while (undo_.size() > 1 && (undo_.size() > MaxSteps || links > MaxKeptLinks)) {
        links -= static_cast<std::size_t>(undo_.front().Links.Count());
        undo_.pop_front();
    }
}
