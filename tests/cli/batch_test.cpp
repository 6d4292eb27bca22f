// Batch runs: many projects in one `tarne run`, in parallel, give the same
// reports as the same projects run one at a time.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The report without its date and time line.
std::string without_date(const std::string& report) {
    const auto at = report.find("               Date:  ");
    if (at == std::string::npos) return report;
    const auto end = report.find('\n', at);
    return report.substr(0, at) + report.substr(end);
}

std::string run(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    pclose(pipe);
    return output;
}

TEST(Batch, TwoHundredProjectsMatchSingleRuns) {
    const fs::path dir = fs::path(::testing::TempDir()) / ("tarne-batch-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::vector<fs::path> examples;
    for (const auto& e : fs::directory_iterator(TARNE_EXAMPLES_DIR))
        if (e.path().extension() == ".tq7d") examples.push_back(e.path());
    std::sort(examples.begin(), examples.end());
    ASSERT_FALSE(examples.empty());

    std::vector<fs::path> projects;
    for (int i = 0; i < 200; ++i) {
        const fs::path& source = examples[static_cast<std::size_t>(i) % examples.size()];
        const fs::path copy = dir / ("p" + std::to_string(i) + ".tq7d");
        fs::copy_file(source, copy);
        fs::copy_file(fs::path(source).replace_extension(".cpt"), fs::path(copy).replace_extension(".cpt"));
        projects.push_back(copy);
    }

    // Each run's report and, read back from its plot data, its driveability
    // input; removed before the batch writes them again.
    std::vector<std::string> single_reports, single_gwi;
    for (const auto& p : projects) {
        run(std::string(TARNE_CLI) + " run " + p.string() + " > /dev/null 2>&1");
        single_reports.push_back(read(fs::path(p).replace_extension(".tq7o")));
        single_gwi.push_back(read(fs::path(p).replace_extension(".gwi")));
        fs::remove(fs::path(p).replace_extension(".tq7o"));
        fs::remove(fs::path(p).replace_extension(".gwi"));
    }

    std::string command = std::string(TARNE_CLI) + " run -j 2";
    for (const auto& p : projects) command += " " + p.string();
    const std::string output = run(command);

    std::istringstream lines(output);
    std::size_t i = 0;
    for (std::string line; std::getline(lines, line); ++i) {
        ASSERT_LT(i, projects.size());
        EXPECT_TRUE(line.starts_with(projects[i].string() + ": ok, ")) << line;
    }
    EXPECT_EQ(i, projects.size());
    for (std::size_t k = 0; k < projects.size(); ++k) {
        const auto batch = read(fs::path(projects[k]).replace_extension(".tq7o"));
        ASSERT_FALSE(batch.empty()) << projects[k];
        EXPECT_EQ(without_date(batch), without_date(single_reports[k])) << projects[k];
#ifdef TARNE_CLI_READS_BACK
        const auto gwi = read(fs::path(projects[k]).replace_extension(".gwi"));
        ASSERT_FALSE(gwi.empty()) << projects[k];
        EXPECT_EQ(gwi, single_gwi[k]) << projects[k];
#endif
    }
    fs::remove_all(dir);
}

TEST(Batch, AStoppedProjectIsReportedAndFailsTheRun) {
    const std::string output =
        run(std::string(TARNE_CLI) + " run " + TARNE_EXAMPLES_DIR "/absent.tq7d " + TARNE_EXAMPLES_DIR +
            "/also_absent.tq7d; echo \"exit $?\"");
    EXPECT_NE(output.find("absent.tq7d: stopped: cannot open the data file"), std::string::npos) << output;
    EXPECT_NE(output.find("exit 1"), std::string::npos) << output;
}

}  // namespace
