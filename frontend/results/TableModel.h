// TGridTableModel: a grid table (Table.h) seen as a Qt item model, for the
// table window's grid. One row per table row, one column per visible table
// column; the horizontal headers are the caption lines, the vertical headers
// the row labels.
//
// Display texts are the cells' texts, the item name of an enumeration and
// "n: caption" for a sub-table. Edits go through the cell's SetText and so
// take expressions; a refused entry leaves the table unchanged and its
// message in LastError().
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include "Table.h"

namespace tarne {

class TGridTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Attaches to `table` as its window's link until destroyed.
    explicit TGridTableModel(TGridTable& table, QObject* parent = nullptr);
    ~TGridTableModel() override;

    // Lets go of the table (the window closes); the model is empty from now on.
    void Detach();

    // The table, or none once it was freed or let go.
    TGridTable* Table() const { return Table_; }
    // The table column shown in model column `column`.
    TColumn* ColumnAt(int column) const;
    // Heading rows: the most caption lines among the visible columns.
    int HeadingRows() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The row commands of the table window; each marks the table modified.
    void AddRows();
    void InsertRows(int row);
    void DeleteRows(int row);

    // The message of the last refused edit; empty after a successful one.
    QString LastError() const { return LastError_; }

signals:
    // The table was freed; the model is empty from now on.
    void TableDestroyed();

private:
    void RowsChanged();
    void CellChanged(int column, int row);
    template <class Change>
    void RowChange(Change change);

    TGridTable* Table_;
    bool Changing_ = false;
    QString LastError_;
};

}  // namespace tarne
