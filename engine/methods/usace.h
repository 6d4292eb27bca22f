// USACE: skin friction in sand and silt from K sigma'v tan(delta) with a
// wall friction angle by pile type, on an effective stress held constant
// below a critical depth; alpha su in clay (silt adds both parts); unit end
// bearing in sand from the method's Nq chart with the stress frozen below
// 10, 15 or 20 diameters (or the chosen critical depth), through the common
// chain.
//
// Critical depth options (`critical_depth_option`): 0 by the density of the
// sand, 10, 15 or 20 pile diameters for phi below 33, from 33 to below 36,
// and from 36 degrees; 1 where the effective stress first exceeds 3.5 ksf
// (167.58 kPa); 2 the user's `critical_depth`.
//
// Units: English ksf, ft, in, kips; SI kPa, m, mm, kN.
#pragma once

#include "framework.h"
#include "state.h"

namespace tarne {

// Pre-step part, after the effective stresses: the critical depth (option 1)
// and `sigma_crit_top`/`sigma_crit_bottom` of every element. Under option 1
// a profile whose stress never exceeds the threshold has no critical depth
// (`critical_depth` stays 0) and its stresses are not capped; under option 0
// the elements above the first sand element are not capped either.
void prepare_usace_critical_depth(AnalysisState& s);

// Fills the `usace_` element and point arrays; under option 1 it first
// finds the critical depth again, among the sand and silt elements, for the
// end bearing. The chain (method_index 2) then supplies the tip resistance.
void compute_usace_method(AnalysisState& s);

// Nq against the friction angle (degrees).
double usace_nq_chart(double phi);

// Adhesion factor of clay for su in ksf (English) or kPa (SI).
double usace_adhesion_factor(const AnalysisState& s, double su);

// Wall friction angle (degrees) of pile type `pile_type` for phi (degrees).
double usace_wall_friction_angle(int pile_type, double phi);

// Sand rule of the end-bearing step: Nq times the node stress, held at Nq
// times the frozen stress below the critical depth, at most the user's
// maximum bearing (ksf / kPa).
void usace_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom);

// The table's skin friction, unit skin friction and the skin friction for
// load transfer at every output point.
void collect_usace_side(const AnalysisState& s, MethodResults& r);

// The chain rules of the method, with its pre-step part and its tip copy.
MethodRules usace_rules();

}  // namespace tarne
