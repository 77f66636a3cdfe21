#include "gui/links_model.h"

#include "app/application.h"
#include "commands/links_view.h"
#include "commands/shown_links.h"
#include "gui/qt_text.h"
#include "gui/row_colours.h"

#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QPalette>
#include <QToolTip>

namespace {

// A cell shows at most this many characters: enough for any real caption or
// keyword list, and a megabyte-long one does not slow every repaint.
constexpr std::size_t MaxShownLength = 2048;

const std::vector<ViewColumn>& Columns(bool categories) {
    return categories ? CategoryColumns() : LinkColumns();
}

} // namespace

void LinksModel::Reset(bool categories, ShownLinks& shown) {
    beginResetModel();
    categories_ = categories;
    shown_ = &shown;
    endResetModel();
}

int LinksModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !shown_) {
        return 0;
    }
    return categories_ ? Cat->Count() : static_cast<int>(shown_->Rows().size());
}

std::int32_t LinksModel::LinkOfRow(int row) const {
    return shown_->Rows()[static_cast<std::size_t>(row)];
}

int LinksModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(Columns(categories_).size());
}

QVariant LinksModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return QVariant();
    }
    const std::int32_t row = categories_ ? index.row() : LinkOfRow(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        const std::string cell =
            categories_ ? CategoryCell(row, index.column()) : LinkCell(row, index.column());
        return ToQt(cell.size() > MaxShownLength ? cell.substr(0, MaxShownLength) : cell);
    }
    case Qt::ForegroundRole:
    case Qt::BackgroundRole: {
        const RowColour colour = ColourOfCategory(RowCategory(categories_, row));
        if (role == Qt::ForegroundRole && colour.Use == RowColour::Text) {
            return QBrush(ReadableRowColour(colour, QApplication::palette()));
        }
        // The tooltip's own text colour on its background, so that the rows stay
        // readable under a dark palette too.
        if (colour.Use == RowColour::TooltipBackground) {
            return QToolTip::palette().brush(role == Qt::BackgroundRole ? QPalette::ToolTipBase
                                                                        : QPalette::ToolTipText);
        }
        return QVariant();
    }
    case Qt::FontRole:
        if (categories_ && row == 0) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant LinksModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const auto& columns = Columns(categories_);
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(columns.size())) {
        return QVariant();
    }
    return QString::fromLatin1(columns[static_cast<std::size_t>(section)].Title);
}
