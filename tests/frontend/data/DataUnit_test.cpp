#include "DataUnit.h"

#include <gtest/gtest.h>

#include <clocale>

#include "DataFile.h"
#include "project_builder.h"

namespace tarne {
namespace {

// Every test of this program runs under a comma-decimal locale: the files
// still carry "." as the decimal point.
class CommaLocale : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8"))
            << "no comma-decimal locale installed (scripts/setup installs locales-all)";
    }
};
const auto* const kLocale = ::testing::AddGlobalTestEnvironment(new CommaLocale);

TEST(ProgramData, NewProjectSavedAtOnce) {
    test::TempFolder folder;
    TProjectTables tables;
    TProgramData p(tables);
    EXPECT_EQ(p.FileName, "NewTARNE.tq7d");
    EXPECT_EQ(p.Title, "New Pile");
    EXPECT_EQ(p.LengthIncrement, 1.0L);
    EXPECT_TRUE(p.IsCircular);
    EXPECT_EQ(p.OffshoreEnabled, 1);
    tables.SetModified(true);
    p.FileName = folder.File("new.tq7d");
    p.SaveToFile();
    EXPECT_FALSE(tables.Modified());
    EXPECT_EQ(p.CptFileName, folder.File("new.cpt"));
    EXPECT_EQ(test::ReadBytes(p.FileName),
              "New Pile\r\n\r\n\r\n"
              "1 1 2 0 \r\n"
              "0 0 0 0 0 0 0 \r\n"
              "0 0 \r\n"
              "0 1 1 0 4 1 0 \r\n"
              "0 0 0 1 0 0 0 0 0 \r\n"
              "0 0 \r\n"
              "0.0 1 0 0 0 0 \r\n"
              "0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 \r\n"
              "0 1 0 0 0 0 \r\n"
              "0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 \r\n"
              "0 \r\n"
              "0 1 \r\n"
              "0 0 \r\n"
              "2 0 \r\n"
              "0 0 \r\n"
              "0 0 \r\n"
              "0 0 \r\n");
    EXPECT_EQ(test::ReadBytes(p.CptFileName), " 1 0\r\n");
}

TEST(ProgramData, CreateResetsProjectAndTables) {
    TProjectTables tables;
    int closed = 0;
    tables.CloseChildWindows = [&] { ++closed; };
    TProgramData p(tables);
    test::BuildProject(p, 2, 3);
    tables.SetModified(true);
    closed = 0;
    p.Create();
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(p.Units, 1);
    EXPECT_EQ(p.PileType, 1);
    EXPECT_TRUE(p.IsCircular);
    EXPECT_EQ(p.MethodSwitch, (std::array<int, 10>{0, 0, 0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(tables.D.RowCount(), 1);
    EXPECT_EQ(tables.D.Units(), 1);
    EXPECT_EQ(tables.D.Cell(LayerColumn::Type, 0).AsInteger(), kSand);
    EXPECT_EQ(tables.D.Cell(LayerColumn::Depth, 0).AsFloat(), 0.0L);
    EXPECT_EQ(tables.D.Cell(LayerColumn::SideFactor, 0).AsFloat(), 1.0L);
    EXPECT_EQ(tables.TblTZDepth.RowCount(), 1);
    EXPECT_EQ(tables.Sectionaldata.RowCount(), 2);
    EXPECT_EQ(tables.Sectionaldata.Cell(1, 0).AsFloat(), 0.0L);
    EXPECT_TRUE(tables.CptPoints.empty());
    EXPECT_FALSE(tables.Modified());
}

// English -> S.I. -> English gives back every value to within rounding of
// the digits the files keep: the saved texts are the same.
TEST(ProgramData, UnitSwitchThereAndBack) {
    for (int pileType : {1, 3, 7}) {
        TProjectTables tables;
        TProgramData p(tables);
        int refreshed = 0;
        tables.RefreshInputWindows = [&] { ++refreshed; };
        test::BuildProject(p, 1, pileType);
        refreshed = 0;
        const std::string english = DataFileText(p);
        const std::string englishCpt = CptFileText(p);

        p.SetUnits(2);
        EXPECT_EQ(refreshed, 1);
        EXPECT_EQ(p.Units, 2);
        EXPECT_NEAR(static_cast<double>(p.OutsideDiameter), 457.2, 1e-9);
        EXPECT_NEAR(static_cast<double>(p.TotalLength), 12.192, 1e-12);
        // psi to kPa through the force factor the program has always used
        EXPECT_NEAR(static_cast<double>(p.ElasticModulus), 29000000 * 0.00444822199911631 / (0.0254 * 0.0254), 1e-3);
        EXPECT_NEAR(static_cast<double>(p.CriticalDepth), 4.572, 1e-12);
        EXPECT_EQ(p.TaperAngle, pileType == 7 ? 0.5L : 0.0L);
        EXPECT_EQ(p.TensionFactor, 0.7L);
        EXPECT_EQ(tables.D.Units(), 2);
        EXPECT_NEAR(static_cast<double>(tables.D.Cell(LayerColumn::Depth, 0).AsFloat()), 6.096, 1e-9);
        EXPECT_NEAR(static_cast<double>(tables.Sectionaldata.Cell(1, 0).AsFloat()), 26.5 * 0.0254 * 0.0254, 1e-12);
        EXPECT_NEAR(static_cast<double>(tables.CptPoints[1].Depth), 1.524, 1e-9);
        EXPECT_NEAR(static_cast<double>(tables.CptPoints[1].Qc), 45 * 47.880259, 1e-3);  // ksf to kPa
        EXPECT_NE(DataFileText(p), english);

        p.SetUnits(1);
        EXPECT_EQ(DataFileText(p), english);
        EXPECT_EQ(CptFileText(p), englishCpt);
    }
}

TEST(ProgramData, UnitSystemAlreadyInForce) {
    TProjectTables tables;
    TProgramData p(tables);
    test::BuildProject(p, 2, 1);
    const std::string before = DataFileText(p);
    p.SetUnits(7);  // counts as 2
    EXPECT_EQ(p.Units, 2);
    EXPECT_EQ(DataFileText(p), before);
    p.SetUnits(-1);  // counts as 1
    EXPECT_EQ(p.Units, 1);
}

TEST(ProgramData, SaveNormalises) {
    for (int transferMethod : {4, 5}) {
        test::TempFolder folder;
        TProjectTables tables;
        TProgramData p(tables);
        test::BuildProject(p, 1, 1);
        p.TransferMethod = transferMethod;
        p.PrintInterval = 0;
        p.LengthIncrement = 0.0L;
        p.TipArea = 12.0L;  // left over from a non-circular section
        for (int layer = 0; layer < 3; ++layer) {
            TGridTable& props = *tables.D.Cell(LayerColumn::Properties, layer).AsTable();
            props.Cell(6, 0).SetFloat(1.5L);  // user unit skin friction, every soil kind
            props.Cell(7, 1).SetFloat(40.0L);  // user unit end bearing
        }
        p.FileName = folder.File("p.tq7d");
        p.SaveToFile();
        EXPECT_EQ(p.PrintInterval, 1);
        EXPECT_EQ(p.LengthIncrement, 1.0L);
        EXPECT_EQ(p.TipArea, 0.0L);
        const bool kept = transferMethod == 5;
        for (int layer = 0; layer < 3; ++layer) {
            TGridTable& props = *tables.D.Cell(LayerColumn::Properties, layer).AsTable();
            const bool silt = layer == 2;
            EXPECT_EQ(props.Cell(6, 0).AsFloat(), kept || silt ? 1.5L : 0.0L) << layer;
            EXPECT_EQ(props.Cell(7, 1).AsFloat(), kept || silt ? 40.0L : 0.0L) << layer;
        }
        const std::string text = test::ReadBytes(p.FileName);
        EXPECT_NE(text.find("\r\n1 1 6 1 \r\n0 0 18 17.25 29000000 40 2 \r\n0 0 \r\n0 1 1 0 " +
                            std::to_string(transferMethod) + " 1 0 \r\n"),
                  std::string::npos)
            << text;
    }
}

TEST(ProgramData, FormatByExtension) {
    const std::pair<const char*, int> cases[] = {
        {"a/b.tq7d", kCurrentFormat}, {"B.TQ6D", kPreviousFormat}, {"x.y/old.tqd", kOldestFormat},
        {"a.tq7o", 0},                {"tq7d", 0},                 {"a.tq7d.bak", 0},
    };
    for (const auto& [path, format] : cases) EXPECT_EQ(DataFormatOf(path), format) << path;
    EXPECT_EQ(CptPathOf("/w/p.v2/pile.tq6d"), "/w/p.v2/pile.cpt");
}

}  // namespace
}  // namespace tarne
