// Every example project's report against its checked-in copy.
//
// To regenerate after an intended change of the report:
//   TARNE_UPDATE_GOLDEN=1 build/bin/engine_tests --gtest_filter='GoldenReport.*'
// and review the diff of tests/engine/golden/ before committing it.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "test_support.h"

namespace tarne {
namespace {

namespace fs = std::filesystem;

// The run's date and time and the folder it ran in differ from run to run.
std::string masked(const std::string& report) {
    std::string out;
    std::istringstream in(report);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("               Date:  ")) line = "               Date:  <masked>\r";
        if (line.starts_with("     Path to file locations      : ")) line = "     Path to file locations      : <masked>\r";
        out += line + "\n";
    }
    return out;
}

std::vector<fs::path> examples() {
    std::vector<fs::path> found;
    for (const auto& e : fs::directory_iterator(TARNE_EXAMPLES_DIR))
        if (e.path().extension() == ".tq7d") found.push_back(e.path());
    std::sort(found.begin(), found.end());
    return found;
}

TEST(GoldenReport, EveryExampleMatchesItsReport) {
    const bool update = std::getenv("TARNE_UPDATE_GOLDEN") != nullptr;
    ASSERT_FALSE(examples().empty());
    for (const auto& example : examples()) {
        test::ScratchDir dir;
        const auto data = dir.file(example.filename().string());
        fs::copy_file(example, data);
        fs::copy_file(fs::path(example).replace_extension(".cpt"), fs::path(data).replace_extension(".cpt"));
        AnalysisState* s = new AnalysisState();
        Console none;
        const auto files = files_beside(data.string());
        const auto result = run_analysis(*s, files, none);
        delete s;
        EXPECT_EQ(result.status, 0) << example << ": " << result.message;

        const auto actual = masked(test::read_text(files.report_path));
        const auto golden = fs::path(TARNE_GOLDEN_DIR) / fs::path(example).replace_extension(".tq7o").filename();
        if (update) {
            std::ofstream(golden, std::ios::binary) << actual;
            continue;
        }
        ASSERT_TRUE(fs::exists(golden)) << golden << " is missing; see the comment at the top of this test";
        const auto expected = test::read_text(golden);
        if (actual != expected) {
            // Show the first differing line rather than two whole reports.
            std::istringstream a(actual), b(expected);
            std::string la, lb;
            int n = 0;
            while (true) {
                const bool ga = static_cast<bool>(std::getline(a, la));
                const bool gb = static_cast<bool>(std::getline(b, lb));
                ++n;
                if (!ga && !gb) break;
                if (!ga || !gb || la != lb) {
                    ADD_FAILURE() << example.filename() << " line " << n << "\n  actual:   [" << la
                                  << "]\n  expected: [" << lb << "]";
                    break;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tarne
