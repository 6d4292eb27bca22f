// The plot data file read back: every example after a run of the engine,
// truncated files, and small files made here for the edge cases.
#include "PlotFileReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <tuple>
#include <cmath>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "load_transfer.h"
#include "numtext.h"
#include "run.h"
#include "state.h"
#include "test_support.h"

namespace tarne {
namespace {

namespace fs = std::filesystem;

// Every failure the reader reports.
struct Failures {
    std::vector<std::string> messages;
    std::vector<std::string> causes;
    TPlotDataFailure Hook() {
        return [this](const std::string& message, const std::string& cause) {
            messages.push_back(message);
            causes.push_back(cause);
        };
    }
};

// One example of examples/ run by the engine in a scratch folder, with its
// project loaded as the desktop program holds it.
class ExampleRun {
public:
    explicit ExampleRun(const std::string& name) {
        for (const char* ext : {".tq7d", ".cpt"})
            fs::copy_file(fs::path(TARNE_EXAMPLES_DIR) / (name + ext), Dir.file(name + ext));
        const std::string data = Dir.file(name + ".tq7d").string();
        Files = files_beside(data);
        std::ostringstream console;
        std::istringstream noAnswers;
        Console io{&console, &noAnswers};
        Result = run_analysis(*State, Files, io);
        Project.LoadFromFile(data, kCurrentFormat);
    }

    test::ScratchDir Dir;
    RunFiles Files;
    std::unique_ptr<AnalysisState> State = std::make_unique<AnalysisState>();
    RunResult Result;
    TProjectTables Tables;
    TProgramData Project{Tables};
};

// One row of a capacity table of the report.
struct CapacityRow {
    double depth, skin, tip, total;
};

std::vector<double> Numbers(const std::string& line) {
    std::vector<double> values;
    std::istringstream words(line);
    for (std::string w; words >> w;) {
        if (!w.empty() && w.back() == '*') w.pop_back();
        double v = 0;
        const auto r = std::from_chars(w.data(), w.data() + w.size(), v);
        if (r.ec != std::errc() || r.ptr != w.data() + w.size()) return {};
        values.push_back(v);
    }
    return values;
}

// The capacity tables of a report, in report order: the rows under each
// "PENETRATION" heading and its unit line.
std::vector<std::vector<CapacityRow>> CapacityTables(const fs::path& report) {
    std::vector<std::vector<CapacityRow>> tables;
    const std::vector<std::string> lines = test::read_lines(report);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find("PENETRATION") == std::string::npos) continue;
        auto& table = tables.emplace_back();
        for (std::size_t k = i + 2; k < lines.size(); ++k) {
            const std::vector<double> v = Numbers(lines[k]);
            if (v.size() != 4) break;
            table.push_back({v[0], v[1], v[2], v[3]});
        }
    }
    return tables;
}

// Line names by method code, and the capacity blocks' order.
const char* const kNames[] = {"", "FHWA", "USACE", "Lambda", "API", "User Spec.", "NGI", "MTD", "FUGRO", "UWA"};
const int kOrder[] = {5, 1, 2, 3, 4, 6, 7, 8, 9};

void ExpectCounts(const TGraphPlot& g, int lines, int points, const char* name) {
    EXPECT_EQ(g.LineCount(), lines) << name;
    for (int i = 0; i < g.LineCount(); ++i) EXPECT_EQ(g.Line(i).PointCount(), points) << name << " line " << i;
}

void ExpectSamePoints(const TGraphPlot& a, const TGraphPlot& b, const char* name) {
    ASSERT_EQ(a.LineCount(), b.LineCount()) << name;
    for (int i = 0; i < a.LineCount(); ++i) {
        EXPECT_EQ(a.Line(i).Name, b.Line(i).Name) << name << " line " << i;
        ASSERT_EQ(a.Line(i).PointCount(), b.Line(i).PointCount()) << name << " line " << i;
        for (int j = 0; j < a.Line(i).PointCount(); ++j) {
            EXPECT_EQ(a.Point(i, j).X, b.Point(i, j).X) << name << " (" << i << ", " << j << ")";
            EXPECT_EQ(a.Point(i, j).Y, b.Point(i, j).Y) << name << " (" << i << ", " << j << ")";
        }
    }
}

class ReadExample : public ::testing::TestWithParam<std::string> {};

TEST_P(ReadExample, FillsEveryGraph) {
    ExampleRun run(GetParam());
    ASSERT_EQ(run.Result.status, 0) << run.Result.message;
    const AnalysisState& s = *run.State;
    TResultGraphs g;
    TProgramData& p = run.Project;
    Failures failures;
    ASSERT_TRUE(ReadPlotData(run.Files.plot_path, g, p, failures.Hook())) << failures.causes.front();
    EXPECT_TRUE(failures.messages.empty());

    // Counts, as the header, the run and the project give them.
    std::vector<int> plotted;
    for (const int code : kOrder)
        if (s.method_switch[code] == 1 && (code <= 5 || s.offshore_enabled == 1)) plotted.push_back(code);
    const int blocks = static_cast<int>(plotted.size());
    const int rows = s.printed_row_count;
    for (const TGraphPlot* graph : {&g.pltSkin, &g.pltTip, &g.pltTotal, &g.pltUSkin}) ExpectCounts(*graph, blocks, rows, "capacity");
    ExpectCounts(g.pltCombine, 3, rows, "pltCombine");
    ExpectCounts(g.pltLoad, 9, rows, "pltLoad");
    ExpectCounts(g.pltAxial, 1, 10, "pltAxial");
    ExpectCounts(g.PltQw, 1, 10, "PltQw");
    ExpectCounts(g.pltTZcurves, s.curve_count - first_soil_curve(s) + 1, 10, "pltTZcurves");
    int extra = 0;
    for (int i = 1; i <= s.extra_tz_count; ++i) extra += extra_tz_in_range(s, i) ? 1 : 0;
    ExpectCounts(g.PltExtraTZ, p.ExtraTzCurves == 1 ? extra : 0, 10, "PltExtraTZ");

    // Capacity values: each computed method's table in the report, in
    // order; a selected method the run did not compute has zeros. (The
    // report prints the numbers as the plot file does.)
    const auto tables = CapacityTables(run.Files.report_path);
    std::size_t table = 0;
    int transferLine = -1;
    for (int i = 0; i < blocks; ++i) {
        const int code = plotted[static_cast<std::size_t>(i)];
        if (code == s.transfer_method) transferLine = i;
        for (const TGraphPlot* graph : {&g.pltSkin, &g.pltTip, &g.pltTotal, &g.pltUSkin})
            EXPECT_EQ(graph->Line(i).Name, kNames[code]);
        if (!s.results[code].computed) {
            for (int j = 0; j < rows; ++j) {
                EXPECT_EQ(g.pltSkin.Point(i, j).X, 0.0L);
                EXPECT_EQ(g.pltTotal.Point(i, j).X, 0.0L);
            }
            continue;
        }
        ASSERT_LT(table, tables.size());
        const auto& t = tables[table++];
        // FHWA and USACE leave the extra last row (the deepest point, when
        // the print interval passes it) out of the report.
        const int reported = static_cast<int>(t.size());
        if (code == 1 || code == 2)
            ASSERT_TRUE(reported == rows || reported == rows - 1) << kNames[code] << " " << reported;
        else
            ASSERT_EQ(reported, rows) << kNames[code];
        for (int j = 0; j < reported; ++j) {
            const auto& row = t[static_cast<std::size_t>(j)];
            const auto near = [](long double v) { return static_cast<double>(v); };
            EXPECT_DOUBLE_EQ(near(g.pltSkin.Point(i, j).Y), row.depth) << kNames[code] << " row " << j;
            EXPECT_DOUBLE_EQ(near(g.pltUSkin.Point(i, j).Y), row.depth);
            EXPECT_DOUBLE_EQ(near(g.pltSkin.Point(i, j).X), row.skin) << kNames[code] << " row " << j;
            EXPECT_DOUBLE_EQ(near(g.pltTip.Point(i, j).X), row.tip) << kNames[code] << " row " << j;
            EXPECT_DOUBLE_EQ(near(g.pltTotal.Point(i, j).X), row.total) << kNames[code] << " row " << j;
        }
    }
    EXPECT_EQ(table, tables.size());

    // The load-transfer method: the combined graph and the transfer profile.
    ASSERT_GE(transferLine, 0);
    const bool tension = p.LoadingType == 1;
    EXPECT_EQ(g.pltAxial.Line(0).Name, kNames[s.transfer_method]);
    EXPECT_EQ(g.pltCombine.Line(0).Name, "Skin Friction");
    EXPECT_EQ(g.pltCombine.Line(1).Name, tension ? "Self Weight" : "Tip Resistance");
    EXPECT_EQ(g.pltCombine.Line(2).Name, "Total Capacity");
    ASSERT_EQ(p.TransferPointCount, rows);
    for (int j = 0; j < rows; ++j) {
        const auto k = static_cast<std::size_t>(j);
        EXPECT_EQ(g.pltCombine.Point(0, j).X, g.pltSkin.Point(transferLine, j).X);
        EXPECT_EQ(g.pltCombine.Point(1, j).X, g.pltTip.Point(transferLine, j).X);
        EXPECT_EQ(g.pltCombine.Point(2, j).X, g.pltTotal.Point(transferLine, j).X);
        EXPECT_EQ(g.pltCombine.Point(2, j).Y, g.pltTotal.Point(transferLine, j).Y);
        EXPECT_EQ(p.TransferDepth.at(k), g.pltSkin.Point(transferLine, j).Y);
        EXPECT_EQ(p.TransferUnitSkin.at(k), g.pltUSkin.Point(transferLine, j).X);
        EXPECT_EQ(p.TransferTip.at(k), g.pltTip.Point(transferLine, j).X);
    }

    // Load-settlement from the origin; uplift in tension.
    const bool english = s.unit_system == 1;
    EXPECT_EQ(g.pltAxial.YCaption, tension ? (english ? "Uplift, in." : "Uplift, m")
                                           : (english ? "Settlement, in." : "Settlement, m"));
    EXPECT_EQ(g.PltQw.YCaption, english ? "Settlement, in." : "Settlement, m");
    EXPECT_EQ(g.pltAxial.XOnTop, !tension);
    EXPECT_EQ(g.PltQw.XOnTop, !tension);
    EXPECT_EQ(g.pltAxial.Point(0, 0).X, 0.0L);
    EXPECT_EQ(g.pltAxial.Point(0, 0).Y, 0.0L);
    EXPECT_GT(std::fabs(g.pltAxial.Point(0, 9).X), 0.0L);

    // t-z curves are named by depth and unit.
    const std::string unit = english ? " ft" : " m";
    for (const TGraphPlot* graph : {&g.pltTZcurves, &g.PltExtraTZ})
        for (int i = 0; i < graph->LineCount(); ++i) EXPECT_TRUE(graph->Line(i).Name.ends_with(unit)) << graph->Line(i).Name;

    // Soil layers on the depth graphs; every graph in the run's units.
    for (const TGraphPlot* graph : {&g.pltUSkin, &g.pltSkin, &g.pltTip, &g.pltTotal, &g.pltLoad, &g.pltCombine})
        EXPECT_EQ(graph->LayerLineCount(), p.Tables().D.RowCount());
    EXPECT_EQ(g.pltAxial.LayerLineCount(), 0);
    for (const TGraphPlot* graph : g.All()) EXPECT_EQ(graph->Units(), s.unit_system) << graph->Caption;
}

std::vector<std::string> Examples() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(TARNE_EXAMPLES_DIR))
        if (e.path().extension() == ".tq7d") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Examples, ReadExample, ::testing::ValuesIn(Examples()),
                         [](const auto& info) { return info.param; });

// With a stick-up the t-z curves in the soil follow the three curves of the
// stick-up, and each is named by its depth below the ground surface.
TEST(ReadPlotData, StickUpCurvesNamedByDepthBelowGround) {
    ExampleRun run("pipe_pile_english");  // 2 ft stick-up
    ASSERT_EQ(run.Result.status, 0);
    const AnalysisState& s = *run.State;
    TResultGraphs g;
    ASSERT_TRUE(ReadPlotData(run.Files.plot_path, g, run.Project));
    ASSERT_EQ(g.pltTZcurves.LineCount(), s.curve_count - 3);
    for (int i = 0; i < g.pltTZcurves.LineCount(); ++i) {
        // The depth as the file prints it (E16.4), then in general format.
        const double depth = curve_depth_below_ground(s, i + 4);
        const std::string printed = FormatExponent(depth, 4, 2);
        EXPECT_EQ(g.pltTZcurves.Line(i).Name, FormatGeneral(*ParseDecimal(printed), 15) + " ft");
    }
    EXPECT_EQ(g.pltTZcurves.Line(0).Name, "0 ft");
    EXPECT_EQ(g.pltTZcurves.Line(1).Name, "5.025 ft");
}

// The file cut after `words` words (at the blank or line end after the last).
std::string CutAfterWords(const std::string& text, int words) {
    std::size_t at = 0;
    for (int n = 0; n < words; ++n) {
        at = text.find_first_not_of(" \t\r\n", at);
        at = text.find_first_of(" \t\r\n", at);
    }
    return text.substr(0, at);
}

// A truncated file fails with the message and keeps what was read. The
// example has 2 capacity blocks of 11 rows, 6 t-z curves and extra curves.
TEST(ReadPlotData, TruncatedFileKeepsWhatWasRead) {
    ExampleRun run("pipe_pile_extra_tz_english");
    ASSERT_EQ(run.Result.status, 0);
    TResultGraphs full;
    ASSERT_TRUE(ReadPlotData(run.Files.plot_path, full, run.Project));
    ASSERT_EQ(full.pltSkin.LineCount(), 2);
    ASSERT_EQ(full.pltSkin.PointCount(), 11);
    const int tzWords = 1 + full.pltTZcurves.LineCount() * 23;
    const int capacityEnd = 4 + 2 * 11 * 5;
    const int loadEnd = capacityEnd + tzWords + 9 * 11 * 3;
    const std::string text = test::read_text(run.Files.plot_path);
    const std::string cutPath = run.Dir.file("cut.tq7p").string();

    const auto readCut = [&](int words, TResultGraphs& g) {
        std::ofstream(cutPath, std::ios::binary) << CutAfterWords(text, words);
        Failures failures;
        EXPECT_FALSE(ReadPlotData(cutPath, g, run.Project, failures.Hook()));
        EXPECT_EQ(failures.messages, std::vector<std::string>{"An error occured in running the main program."});
        EXPECT_EQ(failures.causes, std::vector<std::string>{"This file either invalid or incomplete."});
    };

    {
        SCOPED_TRACE("inside the header");
        TResultGraphs g;
        readCut(2, g);
        ExpectCounts(g.pltSkin, 2, 11, "pltSkin");
        EXPECT_TRUE(g.pltSkin.Line(0).Name.empty());
        EXPECT_EQ(g.pltAxial.YCaption, "Settlement, in.");  // the stored setting: units not read
    }
    {
        SCOPED_TRACE("inside the second capacity block: row 3 after its depth and skin friction");
        TResultGraphs g;
        readCut(4 + 11 * 5 + 3 * 5 + 2, g);
        for (int j = 0; j < 11; ++j) EXPECT_EQ(g.pltTotal.Point(0, j).X, full.pltTotal.Point(0, j).X);
        for (int j = 0; j < 3; ++j) EXPECT_EQ(g.pltUSkin.Point(1, j).X, full.pltUSkin.Point(1, j).X);
        EXPECT_EQ(g.pltSkin.Point(1, 3).Y, full.pltSkin.Point(1, 3).Y);
        EXPECT_EQ(g.pltSkin.Point(1, 3).X, full.pltSkin.Point(1, 3).X);
        EXPECT_EQ(g.pltTip.Point(1, 3).X, 0.0L);
        EXPECT_EQ(g.pltSkin.Line(1).Name, full.pltSkin.Line(1).Name);
        EXPECT_EQ(g.pltCombine.Point(2, 10).X, 0.0L);  // copied only after the blocks
        EXPECT_EQ(g.pltTZcurves.LineCount(), 0);
        EXPECT_EQ(g.pltSkin.LayerLineCount(), 0);
    }
    {
        SCOPED_TRACE("inside the load-settlement block, after four rows");
        TResultGraphs g;
        readCut(loadEnd + 4 * 4, g);
        for (const auto& [a, b, name] : {std::tuple{&g.pltSkin, &full.pltSkin, "pltSkin"},
                                         {&g.pltCombine, &full.pltCombine, "pltCombine"},
                                         {&g.pltTZcurves, &full.pltTZcurves, "pltTZcurves"},
                                         {&g.pltLoad, &full.pltLoad, "pltLoad"}})
            ExpectSamePoints(*a, *b, name);
        for (int k = 0; k <= 4; ++k) EXPECT_EQ(g.PltQw.Point(0, k).Y, full.PltQw.Point(0, k).Y);
        EXPECT_EQ(g.pltAxial.Point(0, 5).X, 0.0L);
        EXPECT_EQ(g.PltExtraTZ.LineCount(), 0);
        EXPECT_EQ(g.MotionInput.Units(), 1);
    }
    {
        // A project that asks for extra t-z curves whose run wrote none.
        SCOPED_TRACE("without the extra t-z block");
        TResultGraphs g;
        readCut(loadEnd + 36, g);
        for (const auto& [a, b, name] : {std::tuple{&g.pltUSkin, &full.pltUSkin, "pltUSkin"},
                                         {&g.pltTZcurves, &full.pltTZcurves, "pltTZcurves"},
                                         {&g.pltAxial, &full.pltAxial, "pltAxial"},
                                         {&g.PltQw, &full.PltQw, "PltQw"}})
            ExpectSamePoints(*a, *b, name);
        EXPECT_EQ(g.PltExtraTZ.LineCount(), 0);
    }
}

// A small plot file: `blocks` capacity blocks of `rows` rows, `curves` t-z
// curves, then `extra` extra curves when not negative; row j of block i has
// depth 5j and values 100i + j + 0.1, 0.2, 0.3, 0.4.
std::string PlotText(int blocks, int rows, int units, int transfer, int curves = 1, int extra = -1) {
    std::ostringstream out;
    out << "     " << blocks << "     " << rows << "     " << units << "     " << transfer << "\r\n";
    for (int i = 0; i < blocks; ++i)
        for (int j = 0; j < rows; ++j)
            out << "  " << 5 * j << ".00  " << 100 * i + j << ".1  " << 100 * i + j << ".2  " << 100 * i + j
                << ".3  " << 100 * i + j << ".4\r\n";
    const auto tz = [&out](int count) {
        out << "     " << count << "\r\n";
        for (int c = 1; c <= count; ++c) {
            out << "            " << c << "         10      0." << c << "250E+01\r\n";
            for (int k = 0; k < 10; ++k) out << "    0.1000E+01      0." << k << "000E-01\r\n";
        }
    };
    tz(curves);
    for (int m = 0; m < 9; ++m)
        for (int j = 0; j < rows; ++j) out << "   0.500E+01   0.100E+03   0.100E-01\r\n";
    for (int k = 1; k <= 9; ++k) out << "   0.1000E+03   0.1000E+00   0.2000E+02   0.5000E-01\r\n";
    if (extra >= 0) tz(extra);
    return out.str();
}

class SmallPlotFile : public ::testing::Test {
protected:
    bool Read(const std::string& text) { return Read(text, Graphs); }
    bool Read(const std::string& text, TResultGraphs& graphs) {
        std::ofstream(Path, std::ios::binary) << text;
        return ReadPlotData(Path.string(), graphs, Project, Failed.Hook());
    }
    test::ScratchDir Dir;
    fs::path Path = Dir.file("small.tq7p");
    TProjectTables Tables;
    TProgramData Project{Tables};  // API RP 2A selected, load transfer by API RP 2A
    TResultGraphs Graphs;
    Failures Failed;
};

TEST_F(SmallPlotFile, NamesFollowTheSelectionAndTheTransferLine) {
    for (const int code : {1, 3, 4, 5, 7}) Project.MethodSwitch[static_cast<std::size_t>(code)] = 1;
    Project.TransferMethod = 3;
    ASSERT_TRUE(Read(PlotText(5, 2, 2, 3)));
    const std::vector<std::string> names{"User Spec.", "FHWA", "Lambda", "API", "MTD"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Graphs.pltSkin.Line(i).Name, names[static_cast<std::size_t>(i)]);
        EXPECT_EQ(Graphs.pltTotal.Line(i).Name, names[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(Graphs.pltAxial.Line(0).Name, "Lambda");
    // Lambda is line 2: its values are the profile and the combined graph.
    EXPECT_EQ(Project.TransferTip.at(1), 201.2L);
    EXPECT_EQ(Project.TransferUnitSkin.at(1), 201.4L);
    EXPECT_EQ(Project.TransferDepth.at(1), 5.0L);
    EXPECT_EQ(Graphs.pltCombine.Point(2, 1).X, 201.3L);
    EXPECT_EQ(Graphs.pltTZcurves.Line(0).Name, "1.25 m");
    EXPECT_EQ(Graphs.pltTZcurves.Point(0, 3).X, 0.03L);
    EXPECT_EQ(Graphs.pltTZcurves.Point(0, 3).Y, 1.0L);
    EXPECT_EQ(Graphs.pltLoad.Point(8, 1).X, 100.0L);
    EXPECT_EQ(Graphs.PltQw.Point(0, 9).X, 20.0L);
}

// Offshore methods are named only when the project enables them.
TEST_F(SmallPlotFile, OffshoreMethodsNeedTheOffshoreSwitch) {
    Project.MethodSwitch[6] = 1;
    Project.OffshoreEnabled = 0;
    ASSERT_TRUE(Read(PlotText(2, 1, 1, 4)));
    EXPECT_EQ(Graphs.pltSkin.Line(0).Name, "API");
    EXPECT_EQ(Graphs.pltSkin.Line(1).Name, "");
}

// Without a block of the load-transfer method no other method's line stands
// in for it: no transfer profile, a zero combined graph. A selection with
// more methods than the file has blocks names only the blocks there are.
TEST_F(SmallPlotFile, TransferMethodWithoutItsBlock) {
    Project.TransferPointCount = 7;
    Project.TransferDepth.assign(7, 1.0L);
    ASSERT_TRUE(Read(PlotText(1, 3, 1, 2)));  // USACE transfers, only API was run
    EXPECT_EQ(Project.TransferPointCount, 0);
    EXPECT_TRUE(Project.TransferDepth.empty());
    EXPECT_TRUE(Project.TransferTip.empty());
    EXPECT_EQ(Graphs.pltAxial.Line(0).Name, "USACE");
    ExpectCounts(Graphs.pltCombine, 3, 3, "pltCombine");
    EXPECT_EQ(Graphs.pltCombine.Point(1, 2).X, 0.0L);
    EXPECT_EQ(Graphs.pltCombine.Point(1, 2).Y, 0.0L);

    Project.MethodSwitch[1] = 1;  // FHWA comes before API in the file, which has one block
    ASSERT_TRUE(Read(PlotText(1, 3, 1, 4)));
    EXPECT_EQ(Graphs.pltSkin.Line(0).Name, "FHWA");
    EXPECT_EQ(Project.TransferPointCount, 0);
}

// Bad counts and numbers end the reading before anything is sized by them.
TEST_F(SmallPlotFile, MalformedFiles) {
    struct Case {
        std::string text;
        std::string cause;
    };
    const std::string rest = PlotText(1, 2, 1, 4).substr(PlotText(1, 2, 1, 4).find("\r\n"));
    const std::vector<Case> cases{
        {"     1     2000000000     1     4" + rest, "Error on Line 1 Item 2\rThe count 2000000000 is out of range."},
        {"     9     20000     1     4" + rest, "Error on Line 1 Item 2\rThe count 20000 is out of range."},
        {"    -1     2     1     4" + rest, "Error on Line 1 Item 1\rThe count -1 is out of range."},
        {"     1     2.5     1     4" + rest, "Error on Line 1 Item 2\rAn integer was expected but not found."},
        // A depth of 10,000 ft does not fit its field.
        {"     1     1     1     4\r\n  *******  1.0  2.0  3.0  0.100\r\n", "Error on Line 2 Item 1\rA floating point number was expected but not found."},
        {"", "This file either invalid or incomplete."},
    };
    for (const Case& c : cases) {
        Failed = {};
        TResultGraphs fresh;
        EXPECT_FALSE(Read(c.text, fresh));
        EXPECT_EQ(Failed.causes, std::vector<std::string>{c.cause});
        EXPECT_EQ(fresh.pltSkin.PointCount(), c.text.starts_with("     1     1") ? 1 : 0);
    }
    Failed = {};
    EXPECT_FALSE(ReadPlotData(Dir.file("absent.tq7p").string(), Graphs, Project, Failed.Hook()));
    EXPECT_EQ(Failed.messages.size(), 1u);
    EXPECT_FALSE(ReadPlotData(Dir.file("absent.tq7p").string(), Graphs, Project));  // no one told
}

// A circular pile's perimeter in the unit of its diameter; a non-circular
// pile keeps its own.
TEST_F(SmallPlotFile, PerimeterOfACircularPile) {
    struct Case {
        int units;
        long double perimeter, diameter, expected;
    };
    for (const Case c : {Case{1, 0.0L, 18.0L, 3.1416L * 18.0L}, Case{2, 0.0L, 610.0L, 3.1416L * 610.0L},
                         Case{1, 56.39L, 0.0L, 56.39L}}) {
        Project.Units = c.units;
        Project.Perimeter = c.perimeter;
        Project.OutsideDiameter = c.diameter;
        ASSERT_TRUE(Read(PlotText(1, 1, c.units, 4)));
        EXPECT_EQ(Project.Perimeter, c.expected);
    }
}

TEST(AddLayersGraphPlot, OneLinePerLayer) {
    TProjectTables tables;
    TGridTable& d = tables.D;
    d.SetRowCount(3);
    const int kinds[] = {kSand, kClay, kSilt};
    const long double bottoms[] = {10.0L, 30.0L, 80.0L};
    for (int i = 0; i < 3; ++i) {
        d.Cell(LayerColumn::Type, i).SetInteger(kinds[i]);
        d.Cell(LayerColumn::Depth, i).SetFloat(bottoms[i]);
    }
    TGraphPlot g;
    AddLayersGraphPlot(g, d);  // no curve with a point: nothing to show layers beside
    EXPECT_EQ(g.LayerLineCount(), 0);

    g.SetLineCount(2);
    g.SetPointCount(5);
    g.SetLayerLineCount(4);
    g.LayerPoint(2, 0).X = 7.0L;  // a sand layer of an earlier project
    AddLayersGraphPlot(g, d);
    ASSERT_EQ(g.LayerLineCount(), 3);
    const std::string names[] = {" SAND ", " CLAY ", "LAYER 3"};
    const long double codes[] = {7.0L, 1.0L, 0.0L};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(g.LayerLine(i).PointCount(), 1);
        EXPECT_EQ(g.LayerLine(i).Name, names[i]);
        EXPECT_EQ(g.LayerPoint(i, 0).X, codes[i]);
        EXPECT_EQ(g.LayerPoint(i, 0).Y, bottoms[i]);
    }
    EXPECT_EQ(g.PointCount(), 5);
}

}  // namespace
}  // namespace tarne
