#include "methods/api.h"

#include <algorithm>
#include <cmath>

#include "charts.h"
#include "profile.h"

namespace tarne {
namespace {

constexpr double kDegreesPerRadian = 57.2958;
constexpr double kPi = 3.14159;

bool english(const AnalysisState& s) { return s.unit_system == kEnglish; }

// Unit skin friction outside and inside the pile at the top and bottom of every element.
void compute_element_friction(AnalysisState& s) {
    for (int k = 1; k <= s.element_count; ++k) {
        if (is_sand(s.seg_soil_kind[k])) {
            const double tan_delta = std::tan((s.seg_phi[k] - 5.0) / kDegreesPerRadian);
            s.api_side_top[k] = s.sigma_top[k] * s.seg_k0[k] * tan_delta;
            s.api_side_bottom[k] = s.sigma_bottom[k] * s.seg_k0[k] * tan_delta;
            s.api_inside_top[k] = s.api_side_top[k];
            s.api_inside_bottom[k] = s.api_side_bottom[k];
        } else {
            // Clay, and silt, which this method treats as clay.
            if (s.sigma_bottom[k] < 1.0e-10) s.sigma_bottom[k] = 1.0e-10;
            const double alpha = clay_alpha(s.seg_su[k], s.sigma_bottom[k]);
            s.api_side_top[k] = alpha * s.seg_su[k];
            s.api_side_bottom[k] = alpha * s.seg_su[k];
            s.api_inside_top[k] = alpha * s.seg_su_remolded[k];
            s.api_inside_bottom[k] = alpha * s.seg_su[k];
        }
    }
}

// Limiting unit friction at output point j, from the element whose top is
// the point. A sand layer whose maximum was given as 9999 takes the API
// table's limit for its friction angle, written back for later methods.
double side_limit_at(AnalysisState& s, int j) {
    const int e = element_at_point(s, j);
    if (s.seg_soil_kind[e] == 1.0 && s.seg_friction_table_code[e] == 1) {
        s.seg_max_friction[e] = evaluate(english(s) ? charts::api_side_friction_limit_ksf
                                                    : charts::api_side_friction_limit_kpa,
                                         s.seg_phi[e]);
    }
    return s.seg_max_friction[e];
}

}  // namespace

void compute_api_method(AnalysisState& s) {
    compute_element_friction(s);

    const int points = s.output_point_count;
    const double step = s.length_increment;
    ElementWalk walk(s);  // the points lie ever deeper
    for (int j = 1; j <= points; ++j) {
        const double z = (j - 1) * step;
        double raw = z - s.zero_friction_length <= -kDepthTolerance ? 0.0 : walk.linear(s.api_side_top, s.api_side_bottom, z);
        if (s.loading_type == 1) raw *= s.tension_factor;
        s.api_unit_side_raw[j] = raw;
        s.api_side_limit[j] = side_limit_at(s, j);
    }

    // Trapezoids between points; an increment that exceeds the trapezoid of
    // the limits is replaced by it. The factored sum uses the side factor of
    // the element whose top is the lower point.
    const double perimeter = kPi * s.outside_diameter / (english(s) ? 12.0 : 1000.0);  // ft / m
    s.api_unit_side[1] = std::min(s.api_unit_side_raw[1], s.api_side_limit[1]);
    s.api_side_increment[1] = 0.0;
    s.api_side_increment_limit[1] = 0.0;
    s.api_cum_side[1] = 0.0;
    s.api_cum_side_for_transfer[1] = 0.0;
    double unfactored = 0.0;
    double factored = 0.0;
    for (int j = 2; j <= points; ++j) {
        s.api_unit_side[j] = std::min(s.api_unit_side_raw[j], s.api_side_limit[j]);
        const double dq = 0.5 * (s.api_unit_side_raw[j - 1] + s.api_unit_side_raw[j]) * perimeter * step;
        const double dq_limit = 0.5 * (s.api_side_limit[j - 1] + s.api_side_limit[j]) * perimeter * step;
        s.api_side_increment_limit[j] = dq_limit;
        s.api_side_increment[j] = dq - dq_limit > 0.000001 ? dq_limit : dq;
        unfactored += s.api_side_increment[j];
        factored += s.api_side_increment[j] * s.seg_side_factor[element_at_point(s, j)];
        s.api_cum_side[j] = factored;
        s.api_cum_side_for_transfer[j] = s.factored_transfer == 1 ? factored : unfactored;
    }
}

void api_end_bearing_rule(AnalysisState& s, int k, double& top, double& bottom) {
    double limit = s.seg_max_bearing[k];
    if (limit == kNoLimit)
        limit = evaluate(english(s) ? charts::api_end_bearing_limit_ksf : charts::api_end_bearing_limit_kpa,
                         s.seg_phi[k]);
    top = std::min(s.seg_nq[k] * s.sigma_top[k], limit);
    bottom = std::min(s.seg_nq[k] * s.sigma_bottom[k], limit);
}

void api_plug_inside_friction(const AnalysisState& s, int k, double& top, double& bottom) {
    top = s.api_inside_top[k];
    bottom = s.api_inside_bottom[k];
}

void collect_api_side(const AnalysisState& s, MethodResults& r) {
    for (int j = 1; j <= s.output_point_count; ++j) {
        r.skin_friction[j] = s.api_cum_side[j];
        r.unit_side[j] = s.api_unit_side[j];
        r.side_for_transfer[j] = s.api_cum_side_for_transfer[j];
    }
}

MethodRules api_rules() {
    MethodRules rules;
    rules.method_index = kIndexApi;
    rules.sand_end_bearing = api_end_bearing_rule;
    rules.plug_inside_friction = api_plug_inside_friction;
    return rules;
}

}  // namespace tarne
