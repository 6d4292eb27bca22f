// User-specified load transfer: capacity from the unit skin friction and
// unit end bearing the user gives for every layer, times the pile's
// perimeter and tip area. Computed once per run, the first time its pass
// reaches it with any nonzero user value; in tension the chain then puts
// the self weight in its tip (solid or closed pile, or a plug option).
//
// Units: English ft, in, kips, ksf; SI m, mm, kN, kPa.
#pragma once

#include "framework.h"
#include "state.h"

namespace tarne {

// True when the method has not been computed in this run and an element
// carries a nonzero user unit friction or end bearing.
bool user_method_due(const AnalysisState& s);

// Fills `user_cum_side` (factored cumulative skin friction) and `tip_user`
// (tip resistance before the end-bearing factor) at every output point.
void compute_user_method(AnalysisState& s);

// The table's skin friction, the user unit friction of the element below
// each output point (the plot's unit skin friction) and the skin friction
// for load transfer, which is the factored one whatever `factored_transfer` says.
void collect_user_side(const AnalysisState& s, MethodResults& r);

// The chain rules of the method (method_index 9, run in tension only).
MethodRules user_rules();

}  // namespace tarne
