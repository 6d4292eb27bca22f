#include "methods/ngi.h"

#include <algorithm>
#include <cmath>

#include "methods/offshore_common.h"

namespace tarne {
namespace {

bool english(const AnalysisState& s) { return s.unit_system == kEnglish; }

// Relative density from the cone resistance qc at effective stress sigma
// (both ksf / kPa), at least just above 0.2 for the skin friction.
double skin_relative_density(const AnalysisState& s, double qc, double sigma, double pa) {
    const double dr = 0.4 * std::log(qc / (22.0 * std::sqrt(pa * sigma)));
    return std::max(dr, english(s) ? 0.200001 : 0.20001);
}

double density_factor(double dr) { return 2.1 * std::pow(dr - 0.1, 1.7); }

void plug_inside_friction(const AnalysisState& s, int k, double& top, double& bottom) {
    top = s.ngi_inside_top[k];
    bottom = s.ngi_inside_bottom[k];
}

}  // namespace

void ngi_sand_skin_friction(const AnalysisState& s, int k, double& top, double& bottom) {
    const double pa = skin_friction_pa(s);
    const double qc = element_cone_resistance(s, k, pa);
    const double depth_ratio = s.seg_top[k] / s.total_length;
    const double f_tip = offshore_inside_diameter(s) > 0.00001 ? 1.0 : 1.6;
    const double f_load = s.loading_type == 1 ? 1.0 : 1.3;
    const double f_mat = (s.pile_type == 2 || s.pile_type == 3) ? 1.2 : 1.0;
    const double scale = depth_ratio * pa * f_tip * f_load * f_mat;
    // Without effective stress the stress factor is 0 and so is the friction.
    const double sigma_bottom = s.sigma_bottom[k];
    const double f_dr_bottom =
        sigma_bottom > 0.0 ? density_factor(skin_relative_density(s, qc, sigma_bottom, pa)) : 0.0;
    bottom = scale * f_dr_bottom * std::pow(sigma_bottom / pa, 0.25);

    const double sigma_top = s.sigma_top[k];
    double f_dr_top = f_dr_bottom;  // the first element keeps the bottom's density factor
    if (k >= 2) f_dr_top = sigma_top > 0.0 ? density_factor(skin_relative_density(s, qc, sigma_top, pa)) : 0.0;
    top = scale * f_dr_top * std::pow(sigma_top / pa, 0.25);
}

NgiClayFriction ngi_clay_friction(AnalysisState& s, int k) {
    if (s.sigma_bottom[k] < 1.0e-10) s.sigma_bottom[k] = 1.0e-10;
    const double sigma = s.sigma_bottom[k];
    const double su = s.seg_su[k];
    const double su_remolded = s.seg_su_remolded[k];
    const double psi = std::max(su / sigma, 1.0e-10);
    const double f_c = offshore_inside_diameter(s) < 0.00001 ? 1.0 : 0.8 + 0.2 * std::sqrt(psi);

    if (psi < 0.25) {
        // Normally consolidated: friction from the stress. Inside the plug,
        // the remolded strength times the normally consolidated alpha.
        const double pi = s.seg_pi[k] > 10.0 ? s.seg_pi[k] : 10.00000006;
        const double alpha_nc = 0.32 * std::pow(pi - 10.0, 0.3);
        return {0.08 * std::pow(pi - 10.0, 0.3) * sigma, alpha_nc * su_remolded * f_c};
    }
    if (psi > 1.0) {
        const double alpha = 0.5 / std::pow(psi, 0.3);
        return {alpha * su * f_c, alpha * su_remolded * f_c};
    }
    const double pi = s.seg_pi[k] > 12.0 ? s.seg_pi[k] : 12.000001;
    const double tau_min = 0.06 * std::pow(pi - 12.0, 0.33) * sigma;
    const double alpha_oc = 0.5 / std::pow(psi, 0.3);
    const double alpha_nc = 0.32 * std::pow(pi - 10.0, 0.3);
    const double alpha = alpha_nc + (psi - 0.25) * (alpha_oc - alpha_nc) / 0.75;
    return {std::max(alpha * su * f_c, tau_min), std::max(alpha * su_remolded * f_c, tau_min)};
}

void compute_ngi_method(AnalysisState& s) {
    for (int k = 1; k <= s.element_count; ++k) {
        if (is_sand(s.seg_soil_kind[k])) {
            double top;
            double bottom;
            ngi_sand_skin_friction(s, k, top, bottom);
            s.offshore_side_top[k] = s.ngi_inside_top[k] = top;
            s.offshore_side_bottom[k] = s.ngi_inside_bottom[k] = bottom;
            if (english(s) && s.sigma_top[k] < 0.00000001) s.sigma_top[k] = 0.00000001;
        } else {
            const NgiClayFriction f = ngi_clay_friction(s, k);
            s.offshore_side_top[k] = s.offshore_side_bottom[k] = f.side;
            s.ngi_inside_bottom[k] = f.side;
            s.ngi_inside_top[k] = f.inside_top;
        }
    }
    integrate_offshore_friction(s, s.ngi_cum_side_for_transfer);
}

void ngi_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom) {
    const double pa = end_bearing_pa(s);
    const double qc = element_cone_resistance(s, k, pa);
    const bool closed = offshore_inside_diameter(s) <= 0.0001;
    // No lower limit on the relative density here; without stress (or
    // without cone resistance) the bearing is 0.
    const auto node = [&](double sigma) {
        if (sigma <= 0.0 || qc <= 0.0) return 0.0;
        const double dr = 0.4 * std::log(qc / (22.0 * std::sqrt(pa * sigma)));
        return closed ? 0.8 * qc / (1.0 + dr * dr) : 0.7 * qc / (1.0 + 3.0 * dr * dr);
    };
    top = node(s.sigma_top[k]);
    bottom = node(s.sigma_bottom[k]);
    cap_sand_end_bearing(s, k, top, bottom);
}

void collect_ngi_side(const AnalysisState& s, MethodResults& r) {
    collect_offshore_side(s, s.ngi_cum_side_for_transfer, r);
}

MethodRules ngi_rules() {
    MethodRules rules;
    rules.method_index = kIndexNgi;
    rules.sand_end_bearing = ngi_end_bearing_rule;
    rules.plug_inside_friction = plug_inside_friction;
    rules.annulus_from_cone = true;
    return rules;
}

}  // namespace tarne
