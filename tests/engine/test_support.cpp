#include "test_support.h"

#include <atomic>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>
#include <unistd.h>

namespace tarne::test {

ScratchDir::ScratchDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::path(::testing::TempDir()) /
            ("tarne-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void write_lines(const std::filesystem::path& p, const std::vector<std::string>& lines) {
    std::ofstream out(p, std::ios::binary);
    for (const auto& l : lines) out << l << "\r\n";
}

std::string read_text(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> read_lines(const std::filesystem::path& p) {
    std::vector<std::string> lines;
    std::istringstream in(read_text(p));
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        lines.push_back(l);
    }
    return lines;
}

std::vector<std::string> small_project() {
    return {
        "Small test project",
        "Tester",
        "T-1",
        "1 1 4 0 ",
        "0 0 18 17 29000000 40 0 ",
        "0 0 ",
        "0 1 1 0 4 1 0 ",
        "0 0 0 1 0 0 0 0 0 ",
        "60 0 ",
        // sand 0-20 ft, dry: top then bottom point, lines A and B
        "0.0 1 0.8 115 30 20 ", "1700 100000 0.0 12 0.0 0.0 0.0 0.0 0.0 1 1 0 ",
        "20 1 0.8 115 32 20 ", "1700 100000 0.0 16 0.0 0.0 0.0 0.0 0.0 1 1 0 ",
        // clay 20-60 ft, submerged
        "20 2 0.0 52.6 0.0 0.0 ", "0 0 1000 500 1 20 0.0 0.0 0.0 1 1 1 ",
        "60 2 0.0 52.6 0.0 0.0 ", "0 0 2000 900 1 20 0.0 0.0 0.0 1 1 1 ",
        "0 ", "0 1 ", "0 0 ", "2 0 ", "0 0 ", "40 0 ", "0 0 ",
    };
}

std::vector<std::string> cpt_lines(int unit_system, int count) {
    std::vector<std::string> lines{" " + std::to_string(unit_system) + " " + std::to_string(count)};
    for (int k = 0; k < count; ++k) lines.push_back("  " + std::to_string(0.1 * k) + "  1.00E+02");
    return lines;
}

Outcome run_project(const std::vector<std::string>& data, const std::vector<std::string>& cpt) {
    ScratchDir dir;
    write_lines(dir.file("p.tq7d"), data);
    write_lines(dir.file("p.cpt"), cpt);
    Outcome o;
    o.state = std::make_unique<AnalysisState>();
    std::ostringstream console;
    std::istringstream no_input;
    Console c{&console, &no_input};
    o.result = run_analysis(*o.state, files_beside(dir.file("p.tq7d").string()), c);
    o.report = read_text(dir.file("p.tq7o"));
    o.console = console.str();
    return o;
}

}  // namespace tarne::test
