#include "TableModel.h"

#include <QStringList>
#include <algorithm>

#include "expression.h"

namespace tarne {

TGridTableModel::TGridTableModel(TGridTable& table, QObject* parent) : QAbstractTableModel(parent), Table_(&table) {
    table.AttachWindow({[this] { RowsChanged(); }, [this](int column, int row) { CellChanged(column, row); },
                        [this] {
                            beginResetModel();
                            Table_ = nullptr;
                            endResetModel();
                            emit TableDestroyed();
                        }});
}

TGridTableModel::~TGridTableModel() {
    if (Table_) Table_->DetachWindow();
}

void TGridTableModel::Detach() {
    if (!Table_) return;
    beginResetModel();
    Table_->DetachWindow();
    Table_ = nullptr;
    endResetModel();
}

TColumn* TGridTableModel::ColumnAt(int column) const {
    if (!Table_ || column < 0) return nullptr;
    for (int i = 0; i < Table_->ColumnCount(); ++i) {
        TColumn& c = Table_->Column(i);
        if (c.Visible && column-- == 0) return &c;
    }
    return nullptr;
}

int TGridTableModel::HeadingRows() const {
    std::size_t rows = 0;
    for (int i = 0; Table_ && i < Table_->ColumnCount(); ++i)
        if (Table_->Column(i).Visible) rows = std::max(rows, Table_->Column(i).CaptionLines.size());
    return static_cast<int>(rows);
}

int TGridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !Table_ ? 0 : Table_->RowCount();
}

int TGridTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || !Table_) return 0;
    int n = 0;
    for (int i = 0; i < Table_->ColumnCount(); ++i) n += Table_->Column(i).Visible ? 1 : 0;
    return n;
}

QVariant TGridTableModel::data(const QModelIndex& index, int role) const {
    TColumn* column = index.isValid() ? ColumnAt(index.column()) : nullptr;
    if (!column || index.row() >= Table_->RowCount()) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    const int row = index.row();
    switch (column->Kind()) {
        case TColumnKind::Enum: {
            const int value = column->AsInteger(row);
            if (role == Qt::EditRole) return value;
            const auto& items = static_cast<TEnumColumn*>(column)->Items;
            if (value >= 1 && static_cast<std::size_t>(value) <= items.size())
                return QString::fromStdString(items[static_cast<std::size_t>(value - 1)]);
            return value;
        }
        case TColumnKind::Table: {
            const TGridTable* sub = column->AsTable(row);
            if (!sub || role == Qt::EditRole) return {};
            return QStringLiteral("%1: %2").arg(sub->SubNumber()).arg(QString::fromStdString(sub->Caption));
        }
        default:
            return QString::fromStdString(column->Text(row));
    }
}

bool TGridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TColumn* column = index.isValid() ? ColumnAt(index.column()) : nullptr;
    if (!column || role != Qt::EditRole || column->Kind() == TColumnKind::Table) return false;
    try {
        column->SetText(index.row(), value.toString().toStdString());
    } catch (const EAssignError& e) {
        LastError_ = QString::fromStdString(e.what());
        return false;
    }
    LastError_.clear();
    Table_->SetModified(true);
    return true;
}

Qt::ItemFlags TGridTableModel::flags(const QModelIndex& index) const {
    const TColumn* column = index.isValid() ? ColumnAt(index.column()) : nullptr;
    if (!column) return Qt::NoItemFlags;
    // Sub-table cells are buttons: they open the sub-table's window.
    if (column->Kind() == TColumnKind::Table) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant TGridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || !Table_) return {};
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= Table_->RowCount()) return {};
        return Table_->RowLabel(section);
    }
    const TColumn* column = ColumnAt(section);
    if (!column) return {};
    QStringList lines;
    for (int line = 0; line < HeadingRows(); ++line)
        lines << QString::fromStdString(column->ShownCaptionLine(static_cast<std::size_t>(line)));
    return lines.join(QLatin1Char('\n'));
}

template <class Change>
void TGridTableModel::RowChange(Change change) {
    Changing_ = true;
    try {
        change();
    } catch (...) {
        Changing_ = false;
        throw;
    }
    Changing_ = false;
    Table_->SetModified(true);
}

void TGridTableModel::AddRows() {
    const int at = Table_->RowCount();
    beginInsertRows(QModelIndex(), at, at + Table_->RowGroup() - 1);
    RowChange([&] { Table_->AddRows(); });
    endInsertRows();
}

void TGridTableModel::InsertRows(int row) {
    const int at = row / Table_->RowGroup() * Table_->RowGroup();
    if (row < 0 || row >= Table_->RowCount()) throw EGridError("Grid.Row not in valid range");
    beginInsertRows(QModelIndex(), at, at + Table_->RowGroup() - 1);
    RowChange([&] { Table_->InsertRows(row); });
    endInsertRows();
}

void TGridTableModel::DeleteRows(int row) {
    if (row < 0 || row >= Table_->RowCount()) throw EGridError("Grid.Row not in valid range");
    const int at = row / Table_->RowGroup() * Table_->RowGroup();
    const int count = std::min(Table_->RowGroup(), Table_->RowCount() - at);
    beginRemoveRows(QModelIndex(), at, at + count - 1);
    RowChange([&] { Table_->DeleteRows(row); });
    endRemoveRows();
}

void TGridTableModel::RowsChanged() {
    // Changes made through the row commands are announced by them.
    if (Changing_) return;
    beginResetModel();
    endResetModel();
}

void TGridTableModel::CellChanged(int, int row) {
    // A new soil type also renews the row's sub-table: refresh the whole row.
    if (columnCount() == 0) return;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

}  // namespace tarne
