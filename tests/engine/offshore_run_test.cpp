// Whole runs with the offshore and user-specified methods: every example's
// outputs, the offshore example's tables, and a project whose layers give
// the cone-based methods nothing to work with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "capacity_table.h"
#include "methods/registry.h"
#include "run.h"
#include "test_support.h"

namespace tarne {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> examples() {
    std::vector<fs::path> found;
    for (const auto& e : fs::directory_iterator(TARNE_EXAMPLES_DIR))
        if (e.path().extension() == ".tq7d") found.push_back(e.path());
    std::sort(found.begin(), found.end());
    return found;
}

struct ExampleRun {
    RunResult result;
    std::unique_ptr<AnalysisState> state = std::make_unique<AnalysisState>();
    std::vector<std::string> report, plot;
};

ExampleRun run_example(const fs::path& example) {
    test::ScratchDir dir;
    const auto data = dir.file(example.filename().string());
    fs::copy_file(example, data);
    fs::copy_file(fs::path(example).replace_extension(".cpt"), fs::path(data).replace_extension(".cpt"));
    ExampleRun run;
    std::ostringstream console_out;
    std::istringstream console_in;
    Console console{&console_out, &console_in};
    const auto files = files_beside(data.string());
    run.result = run_analysis(*run.state, files, console);
    run.report = test::read_lines(files.report_path);
    run.plot = test::read_lines(files.plot_path);
    return run;
}

// A number that did not fit its field (or was not a number) shows as a
// field of asterisks; banner lines of stars carry no digit.
bool has_bad_value(const std::string& line) {
    std::istringstream words(line);
    for (std::string w; words >> w;) {
        std::string lower = w;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        const auto start = lower.find_first_not_of("+-");
        if (start == std::string::npos) continue;
        const std::string bare = lower.substr(start);
        if (bare == "nan" || bare == "inf" || bare == "infinity" || bare.starts_with("nan(")) return true;
    }
    const bool digits = std::any_of(line.begin(), line.end(), [](unsigned char c) { return std::isdigit(c); });
    return digits && line.find("**") != std::string::npos;
}

TEST(OffshoreRun, NoExampleOutputHoldsNaNInfOrAFieldOfAsterisks) {
    ASSERT_TRUE(has_bad_value("      2.00  ********      12.5"));
    ASSERT_TRUE(has_bad_value("      2.00       nan      12.5"));
    ASSERT_TRUE(has_bad_value("  -Inf  3"));
    ASSERT_FALSE(has_bad_value("          ********************** INPUT INFORMATION **********************"));
    ASSERT_FALSE(has_bad_value("          - INFINITE LOOP OF INFORMATION 2"));
    const auto all = examples();
    ASSERT_GE(all.size(), 11u);
    for (const auto& example : all) {
        const ExampleRun run = run_example(example);
        EXPECT_EQ(run.result.status, 0) << example.filename() << ": " << run.result.message;
        ASSERT_FALSE(run.plot.empty()) << example.filename();
        for (const auto* file : {&run.report, &run.plot}) {
            const char* what = file == &run.report ? "report" : "plot file";
            for (std::size_t i = 0; i < file->size(); ++i)
                EXPECT_FALSE(has_bad_value((*file)[i]))
                    << example.filename() << " " << what << " line " << i + 1 << ": " << (*file)[i];
        }
    }
}

// The offshore example switches on all nine methods: all nine tables are
// printed, in the order of the passes.
TEST(OffshoreRun, OffshoreExampleTablesInOrder) {
    const ExampleRun run = run_example(fs::path(TARNE_EXAMPLES_DIR) / "offshore_pipe_cpt_si.tq7d");
    ASSERT_EQ(run.result.status, 0) << run.result.message;
    const AnalysisState& s = *run.state;
    ASSERT_GE(s.cpt_count, 200);
    std::size_t previous = 0;
    int tables = 0;
    for (const int code : kMethodRunOrder) {
        ASSERT_EQ(s.method_switch[code], 1) << code;
        const std::string title(capacity_table_title(code));
        const auto at = std::find_if(run.report.begin(), run.report.end(), [&](const std::string& l) {
            return l.find(title) != std::string::npos && l.find_first_not_of(' ') == l.find('*');
        });
        ASSERT_NE(at, run.report.end()) << title;
        EXPECT_TRUE(s.results[code].computed) << title;
        const auto line = static_cast<std::size_t>(at - run.report.begin());
        EXPECT_GT(line, previous) << title << " out of order";
        previous = line;
        ++tables;
    }
    EXPECT_EQ(tables, kMethodCount);
    // The tip lies in clay: the h/R warning under each cone-based table.
    EXPECT_EQ(std::count(run.report.begin(), run.report.end(), " WARNING - h/R SHOULD BE GREATER THAN 8."), 3);
    // Each offshore method keeps its own tip for load transfer, although the
    // next method's chain run overwrites the chain's tip array.
    const int tip = s.output_point_count;
    EXPECT_EQ(s.results[kIcp].tip_for_transfer[tip], s.results[kIcp].tip[tip]);
    EXPECT_NE(s.results[kIcp].tip[12], s.results[kUwa].tip[12]);
}

// Layers without cone resistance, strengths, blow counts or unit weight: the
// cone-based methods yield 0 or finite values and the run goes on.
TEST(OffshoreRun, LayersWithoutInputsGiveFiniteResults) {
    const std::vector<std::string> data = {
        "Nothing to go on", "Tester", "T-2",
        "2 1 6 0 ", "0 0 600 560 200000000 12 0 ", "0 0 ", "0 0.5 1 0 7 1 0 ",
        "1 1 1 1 1 1 1 1 1 ", "20 0 ",
        // sand without unit weight, friction angle or blow count
        "0.0 1 0.8 0 0 20 ", "0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 ",
        "3 1 0.8 0 0 20 ", "0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 ",
        // sand without cone resistance or blow count
        "3 1 0.8 9 32 20 ", "0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 ",
        "8 1 0.8 9 32 20 ", "0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 ",
        // clay without strengths, plasticity index or yield stress ratio
        "8 2 0.0 8 0.0 0.0 ", "0 0 0 0 0 0 0 0 0 1 1 1 ",
        "20 2 0.0 8 0.0 0.0 ", "0 0 0 0 0 0 0 0 0 1 1 1 ",
        "0 ", "0 1 ", "1 2 ", "2 0 ", "0 0 ", "12 0 ", "0 0 ",
    };
    const test::Outcome o = test::run_project(data, test::cpt_lines(2, 0));
    ASSERT_EQ(o.result.status, 0) << o.result.message;
    const AnalysisState& s = *o.state;
    for (const int code : {kApi, kNgi, kIcp, kFugro, kUwa}) {
        const MethodResults& r = s.results[code];
        ASSERT_TRUE(r.computed) << code;
        for (int j = 1; j <= s.output_point_count; ++j) {
            EXPECT_TRUE(std::isfinite(r.ultimate[j]) && std::isfinite(r.unit_side[j])) << code << " " << j;
            EXPECT_TRUE(std::isfinite(r.side_for_transfer[j]) && std::isfinite(r.tip_for_transfer[j])) << code;
        }
    }
    // The cone-based rules have neither cone resistance nor strength here.
    for (const int code : {kIcp, kFugro, kUwa}) EXPECT_EQ(s.results[code].skin_friction[s.output_point_count], 0.0);
    EXPECT_NE(o.report.find("*  UNIV. OF WESTERN AUSTRALIA (UWA) METHOD  *"), std::string::npos);
}

}  // namespace
}  // namespace tarne
