#include "methods/user_specified.h"

#include "profile.h"

namespace tarne {
namespace {

constexpr double kPi = 3.14159;
constexpr double kQuarterPi = 0.7853975;

}  // namespace

bool user_method_due(const AnalysisState& s) {
    if (s.results[kUserSpecified].computed) return false;
    for (int k = 1; k <= s.element_count; ++k)
        if (s.seg_user_friction[k] != 0.0 || s.seg_user_bearing[k] != 0.0) return true;
    return false;
}

void compute_user_method(AnalysisState& s) {
    const double d = s.outside_diameter / (s.unit_system == kEnglish ? 12.0 : 1000.0);  // ft / m
    const double perimeter = kPi * d;
    const double area = s.tip_area > 0.0001 ? s.tip_area : kQuarterPi * d * d;
    const double step = s.length_increment;

    s.point_depth[1] = 0.0;
    s.user_cum_side[1] = 0.0;
    s.tip_user[1] = area * s.seg_user_bearing[1];
    for (int j = 2; j <= s.output_point_count; ++j) {
        const double z = (j - 1) * step;
        s.point_depth[j] = z;
        // The element that ends at z: element j - 1 on the regular grid.
        double bottom = 0.0;
        int m = 1;
        for (; m < s.element_count; ++m) {
            bottom += s.seg_length[m];
            if (z - bottom <= kDepthTolerance) break;
        }
        s.tip_user[j] = area * s.seg_user_bearing[m];
        const double increment = perimeter * s.seg_user_friction[m] * step * s.seg_side_factor[element_at_point(s, j)];
        s.user_cum_side[j] = s.user_cum_side[j - 1] + increment;
    }
}

void collect_user_side(const AnalysisState& s, MethodResults& r) {
    for (int j = 1; j <= s.output_point_count; ++j) {
        r.skin_friction[j] = s.user_cum_side[j];
        r.unit_side[j] = s.seg_user_friction[element_at_point(s, j)];
        r.side_for_transfer[j] = s.user_cum_side[j];
    }
}

MethodRules user_rules() {
    MethodRules rules;
    rules.method_index = kIndexUser;
    rules.annulus_from_cone = true;
    rules.tip_copy = &AnalysisState::tip_user;
    rules.tip_copy_skips_program_plug = true;
    return rules;
}

}  // namespace tarne
