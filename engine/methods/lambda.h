// Revised Lambda: at every output point the total skin friction of the pile
// embedded to that depth, lambda (mean stress + 2 mean strength) P z, with
// lambda from the compressibility of the pile; the unit skin friction at the
// point is the growth of that total over the last increment. End bearing,
// plugging, tip resistance and self weight come from the common chain with
// the API end-bearing rule.
//
// Units: English ksf, ft, in, kips, psi (modulus); SI kPa, m, mm, kN.
#pragma once

#include "framework.h"
#include "state.h"

namespace tarne {

// Fills the `lambda_` element and point arrays. Sets every zero `seg_k0` to
// 1.0 (the chain that follows sees it) and writes `point_depth`.
void compute_lambda_method(AnalysisState& s);

// Cross-section area (in2 / mm2) of the axial stiffness term: the user's tip
// area when one is given (stored in ft2 / m2, converted here), else the
// annulus of the outside and the tip's inside diameter.
double lambda_stiffness_area(const AnalysisState& s);

// lambda for the pile compressibility pi2 (dimensionless) and the ratio of
// mean strength to mean effective stress: 0.232 - 0.032 ln pi2 when the
// ratio is at least 0.4, else 0.178 - 0.016 ln pi2, at least 0.14; 0 when
// pi2 is 0.
double lambda_coefficient(double pi2, double mean_strength, double mean_stress);

// The table's skin friction, unit skin friction and the skin friction for
// load transfer at every output point.
void collect_lambda_side(const AnalysisState& s, MethodResults& r);

// The chain rules of the method: the API end-bearing rule, the framework's
// plug friction.
MethodRules lambda_rules();

}  // namespace tarne
