#include "Table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ProjectTables.h"
#include "expression.h"

namespace tarne {
namespace {

using Lines = std::vector<std::string>;

std::string MessageOf(auto&& action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

TGridTable& Properties(TProjectTables& t, int layer) { return *t.D.Cell(LayerColumn::Properties, layer).AsTable(); }

TEST(GridTable, RowCountKeepsLeadingRowsAndAppendsDefaults) {
    TProjectTables t;
    TGridTable& areas = t.Sectionaldata;
    areas.SetRowCount(5);
    for (int r = 0; r < 5; ++r) {
        areas.Cell(0, r).SetFloat(10.0L * r);
        areas.Cell(1, r).SetFloat(r + 0.5L);
    }
    areas.SetRowCount(3);
    ASSERT_EQ(areas.RowCount(), 3);
    EXPECT_EQ(areas.Cell(0, 2).AsFloat(), 20.0L);
    areas.SetRowCount(5);
    EXPECT_EQ(areas.Cell(0, 3).AsFloat(), 0.0L);
    EXPECT_EQ(areas.Cell(1, 4).AsFloat(), 0.0L);
    areas.SetRowCount(-4);
    EXPECT_EQ(areas.RowCount(), 0);
    // New layers start as sand with both factors 1.
    t.D.SetRowCount(2);
    EXPECT_EQ(t.D.Cell(LayerColumn::Type, 1).AsInteger(), kSand);
    EXPECT_EQ(t.D.Cell(LayerColumn::EndFactor, 1).AsFloat(), 1.0L);
    EXPECT_EQ(Properties(t, 1).Caption, "Sand");
    EXPECT_EQ(Properties(t, 1).RowCount(), 2);
}

TEST(GridTable, SoilTypeChangeRenewsThePropertyTable) {
    TProjectTables t;
    TGridTable& D = t.D;
    Properties(t, 0).Cell(SandColumn::UnitWeight, 0).SetFloat(115.0L);
    D.Cell(LayerColumn::Type, 0).SetInteger(kClay);
    TGridTable& clay = Properties(t, 0);
    EXPECT_EQ(clay.Caption, "Clay");
    EXPECT_EQ(clay.ColumnCount(), 9);
    EXPECT_EQ(clay.Cell(ClayColumn::UnitWeight, 0).AsFloat(), 0.0L);
    clay.Cell(ClayColumn::ShearStrength, 1).SetFloat(500.0L);
    // Writing the type the layer already has keeps what was entered since.
    D.Cell(LayerColumn::Type, 0).SetText("2");
    EXPECT_EQ(&Properties(t, 0), &clay);
    EXPECT_EQ(clay.Cell(ClayColumn::ShearStrength, 1).AsFloat(), 500.0L);
    // A type without a template leaves the layer without a table.
    D.Cell(LayerColumn::Type, 0).SetInteger(7);
    EXPECT_EQ(D.Cell(LayerColumn::Properties, 0).AsTable(), nullptr);
}

TEST(GridTable, InsertedAndDeletedRowsRenumberSubTables) {
    TProjectTables t;
    TGridTable& D = t.D;
    D.SetRowCount(3);
    D.Cell(LayerColumn::Type, 1).SetInteger(kSilt);
    D.Cell(LayerColumn::Depth, 1).SetFloat(20.0L);
    D.InsertRows(1);
    ASSERT_EQ(D.RowCount(), 4);
    EXPECT_EQ(D.Cell(LayerColumn::Type, 1).AsInteger(), kSand);  // new rows hold sand tables
    EXPECT_EQ(Properties(t, 1).Caption, "Sand");
    EXPECT_EQ(D.Cell(LayerColumn::Depth, 2).AsFloat(), 20.0L);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(Properties(t, r).SubNumber(), r + 1);
    EXPECT_EQ(Properties(t, 2).Caption, "Silt");
    D.DeleteRows(0);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(Properties(t, r).SubNumber(), r + 1);
    EXPECT_EQ(Properties(t, 1).Caption, "Silt");
    EXPECT_EQ(D.SubNumber(), 0);
}

TEST(GridTable, RowGroupsMoveTogether) {
    TGridTable table;
    table.Add<TFloatColumn>(Lines{"x"});
    table.SetRowGroup(2);
    table.SetRowCount(4);
    for (int r = 0; r < 4; ++r) table.Cell(0, r).SetFloat(r);
    table.InsertRows(3);  // before the group of rows 2 and 3
    ASSERT_EQ(table.RowCount(), 6);
    EXPECT_EQ(table.Cell(0, 2).AsFloat(), 0.0L);
    EXPECT_EQ(table.Cell(0, 4).AsFloat(), 2.0L);
    EXPECT_EQ(table.RowLabel(5), 3);
    table.DeleteRows(1);
    EXPECT_EQ(table.RowCount(), 4);
    EXPECT_EQ(table.Cell(0, 0).AsFloat(), 0.0L);
    table.AddRows();
    EXPECT_EQ(table.RowCount(), 6);
    table.SetRowGroup(0);
    EXPECT_EQ(table.RowGroup(), 1);
    EXPECT_EQ(MessageOf([&] { table.SetMinRows(0); }), "Value must be greater than 0");
}

TEST(GridTable, UnitSwitchConvertsRealColumnsAndSubTables) {
    TProjectTables t;
    TGridTable& D = t.D;
    D.Cell(LayerColumn::Depth, 0).SetFloat(32.808398950L);
    D.Cell(LayerColumn::MaxFriction, 0).SetFloat(2088.5432L);  // 100 kPa in psf
    D.Cell(LayerColumn::SideFactor, 0).SetFloat(0.9L);
    TGridTable& sand = Properties(t, 0);
    sand.Cell(SandColumn::UnitWeight, 0).SetFloat(63.658798L);
    sand.Cell(SandColumn::FrictionAngle, 0).SetFloat(30.0L);
    sand.Cell(SandColumn::BlowCount, 0).SetInteger(12);

    D.SetUnits(2);
    EXPECT_EQ(D.Units(), 2);
    EXPECT_EQ(sand.Units(), 2);
    EXPECT_NEAR(static_cast<double>(D.Cell(LayerColumn::Depth, 0).AsFloat()), 10.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(D.Cell(LayerColumn::MaxFriction, 0).AsFloat()), 100.0, 1e-4);
    EXPECT_NEAR(static_cast<double>(sand.Cell(SandColumn::UnitWeight, 0).AsFloat()), 10.0, 1e-4);
    EXPECT_EQ(D.Cell(LayerColumn::SideFactor, 0).AsFloat(), 0.9L);
    EXPECT_EQ(sand.Cell(SandColumn::FrictionAngle, 0).AsFloat(), 30.0L);
    EXPECT_EQ(sand.Cell(SandColumn::BlowCount, 0).AsInteger(), 12);
    EXPECT_EQ(D.Column(LayerColumn::Depth).ShownCaptionLine(1), "of each layer (m)");
    EXPECT_EQ(D.Column(LayerColumn::MaxFriction).ShownCaptionLine(1), "Friction (kN/m^2)");

    D.SetUnits(2);  // already in force: nothing changes
    EXPECT_NEAR(static_cast<double>(D.Cell(LayerColumn::Depth, 0).AsFloat()), 10.0, 1e-9);
    D.SetUnits(1);
    EXPECT_NEAR(static_cast<double>(D.Cell(LayerColumn::Depth, 0).AsFloat()), 32.80839895, 1e-8);
    EXPECT_NEAR(static_cast<double>(sand.Cell(SandColumn::UnitWeight, 0).AsFloat()), 63.658798, 1e-6);
    EXPECT_EQ(D.Column(LayerColumn::Depth).ShownCaptionLine(1), "of each layer (ft)");
    EXPECT_EQ(t.Sectionaldata.Column(1).ShownCaptionLine(1), "Area (in^2)");
    // A layer added now takes the table's unit system for its sub-table.
    D.SetUnits(2);
    D.AddRows();
    EXPECT_EQ(Properties(t, 1).Units(), 2);
}

TEST(GridTable, ModifiedReachesThroughSubTables) {
    TProjectTables t;
    EXPECT_FALSE(t.D.Modified());
    Properties(t, 0).SetModified(true);
    EXPECT_TRUE(t.D.Modified());
    EXPECT_TRUE(t.Modified());
    t.D.SetModified(false);
    EXPECT_FALSE(Properties(t, 0).Modified());
    t.D.SetModified(true);
    EXPECT_FALSE(Properties(t, 0).Modified());
    t.SetModified(false);
    EXPECT_FALSE(t.Modified());
    t.SetModified(true);
    EXPECT_TRUE(t.Modified());
    EXPECT_FALSE(t.D.Modified());
}

TEST(GridTable, CellAccessByKind) {
    TProjectTables t;
    TGridTable& D = t.D;
    const std::string wrongType = "Data of wrong type";
    EXPECT_EQ(MessageOf([&] { D.Cell(LayerColumn::Depth, 0).AsInteger(); }), wrongType);
    EXPECT_EQ(MessageOf([&] { D.Cell(LayerColumn::Type, 0).AsFloat(); }), wrongType);
    EXPECT_EQ(MessageOf([&] { D.Cell(LayerColumn::Type, 0).SetFloat(2); }), wrongType);
    EXPECT_EQ(MessageOf([&] { D.Cell(LayerColumn::Depth, 0).AsTable(); }), wrongType);
    EXPECT_EQ(MessageOf([&] { D.Cell(LayerColumn::Depth, 5); }), "Index out of bounds");
    EXPECT_EQ(D.Cell(LayerColumn::Properties, 0).Text(), "");
    EXPECT_EQ(D.Cell(LayerColumn::Type, 0).Text(), "1");
}

struct Entry {
    int column;      // of D; the integer cases use the sand blow count
    bool window;     // the table window is open
    const char* text;
    const char* message;  // empty: accepted
    const char* shown;    // the cell's text afterwards
};

TEST(GridTable, EntriesAndTheirMessages) {
    const Entry entries[] = {
        {LayerColumn::Depth, false, "12*0.3048", "", "3.6576"},
        {LayerColumn::Depth, false, "1/3", "", "0.33333333"},
        {LayerColumn::Depth, false, "abc", "abc is not a valid number.", "0"},
        {LayerColumn::Depth, false, "", "Entry cannot be blank.", "0"},
        {LayerColumn::Depth, false, "1/0", "1/0 is not a valid number.", "0"},
        {LayerColumn::Type, false, "3", "", "3"},
        {LayerColumn::Type, false, "2.5", "Value must be an integer.", "1"},
        {LayerColumn::Type, false, "5e9", "Value must be an integer.", "1"},
        {-1, false, "2.6", "", "3"},
        {-1, true, "2.6", "Entry must be an integer.", "0"},
        {-1, true, "3.00000000001", "", "3"},
    };
    for (const auto& e : entries) {
        TProjectTables t;
        TGridTable& table = e.column >= 0 ? t.D : Properties(t, 0);
        const int column = e.column >= 0 ? e.column : SandColumn::BlowCount;
        if (e.window) table.AttachWindow({});
        EXPECT_EQ(MessageOf([&] { table.Cell(column, 0).SetText(e.text); }), *e.message ? e.message : "(no error)")
            << e.text;
        EXPECT_EQ(table.Cell(column, 0).Text(), e.shown) << e.text;
    }
    // Bounds count only while the window is open.
    TProjectTables t;
    t.D.Cell(LayerColumn::Type, 0).SetInteger(kClay);
    TGridTable& clay = Properties(t, 0);
    clay.Cell(ClayColumn::AdhesionMethod, 0).SetText("7");
    EXPECT_EQ(clay.Cell(ClayColumn::AdhesionMethod, 0).AsInteger(), 7);
    clay.AttachWindow({});
    EXPECT_EQ(MessageOf([&] { clay.Cell(ClayColumn::AdhesionMethod, 0).SetText("4"); }),
              "Entry must be between 0 and 3.");
}

TEST(GridTable, IdentifiersStayUnique) {
    TGridTable a;
    TGridTable b;
    const int former = a.Identifier();
    EXPECT_NE(a.Identifier(), b.Identifier());
    a.SetIdentifier(b.Identifier());
    EXPECT_EQ(b.Identifier(), former);
    EXPECT_EQ(TGridTable::Find(a.Identifier()), &a);
    EXPECT_EQ(TGridTable::Find(former), &b);
    TGridTable c;
    EXPECT_NE(c.Identifier(), a.Identifier());
    EXPECT_NE(c.Identifier(), b.Identifier());
}

}  // namespace
}  // namespace tarne
