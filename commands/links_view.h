// What the main list shows in each view: columns, cells and row colours.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ViewColumn {
    const char* Title;
    int Width; // pixels; 0: the list's width minus 35
};

const std::vector<ViewColumn>& CategoryColumns();
const std::vector<ViewColumn>& LinkColumns();

std::int32_t RowCount(bool categories);
std::string CategoryCell(std::int32_t row, int column);
std::string LinkCell(std::int32_t row, int column);

// A row's colours follow its category number: 0 has the tooltip background,
// 1 to 7 a text colour of their own, the others the defaults.
struct RowColour {
    enum Kind { Default, TooltipBackground, Text } Use = Default;
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
};
RowColour ColourOfCategory(std::int32_t category);
// The category number that colours a row of the view.
std::int32_t RowCategory(bool categories, std::int32_t row);
