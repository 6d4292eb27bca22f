// What `tarne run` prints about a finished analysis: the capacity at the
// pile tip, one line of a batch, or capacity versus depth as CSV or JSON.
#pragma once

#include <iosfwd>
#include <string>

#include "run.h"
#include "state.h"

namespace tarne::cli {

// For every selected method the run computed: the ultimate capacity at the
// pile tip with its skin friction and tip parts, in the report's digits.
void print_capacity_summary(std::ostream& out, const AnalysisState& s);

// One line of a batch run: the project, "ok" or "stopped", and the load-transfer
// method's ultimate capacity at the deepest output point with its unit.
void print_batch_line(std::ostream& out, const std::string& project, const RunResult& result,
                      const AnalysisState& s);

// Capacity versus depth of every computed method, every output point.
void print_csv(std::ostream& out, const AnalysisState& s);
void print_json(std::ostream& out, const AnalysisState& s);

}  // namespace tarne::cli
