// Whole runs through the load-transfer stages: the plot file read back word
// by word as the desktop program reads it, and the bounds and refusals that
// end a run with a message.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fixed_format.h"
#include "test_support.h"

namespace tarne {
namespace {

namespace fs = std::filesystem;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Words of a text file split at blanks and tabs, handed out in sequence; a
// missing or malformed value fails the test, as it fails the desktop reader.
class WordReader {
public:
    explicit WordReader(const std::string& text) {
        std::istringstream in(text);
        for (std::string w; in >> w;) words_.push_back(w);
    }
    int integer() {
        const std::string w = next();
        std::size_t used = 0;
        const int v = std::stoi(w, &used);
        EXPECT_EQ(used, w.size()) << "not an integer: " << w;
        return v;
    }
    double real() {
        const std::string w = next();
        std::size_t used = 0;
        const double v = std::stod(w, &used);
        EXPECT_EQ(used, w.size()) << "not a number: " << w;
        return v;
    }
    bool at_end() const { return at_ == words_.size(); }

private:
    std::string next() {
        if (at_ >= words_.size()) throw std::runtime_error("the plot file ends early");
        return words_[at_++];
    }
    std::vector<std::string> words_;
    std::size_t at_ = 0;
};

struct PlotCounts {
    int tz_curves;       // main t-z block
    int rows;            // rows per load-distribution group
    int extra_curves;    // -1: no extra block
    std::vector<double> tz_depths;  // first curves' depths below ground, ft / m
};

struct ExampleRun {
    RunResult result;
    std::string report, plot;
    int printed_rows = 0;
};

ExampleRun run_example(const std::string& name) {
    test::ScratchDir dir;
    const fs::path example = fs::path(TARNE_EXAMPLES_DIR) / (name + ".tq7d");
    fs::copy_file(example, dir.file(name + ".tq7d"));
    fs::copy_file(fs::path(example).replace_extension(".cpt"), dir.file(name + ".cpt"));
    auto s = std::make_unique<AnalysisState>();
    Console none;
    const auto files = files_beside(dir.file(name + ".tq7d").string());
    ExampleRun r;
    r.result = run_analysis(*s, files, none);
    r.report = test::read_text(files.report_path);
    r.plot = test::read_text(files.plot_path);
    r.printed_rows = s->printed_row_count;
    return r;
}

// Reads blocks 3 to 6 (after the header and capacity blocks, when present)
// and checks their counts; nothing may follow.
void read_transfer_blocks(const std::string& plot, const PlotCounts& expected) {
    const std::string first_line = plot.substr(0, plot.find("\r\n"));
    std::istringstream first(first_line);
    int words = 0;
    for (std::string w; first >> w;) ++words;

    WordReader r(plot);
    if (words == 4) {  // header: plot count, row count, unit system, transfer method
        const int plots = r.integer();
        const int rows = r.integer();
        r.integer();
        r.integer();
        EXPECT_EQ(rows, expected.rows);
        for (int k = 0; k < plots * rows * 5; ++k) r.real();
    }

    ASSERT_EQ(r.integer(), expected.tz_curves);
    for (int c = 1; c <= expected.tz_curves; ++c) {
        EXPECT_EQ(r.integer(), c);
        EXPECT_EQ(r.integer(), 10);
        const double depth = r.real();
        if (c <= static_cast<int>(expected.tz_depths.size())) {
            EXPECT_NEAR(depth, expected.tz_depths[c - 1], 1e-3) << c;
        }
        for (int j = 0; j < 20; ++j) r.real();
    }
    for (int m = 1; m <= 9; ++m) {
        double previous_depth = 1e30;
        for (int j = 1; j <= expected.rows; ++j) {
            const double depth = r.real();
            EXPECT_LT(depth, previous_depth) << "group " << m << " runs from the tip to the head";
            previous_depth = depth;
            r.real();
            r.real();
        }
    }
    double previous_tip = 0.0;
    for (int m = 1; m <= 9; ++m) {
        r.real();
        r.real();
        r.real();
        const double tip_movement = r.real();
        EXPECT_GT(tip_movement, previous_tip);
        previous_tip = tip_movement;
    }
    if (expected.extra_curves >= 0) {
        ASSERT_EQ(r.integer(), expected.extra_curves);
        for (int c = 1; c <= expected.extra_curves; ++c) {
            r.integer();
            EXPECT_EQ(r.integer(), 10);
            r.real();
            for (int j = 0; j < 20; ++j) r.real();
        }
    }
    EXPECT_TRUE(r.at_end()) << "words after the last block";
}

TEST(TransferRun, PlotFileBlocksReadBack) {
    struct Case { const char* example; PlotCounts counts; };
    const Case cases[] = {
        // No stick-up, three layers: 9 curves; 51 output points every 5th: 11 rows; 5 of 6 depths in the soil.
        {"pipe_pile_extra_tz_english", {9, 11, 5, {0.0, 7.525, 14.96, 15.0}}},
        // 1.5 m stick-up, two layers: 6 soil curves; 46 points every 2nd plus the last: 24 rows.
        {"pipe_pile_tension_si", {6, 24, -1, {0.0, 6.0, 11.9, 12.0, 26.0, 39.9}}},
        {"pipe_pile_english", {9, 13, -1, {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.example);
        const auto run = run_example(c.example);
        ASSERT_EQ(run.result.status, 0) << run.result.message;
        EXPECT_EQ(run.printed_rows, c.counts.rows);
        read_transfer_blocks(run.plot, c.counts);

        // CR LF line ends, and no value too wide or not finite (written as asterisks).
        for (std::size_t at = run.plot.find('\n'); at != std::string::npos; at = run.plot.find('\n', at + 1))
            ASSERT_TRUE(at > 0 && run.plot[at - 1] == '\r') << "bare line feed at " << at;
        EXPECT_FALSE(contains(run.plot, "*"));
        const auto table = run.report.find("TOP  LOAD     TOP MOVEMENT");
        ASSERT_NE(table, std::string::npos);
        std::istringstream rows(run.report.substr(table));
        std::string row;
        for (int k = 0; k < 2 + 9 && std::getline(rows, row); ++k) EXPECT_FALSE(contains(row, "*")) << row;
    }
}

TEST(TransferRun, TensionNotesAndUnits) {
    const auto run = run_example("pipe_pile_tension_si");
    EXPECT_TRUE(contains(run.report, "\r\n\r\n            - A NEGATIVE SELF-WEIGHT VALUE IS DUE TO THE\r\n"
                                     "              BOUYANCY EFFECT.\r\n\r\n\r\n\r\n"
                                     "                *************************************************\r\n"));
    EXPECT_TRUE(contains(run.report, "\r\n            KN.               M. \r\n"));
    EXPECT_TRUE(contains(run.report, "\r\n           KN.             M.               KN.            M. \r\n"));
    EXPECT_FALSE(contains(run.report, "(t-z) CURVES FOR VERIFICATION"));
    const auto compression = run_example("pipe_pile_english");
    EXPECT_FALSE(contains(compression.report, "SELF-WEIGHT"));
}

// The lines of a small project with `layers` sand layers of 2 ft each.
std::vector<std::string> layered_project(int layers) {
    const auto base = test::small_project();
    std::vector<std::string> data(base.begin(), base.begin() + 9);
    data[3] = "1 1 " + std::to_string(2 * layers) + " 0 ";
    data[8] = std::to_string(2 * layers) + " 0 ";
    for (int k = 0; k < layers; ++k) {
        for (int end = 0; end < 2; ++end) {
            data.push_back((k + end == 0 ? std::string("0.0") : std::to_string(2 * (k + end))) + " 1 0.8 115 32 20 ");
            data.push_back("1700 100000 0.0 12 0.0 0.0 0.0 0.0 0.0 1 1 0 ");
        }
    }
    data.insert(data.end(), base.end() - 7, base.end());
    return data;
}

std::vector<std::string> with_extra_depths(std::vector<std::string> data, int count) {
    const auto at = data.end() - 7;  // the extra t-z flag
    std::vector<std::string> extra{"1 ", std::to_string(count) + " "};
    for (int i = 0; i < count; ++i) extra.push_back(std::to_string(i) + " ");  // ft; beyond 60 ft outside the soil
    *at = extra[0];
    data.insert(at + 1, extra.begin() + 1, extra.end());
    return data;
}

TEST(TransferRun, TableBoundsEndTheRunWithAMessage) {
    // The deepest profile the reader accepts, 40 layers, gets its 120 t-z curves.
    auto deepest = test::run_project(layered_project(kMaxLayers), test::cpt_lines(1, 0));
    EXPECT_EQ(deepest.result.status, 0) << deepest.result.message;
    EXPECT_TRUE(contains(deepest.report, "\r\n          120         10 "));

    // 90 extra depths fill the table; 91 are refused when read.
    auto ninety = test::run_project(with_extra_depths(test::small_project(), 90), test::cpt_lines(1, 0));
    EXPECT_EQ(ninety.result.status, 0) << ninety.result.message;
    EXPECT_TRUE(contains(ninety.report, "\r\n           90         10      0.8900E+02\r\n"
                                        "               CURVE NOT PRINTED SINCE DEPTH OUTSIDE SOIL RANGE\r\n"));
    auto too_many = test::run_project(with_extra_depths(test::small_project(), 91), test::cpt_lines(1, 0));
    EXPECT_EQ(too_many.result.status, 1);
    EXPECT_EQ(too_many.result.message,
              "p.tq7d, line 19, item 1: the number of extra t-z depths is 91; it must be from 0 to 90");
}

TEST(TransferRun, PileWithoutStiffnessIsRefused) {
    auto data = test::small_project();
    data[4] = "0 0 18 17 0 40 0 ";  // modulus of elasticity 0
    auto o = test::run_project(data, test::cpt_lines(1, 0));
    EXPECT_EQ(o.result.status, 1);
    EXPECT_EQ(o.result.message, "the axial stiffness of the pile (modulus of elasticity times cross section area) "
                                "must be greater than zero for the load-settlement analysis");
    EXPECT_TRUE(contains(o.report, "COMPUTATION DOES NOT PROCEED BECAUSE OF AN ERROR IN THE INPUT:"));
    EXPECT_FALSE(contains(o.report, "NOTES:"));
}

}  // namespace
}  // namespace tarne
