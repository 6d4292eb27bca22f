// API RP-2A: unit skin friction from K0 tan(phi - 5) in sand and the alpha
// method in clay and silt, limited per point and integrated down the pile;
// unit end bearing Nq sigma'v in sand (limited by the API table or the
// user's maximum) and 9 su in clay, through the common chain.
//
// Units: English ksf, ft, in, kips; SI kPa, m, mm, kN.
#pragma once

#include "framework.h"
#include "state.h"

namespace tarne {

// Fills the `api_` element and point arrays from the pre-step's stresses;
// the chain (method_index 4) then supplies the tip resistance.
void compute_api_method(AnalysisState& s);

// Sand rule of the end-bearing step (shared with Revised Lambda): Nq times
// the node stress, at most the API table's limit for phi or the user's
// maximum bearing (ksf / kPa).
void api_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom);

// Unit friction inside the soil plug of element k (ksf / kPa).
void api_plug_inside_friction(const AnalysisState& s, int k, double& top, double& bottom);

// The table's skin friction, unit skin friction and the skin friction for
// load transfer at every output point.
void collect_api_side(const AnalysisState& s, MethodResults& r);

// The chain rules of the method.
MethodRules api_rules();

}  // namespace tarne
