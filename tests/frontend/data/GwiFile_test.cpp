// The driveability input file: two examples against files derived by hand
// (golden/README.md), and the rules of the template on projects made here.
#include "GwiFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "InOutError.h"
#include "PlotFileReader.h"
#include "project_builder.h"
#include "run.h"
#include "state.h"

namespace tarne {
namespace {

namespace fs = std::filesystem;

class GwiExample : public ::testing::TestWithParam<std::string> {};

TEST_P(GwiExample, MatchesTheFileDerivedByHand) {
    const std::string name = GetParam();
    test::TempFolder folder;
    for (const char* ext : {".tq7d", ".cpt"})
        fs::copy_file(fs::path(TARNE_EXAMPLES_DIR) / (name + ext), folder.File(name + ext));
    const std::string data = folder.File(name + ".tq7d");
    auto state = std::make_unique<AnalysisState>();
    std::ostringstream console;
    std::istringstream noAnswers;
    Console io{&console, &noAnswers};
    ASSERT_EQ(run_analysis(*state, files_beside(data), io).status, 0);

    TProjectTables tables;
    TProgramData project(tables);
    project.LoadFromFile(data, kCurrentFormat);
    TResultGraphs graphs;
    ASSERT_TRUE(ReadPlotData(files_beside(data).plot_path, graphs, project));
    project.SaveGwi();
    EXPECT_EQ(project.GwiFileName, folder.File(name + ".gwi"));
    EXPECT_EQ(test::ReadBytes(project.GwiFileName), test::ReadBytes(std::string(TARNE_GOLDEN_DIR "/") + name + ".gwi"));
}

INSTANTIATE_TEST_SUITE_P(Examples, GwiExample, ::testing::Values("tension_pipe_english", "concrete_pile_si"),
                         [](const auto& info) { return info.param; });

struct PointsCase {
    int count;
    std::vector<int> head;  // the first points written
    int size;               // how many
    std::vector<int> tail;  // the last points written
};

void PrintTo(const PointsCase& c, std::ostream* os) { *os << c.count << " points"; }

class GwiPoints : public ::testing::TestWithParam<PointsCase> {};

TEST_P(GwiPoints, EveryPointBelowAHundredThenSampled) {
    const PointsCase& c = GetParam();
    const std::vector<int> points = GwiResistancePoints(c.count);
    ASSERT_EQ(static_cast<int>(points.size()), c.size);
    EXPECT_TRUE(std::equal(c.head.begin(), c.head.end(), points.begin()));
    EXPECT_TRUE(std::equal(c.tail.rbegin(), c.tail.rend(), points.rbegin()));
}

INSTANTIATE_TEST_SUITE_P(
    Counts, GwiPoints,
    ::testing::Values(PointsCase{1, {1}, 1, {1}}, PointsCase{99, {1, 2, 3}, 99, {98, 99}},
                      PointsCase{100, {1, 3, 5}, 51, {97, 99, 100}},   // s = 2, c = 50, then 100
                      PointsCase{101, {1, 3}, 51, {97, 99, 101}},      // s = 2, c = 50, then 101
                      PointsCase{199, {1, 3}, 100, {195, 197, 199}},   // s = 2, c = 99: 197 is the 99th, then 199
                      PointsCase{201, {1, 4}, 68, {196, 199, 201}},    // s = 3, c = 67, then 201
                      PointsCase{250, {1, 4, 7}, 84, {244, 247, 250}}  // s = 3, c = 83, then 250
                      ),
    [](const auto& info) { return "N" + std::to_string(info.param.count); });

// A project whose transfer profile is made here: `count` points one depth
// unit apart, unit skin friction 0.5 and tip 10 at every point.
class GwiProject : public ::testing::Test {
protected:
    void Profile(int count) {
        p.TransferPointCount = count;
        p.TransferDepth.clear();
        p.TransferUnitSkin.assign(static_cast<std::size_t>(count), 0.5L);
        p.TransferTip.assign(static_cast<std::size_t>(count), 10.0L);
        for (int j = 0; j < count; ++j) p.TransferDepth.push_back(j);
    }
    void Layers(const std::vector<std::pair<int, long double>>& layers) {
        t.D.SetRowCount(static_cast<int>(layers.size()));
        for (int i = 0; i < t.D.RowCount(); ++i) {
            t.D.Cell(LayerColumn::Type, i).SetInteger(layers[static_cast<std::size_t>(i)].first);
            t.D.Cell(LayerColumn::Depth, i).SetFloat(layers[static_cast<std::size_t>(i)].second);
        }
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        std::istringstream in(GwiFileText(p));
        for (std::string l; std::getline(in, l);) {
            EXPECT_TRUE(l.ends_with('\r'));
            l.pop_back();
            lines.push_back(l);
        }
        return lines;
    }
    // The damping and setup fields of a resistance line.
    static std::string Soil(const std::string& line) { return line.substr(43, 25); }

    TProjectTables t;
    TProgramData p{t};
};

TEST_F(GwiProject, TitleIsFortyCharacters) {
    Profile(3);
    p.Title = "Pile 12 of the north abutment, bridge 4A";  // 40
    p.Title += "12345";                                      // 45
    EXPECT_EQ(Lines()[0], "Pile 12 of the north abutment, bridge 4A  VER. 2000 1 0");
    p.Title = "Short pile";
    p.Units = 2;
    EXPECT_EQ(Lines()[0], "Short pile" + std::string(30, ' ') + "  VER. 2000 0 0");
}

// The pile line: penetration, area, modulus, unit weight by pile type and
// units, perimeter of a circular or a non-circular section.
TEST_F(GwiProject, PileLine) {
    struct Case {
        int units, pileType;
        bool circular;
        const char* expected;
    };
    const Case cases[] = {
        // OD 24 in, ID 20 in: A = (576 - 400) x 0.7854 = 138.2 in2; P = 24 x 3.1416 / 12 = 6.2832 ft
        {1, 1, true, "  2.00E+00  1.38E+02  2.90E+04  4.92E+02  6.28E+00     4.000     1.000     0.010"},
        {1, 2, true, "  2.00E+00  1.38E+02  2.90E+04  5.00E+01  6.28E+00     4.000     1.000     0.010"},
        {1, 3, false, "  2.00E+00  1.38E+02  2.90E+04  1.50E+02  4.00E+00     4.000     1.000     0.010"},
        {1, 6, false, "  2.00E+00  1.38E+02  2.90E+04  4.92E+02  4.00E+00     4.000     1.000     0.010"},
        // S.I.: the same numbers as mm, kPa: A / 100 cm2, P / 1000 m
        {2, 2, true, "  2.00E+00  1.38E+00  2.90E+04  7.90E+00  7.54E-02     4.000     1.000     0.010"},
        {2, 3, true, "  2.00E+00  1.38E+00  2.90E+04  2.36E+01  7.54E-02     4.000     1.000     0.010"},
        {2, 7, false, "  2.00E+00  1.38E+00  2.90E+04  7.73E+01  4.80E-02     4.000     1.000     0.010"},
    };
    Profile(3);
    p.OutsideDiameter = 24.0L;
    p.InsideDiameter = 20.0L;
    p.ElasticModulus = 29000000.0L;
    p.Perimeter = 48.0L;
    for (const Case& c : cases) {
        p.Units = c.units;
        p.PileType = c.pileType;
        p.IsCircular = c.circular;
        const auto lines = Lines();
        EXPECT_EQ(lines[5], c.expected) << "units " << c.units << " pile type " << c.pileType;
        EXPECT_EQ(lines[2], c.units == 1 ? "   32.1700   32.1700" : "    9.8100    9.8100");
    }
}

// The layer cursor moves at most one layer per written point, and the last
// point added after sampled ones repeats the soil of the point before it.
TEST_F(GwiProject, SoilOfEachPoint) {
    const std::string sand = "5.00E-2   0.150   1.20E+0", clay = "2.00E-1   0.150   2.00E+0";
    Layers({{kSand, 10.0L}, {kClay, 11.0L}, {kSilt, 12.0L}, {kSand, 200.0L}});
    Profile(8);  // depths 0 .. 7 ft
    auto lines = Lines();
    ASSERT_EQ(lines.size(), 10u + 8u + 7u);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(Soil(lines[10 + static_cast<std::size_t>(k)]), sand) << k;

    // Written points at depths 0, 2, ... 98, then 100; thin clay and silt
    // layers between 10 and 12 ft hold the cursor back: the points at 12
    // and 14 ft get the clay and the silt.
    Profile(101);
    lines = Lines();
    ASSERT_EQ(lines.size(), 10u + 51u + 7u);
    EXPECT_EQ(lines[10 + 5].substr(0, 8), " 1.00E+1");
    EXPECT_EQ(Soil(lines[10 + 5]), sand);
    EXPECT_EQ(Soil(lines[10 + 6]), clay);   // 12 ft
    EXPECT_EQ(Soil(lines[10 + 7]), clay);   // 14 ft: silt
    EXPECT_EQ(Soil(lines[10 + 8]), sand);   // 16 ft

    Layers({{kSand, 98.5L}, {kClay, 200.0L}});
    lines = Lines();
    EXPECT_EQ(lines[10 + 49].substr(0, 8), " 9.80E+1");
    EXPECT_EQ(Soil(lines[10 + 49]), sand);
    EXPECT_EQ(lines[10 + 50].substr(0, 8), " 1.00E+2");
    EXPECT_EQ(Soil(lines[10 + 50]), sand);  // point 101 in the clay, with the soil of point 99
    EXPECT_EQ(lines[10 + 51 + 5], "  1.00E+02      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000");
    EXPECT_EQ(lines[10 + 51 + 2], "  2.50E+01      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000");
}

// Values are rounded as the decimals the plot data file printed.
TEST_F(GwiProject, NumbersOfAResistanceLine) {
    Layers({{kClay, 100.0L}});
    Profile(1);
    p.Units = 2;
    struct Case {
        long double unitSkin, tip;
        const char* expected;
    };
    for (const Case& c : {Case{1.055L, -2.5L, " 0.00E+0 1.06E+0 -2.50E+0   2.540   2.500   6.50E-1   0.150   2.00E+0    1.50    1.00"},
                          Case{0.9995L, 99950.0L, " 0.00E+0 1.00E+0 1.00E+5   2.540   2.500   6.50E-1   0.150   2.00E+0    1.50    1.00"},
                          Case{0.0123449L, -0.0L, " 0.00E+0 1.23E-2 0.00E+0   2.540   2.500   6.50E-1   0.150   2.00E+0    1.50    1.00"}}) {
        p.TransferUnitSkin[0] = c.unitSkin;
        p.TransferTip[0] = c.tip;
        EXPECT_EQ(Lines()[10], c.expected);
    }
}

// Without a transfer profile (the load-transfer method had no capacity
// block) there is nothing to export, and nothing is written.
TEST_F(GwiProject, NoTransferProfile) {
    test::TempFolder folder;
    p.FileName = folder.File("none.tq7d");
    EXPECT_THROW(p.SaveGwi(), EInOutError);
    EXPECT_FALSE(fs::exists(folder.File("none.gwi")));
}

// An earlier export is replaced; a folder that cannot be written is an error.
TEST_F(GwiProject, SaveReplacesAndFailsLoudly) {
    test::TempFolder folder;
    Profile(2);
    p.FileName = folder.File("pile.tq7d");
    test::WriteBytes(folder.File("pile.gwi"), "old");
    p.SaveGwi();
    EXPECT_EQ(test::ReadBytes(folder.File("pile.gwi")), GwiFileText(p));
    p.FileName = folder.File("absent/pile.tq7d");
    EXPECT_THROW(p.SaveGwi(), EInOutError);
}

}  // namespace
}  // namespace tarne
