#include "PltData.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarne {
namespace {

void ExpectFreshLine(const TGraphPlot& g, int i, int points) {
    const TLine& line = g.Line(i);
    EXPECT_EQ(line.Number, i + 1) << "line " << i;
    EXPECT_TRUE(line.Name.empty()) << "line " << i;
    EXPECT_TRUE(line.Visible) << "line " << i;
    EXPECT_TRUE(line.Active) << "line " << i;
    EXPECT_EQ(&line.Owner(), &g);
    ASSERT_EQ(line.PointCount(), points) << "line " << i;
    for (int j = 0; j < points; ++j) {
        EXPECT_EQ(line.Point(j).X, 0.0L);
        EXPECT_EQ(line.Point(j).Y, 0.0L);
    }
}

TEST(GraphPlot, LineAndPointCounts) {
    TGraphPlot g;
    EXPECT_EQ(g.PointCount(), 0);
    g.SetLineCount(3);
    ASSERT_EQ(g.LineCount(), 3);
    for (int i = 0; i < 3; ++i) {
        ExpectFreshLine(g, i, 0);
        EXPECT_EQ(g.LineName(g.Line(i)), "Curve #" + std::to_string(i + 1));
    }
    g.SetPointCount(10);
    EXPECT_EQ(g.PointCount(), 10);
    for (int i = 0; i < 3; ++i) ExpectFreshLine(g, i, 10);

    // Lines added later already have the current point count.
    g.SetLineCount(5);
    ExpectFreshLine(g, 4, 10);

    // Fewer points keep the leading ones; more append (0, 0).
    g.Point(1, 2) = {4.5L, -2.0L};
    g.SetPointCount(3);
    g.SetPointCount(6);
    EXPECT_EQ(g.Point(1, 2).X, 4.5L);
    EXPECT_EQ(g.Point(1, 5).X, 0.0L);

    g.SetPointCount(-4);
    EXPECT_EQ(g.PointCount(), 0);
    g.SetLineCount(-1);
    EXPECT_EQ(g.LineCount(), 0);
    EXPECT_EQ(g.PointCount(), 0);
}

// Lines removed and added again are new lines, not the old ones back.
TEST(GraphPlot, RegrownLinesAreFresh) {
    TGraphPlot g;
    g.SetLineCount(3);
    g.SetPointCount(2);
    for (int i = 0; i < 3; ++i) {
        g.Line(i).Name = "old";
        g.Line(i).Visible = false;
        g.Line(i).Active = false;
        g.Point(i, 1).Y = 9.0L;
    }
    g.SetLineCount(1);
    g.SetLineCount(3);
    EXPECT_EQ(g.Line(0).Name, "old");
    ExpectFreshLine(g, 1, 2);
    ExpectFreshLine(g, 2, 2);
    EXPECT_EQ(g.LineName(g.Line(2)), "Curve #3");
}

TEST(GraphPlot, LineNames) {
    TGraphPlot g;
    g.SetLineCount(2);
    g.Line(0).Name = "API";
    EXPECT_EQ(g.LineName(g.Line(0)), "API");
    g.CurveName = "Tip Movement ";
    EXPECT_EQ(g.LineName(g.Line(1)), "Tip Movement 2");
    g.Line(1).Number = 2.5L;
    EXPECT_EQ(g.LineName(g.Line(1)), "Tip Movement 2.5");
}

// Layer lines are counted apart from the curve lines; a new one is numbered
// and sized by the curve lines, as every line of the graph is.
TEST(GraphPlot, LayerLines) {
    TGraphPlot g;
    g.SetLineCount(2);
    g.SetPointCount(4);
    g.SetLayerLineCount(3);
    EXPECT_EQ(g.LineCount(), 2);
    ASSERT_EQ(g.LayerLineCount(), 3);
    EXPECT_EQ(g.LayerPointCount(), 4);
    EXPECT_EQ(g.LayerLine(2).Number, 3.0L);
    g.SetLayerPointCount(1);
    EXPECT_EQ(g.LayerPointCount(), 1);
    EXPECT_EQ(g.PointCount(), 4);
    g.LayerPoint(2, 0) = {7.0L, 30.0L};
    EXPECT_EQ(g.LayerLine(2).Point(0).Y, 30.0L);
    g.SetLayerLineCount(0);
    EXPECT_EQ(g.LayerPointCount(), 0);
    EXPECT_EQ(g.LineCount(), 2);
}

TEST(GraphPlot, OutsideTheGraphThrows) {
    TGraphPlot g;
    g.SetLineCount(1);
    g.SetPointCount(2);
    EXPECT_THROW(g.Line(1), std::out_of_range);
    EXPECT_THROW(g.Point(0, 2), std::out_of_range);
    EXPECT_THROW(g.Point(0, -1), std::out_of_range);
    EXPECT_THROW(g.LayerLine(0), std::out_of_range);
}

TEST(GraphPlot, UnitsAreClamped) {
    TGraphPlot g;
    EXPECT_EQ(g.Units(), 1);
    for (const auto& [set, read] : std::vector<std::pair<int, int>>{{0, 1}, {-4, 1}, {1, 1}, {2, 2}, {3, 3}, {5, 3}}) {
        g.SetUnits(set);
        EXPECT_EQ(g.Units(), read) << "set " << set;
    }
}

struct UnitCase {
    int units;
    const char* text;
    const char* expected;
};

void PrintTo(const UnitCase& c, std::ostream* os) { *os << "\"" << c.text << "\" in units " << c.units; }

class GraphUnitText : public ::testing::TestWithParam<UnitCase> {};

TEST_P(GraphUnitText, Replaces) {
    TGraphPlot g;
    g.SetUnits(GetParam().units);
    EXPECT_EQ(g.UnitText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, GraphUnitText,
    ::testing::Values(UnitCase{1, "F1", "kips"}, UnitCase{2, "F1", "kN"}, UnitCase{1, "L2", "ft"},
                      UnitCase{2, "L2", "m"}, UnitCase{1, "F1/L2^2", "kips/ft^2"}, UnitCase{2, "F1/L2^2", "kN/m^2"},
                      UnitCase{1, "F/L^2", "lbs/in^2"}, UnitCase{2, "F/L^2", "kN/m^2"}, UnitCase{1, "L1", "in"},
                      UnitCase{2, "L1", "mm"}, UnitCase{2, "L", "m"}, UnitCase{1, "F2/L1", "tons/in"},
                      // Only the first force kind found is replaced.
                      UnitCase{1, "F2-F", "tons-F"}, UnitCase{2, "F1 L2 L", "kN m L"},
                      UnitCase{1, "SPT-N", "SPT-N"}, UnitCase{3, "F1/L2^2", "F1/L2^2"}, UnitCase{1, "", ""}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(GraphPlot, AxisTitles) {
    TGraphPlot g;
    g.XCaption = "Total Capacity";
    g.XUnits = "F1";
    g.YCaption = "Settlement, in.";
    g.SetUnits(2);
    EXPECT_EQ(g.XTitle(), "Total Capacity (kN)");
    EXPECT_EQ(g.YTitle(), "Settlement, in.");
}

// A window that records what the graph asks of it.
struct FakeWindow : TPlotWindow {
    std::vector<std::string>* log;
    bool minimized = false;
    explicit FakeWindow(std::vector<std::string>* l) : log(l) {}
    void ShowWindow() override { log->push_back("show"); }
    bool IsMinimized() const override { return minimized; }
    void ShowNormal() override {
        log->push_back("normal");
        minimized = false;
    }
    void Free() override {
        log->push_back("free");
        delete this;
    }
};

TEST(GraphPlot, ShowPlotMakesOneWindowAtATime) {
    std::vector<std::string> log;
    int made = 0;
    FakeWindow* last = nullptr;
    {
        TGraphPlot g;
        g.ShowPlot();  // no window system: nothing happens
        EXPECT_FALSE(g.WindowExists());

        g.SetWindowFactory([&](TGraphPlot& graph) {
            EXPECT_EQ(&graph, &g);
            ++made;
            last = new FakeWindow(&log);
            return last;
        });
        g.ShowPlot();
        g.ShowPlot();
        EXPECT_EQ(made, 1);
        EXPECT_TRUE(g.WindowExists());
        EXPECT_EQ(g.Window(), last);
        last->minimized = true;
        g.ShowPlot();
        EXPECT_EQ(log, (std::vector<std::string>{"show", "show", "show", "normal"}));

        // The window closes and frees itself; the next ShowPlot makes another.
        g.WindowClosed();
        delete last;
        EXPECT_FALSE(g.WindowExists());
        EXPECT_EQ(g.Window(), nullptr);
        log.clear();
        g.ShowPlot();
        EXPECT_EQ(made, 2);
        EXPECT_EQ(log, std::vector<std::string>{"show"});
    }
    // The graph frees the window still open.
    EXPECT_EQ(log, (std::vector<std::string>{"show", "free"}));
}

}  // namespace
}  // namespace tarne
