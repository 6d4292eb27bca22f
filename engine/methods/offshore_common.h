// What the four offshore methods (NGI, ICP/MTD, FUGRO, UWA) share: the cone
// resistance of an element, the pile geometry they see, and the integration
// of their unit skin friction down the pile.
//
// Units: English ft, in, kips, ksf; SI m, mm, kN, kPa. A layer's cone
// resistance is read in psf (English) or kPa; the CPT profile is in ksf or kPa.
#pragma once

#include "state.h"

namespace tarne {

// Atmospheric pressure (ksf / kPa) of the skin-friction rules and of the
// end-bearing rules; the two differ slightly in English units.
double skin_friction_pa(const AnalysisState& s);
double end_bearing_pa(const AnalysisState& s);

// The inside diameter (in / mm) every offshore rule sees at the tip: 0 for a
// pile closed at its end (`closed_end` 1), whatever inside diameter it
// carries; otherwise the enhanced end's inside diameter.
double offshore_inside_diameter(const AnalysisState& s);

// Depth of the top of element k, (k - 1) times the increment (ft / m).
double element_depth(const AnalysisState& s, int k);

// Distance from the top of element k down to the pile tip (in / mm);
// negative below the tip.
double distance_to_tip(const AnalysisState& s, int k);

// Cone resistance of element k (ksf / kPa): the layer's value (psf in
// English, converted to ksf); where the layer has none, the CPT profile at
// the top of the element (already ksf / kPa, not converted again); without
// a profile, 2.8 `pa` N from the blow count. A negative value counts as 0.
double element_cone_resistance(const AnalysisState& s, int k, double pa);

// tan(phi - 5 degrees) of a sand element, phi in degrees; 0 when phi is 5
// degrees or less, that is when the layer has no friction angle.
double sand_friction_tangent(double phi);

// Caps both node values of a sand element at the user's maximum unit end
// bearing when one is given (ksf / kPa).
void cap_sand_end_bearing(const AnalysisState& s, int k, double& top, double& bottom);

// Integrates `offshore_side_top`/`_bottom` over the output points: the unit
// skin friction at every point (0 above the zero-friction length), the
// increments, the factored cumulative skin friction in `offshore_cum_side`
// and, in `for_transfer`, the skin friction for load transfer (factored or
// not by `factored_transfer`). No limit on the unit friction applies.
void integrate_offshore_friction(AnalysisState& s, PointTable& for_transfer);

// The table's skin friction, the plotted unit skin friction and the skin
// friction for load transfer of every output point.
void collect_offshore_side(const AnalysisState& s, const PointTable& for_transfer, MethodResults& r);

}  // namespace tarne
