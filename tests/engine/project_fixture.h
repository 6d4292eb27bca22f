// Test helpers: a data file's text read into a fresh analysis state with its
// elements and output points built, as a run has them when its passes start.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "state.h"

namespace tarne::testing {

// Reads `data_text` (a ".tq7d" file's content, no CPT points) and builds the
// elements and output points of a second pass.
std::unique_ptr<AnalysisState> load_project(const std::string& data_text);

// Pre-step and the opening chain runs, then API RP-2A with its chain run and results.
void run_api(AnalysisState& s);

// `text` with every "{key}" replaced by `value`.
std::string with(std::string text, std::string_view key, std::string_view value);

}  // namespace tarne::testing
