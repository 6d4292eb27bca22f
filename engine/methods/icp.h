// ICP/MTD (Imperial College): unit skin friction of sand from the cone
// resistance, the stress level and the distance to the tip, with the
// dilation of the interface; unit end bearing of sand from the cone
// resistance by pile diameter and plug condition; clay by the shared
// offshore clay rules, drained or undrained as the project says.
//
// Units: English ft, in, kips, ksf; SI m, mm, kN, kPa.
#pragma once

#include "framework.h"
#include "state.h"

namespace tarne {

// Fills `offshore_side_top`/`_bottom` and `icp_inside_top`/`_bottom` for
// every element and integrates them (`icp_cum_side_for_transfer`).
void compute_icp_method(AnalysisState& s);

// Unit skin friction (ksf / kPa) of sand element k at its top and bottom node.
void icp_sand_skin_friction(const AnalysisState& s, int k, double& top, double& bottom);

// Sand rule of the end-bearing step (ksf / kPa).
void icp_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom);

void collect_icp_side(const AnalysisState& s, MethodResults& r);

// The chain rules of the method (method_index 6).
MethodRules icp_rules();

}  // namespace tarne
