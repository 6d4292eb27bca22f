// A project at the engine's largest table sizes: 40 layers, 500 elements,
// 1000 CPT points, every method switched on with the offshore methods
// enabled, 90 extra t-z depths and the load-settlement analysis.
#pragma once

#include <filesystem>

namespace tarne::bench {

// Writes "largest.tq7d" and "largest.cpt" into `folder`; returns the data file.
std::filesystem::path write_largest_project(const std::filesystem::path& folder);

}  // namespace tarne::bench
