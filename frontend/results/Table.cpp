#include "Table.h"

#include <algorithm>
#include <unordered_map>

namespace tarne {
namespace {

// Every table by its identifier, for unique identifiers and template
// lookup. One registry per thread: the desktop program keeps all its tables
// on one thread, and each worker of a batch run of `tarne run` has projects
// of its own, whose tables must not meet another worker's.
std::unordered_map<int, TGridTable*>& Registry() {
    thread_local std::unordered_map<int, TGridTable*> tables;
    return tables;
}

int NextIdentifier() {
    thread_local int counter = 0;
    return counter++;
}

}  // namespace

TGridTable::TGridTable(TGridTable* owner)
    : Units_(owner ? owner->Units_ : 1), Owner_(owner) {
    // Numbers taken by SetIdentifier are passed over.
    do Identifier_ = NextIdentifier();
    while (Registry().contains(Identifier_));
    Registry()[Identifier_] = this;
}

TGridTable::~TGridTable() {
    if (Hooks_.Destroyed) Hooks_.Destroyed();
    Registry().erase(Identifier_);
}

void TGridTable::SetIdentifier(int identifier) {
    if (identifier == Identifier_) return;
    auto& tables = Registry();
    if (TGridTable* other = Find(identifier)) {
        other->Identifier_ = Identifier_;
        tables[Identifier_] = other;
    } else {
        tables.erase(Identifier_);
    }
    Identifier_ = identifier;
    tables[identifier] = this;
}

TGridTable* TGridTable::Find(int identifier) {
    const auto& tables = Registry();
    const auto it = tables.find(identifier);
    return it == tables.end() ? nullptr : it->second;
}

void TGridTable::SetMinRows(int rows) {
    if (rows <= 0) throw EGridError("Value must be greater than 0");
    MinRows_ = rows;
}

TColumn& TGridTable::AddColumn(std::unique_ptr<TColumn> column) {
    column->Table_ = this;
    column->Resize(RowCount_);
    Columns_.push_back(std::move(column));
    return *Columns_.back();
}

TColumn& TGridTable::Column(int index) const {
    if (index < 0 || index >= ColumnCount()) throw EGridError("Index out of bounds");
    return *Columns_[static_cast<std::size_t>(index)];
}

TData TGridTable::Cell(int column, int row) const {
    CheckRow(row);
    return TData(Column(column), row);
}

void TGridTable::CheckRow(int row) const {
    if (row < 0 || row >= RowCount_) throw EGridError("Index out of bounds");
}

void TGridTable::SetRowCount(int rows) {
    rows = std::max(rows, 0);
    if (rows == RowCount_) return;
    // Columns in order: a table column reads the first column of the rows it
    // appends, so that column must have them already.
    const int old = RowCount_;
    RowCount_ = rows;
    for (auto& c : Columns_) {
        if (rows < old)
            c->EraseRows(rows, old - rows);
        else
            c->Resize(rows);
    }
    NotifyRowsChanged();
}

void TGridTable::AddRows() {
    const int at = RowCount_;
    RowCount_ += RowGroup_;
    for (auto& c : Columns_) c->InsertRows(at, RowGroup_);
    NotifyRowsChanged();
}

void TGridTable::InsertRows(int row) {
    CheckRow(row);
    const int at = row / RowGroup_ * RowGroup_;
    RowCount_ += RowGroup_;
    for (auto& c : Columns_) c->InsertRows(at, RowGroup_);
    NotifyRowsChanged();
}

void TGridTable::DeleteRows(int row) {
    CheckRow(row);
    const int at = row / RowGroup_ * RowGroup_;
    const int count = std::min(RowGroup_, RowCount_ - at);
    RowCount_ -= count;
    for (auto& c : Columns_) c->EraseRows(at, count);
    NotifyRowsChanged();
}

void TGridTable::SetUnits(int system) {
    if (system == Units_) return;
    for (auto& c : Columns_) c->ConvertUnits(Units_, system);
    Units_ = system;
    NotifyRowsChanged();
}

bool TGridTable::Modified() const {
    if (OwnModified_) return true;
    for (const auto& c : Columns_) {
        if (c->Kind() != TColumnKind::Table) continue;
        for (int r = 0; r < RowCount_; ++r)
            if (const TGridTable* sub = c->AsTable(r); sub && sub->Modified()) return true;
    }
    return false;
}

void TGridTable::SetModified(bool modified) {
    OwnModified_ = modified;
    if (modified) return;
    for (const auto& c : Columns_) {
        if (c->Kind() != TColumnKind::Table) continue;
        for (int r = 0; r < RowCount_; ++r)
            if (TGridTable* sub = c->AsTable(r)) sub->SetModified(false);
    }
}

void TGridTable::AttachWindow(WindowHooks hooks) {
    Hooks_ = std::move(hooks);
    WindowOpen_ = true;
}

void TGridTable::DetachWindow() {
    Hooks_ = {};
    WindowOpen_ = false;
}

void TGridTable::ValueStored(const TColumn& column, int row) {
    // A new value in a first column that is an enumeration picks another
    // template: the first table column gives the row a fresh sub-table.
    if (column.Index() == 0 && column.Kind() == TColumnKind::Enum) {
        for (auto& c : Columns_) {
            if (c->Kind() == TColumnKind::Table) {
                static_cast<TTableColumn&>(*c).RenewSubTable(row);
                break;
            }
        }
    }
    if (Hooks_.CellChanged) Hooks_.CellChanged(column.Index(), row);
}

void TGridTable::NotifyRowsChanged() const {
    if (Hooks_.RowsChanged) Hooks_.RowsChanged();
}

std::unique_ptr<TGridTable> TGridTable::CopyFromTemplate(TGridTable* owner, int subNumber) const {
    auto table = std::make_unique<TGridTable>(owner);
    table->Caption = Caption;
    table->Comments = Comments;
    table->TopLeft = TopLeft;
    table->HelpPicture = HelpPicture;
    table->MinRows_ = MinRows_;
    table->MaxRows = MaxRows;
    for (const auto& c : Columns_) table->AddColumn(c->CloneEmpty());
    table->SubNumber_ = subNumber;
    table->SetRowCount(MinRows_);
    return table;
}

}  // namespace tarne
