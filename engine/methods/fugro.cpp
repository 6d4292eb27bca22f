#include "methods/fugro.h"

#include <algorithm>
#include <cmath>

#include "methods/offshore_clay.h"
#include "methods/offshore_common.h"

namespace tarne {
namespace {

void plug_inside_friction(const AnalysisState& s, int k, double& top, double& bottom) {
    top = s.fugro_inside_top[k];
    bottom = s.fugro_inside_bottom[k];
}

// 1 - (Di / OD)^2: the wall's share of the full tip area.
double wall_ratio(const AnalysisState& s) {
    const double ratio = offshore_inside_diameter(s) / s.outside_diameter;
    return 1.0 - ratio * ratio;
}

}  // namespace

void fugro_sand_skin_friction(const AnalysisState& s, int k, double& top, double& bottom) {
    const double pa = skin_friction_pa(s);
    const double qc = element_cone_resistance(s, k, pa);
    const double r_star = s.outside_diameter / 2.0 * std::sqrt(wall_ratio(s));  // in / mm
    const double h = std::max(distance_to_tip(s, k), 0.00001);
    const double r = h / r_star;
    const auto node = [&](double sigma) {
        if (s.loading_type == 1) return 0.045 * qc * std::pow(sigma / pa, 0.15) * std::pow(std::max(r, 4.0), -0.85);
        const double f = 0.08 * qc * std::pow(sigma / pa, 0.05) * std::pow(r, -0.9);
        return r > 4.0 ? f : f * (h / (4.0 * r_star));  // falls to 0 at the tip
    };
    top = node(s.sigma_top[k]);
    bottom = node(s.sigma_bottom[k]);
}

void compute_fugro_method(AnalysisState& s) {
    for (int k = 1; k <= s.element_count; ++k) {
        double top;
        double bottom;
        if (is_sand(s.seg_soil_kind[k]))
            fugro_sand_skin_friction(s, k, top, bottom);
        else
            offshore_clay_skin_friction(s, k, top, bottom);
        s.offshore_side_top[k] = s.fugro_inside_top[k] = top;
        s.offshore_side_bottom[k] = s.fugro_inside_bottom[k] = bottom;
    }
    integrate_offshore_friction(s, s.fugro_cum_side_for_transfer);
}

void fugro_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom) {
    const double pa = end_bearing_pa(s);
    const double qc = element_cone_resistance(s, k, pa);
    top = bottom = 8.5 * pa * std::sqrt(qc / pa) * std::pow(wall_ratio(s), 0.25);
    cap_sand_end_bearing(s, k, top, bottom);
}

void collect_fugro_side(const AnalysisState& s, MethodResults& r) {
    collect_offshore_side(s, s.fugro_cum_side_for_transfer, r);
}

MethodRules fugro_rules() {
    MethodRules rules;
    rules.method_index = kIndexFugro;
    rules.sand_end_bearing = fugro_end_bearing_rule;
    rules.clay_end_bearing = offshore_clay_end_bearing;
    rules.plug_inside_friction = plug_inside_friction;
    rules.annulus_from_cone = true;
    return rules;
}

}  // namespace tarne
