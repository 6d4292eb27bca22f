// One complete analysis: run control from the input files to the closed
// report and plot file.
#pragma once

#include <string>

#include "input.h"
#include "state.h"

namespace tarne {

// The four files of a run.
struct RunFiles {
    std::string input_path;   // data file (".tq7d")
    std::string report_path;  // report (".tq7o"), created or replaced
    std::string plot_path;    // plot data (".tq7p"), created or replaced
    std::string cpt_path;     // CPT data (".cpt")
};

// The files that belong to a data file: same path, other extensions.
RunFiles files_beside(const std::string& data_path);

struct RunResult {
    int status = 0;        // 0 the run reached its end, 1 it stopped
    std::string message;   // why it stopped (one line), empty on success
};

inline constexpr const char* kVersionText = "2015.7.6";

// Runs one analysis on `s` (normally a fresh state) with the given files.
RunResult run_analysis(AnalysisState& s, const RunFiles& files, Console& console);

// Runs one analysis whose files are named in the run-control file
// "names.dat" at `names_path`, as the library entry does.
RunResult run_from_run_control(AnalysisState& s, const std::string& names_path, Console& console);

}  // namespace tarne
