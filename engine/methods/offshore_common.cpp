#include "methods/offshore_common.h"

#include <algorithm>
#include <cmath>

#include "framework.h"
#include "profile.h"

namespace tarne {
namespace {

constexpr double kDegreesPerRadian = 57.2958;
constexpr double kPi = 3.14159;

bool english(const AnalysisState& s) { return s.unit_system == kEnglish; }

}  // namespace

double skin_friction_pa(const AnalysisState& s) { return english(s) ? 2.088554621 : 100.0; }
double end_bearing_pa(const AnalysisState& s) { return english(s) ? 2.1168 : 100.0; }

double offshore_inside_diameter(const AnalysisState& s) {
    return s.closed_end == 1 ? 0.0 : s.enhanced_end_inside_diameter;
}

double element_depth(const AnalysisState& s, int k) { return (k - 1) * s.length_increment; }

double distance_to_tip(const AnalysisState& s, int k) {
    return (s.total_length - element_depth(s, k)) * (english(s) ? 12.0 : 1000.0);
}

double element_cone_resistance(const AnalysisState& s, int k, double pa) {
    const double layer_qc = s.seg_qc[k];  // psf / kPa
    double qc;
    if (layer_qc >= 0.00001)
        qc = english(s) ? layer_qc / 1000.0 : layer_qc;
    else if (s.cpt_count > 0)
        qc = cone_resistance_at(s, element_depth(s, k));  // the profile is in ksf / kPa already
    else
        qc = s.seg_blow_count[k] * pa * 2.8;
    return std::max(qc, 0.0);
}

double sand_friction_tangent(double phi) {
    return phi > 5.0 ? std::tan((phi - 5.0) / kDegreesPerRadian) : 0.0;
}

void cap_sand_end_bearing(const AnalysisState& s, int k, double& top, double& bottom) {
    const double cap = s.seg_max_bearing[k];
    if (cap != kNoLimit && cap > 0.001) {
        top = std::min(top, cap);
        bottom = std::min(bottom, cap);
    }
}

void integrate_offshore_friction(AnalysisState& s, PointTable& for_transfer) {
    const double step = s.length_increment;
    const int points = s.output_point_count;
    ElementWalk walk(s);  // the points lie ever deeper
    for (int j = 1; j <= points; ++j) {
        const double z = (j - 1) * step;
        s.point_depth[j] = z;
        double f = 0.0;
        if (z - s.zero_friction_length > -kDepthTolerance) f = walk.linear(s.offshore_side_top, s.offshore_side_bottom, z);
        s.offshore_unit_side[j] = f;
        s.offshore_unit_side_out[j] = f;
    }

    const double perimeter = kPi * s.outside_diameter / (english(s) ? 12.0 : 1000.0);  // ft / m
    s.offshore_side_increment[1] = 0.0;
    s.offshore_cum_side[1] = 0.0;
    for_transfer[1] = 0.0;
    double unfactored = 0.0;
    double factored = 0.0;
    for (int j = 2; j <= points; ++j) {
        const double dq = (s.offshore_unit_side[j - 1] + s.offshore_unit_side[j]) * 0.5 * perimeter * step;
        s.offshore_side_increment[j] = dq;
        unfactored += dq;
        factored += dq * s.seg_side_factor[element_at_point(s, j)];
        s.offshore_cum_side[j] = factored;
        for_transfer[j] = s.factored_transfer == 1 ? factored : unfactored;
    }
}

void collect_offshore_side(const AnalysisState& s, const PointTable& for_transfer, MethodResults& r) {
    for (int j = 1; j <= s.output_point_count; ++j) {
        r.skin_friction[j] = s.offshore_cum_side[j];
        r.unit_side[j] = s.offshore_unit_side_out[j];
        r.side_for_transfer[j] = for_transfer[j];
    }
}

}  // namespace tarne
