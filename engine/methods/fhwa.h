// FHWA method: Nordlund's skin friction in sand, Kdelta sigma'v
// sin(delta + omega) CF / cos(omega), with delta/phi, CF and Kdelta read
// from the displaced volume of the pile and its taper; Tomlinson's adhesion
// factor times su in clay and silt. Unit friction is limited per point and
// integrated down the (possibly tapered) shaft. End bearing in sand is
// alpha-t N'q sigma'v up to the limiting tip resistance; clay bears 9 su
// through the common chain.
//
// Units: English ksf, ft, in, kips; SI kPa, m, mm, kN. The charts take the
// displaced volume in ft3/ft and su in ksf whatever the unit system.
#pragma once

#include "framework.h"
#include "state.h"

namespace tarne {

// Fills the `fhwa_` element and point arrays, `kdelta` and `adhesion_factor`
// from the pre-step's stresses and the plug state of the chain run for the
// method; the chain (method_index 1) then supplies the tip resistance.
void compute_fhwa_method(AnalysisState& s);

// Sand rule of the end-bearing step: alpha-t N'q times the node stress, at
// most the limiting tip resistance and the user's maximum bearing (ksf / kPa).
void fhwa_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom);

// Unit friction inside the soil plug of element k (ksf / kPa).
void fhwa_plug_inside_friction(const AnalysisState& s, int k, double& top, double& bottom);

// The table's skin friction, unit skin friction and the skin friction for
// load transfer at every output point.
void collect_fhwa_side(const AnalysisState& s, MethodResults& r);

// The chain rules of the method, with the chain's own copy of its tip
// resistance (`tip_fhwa`) for the load-transfer stage.
MethodRules fhwa_rules();

// Outside diameter (ft / m) of the pile at `depth` below the ground surface
// (ft / m): a tapered pile narrows by 2 tan(omega) per unit length from its
// head. Where the taper would close the pile, the diameter is 0.
double fhwa_pile_diameter(const AnalysisState& s, double depth);

// Displaced volume (ft3/ft, also in SI runs) that element k reads the
// delta/phi and Kdelta charts with.
double fhwa_displaced_volume(const AnalysisState& s, int k);

// Kdelta for friction angle phi (degrees), taper omega (degrees) and
// displaced volume (ft3/ft): linear in phi between the 25, 30, 35 and 40
// degree charts, held outside them.
double fhwa_kdelta(const AnalysisState& s, double phi, double omega, double volume_ft3_per_ft);

}  // namespace tarne
