// FUGRO 2004: unit skin friction of sand from the cone resistance, the
// stress level and the distance to the tip (no friction angle), unit end
// bearing of sand from the square root of the cone resistance; clay by the
// shared offshore clay rules.
//
// Units: English ft, in, kips, ksf; SI m, mm, kN, kPa.
#pragma once

#include "framework.h"
#include "state.h"

namespace tarne {

// Fills `offshore_side_top`/`_bottom` and `fugro_inside_top`/`_bottom` for
// every element and integrates them (`fugro_cum_side_for_transfer`).
void compute_fugro_method(AnalysisState& s);

// Unit skin friction (ksf / kPa) of sand element k at its top and bottom node.
void fugro_sand_skin_friction(const AnalysisState& s, int k, double& top, double& bottom);

// Sand rule of the end-bearing step (ksf / kPa).
void fugro_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom);

void collect_fugro_side(const AnalysisState& s, MethodResults& r);

// The chain rules of the method (method_index 7).
MethodRules fugro_rules();

}  // namespace tarne
