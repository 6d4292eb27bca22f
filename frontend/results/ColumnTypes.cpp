#include "ColumnTypes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Table.h"
#include "expression.h"
#include "numtext.h"
#include "units.h"

namespace tarne {
namespace {

[[noreturn]] void WrongType() { throw EGridError("Data of wrong type"); }

// The value of an entry; any failure becomes the message the table window
// shows for it.
long double Evaluate(const std::string& text) {
    try {
        return EvaluateExpression(text);
    } catch (const EAssignError&) {
    } catch (const EMathError&) {
    }
    if (text.empty()) throw EAssignError("Entry cannot be blank.");
    throw EAssignError(text + " is not a valid number.");
}

template <class T>
void InsertCopies(std::vector<T>& values, int row, int count, const T& value) {
    values.insert(values.begin() + row, static_cast<std::size_t>(count), value);
}

template <class T>
void Erase(std::vector<T>& values, int row, int count) {
    values.erase(values.begin() + row, values.begin() + row + count);
}

}  // namespace

// ---- TColumn ----

TColumn::TColumn(std::vector<std::string> captionLines) : CaptionLines(std::move(captionLines)) {}

TColumn::~TColumn() = default;

int TColumn::Index() const {
    for (int i = 0; i < Table_->ColumnCount(); ++i)
        if (&Table_->Column(i) == this) return i;
    return -1;
}

std::string TColumn::ShownCaptionLine(std::size_t line) const {
    std::string text = line < CaptionLines.size() ? CaptionLines[line] : std::string();
    if (Kind() == TColumnKind::Float && line + 1 == CaptionLines.size()) {
        const auto& units = static_cast<const TFloatColumn&>(*this).UnitsString;
        if (!units.empty()) text += " (" + UnitLabel(units, Table_->Units(), UnitLabelRule::GridTable) + ")";
    }
    return text;
}

long double TColumn::AsFloat(int) const { WrongType(); }
void TColumn::SetFloat(int, long double) { WrongType(); }
int TColumn::AsInteger(int) const { WrongType(); }
void TColumn::SetInteger(int, int) { WrongType(); }
TGridTable* TColumn::AsTable(int) const { WrongType(); }

void TColumn::Stored(int row) { Table_->ValueStored(*this, row); }

void TColumn::CheckRow(int row) const {
    if (row < 0 || row >= Table_->RowCount()) throw EGridError("Index out of bounds");
}

// ---- TEnumColumn ----

TEnumColumn::TEnumColumn(std::vector<std::string> captionLines, std::vector<std::string> items)
    : TColumn(std::move(captionLines)), Items(std::move(items)) {}

int TEnumColumn::AsInteger(int row) const {
    CheckRow(row);
    return Values_[static_cast<std::size_t>(row)];
}

void TEnumColumn::SetInteger(int row, int value) {
    CheckRow(row);
    int& cell = Values_[static_cast<std::size_t>(row)];
    if (cell == value) return;
    cell = value;
    Stored(row);
}

std::string TEnumColumn::Text(int row) const { return std::to_string(AsInteger(row)); }

void TEnumColumn::SetText(int row, const std::string& text) {
    const long double value = Evaluate(text);
    if (value != std::trunc(value) || value < -2147483648.0L || value > 2147483647.0L)
        throw EAssignError("Value must be an integer.");
    SetInteger(row, static_cast<int>(value));
}

std::unique_ptr<TColumn> TEnumColumn::CloneEmpty() const {
    auto c = std::make_unique<TEnumColumn>(CaptionLines, Items);
    c->Visible = Visible;
    return c;
}

void TEnumColumn::Resize(int rows) { Values_.resize(static_cast<std::size_t>(rows), 1); }
void TEnumColumn::InsertRows(int row, int count) { InsertCopies(Values_, row, count, 1); }
void TEnumColumn::EraseRows(int row, int count) { Erase(Values_, row, count); }

// ---- TIntColumn ----

TIntColumn::TIntColumn(std::vector<std::string> captionLines, int defaultValue, int minimum, int maximum)
    : TColumn(std::move(captionLines)), Default(defaultValue), Minimum(minimum), Maximum(maximum) {}

int TIntColumn::AsInteger(int row) const {
    CheckRow(row);
    return Values_[static_cast<std::size_t>(row)];
}

void TIntColumn::SetInteger(int row, int value) {
    CheckRow(row);
    Values_[static_cast<std::size_t>(row)] = value;
    Stored(row);
}

std::string TIntColumn::Text(int row) const { return std::to_string(AsInteger(row)); }

void TIntColumn::SetText(int row, const std::string& text) {
    long double value = Evaluate(text);
    if (Table().WindowOpen()) {
        if (std::fabs(value - std::trunc(value)) > 1.0E-10L) throw EAssignError("Entry must be an integer.");
        if (value < Minimum || value > Maximum) {
            char message[80];
            std::snprintf(message, sizeof message, "Entry must be between %d and %d.", Minimum, Maximum);
            throw EAssignError(message);
        }
    }
    // Without a window the bounds are not checked; a value beyond 32 bits is
    // held at the nearest end of the range rather than overflowing.
    value = std::round(value);
    if (std::isnan(value)) value = 0.0L;
    value = std::clamp(value, -2147483648.0L, 2147483647.0L);
    SetInteger(row, static_cast<int>(value));
}

std::unique_ptr<TColumn> TIntColumn::CloneEmpty() const {
    auto c = std::make_unique<TIntColumn>(CaptionLines, Default, Minimum, Maximum);
    c->Visible = Visible;
    return c;
}

void TIntColumn::Resize(int rows) { Values_.resize(static_cast<std::size_t>(rows), Default); }
void TIntColumn::InsertRows(int row, int count) { InsertCopies(Values_, row, count, Default); }
void TIntColumn::EraseRows(int row, int count) { Erase(Values_, row, count); }

// ---- TFloatColumn ----

TFloatColumn::TFloatColumn(std::vector<std::string> captionLines, std::string unitsString, long double defaultValue)
    : TColumn(std::move(captionLines)), Default(defaultValue), UnitsString(std::move(unitsString)) {}

long double TFloatColumn::AsFloat(int row) const {
    CheckRow(row);
    return Values_[static_cast<std::size_t>(row)];
}

void TFloatColumn::SetFloat(int row, long double value) {
    CheckRow(row);
    Values_[static_cast<std::size_t>(row)] = value;
    Stored(row);
}

std::string TFloatColumn::Text(int row) const { return FormatGeneral(AsFloat(row), 8); }

void TFloatColumn::SetText(int row, const std::string& text) { SetFloat(row, Evaluate(text)); }

std::unique_ptr<TColumn> TFloatColumn::CloneEmpty() const {
    auto c = std::make_unique<TFloatColumn>(CaptionLines, UnitsString, Default);
    c->Visible = Visible;
    return c;
}

void TFloatColumn::Resize(int rows) { Values_.resize(static_cast<std::size_t>(rows), Default); }
void TFloatColumn::InsertRows(int row, int count) { InsertCopies(Values_, row, count, Default); }
void TFloatColumn::EraseRows(int row, int count) { Erase(Values_, row, count); }

void TFloatColumn::ConvertUnits(int fromSystem, int toSystem) {
    const long double factor = UnitFactor(UnitsString, fromSystem, toSystem);
    for (auto& v : Values_) v *= factor;
}

// ---- TTableColumn ----

TTableColumn::TTableColumn(std::vector<std::string> captionLines, std::vector<int> templateIdentifiers)
    : TColumn(std::move(captionLines)), TemplateIdentifiers(std::move(templateIdentifiers)) {}

TTableColumn::~TTableColumn() = default;

TGridTable* TTableColumn::AsTable(int row) const {
    CheckRow(row);
    return Values_[static_cast<std::size_t>(row)].get();
}

std::unique_ptr<TColumn> TTableColumn::CloneEmpty() const {
    auto c = std::make_unique<TTableColumn>(CaptionLines, TemplateIdentifiers);
    c->Visible = Visible;
    return c;
}

std::unique_ptr<TGridTable> TTableColumn::NewSubTable(int row) const {
    std::size_t item = 0;
    const TColumn& first = Table().Column(0);
    if (first.Kind() == TColumnKind::Enum) {
        const int value = first.AsInteger(row);
        if (value < 1) return nullptr;
        item = static_cast<std::size_t>(value - 1);
    }
    if (item >= TemplateIdentifiers.size()) return nullptr;
    const TGridTable* source = TGridTable::Find(TemplateIdentifiers[item]);
    // A template that is this table or one of its owners would make tables
    // without end.
    for (const TGridTable* t = &Table(); t && source; t = t->Owner())
        if (t == source) source = nullptr;
    if (!source) return nullptr;
    return source->CopyFromTemplate(&Table(), row + 1);
}

void TTableColumn::RenewSubTable(int row) {
    CheckRow(row);
    Values_[static_cast<std::size_t>(row)] = NewSubTable(row);
}

void TTableColumn::Renumber(int fromRow) {
    for (std::size_t i = static_cast<std::size_t>(fromRow); i < Values_.size(); ++i)
        if (Values_[i]) Values_[i]->SubNumber_ = static_cast<int>(i) + 1;
}

void TTableColumn::Resize(int rows) {
    const auto n = static_cast<std::size_t>(rows);
    if (n < Values_.size()) Values_.resize(n);
    while (Values_.size() < n) Values_.push_back(NewSubTable(static_cast<int>(Values_.size())));
}

void TTableColumn::InsertRows(int row, int count) {
    for (int k = 0; k < count; ++k) Values_.insert(Values_.begin() + row + k, NewSubTable(row + k));
    Renumber(row);
}

void TTableColumn::EraseRows(int row, int count) {
    Erase(Values_, row, count);
    Renumber(row);
}

void TTableColumn::ConvertUnits(int, int toSystem) {
    for (auto& t : Values_)
        if (t) t->SetUnits(toSystem);
}

// ---- TStringColumn ----

TStringColumn::TStringColumn(std::vector<std::string> captionLines, std::string defaultText, double minWidthInches)
    : TColumn(std::move(captionLines)), Default(std::move(defaultText)), MinWidth(minWidthInches) {}

std::string TStringColumn::Text(int row) const {
    CheckRow(row);
    return Values_[static_cast<std::size_t>(row)];
}

void TStringColumn::SetText(int row, const std::string& text) {
    CheckRow(row);
    Values_[static_cast<std::size_t>(row)] = text;
    Stored(row);
}

std::unique_ptr<TColumn> TStringColumn::CloneEmpty() const {
    auto c = std::make_unique<TStringColumn>(CaptionLines, Default, MinWidth);
    c->Visible = Visible;
    return c;
}

void TStringColumn::Resize(int rows) { Values_.resize(static_cast<std::size_t>(rows), Default); }
void TStringColumn::InsertRows(int row, int count) { InsertCopies(Values_, row, count, Default); }
void TStringColumn::EraseRows(int row, int count) { Erase(Values_, row, count); }

}  // namespace tarne
