// Helpers for engine tests: a scratch folder, files written with CR LF line
// ends, and one analysis run on a fresh state.
#pragma once

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "run.h"
#include "state.h"

namespace tarne::test {

// A fresh folder under the test temporary directory, removed afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::filesystem::path file(const std::string& name) const { return path_ / name; }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Writes `lines` joined with CR LF, as the desktop program writes its files.
void write_lines(const std::filesystem::path& p, const std::vector<std::string>& lines);
std::string read_text(const std::filesystem::path& p);
std::vector<std::string> read_lines(const std::filesystem::path& p);  // without line ends

// The lines of a small valid English project: an 18 in open-ended pipe pile,
// 40 ft long (no stick-up), in sand over clay with the profile bottom at 60 ft.
std::vector<std::string> small_project();
// A CPT file of `count` points.
std::vector<std::string> cpt_lines(int unit_system, int count);

struct Outcome {
    RunResult result;
    std::unique_ptr<AnalysisState> state;
    std::string report;
    std::string console;
};

// Runs one analysis of the given data and CPT lines in a scratch folder.
Outcome run_project(const std::vector<std::string>& data, const std::vector<std::string>& cpt);

}  // namespace tarne::test
