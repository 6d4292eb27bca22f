#include "methods/usace.h"

#include <algorithm>
#include <cmath>

#include "methods/usace_charts.h"
#include "profile.h"

namespace tarne {
namespace {

constexpr double kDegreesPerRadian = 57.2958;
constexpr double kPi = 3.14159;
// Below this a critical depth (ft / m) or a frozen stress (ksf / kPa) counts as not set.
constexpr double kNotSet = 0.00001;

bool english(const AnalysisState& s) { return s.unit_system == kEnglish; }

// Outside diameter in ft / m.
double diameter(const AnalysisState& s) { return s.outside_diameter / (english(s) ? 12.0 : 1000.0); }

// Effective stress at which option 1 puts the critical depth: 3,500 psf
// in ksf, or the same stress in kPa.
double stress_threshold(const AnalysisState& s) { return english(s) ? 3.5 : 167.58; }

// Option 1 whose profile never exceeds the threshold: no critical depth.
bool no_critical_depth_by_stress(const AnalysisState& s) {
    return s.critical_depth_option == 1 && s.critical_depth < kNotSet;
}

// Effective stress (ksf / kPa) at the critical depth zc (ft / m): from the
// top of the element above the first element (searching from element 2)
// whose bottom reaches zc, with that element's unit weight.
double stress_at_critical_depth(const AnalysisState& s, double zc) {
    int m = 2;
    while (m < s.element_count && s.seg_bottom[m] < zc) ++m;
    const int i = m - 1;
    const double per_ksf = english(s) ? 1000.0 : 1.0;  // pcf ft / 1000 = ksf
    return s.sigma_top[i] + (zc - s.seg_top[i]) * s.seg_gamma[i] / per_ksf;
}

// Unit friction outside and inside the pile at the top and bottom of every
// element; under option 1 the critical depth for the end bearing.
void compute_element_friction(AnalysisState& s) {
    const bool tension = s.loading_type == 1;
    const double threshold = stress_threshold(s);
    for (int k = 1; k <= s.element_count; ++k) {
        const double kind = s.seg_soil_kind[k];
        const bool sand = kind - 1.0 <= 0.0;
        const bool silt = kind == 3.0;
        double top = 0.0;
        double bottom = 0.0;
        double inside_top = 0.0;
        double inside_bottom = 0.0;
        if (sand || silt) {
            const double tan_delta =
                std::tan(usace_wall_friction_angle(s.pile_type, s.seg_phi[k]) / kDegreesPerRadian);
            // The method's own K where the layer gives none, and whenever the
            // API method is selected too (whose K0 the layer then carries).
            double k_lateral = s.seg_k0[k];
            if (s.seg_k0[k] == 0.0 || s.method_switch[kApi] == 1) k_lateral = tension ? 0.6 : 1.25;
            top = k_lateral * s.sigma_crit_top[k] * tan_delta;
            bottom = k_lateral * s.sigma_crit_bottom[k] * tan_delta;
            inside_top = top;
            inside_bottom = bottom;
            if (s.critical_depth_option == 1 && s.critical_depth < kNotSet && s.sigma_bottom[k] > threshold)
                s.critical_depth = s.seg_bottom[k];
        }
        if (!sand) {
            // Clay, and the clay part of silt.
            const double f = usace_adhesion_factor(s, s.seg_su[k]) * s.seg_su[k];
            if (silt) {
                top += f;
                bottom += f;
            } else {
                top = bottom = f;
                inside_top = usace_adhesion_factor(s, s.seg_su[k]) * s.seg_su_remolded[k];
                inside_bottom = f;
            }
        }
        s.usace_side_top[k] = top;
        s.usace_side_bottom[k] = bottom;
        s.usace_inside_top[k] = inside_top;
        s.usace_inside_bottom[k] = inside_bottom;
    }
}

void start_end_bearing(AnalysisState& s) { s.usace_frozen_stress = 0.0; }

void plug_inside_friction(const AnalysisState& s, int k, double& top, double& bottom) {
    top = s.usace_inside_top[k];
    bottom = s.usace_inside_bottom[k];
}

}  // namespace

double usace_nq_chart(double phi) { return evaluate(charts::usace_nq, phi); }

double usace_adhesion_factor(const AnalysisState& s, double su) {
    return evaluate(english(s) ? charts::usace_adhesion_ksf : charts::usace_adhesion_kpa, su);
}

double usace_wall_friction_angle(int pile_type, double phi) {
    switch (pile_type) {
        case 1: case 4: case 5: case 7: return 0.75 * phi;  // steel pipe, step-taper, uniform taper, monotube
        case 2: return 0.9 * phi;                            // timber
        case 3: return 0.95 * phi;                           // precast concrete
        case 6: return 0.875 * phi;                          // H-pile: the mean of 0.75 phi and phi
        default: return phi - 5.0;
    }
}

void prepare_usace_critical_depth(AnalysisState& s) {
    const int n = s.element_count;
    if (n < 1) return;
    if (s.critical_depth_option == 1) {
        s.critical_depth = 0.0;
        for (int k = 2; k <= n; ++k) {
            if (s.sigma_bottom[k] > stress_threshold(s)) {
                s.critical_depth = s.seg_bottom[k];
                break;
            }
        }
    }
    const bool given = s.critical_depth_option == 1 || s.critical_depth_option == 2;
    const bool none_by_stress = no_critical_depth_by_stress(s);
    const double od = diameter(s);

    s.critical_depth_density = 0.0;  // none until the first sand element
    s.sigma_crit_top[1] = s.sigma_top[1];
    s.sigma_crit_bottom[1] = s.sigma_bottom[1];
    for (int k = 2; k <= n; ++k) {
        s.sigma_crit_bottom[k] = s.sigma_bottom[k];
        if (s.seg_soil_kind[k] < 1.5) {
            const double phi = s.seg_phi[k];
            s.critical_depth_density = (phi < 33.0 ? 10.0 : phi < 36.0 ? 15.0 : 20.0) * od;
        }
        const double zc = given ? s.critical_depth : s.critical_depth_density;
        const bool capped = given ? !none_by_stress : s.critical_depth_density > 0.0;
        if (capped && s.seg_bottom[k] >= zc) s.sigma_crit_bottom[k] = stress_at_critical_depth(s, zc);
    }
    for (int k = 1; k < n; ++k) s.sigma_crit_top[k + 1] = s.sigma_crit_bottom[k];
}

void compute_usace_method(AnalysisState& s) {
    if (s.critical_depth_option == 1) s.critical_depth = 0.0;
    compute_element_friction(s);

    // Trapezoids between points, as for FHWA: the upper point enters with
    // its limited value, the lower one unlimited; an increment above the
    // trapezoid of the limits is replaced by it. The unit friction of the
    // first point is neither reduced for tension nor limited.
    const int points = s.output_point_count;
    const double step = s.length_increment;
    const double perimeter = kPi * diameter(s);  // ft / m
    double unfactored = 0.0;
    double factored = 0.0;
    ElementWalk walk(s);  // the points lie ever deeper
    for (int j = 1; j <= points; ++j) {
        const double z = (j - 1) * step;
        double unit = z - s.zero_friction_length <= -kDepthTolerance ? 0.0 : walk.linear(s.usace_side_top, s.usace_side_bottom, z);
        const int e = element_at_point(s, j);
        s.usace_side_limit[j] = s.seg_max_friction[e];
        if (j == 1) {
            s.usace_unit_side[1] = unit;
            s.usace_side_increment[1] = 0.0;
            s.usace_side_increment_limit[1] = 0.0;
            s.usace_cum_side[1] = 0.0;
            s.usace_cum_side_for_transfer[1] = 0.0;
            continue;
        }
        if (s.loading_type == 1) unit *= s.tension_factor;
        const double dq = 0.5 * (s.usace_unit_side[j - 1] + unit) * perimeter * step;
        const double dq_limit = 0.5 * (s.usace_side_limit[j - 1] + s.usace_side_limit[j]) * perimeter * step;
        s.usace_side_increment_limit[j] = dq_limit;
        s.usace_unit_side[j] = std::min(unit, s.usace_side_limit[j]);
        s.usace_side_increment[j] = dq - dq_limit > 0.000001 ? dq_limit : dq;
        unfactored += s.usace_side_increment[j];
        factored += s.usace_side_increment[j] * s.seg_side_factor[e];
        s.usace_cum_side[j] = factored;
        s.usace_cum_side_for_transfer[j] = s.factored_transfer == 1 ? factored : unfactored;
    }
}

void usace_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom) {
    const double phi = s.seg_phi[k];
    const double nq = usace_nq_chart(phi);

    // Depths below which the stress is frozen: 10, 15 or 20 diameters plus
    // 1 ft (or 1 m), or the critical depth of options 1 and 2. A profile
    // without a critical depth freezes nothing.
    const double od = diameter(s);
    double z10 = 10.0 * od + 1.0;
    double z15 = 15.0 * od + 1.0;
    double z20 = 20.0 * od + 1.0;
    if (s.critical_depth_option > 0) z10 = z15 = z20 = s.critical_depth;
    const bool freezes = !no_critical_depth_by_stress(s);

    const double depth = s.seg_top[k];
    double& frozen = s.usace_frozen_stress;
    if (freezes) {
        if (phi <= 33.0 && depth > z10 && frozen < kNotSet) frozen = s.sigma_crit_bottom[k];
        if (phi > 33.0 && depth > z15) {
            if (s.usace_frozen_stress_15 < kNotSet && phi <= 36.0) s.usace_frozen_stress_15 = s.sigma_crit_bottom[k];
            frozen = s.usace_frozen_stress_15;
        }
        if (phi > 36.0 && depth > z20) {
            if (s.usace_frozen_stress_20 < kNotSet) s.usace_frozen_stress_20 = s.sigma_crit_bottom[k];
            frozen = s.usace_frozen_stress_20;
        }
    }

    top = nq * s.sigma_top[k];
    bottom = nq * s.sigma_bottom[k];
    if (frozen > kNotSet && s.sigma_bottom[k] > frozen) top = bottom = nq * frozen;
    const double limit = s.seg_max_bearing[k];
    if (limit != kNoLimit && limit > 0.001) {
        top = std::min(top, limit);
        bottom = std::min(bottom, limit);
    }
}

void collect_usace_side(const AnalysisState& s, MethodResults& r) {
    for (int j = 1; j <= s.output_point_count; ++j) {
        r.skin_friction[j] = s.usace_cum_side[j];
        r.unit_side[j] = s.usace_unit_side[j];
        r.side_for_transfer[j] = s.usace_cum_side_for_transfer[j];
    }
}

MethodRules usace_rules() {
    MethodRules rules;
    rules.method_index = kIndexUsace;
    rules.sand_end_bearing = usace_end_bearing_rule;
    rules.plug_inside_friction = plug_inside_friction;
    rules.start_end_bearing = start_end_bearing;
    rules.prepare = prepare_usace_critical_depth;
    rules.tip_copy = &AnalysisState::tip_usace;
    return rules;
}

}  // namespace tarne
