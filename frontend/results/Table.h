// TGridTable: a table of typed columns (ColumnTypes.h) that holds the
// project's tabular data: the soil layers with one property table per
// layer, the t-z print depths and the cross-section areas.
//
// The table is a plain model: it has no widget. The table window
// (TableForm.h) shows and edits it and installs hooks to hear about its
// changes. Every table is registered process-wide with a unique Identifier,
// by which table columns find the templates of their sub-tables.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ColumnTypes.h"

namespace tarne {

class TGridTable {
public:
    // A table owned by another table (a sub-table) takes the owner's unit
    // system; any other starts in English units.
    explicit TGridTable(TGridTable* owner = nullptr);
    ~TGridTable();
    TGridTable(const TGridTable&) = delete;
    TGridTable& operator=(const TGridTable&) = delete;

    // A process-wide unique key. A new table takes the next number of a
    // counter starting at 0; taking a number another table holds gives that
    // table this table's former number.
    int Identifier() const { return Identifier_; }
    void SetIdentifier(int identifier);
    // The table with this identifier, or none.
    static TGridTable* Find(int identifier);

    std::string Caption;   // title of the table window and of sub-table buttons
    std::string Comments;  // shown under the grid
    std::string TopLeft;   // the grid's top-left cell
    std::string HelpPicture;  // file of a picture shown under the grid; empty for none

    // Fewest rows, at least 1: a smaller value throws EGridError
    // "Value must be greater than 0".
    int MinRows() const { return MinRows_; }
    void SetMinRows(int rows);
    // Most rows; 0 means no limit.
    int MaxRows = 0;
    // Rows are added, inserted, deleted and numbered this many at a time
    // (at least 1).
    int RowGroup() const { return RowGroup_; }
    void SetRowGroup(int rows) { RowGroup_ = rows < 1 ? 1 : rows; }

    // Columns, owned, in order; visible or not.
    TColumn& AddColumn(std::unique_ptr<TColumn> column);
    template <class Column, class... Args>
    Column& Add(Args&&... args) {
        return static_cast<Column&>(AddColumn(std::make_unique<Column>(std::forward<Args>(args)...)));
    }
    int ColumnCount() const { return static_cast<int>(Columns_.size()); }
    TColumn& Column(int index) const;
    TData Cell(int column, int row) const;

    int RowCount() const { return RowCount_; }
    // Every column drops rows from the end or appends rows with its
    // defaults; a negative count counts as 0.
    void SetRowCount(int rows);
    // Appends RowGroup rows.
    void AddRows();
    // Inserts RowGroup rows before the group that holds `row`.
    void InsertRows(int row);
    // Deletes the group that holds `row`.
    void DeleteRows(int row);
    // Label of row `row` (0-based) in the table window: its group number.
    int RowLabel(int row) const { return row / RowGroup_ + 1; }

    // 1 English, 2 S.I., 3 dimension letters. Switching converts every real
    // column by its unit token and passes the system on to every sub-table.
    int Units() const { return Units_; }
    void SetUnits(int system);

    // True when the table itself or any of its sub-tables was modified.
    // Setting true marks only this table; clearing clears all sub-tables too.
    bool Modified() const;
    void SetModified(bool modified);

    TGridTable* Owner() const { return Owner_; }
    // 0 for a top-level table, the row number + 1 for a sub-table.
    int SubNumber() const { return SubNumber_; }

    // The table window's link: while a window is open it hears of changed
    // rows (after AddRows, InsertRows, DeleteRows, SetRowCount and SetUnits)
    // and changed cells, and integer entries are checked against their
    // column's bounds.
    struct WindowHooks {
        std::function<void()> RowsChanged;
        std::function<void(int column, int row)> CellChanged;
        std::function<void()> Destroyed;
    };
    void AttachWindow(WindowHooks hooks);
    void DetachWindow();
    bool WindowOpen() const { return WindowOpen_; }

    // A sub-table made from this table as its template: owned by `owner`
    // (whose unit system it takes), with this table's settings and columns
    // but no values, numbered `subNumber`, with MinRows rows at their
    // defaults.
    std::unique_ptr<TGridTable> CopyFromTemplate(TGridTable* owner, int subNumber) const;

private:
    friend class TColumn;
    friend class TTableColumn;
    void ValueStored(const TColumn& column, int row);
    void NotifyRowsChanged() const;
    void CheckRow(int row) const;

    int Identifier_;
    int MinRows_ = 1;
    int RowGroup_ = 1;
    int RowCount_ = 0;
    int Units_ = 1;
    bool OwnModified_ = false;
    TGridTable* Owner_;
    int SubNumber_ = 0;
    std::vector<std::unique_ptr<TColumn>> Columns_;
    WindowHooks Hooks_;
    bool WindowOpen_ = false;
};

}  // namespace tarne
