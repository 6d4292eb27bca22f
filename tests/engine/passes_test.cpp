#include "passes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "capacity_table.h"
#include "errors.h"
#include "fixed_format.h"
#include "input.h"
#include "list_reader.h"
#include "methods/registry.h"
#include "plot_file.h"
#include "profile.h"
#include "report.h"
#include "run.h"

// Counts the allocations made while `g_counting` is set, to prove that the
// capacity passes allocate nothing. The replacements allocate with malloc and
// free; the compiler, seeing the standard operator's name, would take that
// pairing for a mismatch once it inlines them.
namespace {
bool g_counting = false;
long g_allocations = 0;
}  // namespace

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
    if (g_counting) ++g_allocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace tarne {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> example_projects() {
    std::vector<fs::path> projects;
    for (const auto& entry : fs::directory_iterator(TARNE_EXAMPLES_DIR))
        if (entry.path().extension() == ".tq7d") projects.push_back(entry.path());
    std::sort(projects.begin(), projects.end());
    return projects;
}

// A fresh folder for one test's files.
fs::path scratch_folder(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / ("tarne_engine_tests_" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// Copies a project (data and CPT file) into `folder`; returns the data file's path.
fs::path copy_project(const fs::path& data, const fs::path& folder) {
    fs::copy_file(data, folder / data.filename());
    fs::copy_file(fs::path(data).replace_extension(".cpt"), folder / data.filename().replace_extension(".cpt"));
    return folder / data.filename();
}

std::vector<std::string> read_lines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        lines.push_back(l);
    }
    return lines;
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string x; in >> x;) w.push_back(x);
    return w;
}

struct RunOutcome {
    std::unique_ptr<AnalysisState> state = std::make_unique<AnalysisState>();
    RunResult result;
    RunFiles files;
};

RunOutcome run_project(const fs::path& data) {
    RunOutcome run;
    run.files = files_beside(data.string());
    std::ostringstream console_out;
    std::istringstream console_in;
    Console console{&console_out, &console_in};
    run.result = run_analysis(*run.state, run.files, console);
    return run;
}

// The rows of a method's capacity table in the report: depth, skin, tip
// (without the plug mark), ultimate.
std::vector<std::vector<std::string>> report_rows(const std::vector<std::string>& report, int code) {
    const std::string title(capacity_table_title(code));
    std::size_t at = 0;
    // The banner's title line: the title between stars, with any padding.
    while (at < report.size() && !(report[at].find(title) != std::string::npos &&
                                   report[at].find_first_not_of(' ') == report[at].find('*')))
        ++at;
    std::vector<std::vector<std::string>> rows;
    for (at += 6; at < report.size() && !report[at].empty(); ++at) {
        auto w = words(report[at]);
        if (!w.empty() && w[2].back() == '*') w[2].pop_back();
        rows.push_back(w);
    }
    return rows;
}

TEST(Passes, ReportAndPlotRowsAgreeForEveryExample) {
    const fs::path folder = scratch_folder("examples");
    const auto projects = example_projects();
    ASSERT_GE(projects.size(), 7u);
    for (const auto& project : projects) {
        SCOPED_TRACE(project.filename().string());
        RunOutcome run = run_project(copy_project(project, folder));
        ASSERT_EQ(run.result.status, 0) << run.result.message;
        const AnalysisState& s = *run.state;
        const auto report = read_lines(run.files.report_path);
        const auto plot = read_lines(run.files.plot_path);

        const auto header = words(plot.at(0));
        ASSERT_EQ(header.size(), 4u);
        const int blocks = std::stoi(header[0]);
        const int rows = std::stoi(header[1]);
        EXPECT_EQ(blocks, plot_block_count(s));
        EXPECT_EQ(rows, s.printed_row_count);
        EXPECT_EQ(header[2], std::to_string(s.unit_system));
        ASSERT_GE(plot.size(), 1u + static_cast<std::size_t>(blocks * rows));

        int block = 0;
        int tables = 0;
        for (const int code : kMethodRunOrder) {
            if (!method_plotted(s, code)) continue;
            const auto first = plot.begin() + 1 + block * rows;
            const std::vector<std::string> plot_block(first, first + rows);
            ++block;
            if (!s.results[code].computed) {
                for (const auto& line : plot_block) {
                    const auto w = words(line);
                    EXPECT_EQ(std::vector<std::string>(w.begin() + 1, w.end()),
                              (std::vector<std::string>{"0.0", "0.0", "0.0", "0.000"}));
                }
                continue;
            }
            ++tables;
            const auto table = report_rows(report, code);
            std::size_t t = 0;
            for (int row = 1; row <= rows; ++row) {
                const auto p = words(plot_block[static_cast<std::size_t>(row - 1)]);
                ASSERT_EQ(p.size(), 5u);
                EXPECT_EQ(p[0], trim(format_f(s.point_depth[printed_point(s, row)], 7, 2)));
                if (!report_prints_row(s, code, row)) continue;
                ASSERT_LT(t, table.size());
                EXPECT_EQ(std::vector<std::string>(p.begin(), p.begin() + 4), table[t]) << "row " << row;
                ++t;
            }
            EXPECT_EQ(t, table.size());
        }
        EXPECT_GE(tables, 1);
    }
}

TEST(Passes, NothingIsAllocatedWhileThePassesRun) {
    // The largest example: 440 elements, 401 output points.
    ListReader data = ListReader::open(std::string(TARNE_EXAMPLES_DIR) + "/tension_pipe_english.tq7d");
    ListReader cpt = ListReader::open(std::string(TARNE_EXAMPLES_DIR) + "/tension_pipe_english.cpt");
    auto s = std::make_unique<AnalysisState>();
    read_input(*s, data);
    set_unit_labels(*s);
    read_cpt(*s, cpt);
    s->total_length = s->total_length_input - s->stickup_length;
    compute_element_count(*s);
    adjust_boundaries_to_grid(*s);
    ASSERT_EQ(s->element_count, 440);

    const fs::path folder = scratch_folder("allocation");
    TextOut report;
    TextOut plot;
    ASSERT_TRUE(report.open_file((folder / "a.tq7o").string()));
    ASSERT_TRUE(plot.open_file((folder / "a.tq7p").string()));
    g_allocations = 0;
    g_counting = true;
    auto seen = std::make_unique<int>(1);  // the counter itself must see an allocation
    const long counter_works = g_allocations;
    g_allocations = 0;
    run_capacity_passes(*s, report, plot);
    g_counting = false;
    ASSERT_EQ(counter_works, 1);
    EXPECT_EQ(g_allocations, 0);
    EXPECT_TRUE(s->results[kApi].computed);
}

// An absurd strength overflows the end bearing; the run stops at the first
// method computed (FHWA, in pass 1) and says so rather than printing a
// capacity that is not a number.
TEST(Passes, ResultThatIsNotAFiniteNumberStopsTheRun) {
    const fs::path folder = scratch_folder("not_finite");
    const fs::path data = folder / "absurd.tq7d";
    std::ofstream(data, std::ios::binary)
        << "Absurd strength\r\nDesigner\r\nJob\r\n"
           "2 1 2 1 \r\n0 0 300 0 200000000 8 0 \r\n0 0 \r\n0 1 1 0 4 1 0 \r\n0 0 0 1 0 0 0 0 0 \r\n20 0 \r\n"
           "0.0 2 0.0 18 0.0 0.0 \r\n0 0 1e308 500 1 20 0 0 0 1 1 1 \r\n"
           "20 2 0.0 18 0.0 0.0 \r\n0 0 1e308 500 1 20 0 0 0 1 1 1 \r\n"
           "0 \r\n0 1 \r\n0 0 \r\n2 0 \r\n0 0 \r\n8 0 \r\n0 0 \r\n";
    std::ofstream(folder / "absurd.cpt", std::ios::binary) << " 2 0\r\n";
    RunOutcome run = run_project(data);
    EXPECT_EQ(run.result.status, 1);
    // Every method is computed, selected or not: the first one computed names itself.
    EXPECT_NE(run.result.message.find(" at 0.00 M. is not a finite number; check the soil and pile data"),
              std::string::npos)
        << run.result.message;
}

TEST(Passes, ProfileShallowerThanOneIncrementStopsTheRun) {
    // 1 ft embedded, 1 in diameter, soil to 2 ft, 3 ft increments: no element.
    const fs::path folder = scratch_folder("no_element");
    const fs::path data = folder / "shallow.tq7d";
    std::ofstream(data, std::ios::binary)
        << "Shallow\r\nDesigner\r\nJob\r\n"
           "1 1 2 1 \r\n0 0 1 0 29000000 1 0 \r\n0 0 \r\n0 3 1 0 4 1 0 \r\n0 0 0 1 0 0 0 0 0 \r\n2 0 \r\n"
           "0.0 2 0.0 110 0.0 0.0 \r\n0 0 1000 500 1 20 0 0 0 1 1 1 \r\n"
           "2 2 0.0 110 0.0 0.0 \r\n0 0 1000 500 1 20 0 0 0 1 1 1 \r\n"
           "0 \r\n0 1 \r\n0 0 \r\n2 0 \r\n0 0 \r\n1 0 \r\n0 0 \r\n";
    std::ofstream(folder / "shallow.cpt", std::ios::binary) << " 1 0\r\n";
    RunOutcome run = run_project(data);
    EXPECT_EQ(run.result.status, 1);
    EXPECT_EQ(run.result.message, "the soil profile (2.00 FT.) is shallower than one length increment (3.00 FT.)");
}

}  // namespace
}  // namespace tarne
