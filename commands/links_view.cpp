#include "commands/links_view.h"

#include "app/application.h"

const std::vector<ViewColumn>& CategoryColumns() {
    static const std::vector<ViewColumn> columns{{"ID", 30}, {"Category Name", 0}};
    return columns;
}

const std::vector<ViewColumn>& LinkColumns() {
    static const std::vector<ViewColumn> columns{
        {"#", 50},        {"Category", 100},    {"Link URL", 150},
        {"Caption", 150}, {"Description", 200}, {"Keywords", 800}};
    return columns;
}

std::int32_t RowCount(bool categories) {
    return categories ? Cat->Count() : Base->Count();
}

std::string CategoryCell(std::int32_t row, int column) {
    return column == 0 ? std::to_string(row) : Cat->GetName(row);
}

std::string LinkCell(std::int32_t row, int column) {
    const TBaseRecord& link = Base->LinkAt(row);
    switch (column) {
    case 0:
        return std::to_string(static_cast<std::int64_t>(row) + 1);
    case 1:
        return Cat->GetName(link.Category) + " (" + std::to_string(link.Category) + ")";
    case 2:
        return link.URL;
    case 3:
        return link.Caption;
    case 4:
        return link.Description;
    default: {
        std::string keywords;
        for (std::size_t i = 0; i < link.Keywords.size(); ++i) {
            keywords += (i > 0 ? ", " : "") + link.Keywords[i];
        }
        return keywords;
    }
    }
}

RowColour ColourOfCategory(std::int32_t category) {
    static const RowColour text[] = {
        {RowColour::Text, 255, 0, 0},   {RowColour::Text, 0, 128, 0},
        {RowColour::Text, 128, 0, 0},   {RowColour::Text, 0, 0, 255},
        {RowColour::Text, 128, 0, 128}, {RowColour::Text, 128, 128, 128},
        {RowColour::Text, 0, 128, 128},
    };
    if (category == 0) {
        return {RowColour::TooltipBackground};
    }
    // Categories from 8 on take the colours again, in the same order.
    return category >= 1 ? text[(category - 1) % 7] : RowColour{};
}

std::int32_t RowCategory(bool categories, std::int32_t row) {
    return categories ? row : Base->LinkAt(row).Category;
}
