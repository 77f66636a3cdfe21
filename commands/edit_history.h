// The undo and redo steps of the commands that change the lists. Each step
// keeps the whole lists as they were on the other side of its command, so
// that any command, a scan included, undoes the same way.
#pragma once

#include "app/base.h"

#include <cstdint>
#include <deque>
#include <string>

class EditHistory {
  public:
    // Keeps Cat and Base as they are, before the command named caption changes
    // them; the steps that were undone go.
    void Record(const std::string& caption);
    // The caption of the command that Undo or Redo would take back or do
    // again; empty when there is none.
    std::string UndoCaption() const;
    std::string RedoCaption() const;
    // Puts Cat and Base back as they were before the last command, or after
    // the last one undone; nothing when there is none.
    void Undo();
    void Redo();
    // Forgets every step, as when another engine is opened.
    void Clear();

    // The lists as they are now are the saved ones.
    void MarkSaved();
    bool AtSavedPoint() const { return position_ == savedPosition_; }

  private:
    struct Step {
        std::string Caption;
        TCat Categories;
        TBase Links;
    };
    static void TakeNewest(std::deque<Step>& from, std::deque<Step>& to);
    void Trim();

    std::deque<Step> undo_;
    std::deque<Step> redo_;
    // Counts commands done minus commands undone; the saved lists' count, or
    // -1 once no undo or redo can bring them back.
    std::int64_t position_ = 0;
    std::int64_t savedPosition_ = 0;
};
