// Hand-over of the load-transfer method's results to the load-transfer
// stage: for every output point, its cumulative side resistance kept for load
// transfer and its tip resistance before the end-bearing factor.
#pragma once

#include "state.h"

namespace tarne {

// Whether the tip copy a method keeps for load transfer (by method code
// 1..9, `MethodResults::tip_for_transfer`) already carries the end-bearing
// factor. FHWA and USACE keep their tip before the factor is applied; the
// other methods keep the factored tip, which the hand-over divides by the
// factor again.
bool tip_copy_is_factored(int method_code);

// Fills `transfer_side` and `transfer_tip` (kips / kN) at every output point
// from the results of `transfer_method`. Where the end-bearing factor is zero
// the factored tip cannot be undone and is handed over as it is.
void hand_over_transfer_results(AnalysisState& s);

}  // namespace tarne
