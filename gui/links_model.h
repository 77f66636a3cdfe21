// The main list's rows, read from the lists in memory as the view draws them,
// so that a base of any size is shown at once.
#pragma once

#include <QAbstractTableModel>

class ShownLinks;

class LinksModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows the categories, or the links that shown holds in its order.
    void Reset(bool categories, ShownLinks& shown);
    bool Categories() const { return categories_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    // The position in the base of the link in a row of the links view.
    std::int32_t LinkOfRow(int row) const;

    bool categories_ = false;
    ShownLinks* shown_ = nullptr;
};
