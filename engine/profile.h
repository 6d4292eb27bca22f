// The soil profile on the element grid: the required soil depth, the
// element count, the snapping of layer boundaries to the grid, the element
// arrays (properties at mid-depth) and the output points.
#pragma once

#include "state.h"

namespace tarne {

// Embedded length plus two pile diameters (ft / m); stored in the state.
double compute_required_soil_depth(AnalysisState& s);

// trunc(profile_bottom / increment); stored in `element_count`. The value
// may exceed the table size: the caller stops the run then.
int compute_element_count(AnalysisState& s);

// Moves layer boundaries onto the element grid, in place: a gap under half
// an increment closes, a gap under one increment grows to one increment.
void adjust_boundaries_to_grid(AnalysisState& s);

// Fills the element arrays from the profile points (one pass's start).
void build_elements(AnalysisState& s);

// Lays out the output points down to the embedded length and counts the
// rows a capacity table prints.
void compute_output_points(AnalysisState& s);

// The element whose top is output point j, whose properties (limits and
// resistance factors) the methods use at that point. When the pile tip lies
// at the bottom of the last element there is no element below it; the last
// element is used then, never an entry past `element_count`.
int element_at_point(const AnalysisState& s, int j);

// The output point printed on capacity-table row r (1-based): 1, 1+n, ...,
// then the last point if the regular sequence missed it.
int printed_point(const AnalysisState& s, int row);

}  // namespace tarne
