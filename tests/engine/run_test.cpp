#include "run.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace tarne {
namespace {

using test::cpt_lines;
using test::run_project;
using test::small_project;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(Run, SmallProjectRunsToTheEnd) {
    auto o = run_project(small_project(), cpt_lines(1, 3));
    EXPECT_EQ(o.result.status, 0) << o.result.message;
    EXPECT_TRUE(contains(o.report, "* COMPUTATION RESULT *"));
    EXPECT_TRUE(contains(o.console, "COMPUTATION IS PROCEEDING........"));
    EXPECT_EQ(o.state->element_count, 60);
    EXPECT_EQ(o.state->output_point_count, 41);
    EXPECT_EQ(o.state->cpt_count, 3);
    EXPECT_DOUBLE_EQ(o.state->total_length, 40.0);  // the embedded length after the echo
}

// Malformed or oversized input ends the run with status 1 and a line in the report.
TEST(Run, BadInputStopsWithAClearMessage) {
    struct Case { const char* name; int line; const char* replacement; int cpt_count; const char* expected; };
    const Case cases[] = {
        {"non-numeric token", 4, "0 0 18 abc 29000000 40 0 ", 3,
         "p.tq7d, line 5, item 4: a number was expected for the inside diameter but \"abc\" was found"},
        {"too many profile points", 3, "1 1 82 0 ", 3,
         "p.tq7d, line 4, item 3: the number of soil profile points is 82; it must be from 2 to 80"},
        {"zero increment", 6, "0 0 1 0 4 1 0 ", 3,
         "p.tq7d, line 7, item 2: the length increment must be greater than zero"},
        {"negative increment", 6, "0 -1 1 0 4 1 0 ", 3,
         "p.tq7d, line 7, item 2: the length increment must be greater than zero"},
        {"zero print interval", 3, "1 0 4 0 ", 3,
         "p.tq7d, line 4, item 2: the print interval is 0; it must be from 1 to 1000000"},
        {"unknown pile type", 6, "0 1 9 0 4 1 0 ", 3,
         "p.tq7d, line 7, item 3: the pile type is 9; it must be from 1 to 7"},
        {"too many area rows", 20, "101 2 ", 3,
         "p.tq7d, line 21, item 1: the number of cross section area rows is 101; it must be from 0 to 100"},
        {"too many CPT points", -1, "", 1001,
         "p.cpt, line 1, item 2: the number of CPT points is 1001; it must be from 0 to 1000"},
        {"unknown soil kind", 9, "0.0 4 0.8 115 30 20 ", 3,
         "p.tq7d, line 10, item 2: the soil kind must be 1 (sand), 2 (clay) or 3 (silt)"},
    };
    for (const auto& c : cases) {
        auto data = small_project();
        if (c.line >= 0) data[static_cast<std::size_t>(c.line)] = c.replacement;
        auto o = run_project(data, cpt_lines(1, c.cpt_count));
        EXPECT_EQ(o.result.status, 1) << c.name;
        EXPECT_EQ(o.result.message, c.expected) << c.name;
        EXPECT_TRUE(contains(o.report, "COMPUTATION DOES NOT PROCEED BECAUSE OF AN ERROR IN THE INPUT:")) << c.name;
        EXPECT_TRUE(contains(o.report, c.expected)) << c.name;
    }
}

TEST(Run, TruncatedFilesStopAtTheirEnd) {
    const auto full = small_project();
    for (std::size_t keep : {std::size_t{0}, std::size_t{2}, std::size_t{5}, std::size_t{12}, full.size() - 1}) {
        std::vector<std::string> data(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(keep));
        auto o = run_project(data, cpt_lines(1, 0));
        EXPECT_EQ(o.result.status, 1) << keep;
        EXPECT_TRUE(contains(o.result.message, "the file ends where")) << keep << ": " << o.result.message;
    }
    // A CPT file announcing more points than it holds.
    auto cpt = cpt_lines(1, 5);
    cpt.resize(3);
    auto o = run_project(full, cpt);
    EXPECT_EQ(o.result.message, "p.cpt, line 4: the file ends where a CPT depth was expected");
}

TEST(Run, MissingFilesAreReported) {
    test::ScratchDir dir;
    AnalysisState s;
    Console none;
    auto files = files_beside(dir.file("absent.tq7d").string());
    auto r = run_analysis(s, files, none);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.message, "cannot open the file")) << r.message;
    EXPECT_TRUE(contains(test::read_text(files.report_path), "cannot open the file"));

    files.report_path = (dir.path() / "no-such-folder" / "x.tq7o").string();
    r = run_analysis(s, files, none);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.message, "cannot create the report file")) << r.message;
}

TEST(Run, SoilTooShallowStops) {
    auto data = small_project();
    data[8] = "42 0 ";  // 40 ft pile + 2 * 1.5 ft needs 43 ft of soil
    auto o = run_project(data, cpt_lines(1, 0));
    EXPECT_EQ(o.result.status, 1);
    const std::string expected =
        "\r\n\r\n          COMPUTATION DOES NOT PROCEED BECAUSE THE DEEPEST SOIL PROFILE   42.00 FT.\r\n"
        "          IS LESS THAN PILE EMBEDDED LENGTH PLUS TWO TIMES THE PILE DIAMETER      43.00 FT.\r\n";
    EXPECT_TRUE(o.report.ends_with(expected)) << o.report.substr(o.report.size() - 300);
    EXPECT_FALSE(contains(o.report, "INPUT INFORMATION"));  // stops before the echo
    // The deepest profile point (60 ft) is deep enough: no console notice.
    EXPECT_FALSE(contains(o.console, "NO SOILINFORMATION"));

    data[8] = "43 0 ";  // exactly the required depth runs
    EXPECT_EQ(run_project(data, cpt_lines(1, 0)).result.status, 0);

    data = small_project();
    data[15] = "42 2 0.0 52.6 0.0 0.0 ";  // the deepest point is shallow, the bottom is not
    o = run_project(data, cpt_lines(1, 0));
    EXPECT_EQ(o.result.status, 0);
    EXPECT_TRUE(contains(o.console, "          COMPUTATION DOES NOT PROCEED BECAUSE NO SOILINFORMATION\n"
                                    "          WAS PROVIDED AT THE DEPTH      43.00 FT.\n"));
}

TEST(Run, MoreThan500ElementsStops) {
    auto data = small_project();
    data[6] = "0 0.12 1 0 4 1 0 ";  // 60 ft / 0.12 ft = 500 elements
    EXPECT_EQ(run_project(data, cpt_lines(1, 0)).result.status, 0);

    data[6] = "0 0.1198 1 0 4 1 0 ";  // 500.8 -> 500
    EXPECT_EQ(run_project(data, cpt_lines(1, 0)).result.status, 0);

    data[8] = "60.12 0 ";  // 501 elements
    data[6] = "0 0.12 1 0 4 1 0 ";
    auto o = run_project(data, cpt_lines(1, 0));
    EXPECT_EQ(o.result.status, 1);
    const std::string expected =
        "\r\n\r\n YOUR NUMBERS OF SEGMENT  501 IS LARGER THAN\r\n"
        " DEFAULT VALUE 500. YOU MIGHT WANT TO CHANGE THE LENGTH OF \r\n"
        " SEGMENT OR CONSULT VELMOR, INC. FOR CHANGING THE DEFAULT VALUE\r\n";
    EXPECT_TRUE(o.report.ends_with(expected));
    EXPECT_TRUE(contains(o.report, "* COMPUTATION RESULT *"));  // after the echo and heading
    EXPECT_TRUE(contains(o.console, " YOUR NUMBERS OF SEGMENT  501 IS LARGER THAN\n"));
}

TEST(Run, RunControlFileNamesTheFiles) {
    test::ScratchDir dir;
    test::write_lines(dir.file("p.tq7d"), small_project());
    test::write_lines(dir.file("p.cpt"), cpt_lines(1, 0));
    const auto files = files_beside(dir.file("p.tq7d").string());
    test::write_lines(dir.file("names.dat"),
                      {"2015.7.6", "", "", "0", files.input_path, files.report_path, files.plot_path, files.cpt_path});
    AnalysisState s;
    Console none;
    EXPECT_EQ(run_from_run_control(s, dir.file("names.dat").string(), none).status, 0);
    EXPECT_EQ(s.version_text, "2015.7.6");
    EXPECT_TRUE(std::filesystem::exists(files.plot_path));
}

TEST(Run, RunControlWithoutPathsAsksOnTheConsole) {
    test::ScratchDir dir;
    test::write_lines(dir.file("p.tq7d"), small_project());
    const auto files = files_beside(dir.file("p.tq7d").string());
    test::write_lines(dir.file("names.dat"), {"2015.7.6", "", "", "0", files.input_path, files.report_path,
                                              files.plot_path});  // no line 8
    std::ostringstream out;
    std::istringstream answers(files.input_path + "\n" + files.report_path + "\n" + files.plot_path + "\n");
    Console console{&out, &answers};
    AnalysisState s;
    const auto r = run_from_run_control(s, dir.file("names.dat").string(), console);
    EXPECT_TRUE(contains(out.str(), "\n\n       ENTER A FILE NAME FOR YOUR INPUT FILE.\n ENTER >"));
    EXPECT_TRUE(contains(out.str(), "       ENTER A FILE NAME FOR YOUR OUTPUT FILE.\n ENTER >"));
    EXPECT_TRUE(contains(out.str(), "       ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE.\n ENTER >"));
    EXPECT_EQ(s.input_path, files.input_path);
    EXPECT_EQ(s.plot_path, files.plot_path);
    // The CPT path is not asked for, so the run stops at the CPT file with a message.
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.message, "cannot open the file")) << r.message;
}

}  // namespace
}  // namespace tarne
