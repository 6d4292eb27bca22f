// Load-transfer curves: t-z curves along the shaft and the Q-w curve at the
// tip, built from the transfer method's cumulative side resistance and tip
// resistance (`transfer_side`, `transfer_tip`), and their report sections.
//
// Units: English runs work in inches and pounds (curve depths and movements
// in, unit transfer psi, tip load lb), SI runs in metres, kPa and kN.
#pragma once

#include "state.h"
#include "text_out.h"

namespace tarne {

// Outside and inside diameter in the load-transfer units: in (English) or m (SI).
double transfer_outside_diameter(const AnalysisState& s);
double transfer_inside_diameter(const AnalysisState& s);

// Number of curves the main set needs: 3 per soil interval at least 0.11
// (ft / m) thick, plus 3 for a stick-up. May exceed the table (kMaxCurves);
// build_tz_curves refuses such a profile.
int main_curve_count(const AnalysisState& s);
// Index of the first main curve that lies in the soil (4 with a stick-up, else 1).
int first_soil_curve(const AnalysisState& s);

// Places and builds the main set of curves (stick-up curves first, then three
// per soil interval). Throws EngineError when the profile needs more curves
// than the table holds.
void build_tz_curves(AnalysisState& s);

// Peak unit transfer (psi / kPa) at `depth` below the ground surface (in / m):
// the slope of the cumulative side resistance at the output point just below
// the depth, per unit of shaft surface.
double max_unit_transfer(const AnalysisState& s, double depth);

// Fill the 10 points of curve i from its peak (and friction angle).
void sand_tz_curve(AnalysisState& s, int i);
void clay_tz_curve(AnalysisState& s, int i);

// Builds the tip curve from `transfer_tip` at the pile tip.
void build_qw_curve(AnalysisState& s);

// Whether extra depth i (1..extra_tz_count) lies within the soil profile.
bool extra_tz_in_range(const AnalysisState& s, int i);
// Rebuilds curve i of the table for every in-range extra depth i; returns
// how many were in range.
int extra_tz_curves(AnalysisState& s);

// Unit transfer (psi / kPa) of curve c at `movement` (in / m); flat beyond the
// last point, the first point's value at or above the first point.
double curve_transfer_at(const AnalysisState& s, int c, double movement);
// Unit transfer at `depth` from the pile head (in / m) and `movement`:
// interpolated in depth between the neighbouring curves; a depth exactly at a
// curve uses that curve; above the first or below the last curve the nearest
// curve is used.
double unit_transfer_at(const AnalysisState& s, double depth, double movement);

// One curve as the report and the plot file list it: the heading line
// (number, point count, depth below the ground surface in ft / m), then one
// line per point (t in psi / kPa, z in in / m).
void write_curve_heading(TextOut& out, int number, int points, double depth);
void write_curve_points(TextOut& out, const AnalysisState& s, int curve);
void write_curve_lines(TextOut& out, const AnalysisState& s, int curve, int number, double depth);

// Report sections: the main t-z curves, the tip curve, the extra curves.
void write_tz_section(TextOut& report, const AnalysisState& s);
void write_qw_section(TextOut& report, const AnalysisState& s);
void write_extra_tz_section(TextOut& report, const AnalysisState& s);

// Depth below the ground surface (ft / m) at which main curve i is listed.
double curve_depth_below_ground(const AnalysisState& s, int i);

}  // namespace tarne
