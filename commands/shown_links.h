// The links the main list shows, as positions in the base: those whose
// caption, URL, description or keywords hold the filter text (case and
// accents folded), in the order of one column of the list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ShownLinks {
  public:
    // The text to find, in the code page; empty shows every link.
    void SetFilter(const std::string& text);
    bool Filtered() const { return !filter_.empty(); }
    // Orders the view by a column of LinkColumns; column 0, the links' numbers,
    // is the base's own order.
    void SetSort(int column, bool descending);
    int SortColumn() const { return column_; }
    bool Descending() const { return descending_; }

    // The shown positions, in the shown order, worked out again when the base
    // changed.
    const std::vector<std::int32_t>& Rows();
    // The row that shows the link at position; -1 when the filter hides it.
    std::int32_t RowOf(std::int32_t position);

    // Every position of the base in the order of column.
    static std::vector<std::int32_t> SortedPositions(int column, bool descending);

  private:
    void Update();

    std::string filter_; // folded
    int column_ = 0;
    bool descending_ = false;
    // The revisions of the base that rows_, sorted_ and texts_ were worked out
    // for; 0 when they are to be worked out again.
    std::uint64_t rowsRevision_ = 0;
    std::uint64_t sortedRevision_ = 0;
    std::uint64_t textsRevision_ = 0;
    // The folded fields of each link, in the base's order, while a filter is set.
    std::vector<std::string> texts_;
    std::vector<std::int32_t> sorted_; // every position, in the shown order
    std::vector<std::int32_t> rows_;
    std::vector<std::int32_t> rowOf_; // the row of each position, -1 when hidden
};
