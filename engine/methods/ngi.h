// NGI (Norwegian Geotechnical Institute): unit skin friction of sand from
// the relative density that the cone resistance gives, scaled by depth and
// by the pile's tip, load and material; of clay from the strength ratio
// su / sigma' and the plasticity index. Unit end bearing of sand from the
// cone resistance and the relative density; clay keeps 9 su.
//
// Units: English ft, in, kips, ksf; SI m, mm, kN, kPa.
#pragma once

#include "framework.h"
#include "state.h"

namespace tarne {

// Fills `offshore_side_top`/`_bottom` and `ngi_inside_top`/`_bottom` for
// every element and integrates them (`ngi_cum_side_for_transfer`). Like
// the rules say, it writes stress floors into the shared node arrays: the
// bottom stress of clay elements at least 1e-10, and in English units the
// top stress of sand elements at least 1e-8.
void compute_ngi_method(AnalysisState& s);

// Unit skin friction (ksf / kPa) of sand element k at its top and bottom node.
void ngi_sand_skin_friction(const AnalysisState& s, int k, double& top, double& bottom);

// Unit skin friction of clay element k (ksf / kPa), the same at both nodes,
// and the friction inside the soil plug at the element's top.
struct NgiClayFriction {
    double side;
    double inside_top;
};
NgiClayFriction ngi_clay_friction(AnalysisState& s, int k);

// Sand rule of the end-bearing step (ksf / kPa).
void ngi_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom);

void collect_ngi_side(const AnalysisState& s, MethodResults& r);

// The chain rules of the method (method_index 5).
MethodRules ngi_rules();

}  // namespace tarne
