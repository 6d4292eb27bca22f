// The fixed blocks of the analysis report: banner, file locations, date and
// time, input echo and the results heading, with the unit labels.
#pragma once

#include <ctime>

#include "state.h"
#include "text_out.h"

namespace tarne {

// Sets the six report labels from `unit_system`.
void set_unit_labels(AnalysisState& s);

void write_banner(TextOut& out, const AnalysisState& s);
void write_file_block(TextOut& out, const AnalysisState& s);
void write_date_block(TextOut& out, const std::tm& when);
// Echoes the input as read (profile depths before the grid adjustment).
void write_input_echo(TextOut& out, const AnalysisState& s);
void write_results_heading(TextOut& out);

// The line of `method_switch` / `transfer_method` code m (1..9), after its indent.
const char* method_line(int code);

}  // namespace tarne
