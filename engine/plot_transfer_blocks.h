// The load-transfer blocks of the plot data file, after the capacity blocks:
// the t-z curves, the load distribution, the load-settlement curve and the
// optional extra t-z curves. The desktop program reads the file word by word
// in exactly this order, so counts and values must match what follows them.
#pragma once

#include "state.h"
#include "text_out.h"

namespace tarne {

// The main t-z curves in the soil: their count, then per curve a heading
// line (number, points, depth below the ground surface in ft / m) and one
// line per point (t in psi / kPa, z in in / m).
void write_tz_block(TextOut& plot, const AnalysisState& s);

// Nine groups, one per tip movement, of `segment_count` rows from the tip to
// the head: midpoint depth from the head (ft / m), average axial load
// (kips / kN), midpoint movement (in / m).
void write_load_distribution_block(TextOut& plot, const AnalysisState& s);

// Nine rows: head load, head movement, tip load, tip movement.
void write_load_settlement_block(TextOut& plot, const AnalysisState& s);

// The extra t-z curves: the number of depths inside the soil, then each of
// those curves as in the t-z block, numbered by its place in the user's list.
void write_extra_tz_block(TextOut& plot, const AnalysisState& s);

}  // namespace tarne
