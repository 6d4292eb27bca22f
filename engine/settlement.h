// Load distribution and load-settlement by load transfer: for each of nine
// assumed tip movements the tip load comes from the Q-w curve, then the pile
// is walked up segment by segment, finding in each the movement at which the
// t-z response of the soil and the elastic shortening of the pile agree.
//
// Units as the load-transfer curves: English in inches and pounds, SI in
// metres and kN.
#pragma once

#include "state.h"
#include "text_out.h"

namespace tarne {

// A segment has converged when its midpoint movement changes by no more than
// this between two iterations (in for English runs, m for SI runs).
inline constexpr double settle_tolerance = static_cast<double>(1.0e-4f);
// Iterations allowed per segment. The fixed-point iteration need not converge
// where a curve softens steeply; the last iterate is then used and the report
// says so.
inline constexpr int kMaxSegmentIterations = 100;

// Segments (one per printed capacity-table row), pile length and segment
// length from the pile head, and the nine assumed tip movements.
void prepare_settlement(AnalysisState& s);

// Axial stiffness table from the section or the area table. Throws
// EngineError when an entry is not greater than zero or the area table the
// run asks for is empty.
void build_stiffness_table(AnalysisState& s);
// E*A (lb / kN) at `depth` from the pile head (in / m): linear between
// entries, the nearest entry above the first or below the last.
double axial_stiffness_at(const AnalysisState& s, double depth);

// Tip load (lb / kN) at tip movement `movement` (in / m) on the tip curve:
// linear between points, the last point's load beyond the last point.
double tip_load_at(const AnalysisState& s, double movement);

// Solves tip movement m (1..9): tip load, the segments from the tip up with
// their load-distribution rows, and the head load and movement.
void settle_for_tip_movement(AnalysisState& s, int m);

// The whole computation without output: curves, stiffness, tip curve and the
// nine tip movements. Throws EngineError before computing anything when the
// pile has no diameter, the profile needs more curves than the table holds,
// or the pile has no axial stiffness.
void solve_load_settlement(AnalysisState& s);

// The step of the run: solves, then writes the notes, the load-settlement
// banner, the t-z and tip curves and the load-settlement table to the report,
// and the t-z, load-distribution and load-settlement blocks to the plot file.
void load_settlement_analysis(AnalysisState& s, TextOut& report, TextOut& plot);

// The nine load-settlement rows (head load, head movement, tip load, tip
// movement), as the report and the plot file both list them.
void write_settlement_rows(TextOut& out, const AnalysisState& s);

// Report lines for the segments the iteration cap stopped, per tip
// movement; nothing when every segment converged.
void write_iteration_warnings(TextOut& report, const AnalysisState& s);

// Extra t-z curves at the user's depths: the verification banner and the
// curves in the report, the extra t-z block in the plot file.
void extra_tz_section(AnalysisState& s, TextOut& report, TextOut& plot);

}  // namespace tarne
