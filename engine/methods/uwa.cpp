#include "methods/uwa.h"

#include <algorithm>
#include <cmath>

#include "methods/offshore_clay.h"
#include "methods/offshore_common.h"

namespace tarne {
namespace {

bool english(const AnalysisState& s) { return s.unit_system == kEnglish; }

// Radial displacement of the interface when the sand dilates (in / mm).
double dilation_displacement(const AnalysisState& s) { return english(s) ? 0.000787402 : 0.02; }

void plug_inside_friction(const AnalysisState& s, int k, double& top, double& bottom) {
    top = s.uwa_inside_top[k];
    bottom = s.uwa_inside_bottom[k];
}

}  // namespace

double uwa_area_ratio(const AnalysisState& s) {
    const double di = offshore_inside_diameter(s);                  // in / mm
    const double di_m = di * (english(s) ? 0.0254 : 0.001);          // m
    const double ifr = std::min(1.0, std::pow(di_m / 1.5, 0.2));
    const double ratio = di / s.outside_diameter;
    return 1.0 - ifr * ratio * ratio;
}

void uwa_sand_skin_friction(const AnalysisState& s, int k, double& top, double& bottom) {
    const double pa = skin_friction_pa(s);
    const double qc = element_cone_resistance(s, k, pa);
    const double od = s.outside_diameter;
    const double h = std::max(distance_to_tip(s, k), 0.00001);
    const double r = std::max(h / od, 2.0);
    const double radial = 0.03 * qc * std::pow(uwa_area_ratio(s), 0.3) * std::pow(r, -0.5);
    const double tan_delta = sand_friction_tangent(s.seg_phi[k]);
    const auto node = [&](double sigma) {
        // Dilation from the shear modulus G = 185 qc / qc1N^0.75, which tends
        // to 0 with qc; the stress floor keeps qc1N finite.
        double dilation = 0.0;
        if (qc > 0.0) {
            const double stress = std::max(sigma / pa, 0.0000001);
            const double qc1n = (qc / pa) / std::sqrt(stress);
            const double g = 185.0 * qc / std::pow(qc1n, 0.75);
            dilation = 4.0 * g * dilation_displacement(s) / od;
        }
        const double f = (radial + dilation) * tan_delta;
        return s.loading_type == 1 ? 0.75 * f : f;
    };
    top = node(s.sigma_top[k]);
    bottom = node(s.sigma_bottom[k]);
}

void compute_uwa_method(AnalysisState& s) {
    for (int k = 1; k <= s.element_count; ++k) {
        double top;
        double bottom;
        if (is_sand(s.seg_soil_kind[k]))
            uwa_sand_skin_friction(s, k, top, bottom);
        else
            offshore_clay_skin_friction(s, k, top, bottom);
        s.offshore_side_top[k] = s.uwa_inside_top[k] = top;
        s.offshore_side_bottom[k] = s.uwa_inside_bottom[k] = bottom;
    }
    integrate_offshore_friction(s, s.uwa_cum_side_for_transfer);
}

void uwa_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom) {
    const double qc = element_cone_resistance(s, k, end_bearing_pa(s));
    const double q0 = (0.15 + 0.45 * uwa_area_ratio(s)) * qc;
    const bool open_ended = offshore_inside_diameter(s) >= 0.0001;
    top = bottom = (open_ended && s.plug_option != 1) ? std::max(q0, 0.15 * qc) : std::max(q0, 0.3 * qc);
    cap_sand_end_bearing(s, k, top, bottom);
}

void collect_uwa_side(const AnalysisState& s, MethodResults& r) {
    collect_offshore_side(s, s.uwa_cum_side_for_transfer, r);
}

MethodRules uwa_rules() {
    MethodRules rules;
    rules.method_index = kIndexUwa;
    rules.sand_end_bearing = uwa_end_bearing_rule;
    rules.clay_end_bearing = offshore_clay_end_bearing;
    rules.plug_inside_friction = plug_inside_friction;
    rules.annulus_from_cone = true;
    return rules;
}

}  // namespace tarne
