// Reading the run-control file, the data file and the CPT file into the
// analysis state, with the unit conversions and substitutions every later
// stage relies on.
#pragma once

#include <iosfwd>
#include <string>

#include "list_reader.h"
#include "state.h"

namespace tarne {

// Where the engine's console prompts and messages go, and where the prompts
// are answered from. Either stream may be null (nothing written / no answer).
struct Console {
    std::ostream* out = nullptr;
    std::istream* in = nullptr;
};

// Reads "names.dat": the version text and the four file paths. When a path
// line is missing, asks for the input, report and plot file names on the
// console instead (the CPT path is not asked for).
void read_run_control(AnalysisState& s, const std::string& names_path, Console& console);

// Reads the data file (".tq7d") into the state. Throws EngineError for a
// missing, malformed or out-of-range value, naming its line and item.
void read_input(AnalysisState& s, ListReader& data);
// Reads the CPT file (".cpt"). Throws EngineError like read_input.
void read_cpt(AnalysisState& s, ListReader& cpt);

}  // namespace tarne
