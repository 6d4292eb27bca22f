#include "methods/lambda.h"

#include <algorithm>
#include <cmath>

#include "methods/api.h"
#include "profile.h"

namespace tarne {
namespace {

constexpr double kDegreesPerRadian = 57.2958;
constexpr double kPi = 3.14159;
constexpr double kLambdaFloor = 0.14;
constexpr double kSmallestUnitFriction = 0.0000001;  // ksf / kPa

bool english(const AnalysisState& s) { return s.unit_system == kEnglish; }

// Strength of every element: sigma'mid K0 tan(phi) in sand, su in clay and
// silt; none inside the zero-friction length, except in the element that
// straddles its end. A zero K0 becomes 1.0 in the element array.
void compute_element_strength(AnalysisState& s) {
    const int n = s.element_count;
    for (int k = 1; k <= n; ++k) {
        if (s.seg_k0[k] == 0.0) s.seg_k0[k] = 1.0;
        if (s.seg_soil_kind[k] - 1.0 <= 0.0)
            s.lambda_element_strength[k] = (s.sigma_top[k] + s.sigma_bottom[k]) * 0.5 * s.seg_k0[k] *
                                           std::tan(s.seg_phi[k] / kDegreesPerRadian);
        else
            s.lambda_element_strength[k] = s.seg_su[k];
    }
    if (n < 1) return;
    int k = 1;
    double reached = s.seg_length[1];  // ft / m, to the bottom of element k
    while (s.zero_friction_length - reached > kDepthTolerance) {
        s.lambda_element_strength[k] = 0.0;
        if (k == n) break;  // the length reaches below the elements
        ++k;
        reached += s.seg_length[k];
    }
    if (std::abs(s.zero_friction_length - reached) <= kDepthTolerance) s.lambda_element_strength[k] = 0.0;
}

struct Means {
    double stress;    // mean effective vertical stress over 0..z (ksf / kPa)
    double strength;  // mean element strength over 0..z (ksf / kPa)
};

// Means over the embedded depth 0..z (ft / m): whole elements from the
// surface plus the part of the element holding z, the stress linear within
// an element and the strength constant.
Means means_to(const AnalysisState& s, double z) {
    if (z - s.seg_length[1] <= kDepthTolerance) {
        const double at_z = s.sigma_top[1] + (s.sigma_bottom[1] - s.sigma_top[1]) / s.seg_length[1] * z;
        return {(s.sigma_top[1] + at_z) / 2.0, s.lambda_element_strength[1]};
    }
    double stress_sum = 0.0;
    double strength_sum = 0.0;
    double reached = 0.0;
    int m = 1;
    for (;; ++m) {
        reached += s.seg_length[m];
        if (z - reached <= kDepthTolerance || m == s.element_count) break;
        stress_sum += (s.sigma_top[m] + s.sigma_bottom[m]) / 2.0 * s.seg_length[m];
        strength_sum += s.lambda_element_strength[m] * s.seg_length[m];
    }
    const double h = z - (reached - s.seg_length[m]);
    const double at_z = s.sigma_top[m] + (s.sigma_bottom[m] - s.sigma_top[m]) / s.seg_length[m] * h;
    stress_sum += (at_z + s.sigma_top[m]) / 2.0 * h;
    strength_sum += s.lambda_element_strength[m] * h;
    return {stress_sum / z, strength_sum / z};
}

// Unit friction (ksf / kPa) that raises the cumulative skin friction from
// `previous_cum` to `cum` over one increment; below 1e-7 the previous
// point's unit friction stands in, so the cumulative value never falls.
double unit_friction_for(double cum, double previous_cum, double previous_unit, double perimeter, double step) {
    const double f = (cum - previous_cum) / (perimeter * step);
    return f < kSmallestUnitFriction ? previous_unit : f;
}

}  // namespace

double lambda_stiffness_area(const AnalysisState& s) {
    if (s.tip_area > 0.0001) return s.tip_area * (english(s) ? 144.0 : 1.0e6);  // ft2 / m2 to in2 / mm2
    const double od = s.outside_diameter;
    const double di = s.enhanced_end_inside_diameter;
    return kPi * 0.25 * (od * od - di * di);
}

double lambda_coefficient(double pi2, double mean_strength, double mean_stress) {
    if (pi2 == 0.0) return 0.0;
    // Without effective stress the ratio is unbounded: the first branch.
    const bool strong = mean_stress > 0.0 ? mean_strength / mean_stress >= 0.4 : true;
    const double lambda = strong ? 0.232 - 0.032 * std::log(pi2) : 0.178 - 0.016 * std::log(pi2);
    return std::max(lambda, kLambdaFloor);
}

void compute_lambda_method(AnalysisState& s) {
    compute_element_strength(s);

    const int points = s.output_point_count;
    const double step = s.length_increment;
    for (int j = 1; j <= points; ++j) {
        s.lambda_side_limit[j] = s.seg_max_friction[element_at_point(s, j)];
        s.point_depth[j] = (j - 1) * step;
    }

    // Axial stiffness term D_c (E in psi times A in in2, or kPa times mm2).
    const double stiffness = s.elastic_modulus * lambda_stiffness_area(s) * (english(s) ? 0.1 : 2.54);
    const double od = s.outside_diameter;                      // in / mm
    const double perimeter = kPi * od / (english(s) ? 12.0 : 1000.0);  // ft / m
    const double per_unit = english(s) ? 1000.0 : 1.0e6;
    const bool tension = s.loading_type == 1;

    double previous_cum = 0.0;
    double previous_unit = 0.0;
    for (int j = 1; j <= points; ++j) {
        const double z = s.point_depth[j];
        const Means mean = means_to(s, z);
        s.lambda_mean_stress[j] = mean.stress;
        s.lambda_mean_strength[j] = mean.strength;

        // Pile compressibility; a pile without axial stiffness is infinitely
        // compressible and takes lambda's floor instead of a division by zero.
        const double load_term = kPi * od * z * z * mean.strength * per_unit;
        double lambda;
        if (load_term != 0.0 && stiffness <= 0.0)
            lambda = kLambdaFloor;
        else
            lambda = lambda_coefficient(stiffness > 0.0 ? load_term / stiffness : 0.0, mean.strength, mean.stress);
        const double total = lambda * (mean.stress + 2.0 * mean.strength) * perimeter * z;

        // The growth of the method's total over the last increment, carrying
        // any shortfall of earlier points (limit, replacement, tension) into this one.
        double f = unit_friction_for(total, previous_cum, previous_unit, perimeter, step);
        f = std::min(f, s.lambda_side_limit[j]);
        double cum = previous_cum + perimeter * f * step;
        if (tension) {
            cum *= s.tension_factor;
            f = unit_friction_for(cum, previous_cum, previous_unit, perimeter, step);
        }
        s.lambda_unit_side[j] = f;
        s.lambda_cum_side[j] = cum;
        s.lambda_cum_side_for_transfer[j] = cum;
        previous_cum = cum;
        previous_unit = f;
    }

    // LRFD: each increment of the unfactored total times the side factor of
    // the element whose top is the lower point.
    double factored = 0.0;
    double previous_unfactored = 0.0;
    for (int j = 1; j <= points; ++j) {
        const double unfactored = s.lambda_cum_side[j];
        factored += (unfactored - previous_unfactored) * s.seg_side_factor[element_at_point(s, j)];
        previous_unfactored = unfactored;
        s.lambda_cum_side[j] = factored;
        if (s.factored_transfer == 1) s.lambda_cum_side_for_transfer[j] = factored;
    }
}

void collect_lambda_side(const AnalysisState& s, MethodResults& r) {
    for (int j = 1; j <= s.output_point_count; ++j) {
        r.skin_friction[j] = s.lambda_cum_side[j];
        r.unit_side[j] = s.lambda_unit_side[j];
        r.side_for_transfer[j] = s.lambda_cum_side_for_transfer[j];
    }
}

MethodRules lambda_rules() {
    MethodRules rules;
    rules.method_index = kIndexLambda;
    rules.sand_end_bearing = api_end_bearing_rule;
    return rules;
}

}  // namespace tarne
