// The typed columns of a grid table (Table.h) and the cell handle TData.
//
// A column holds one value per row of its table. Its kind decides what the
// value is: the 1-based number of an item (enumeration), a 32-bit integer,
// an extended real with a unit token, a sub-table, or a text. Reading or
// writing a cell as a kind its column does not hold throws EGridError
// "Data of wrong type"; a text that cannot be stored throws EAssignError
// with the message the table window shows.
#pragma once

#include <climits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarne {

class TGridTable;

// Misuse of a table by the program: a cell read as the wrong kind, a bad
// row or column number, a row count setting below 1.
class EGridError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Column kinds, numbered as in the stored table settings.
enum class TColumnKind { Enum = 0, Integer = 1, Float = 2, Table = 3, String = 4 };

class TColumn {
public:
    explicit TColumn(std::vector<std::string> captionLines);
    virtual ~TColumn();
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    virtual TColumnKind Kind() const = 0;

    // One text per heading row of the table window.
    std::vector<std::string> CaptionLines;
    // An invisible column stays in the table but is not shown in its window.
    bool Visible = true;

    TGridTable& Table() const { return *Table_; }
    int Index() const;  // position among the table's columns

    // The caption line `line` as the table window shows it: real columns with
    // a unit token add " (unit label)" to their last line, in the table's
    // unit system.
    std::string ShownCaptionLine(std::size_t line) const;
    // The narrowest the column is shown, in inches.
    virtual double MinWidthInches() const = 0;

    // Cell access by row (0-based); the defaults throw "Data of wrong type".
    virtual long double AsFloat(int row) const;
    virtual void SetFloat(int row, long double value);
    virtual int AsInteger(int row) const;
    virtual void SetInteger(int row, int value);
    virtual TGridTable* AsTable(int row) const;
    virtual std::string Text(int row) const = 0;
    virtual void SetText(int row, const std::string& text) = 0;

    // A column of the same kind and settings, without values and without a
    // table, for a sub-table made from a template.
    virtual std::unique_ptr<TColumn> CloneEmpty() const = 0;

protected:
    friend class TGridTable;
    // Row bookkeeping, called by the table for every column in order.
    virtual void Resize(int rows) = 0;
    virtual void InsertRows(int row, int count) = 0;
    virtual void EraseRows(int row, int count) = 0;
    virtual void ConvertUnits(int fromSystem, int toSystem) = 0;

    // Tells the table that a value was stored.
    void Stored(int row);
    void CheckRow(int row) const;

    TGridTable* Table_ = nullptr;
};

// Kind 0: the 1-based number of one of `Items`; new rows get 1.
class TEnumColumn : public TColumn {
public:
    TEnumColumn(std::vector<std::string> captionLines, std::vector<std::string> items);
    TColumnKind Kind() const override { return TColumnKind::Enum; }
    double MinWidthInches() const override { return 1.5; }

    std::vector<std::string> Items;

    int AsInteger(int row) const override;
    // Storing the value the row already has does nothing (no notification).
    void SetInteger(int row, int value) override;
    std::string Text(int row) const override;
    void SetText(int row, const std::string& text) override;
    std::unique_ptr<TColumn> CloneEmpty() const override;

protected:
    void Resize(int rows) override;
    void InsertRows(int row, int count) override;
    void EraseRows(int row, int count) override;
    void ConvertUnits(int, int) override {}

private:
    std::vector<int> Values_;
};

// Kind 1: a 32-bit integer within [Minimum, Maximum] (checked only while the
// table's window is open); new rows get `Default`.
class TIntColumn : public TColumn {
public:
    TIntColumn(std::vector<std::string> captionLines, int defaultValue = 0, int minimum = INT_MIN,
               int maximum = INT_MAX);
    TColumnKind Kind() const override { return TColumnKind::Integer; }
    double MinWidthInches() const override { return 0.5; }

    int Default;
    int Minimum;
    int Maximum;

    int AsInteger(int row) const override;
    void SetInteger(int row, int value) override;
    std::string Text(int row) const override;
    void SetText(int row, const std::string& text) override;
    std::unique_ptr<TColumn> CloneEmpty() const override;

protected:
    void Resize(int rows) override;
    void InsertRows(int row, int count) override;
    void EraseRows(int row, int count) override;
    void ConvertUnits(int, int) override {}

private:
    std::vector<int> Values_;
};

// Kind 2: an extended real of the dimension `UnitsString` (a unit-token
// string such as "F/L2^2"; empty for a pure number), converted when the
// table changes its unit system; new rows get `Default`.
class TFloatColumn : public TColumn {
public:
    TFloatColumn(std::vector<std::string> captionLines, std::string unitsString = {},
                 long double defaultValue = 0.0L);
    TColumnKind Kind() const override { return TColumnKind::Float; }
    double MinWidthInches() const override { return 0.5; }

    long double Default;
    std::string UnitsString;

    long double AsFloat(int row) const override;
    void SetFloat(int row, long double value) override;
    // General format with 8 significant digits.
    std::string Text(int row) const override;
    void SetText(int row, const std::string& text) override;
    std::unique_ptr<TColumn> CloneEmpty() const override;

protected:
    void Resize(int rows) override;
    void InsertRows(int row, int count) override;
    void EraseRows(int row, int count) override;
    void ConvertUnits(int fromSystem, int toSystem) override;

private:
    std::vector<long double> Values_;
};

// Kind 3: every cell a sub-table, made from a template table found by its
// identifier. With an enumeration as the table's first column there is one
// template identifier per item and the row's value picks it; otherwise the
// first identifier serves every row. A row whose template does not exist
// holds no table.
class TTableColumn : public TColumn {
public:
    TTableColumn(std::vector<std::string> captionLines, std::vector<int> templateIdentifiers);
    ~TTableColumn() override;
    TColumnKind Kind() const override { return TColumnKind::Table; }
    double MinWidthInches() const override { return 2.0; }

    std::vector<int> TemplateIdentifiers;

    TGridTable* AsTable(int row) const override;
    std::string Text(int) const override { return {}; }
    void SetText(int, const std::string&) override {}
    std::unique_ptr<TColumn> CloneEmpty() const override;

    // Gives the row a fresh sub-table from the template its first-column
    // value picks now (all values at their defaults).
    void RenewSubTable(int row);

protected:
    void Resize(int rows) override;
    void InsertRows(int row, int count) override;
    void EraseRows(int row, int count) override;
    void ConvertUnits(int fromSystem, int toSystem) override;

private:
    std::unique_ptr<TGridTable> NewSubTable(int row) const;
    void Renumber(int fromRow);

    std::vector<std::unique_ptr<TGridTable>> Values_;
};

// Kind 4: a text, stored as given; new rows get `Default`.
class TStringColumn : public TColumn {
public:
    TStringColumn(std::vector<std::string> captionLines, std::string defaultText = {}, double minWidthInches = 0.5);
    TColumnKind Kind() const override { return TColumnKind::String; }
    double MinWidthInches() const override { return MinWidth; }

    std::string Default;
    double MinWidth;

    std::string Text(int row) const override;
    void SetText(int row, const std::string& text) override;
    std::unique_ptr<TColumn> CloneEmpty() const override;

protected:
    void Resize(int rows) override;
    void InsertRows(int row, int count) override;
    void EraseRows(int row, int count) override;
    void ConvertUnits(int, int) override {}

private:
    std::vector<std::string> Values_;
};

// One cell: a column and a row, forwarding every access to the column.
class TData {
public:
    TData(TColumn& column, int row) : Column_(&column), Row_(row) {}

    TColumn& Column() const { return *Column_; }
    int Row() const { return Row_; }

    long double AsFloat() const { return Column_->AsFloat(Row_); }
    void SetFloat(long double value) const { Column_->SetFloat(Row_, value); }
    int AsInteger() const { return Column_->AsInteger(Row_); }
    void SetInteger(int value) const { Column_->SetInteger(Row_, value); }
    TGridTable* AsTable() const { return Column_->AsTable(Row_); }
    std::string Text() const { return Column_->Text(Row_); }
    void SetText(const std::string& text) const { Column_->SetText(Row_, text); }

private:
    TColumn* Column_;
    int Row_;
};

}  // namespace tarne
