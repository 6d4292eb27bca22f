#include "methods/fhwa.h"

#include <algorithm>
#include <cmath>

#include "methods/fhwa_charts.h"
#include "profile.h"

namespace tarne {
namespace {

constexpr double kDegreesPerRadian = 57.2958;
constexpr double kPi = 3.14159;
constexpr double kTaperRadiansPerDegree = 0.01745;
constexpr double kSquareMetresPerSquareFoot = 0.0929;
constexpr double kKpaPerKsf = 47.88;
// An element whose bottom comes this close (ft / m) to the bottom of its
// layer counts the layer's thickness into the penetration of later clay.
constexpr double kLayerBottomReach = 0.95;

bool english(const AnalysisState& s) { return s.unit_system == kEnglish; }
double per_length_unit(const AnalysisState& s) { return english(s) ? 12.0 : 1000.0; }  // in / mm per ft / m
double per_area_unit(const AnalysisState& s) { return english(s) ? 144.0 : 1.0e6; }    // in2 / mm2 per ft2 / m2

// The clay layer the latest clay element lies in (ft / m) and the running
// sum of layer thicknesses that count into the penetration ratio.
struct ClayPenetration {
    double top = 0.0;
    double bottom = 0.0;
    double sum = 0.0;
    int summed_interval = 0;  // the deepest profile interval already in `sum`
};

// Penetration ratio of clay element k: the clay layer holding the element's
// bottom, plus the layers summed so far, over the pile's average diameter
// along that layer. A layer's thickness is summed once, when the first
// element's bottom comes near the layer's bottom, however many elements
// the increment puts there.
double penetration_ratio(const AnalysisState& s, int k, ClayPenetration& clay) {
    const double z = s.seg_bottom[k];
    for (int i = 1; i < s.profile_point_count; ++i) {
        const double top = s.prof_depth[i];
        const double bottom = s.prof_depth[i + 1];
        if (!(top < z && z <= bottom)) continue;
        clay.top = top;
        clay.bottom = bottom;
        if (std::abs(bottom - z) < kLayerBottomReach && i > clay.summed_interval) {
            clay.sum += bottom - top;
            clay.summed_interval = i;
        }
    }
    const double average_diameter = 0.5 * (fhwa_pile_diameter(s, clay.top) + fhwa_pile_diameter(s, clay.bottom));
    const double bottom = std::min(clay.bottom, s.total_length);
    // A zero average only lies below the point where a taper closes the pile.
    return average_diameter > kZeroTolerance ? (bottom + clay.sum - clay.top) / average_diameter : 0.0;
}

// Adhesion case of the first clay element below sand or at the start: sand
// above gives case 1, soft clay above (su under 0.8 ksf) case 2, stiff clay case 3.
int case_from_element_above(const AnalysisState& s, int k) {
    if (s.seg_soil_kind[k - 1] - 1.0 < kZeroTolerance) return 1;
    const double su_ksf = english(s) ? s.seg_su[k - 1] : s.seg_su[k - 1] / kKpaPerKsf;
    return su_ksf < 0.8 ? 2 : 3;
}

double adhesion(int adhesion_case, double su_ksf, double ratio) {
    switch (adhesion_case) {
        case 1: return adhesion_case_1(su_ksf, ratio);
        case 2: return adhesion_case_2(su_ksf, ratio);
        default: return adhesion_case_3(su_ksf, ratio);
    }
}

void compute_element_friction(AnalysisState& s) {
    const double omega = s.taper_angle / kDegreesPerRadian;  // radians
    ClayPenetration clay;
    int remembered_case = 0;  // none: at the start and after sand
    s.kdelta = 0.0;
    s.adhesion_factor = 0.0;
    for (int k = 1; k <= s.element_count; ++k) {
        s.fhwa_penetration_ratio[k] = 0.0;
        s.fhwa_adhesion_case[k] = 0;
        if (is_sand(s.seg_soil_kind[k])) {
            const double phi = s.seg_phi[k];
            const double volume = fhwa_displaced_volume(s, k);
            const double delta_ratio = delta_ratio_chart(volume, s.pile_type);
            const double delta = delta_ratio * phi / kDegreesPerRadian;  // radians
            const double cf = cf_chart(delta_ratio, phi);
            s.kdelta = fhwa_kdelta(s, phi, s.taper_angle, volume);
            s.fhwa_side_top[k] = s.kdelta * s.sigma_top[k] * std::sin(delta + omega) * cf / std::cos(omega);
            s.fhwa_side_bottom[k] = s.kdelta * s.sigma_bottom[k] * std::sin(delta + omega) * cf / std::cos(omega);
            s.fhwa_inside_top[k] = s.fhwa_side_top[k];
            s.fhwa_inside_bottom[k] = s.fhwa_side_bottom[k];
            remembered_case = 0;
            continue;
        }

        // Clay, and silt, which this method treats as clay.
        const double ratio = penetration_ratio(s, k, clay);
        s.fhwa_penetration_ratio[k] = ratio;
        if (s.element_count > 2 && k > 1) {
            if (remembered_case == 0) remembered_case = case_from_element_above(s, k);
            // The layer's own choice of Tomlinson's chart (1..3) overrides.
            if (s.seg_adhesion_method[k] > 0.000001) {
                const double code = std::trunc(s.seg_adhesion_method[k]);
                if (code >= 1.0 && code <= 3.0) remembered_case = static_cast<int>(code);
            }
        }
        // Without a case (the pile's first element, or a pile of two elements
        // or fewer) the previous clay element's factor stands, 0 before the first.
        const double su_ksf = english(s) ? s.seg_su[k] : s.seg_su[k] / kKpaPerKsf;
        if (remembered_case != 0) s.adhesion_factor = adhesion(remembered_case, su_ksf, ratio);
        s.fhwa_adhesion_case[k] = remembered_case;
        s.fhwa_side_top[k] = s.adhesion_factor * s.seg_su[k];
        s.fhwa_side_bottom[k] = s.fhwa_side_top[k];
        s.fhwa_inside_top[k] = s.adhesion_factor * s.seg_su_remolded[k];
        s.fhwa_inside_bottom[k] = s.fhwa_inside_top[k];
    }
}

// Trapezoids between the points over the perimeter at the lower point. The
// unit friction of a point is reduced for tension and limited before the
// next trapezoid uses it; the first point's is neither. An increment that
// exceeds the trapezoid of the limits is replaced by it.
void integrate_side_friction(AnalysisState& s) {
    const int points = s.output_point_count;
    const double step = s.length_increment;
    ElementWalk walk(s);  // the points lie ever deeper
    for (int j = 1; j <= points; ++j) {
        const double z = (j - 1) * step;
        s.fhwa_unit_side[j] = z - s.zero_friction_length <= -kDepthTolerance ? 0.0 : walk.linear(s.fhwa_side_top, s.fhwa_side_bottom, z);
        s.fhwa_side_limit[j] = s.seg_max_friction[element_at_point(s, j)];
    }

    s.fhwa_side_increment[1] = 0.0;
    s.fhwa_side_increment_limit[1] = 0.0;
    s.fhwa_cum_side[1] = 0.0;
    s.fhwa_cum_side_for_transfer[1] = 0.0;
    double unfactored = 0.0;
    double factored = 0.0;
    for (int j = 2; j <= points; ++j) {
        const double perimeter = kPi * fhwa_pile_diameter(s, (j - 1) * step);  // ft / m
        double unit = s.fhwa_unit_side[j];
        if (s.loading_type == 1) unit *= s.tension_factor;
        const double dq = 0.5 * (s.fhwa_unit_side[j - 1] + unit) * perimeter * step;
        const double dq_limit = 0.5 * (s.fhwa_side_limit[j - 1] + s.fhwa_side_limit[j]) * perimeter * step;
        s.fhwa_side_increment_limit[j] = dq_limit;
        s.fhwa_unit_side[j] = std::min(unit, s.fhwa_side_limit[j]);
        s.fhwa_side_increment[j] = dq - dq_limit > 0.000001 ? dq_limit : dq;
        unfactored += s.fhwa_side_increment[j];
        factored += s.fhwa_side_increment[j] * s.seg_side_factor[element_at_point(s, j)];
        s.fhwa_cum_side[j] = factored;
        s.fhwa_cum_side_for_transfer[j] = s.factored_transfer == 1 ? factored : unfactored;
    }
}

}  // namespace

double fhwa_pile_diameter(const AnalysisState& s, double depth) {
    double diameter = s.outside_diameter / per_length_unit(s);
    if (s.taper_angle > 0.0)
        diameter -= 2.0 * std::tan(s.taper_angle * kTaperRadiansPerDegree) * (s.stickup_length + depth);
    return std::max(diameter, 0.0);
}

double fhwa_displaced_volume(const AnalysisState& s, int k) {
    const double od = s.outside_diameter;  // in / mm
    const double id = s.inside_diameter;
    const double wall = kPi / 4.0 * (od * od - id * id) / per_area_unit(s);  // ft2 / m2
    double volume = s.tip_area < 0.000001 ? wall : s.tip_area;
    // The plug state of the point at the element's top; elements below the
    // pile tip have none.
    const int plug = k <= s.output_point_count ? s.plug_flag[kIndexFhwa][k] : 0;
    if (plug == 1)
        volume = kPi / 4.0 * od * od / per_area_unit(s);
    else if (plug == 2 && english(s))
        volume = wall;
    if (s.enhanced_end_length > 0.001 && s.enhanced_end_inside_diameter < 0.00001) {
        // A closed tip displaces the full section, of a tapered pile at the element's bottom.
        volume = 3.1416 / 4.0 * od * od / per_area_unit(s);
        if (s.taper_angle > 0.0) {
            const double d = fhwa_pile_diameter(s, s.seg_bottom[k]);
            volume = kPi / 4.0 * d * d;
        }
    }
    if (s.pile_type == 6 && s.tip_area > 0.000001) volume = s.tip_area;  // H-pile
    return english(s) ? volume : volume / kSquareMetresPerSquareFoot;
}

double fhwa_kdelta(const AnalysisState& s, double phi, double omega, double volume) {
    const double last_band = english(s) ? 40.0 : 39.99999;
    if (phi < 25.0) return kdelta_chart_25(omega, volume);
    if (phi < 30.0) {
        const double k25 = kdelta_chart_25(omega, volume);
        return k25 + (kdelta_chart_30(omega, volume) - k25) * (phi - 25.0) / 5.0;
    }
    if (phi < 35.0) {
        const double k30 = kdelta_chart_30(omega, volume);
        return k30 + (kdelta_chart_35(omega, volume) - k30) * (phi - 30.0) / 5.0;
    }
    if (phi < last_band) {
        const double k35 = kdelta_chart_35(omega, volume);
        return k35 + (kdelta_chart_40(omega, volume) - k35) * (phi - 35.0) / 5.0;
    }
    return kdelta_chart_40(omega, volume);
}

void compute_fhwa_method(AnalysisState& s) {
    compute_element_friction(s);
    integrate_side_friction(s);
}

void fhwa_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom) {
    const double phi = s.seg_phi[k];
    // Embedded length over outside diameter, both in ft (or both in m).
    const double length_ratio = s.total_length / (s.outside_diameter / per_length_unit(s));
    const double nq = alpha_t_chart(phi, length_ratio) * nq_prime_chart(phi);
    const double chart_limit = english(s) ? 2.0 * tip_limit_chart(phi) : 2.0 * kKpaPerKsf * tip_limit_chart(phi);
    const double limit = std::min(chart_limit, s.seg_max_bearing[k]);
    top = std::min(nq * s.sigma_top[k], limit);
    bottom = std::min(nq * s.sigma_bottom[k], limit);
}

void fhwa_plug_inside_friction(const AnalysisState& s, int k, double& top, double& bottom) {
    top = s.fhwa_inside_top[k];
    bottom = s.fhwa_inside_bottom[k];
}

void collect_fhwa_side(const AnalysisState& s, MethodResults& r) {
    for (int j = 1; j <= s.output_point_count; ++j) {
        r.skin_friction[j] = s.fhwa_cum_side[j];
        r.unit_side[j] = s.fhwa_unit_side[j];
        r.side_for_transfer[j] = s.fhwa_cum_side_for_transfer[j];
    }
}

MethodRules fhwa_rules() {
    MethodRules rules;
    rules.method_index = kIndexFhwa;
    rules.sand_end_bearing = fhwa_end_bearing_rule;
    rules.plug_inside_friction = fhwa_plug_inside_friction;
    rules.tip_copy = &AnalysisState::tip_fhwa;
    return rules;
}

}  // namespace tarne
