#include "methods/icp.h"

#include <algorithm>
#include <cmath>

#include "methods/offshore_clay.h"
#include "methods/offshore_common.h"

namespace tarne {
namespace {

bool english(const AnalysisState& s) { return s.unit_system == kEnglish; }

// Radial displacement of the interface when the sand dilates (in / mm).
double dilation_displacement(const AnalysisState& s) { return english(s) ? 0.000787402 : 0.02; }

// Increase of the radial stress by dilation (ksf / kPa) at effective stress
// `sigma`: 2 G dr / (OD / 2), with the shear modulus G from qc and the
// normalised cone resistance eta. Where the modulus formula has no positive
// value (no stress, or eta beyond the root of its denominator, about 1044)
// no dilation is counted.
double dilation_stress(const AnalysisState& s, double qc, double sigma, double pa) {
    if (sigma <= 0.0 || qc <= 0.0) return 0.0;
    const double eta = qc / std::sqrt(pa * sigma);
    const double denominator = 0.0203 + 0.00125 * eta - 0.000001216 * eta * eta;
    if (denominator <= 0.0) return 0.0;
    const double g = qc / denominator;
    return 2.0 * g * dilation_displacement(s) / (s.outside_diameter / 2.0);
}

void plug_inside_friction(const AnalysisState& s, int k, double& top, double& bottom) {
    top = s.icp_inside_top[k];
    bottom = s.icp_inside_bottom[k];
}

}  // namespace

void icp_sand_skin_friction(const AnalysisState& s, int k, double& top, double& bottom) {
    const double pa = skin_friction_pa(s);
    const double qc = element_cone_resistance(s, k, pa);
    const double r_star = equivalent_radius(s);  // in / mm
    const double h = std::max(distance_to_tip(s, k), 0.00001);
    const double r = std::max(h / r_star, 8.0);
    const double tan_delta = sand_friction_tangent(s.seg_phi[k]);
    const bool tension = s.loading_type == 1;
    const bool open_ended = offshore_inside_diameter(s) > 0.00001;
    const double dilation = dilation_stress(s, qc, s.sigma_bottom[k], pa);
    const auto node = [&](double sigma) {
        const double radial = 0.029 * qc * std::pow(sigma / pa, 0.13) * std::pow(r, -0.38);
        if (!tension) return (radial + dilation) * tan_delta;
        const double f = (0.8 * radial + dilation) * tan_delta;
        return open_ended ? 0.9 * f : f;
    };
    top = node(s.sigma_top[k]);
    bottom = node(s.sigma_bottom[k]);
}

void compute_icp_method(AnalysisState& s) {
    for (int k = 1; k <= s.element_count; ++k) {
        double top;
        double bottom;
        if (is_sand(s.seg_soil_kind[k]))
            icp_sand_skin_friction(s, k, top, bottom);
        else
            offshore_clay_skin_friction(s, k, top, bottom);
        s.offshore_side_top[k] = s.icp_inside_top[k] = top;
        s.offshore_side_bottom[k] = s.icp_inside_bottom[k] = bottom;
    }
    integrate_offshore_friction(s, s.icp_cum_side_for_transfer);
}

void icp_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom) {
    const double qc = element_cone_resistance(s, k, end_bearing_pa(s));
    const double d = english(s) ? s.outside_diameter * 25.4 : s.outside_diameter;  // mm
    const double size = std::log10(d / 36.0);
    double q;
    if (offshore_inside_diameter(s) < 0.0001) {
        q = (1.0 - 0.5 * size) * qc;
        if (d > 900.0) q = std::max(q, 0.3 * qc);
    } else {
        q = (0.5 - 0.25 * size) * qc;
        if (d > 900.0) q = std::max(q, 0.15 * qc);
        if (s.plug_option == 2) q = qc;  // unplugged: the wall bears the full cone resistance
    }
    top = bottom = q;
    cap_sand_end_bearing(s, k, top, bottom);
}

void collect_icp_side(const AnalysisState& s, MethodResults& r) {
    collect_offshore_side(s, s.icp_cum_side_for_transfer, r);
}

MethodRules icp_rules() {
    MethodRules rules;
    rules.method_index = kIndexIcp;
    rules.sand_end_bearing = icp_end_bearing_rule;
    rules.clay_end_bearing = offshore_clay_end_bearing;
    rules.plug_inside_friction = plug_inside_friction;
    rules.annulus_from_cone = true;
    rules.plugged_tip_at_least_annulus = true;
    return rules;
}

}  // namespace tarne
