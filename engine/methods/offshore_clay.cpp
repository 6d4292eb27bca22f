#include "methods/offshore_clay.h"

#include <algorithm>
#include <cmath>

#include "charts.h"
#include "framework.h"
#include "methods/offshore_common.h"

namespace tarne {
namespace {

constexpr double kDegreesPerRadian = 57.2958;

// h/R* of element k (the distance to the tip not raised), at least 8.
double clay_h_over_r(const AnalysisState& s, int k) {
    return std::max(distance_to_tip(s, k) / equivalent_radius(s), kMinClayHOverR);
}

}  // namespace

double equivalent_radius(const AnalysisState& s) {
    const double od = s.outside_diameter;
    const double di = offshore_inside_diameter(s);
    return std::sqrt((od * od - di * di) / 4.0);
}

void offshore_clay_skin_friction(AnalysisState& s, int k, double& top, double& bottom) {
    if (s.unit_system == kSI && s.sigma_bottom[k] < 1.0e-10) s.sigma_bottom[k] = 1.0e-10;
    const double su = s.seg_su[k];
    const double su_remolded = s.seg_su_remolded[k];
    const double ysr = s.seg_blow_count[k];  // a clay layer's yield stress ratio
    if (su < kZeroTolerance || su_remolded < kZeroTolerance || ysr <= 0.0) {
        // Sensitivity or yield stress ratio unknown: no friction from this rule.
        top = bottom = 0.0;
        return;
    }
    const double tan_delta = std::tan(evaluate(charts::interface_friction_chart, s.seg_pi[k]) / kDegreesPerRadian);
    const double kc = (2.0 - 0.625 * std::log10(su / su_remolded)) * std::pow(ysr, 0.42) *
                      std::pow(clay_h_over_r(s, k), -0.2);
    top = 0.8 * kc * s.sigma_top[k] * tan_delta;
    bottom = 0.8 * kc * s.sigma_bottom[k] * tan_delta;
}

void offshore_clay_end_bearing(AnalysisState& s, int k, double& top, double& bottom) {
    const double qc = element_cone_resistance(s, k, end_bearing_pa(s));
    const bool drained = s.icp_clay_drained == 1;
    const bool open_ended = offshore_inside_diameter(s) >= 0.000001;
    double q;
    if (open_ended && s.plug_option != 1) {
        if (s.plug_option != 2) return;  // the program decides the plug: 9 su stands
        q = drained ? 1.6 * qc : qc;  // unplugged
    } else if (open_ended) {
        q = drained ? 0.65 * qc : 0.4 * qc;  // plugged by the user's choice
    } else {
        q = drained ? 1.3 * qc : 0.8 * qc;  // closed, whatever plug option the file carries
    }
    top = bottom = q;
}

bool clay_friction_near_tip(const AnalysisState& s) {
    const double r_star = equivalent_radius(s);
    for (int k = 1; k <= s.element_count; ++k) {
        if (is_sand(s.seg_soil_kind[k]) || element_depth(s, k) >= s.total_length - kDepthTolerance) continue;
        if (distance_to_tip(s, k) / r_star < kMinClayHOverR) return true;
    }
    return false;
}

void write_plastic_index_errors(const AnalysisState& s, TextOut& report) {
    for (int k = 1; k <= s.element_count; ++k)
        if (!is_sand(s.seg_soil_kind[k]) && s.seg_pi[k] < 0.0) report.line(" ERROR - NO DATA FOUND FOR PLASTIC INDEX.");
}

void write_h_over_r_warning(const AnalysisState& s, TextOut& report) {
    if (!clay_friction_near_tip(s)) return;
    report.empty();
    report.line(" WARNING - h/R SHOULD BE GREATER THAN 8.");
}

}  // namespace tarne
