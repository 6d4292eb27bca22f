// UWA (University of Western Australia): unit skin friction of sand from
// the cone resistance, the effective area ratio of the pile (with the
// incremental filling ratio from the inside diameter) and the distance to
// the tip, with the dilation of the interface; unit end bearing of sand
// from the cone resistance by area ratio and plug condition; clay by the
// shared offshore clay rules.
//
// Units: English ft, in, kips, ksf; SI m, mm, kN, kPa.
#pragma once

#include "framework.h"
#include "state.h"

namespace tarne {

// Effective area ratio 1 - IFR (Di / OD)^2, with the incremental filling
// ratio IFR = min(1, (Di / 1.5 m)^0.2); 1 for a closed pile.
double uwa_area_ratio(const AnalysisState& s);

// Fills `offshore_side_top`/`_bottom` and `uwa_inside_top`/`_bottom` for
// every element and integrates them (`uwa_cum_side_for_transfer`).
void compute_uwa_method(AnalysisState& s);

// Unit skin friction (ksf / kPa) of sand element k at its top and bottom node.
void uwa_sand_skin_friction(const AnalysisState& s, int k, double& top, double& bottom);

// Sand rule of the end-bearing step (ksf / kPa).
void uwa_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom);

void collect_uwa_side(const AnalysisState& s, MethodResults& r);

// The chain rules of the method (method_index 8).
MethodRules uwa_rules();

}  // namespace tarne
