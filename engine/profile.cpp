#include "profile.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "errors.h"

namespace tarne {
namespace {

double diameter_in_length_unit(const AnalysisState& s) {
    return s.outside_diameter / (s.unit_system == kEnglish ? 12.0 : 1000.0);  // in->ft, mm->m
}

// Linear interpolation between profile points i and i+1 at `fraction`.
double between(const ProfileTable& v, int i, double fraction) {
    return v[i] + (v[i + 1] - v[i]) * fraction;
}

}  // namespace

double compute_required_soil_depth(AnalysisState& s) {
    const double embedded = s.total_length - s.stickup_length;
    s.required_soil_depth = embedded + 2.0 * diameter_in_length_unit(s);
    return s.required_soil_depth;
}

int compute_element_count(AnalysisState& s) {
    const double n = std::trunc(s.profile_bottom / s.length_increment + kDepthTolerance);
    constexpr double kIntMax = std::numeric_limits<int>::max();
    s.element_count = n >= kIntMax ? std::numeric_limits<int>::max() : static_cast<int>(std::max(n, 0.0));
    return s.element_count;
}

void adjust_boundaries_to_grid(AnalysisState& s) {
    const double step = s.length_increment;
    for (int i = 1; i < s.profile_point_count; ++i) {
        const double gap = s.prof_depth[i + 1] - s.prof_depth[i];
        if (gap < 0.5 * step)
            s.prof_depth[i + 1] = s.prof_depth[i];
        else if (gap < step)
            s.prof_depth[i + 1] = s.prof_depth[i] + step;
    }
}

void build_elements(AnalysisState& s) {
    const double step = s.length_increment;
    const int last = s.profile_point_count;
    const bool english = s.unit_system == kEnglish;
    int i = 1;
    double z = 0.0;
    for (int k = 1; k <= s.element_count; ++k) {
        s.seg_top[k] = z;
        // Advance to the interval holding the element; zero-length intervals are skipped.
        while (i < last - 1 && s.prof_depth[i + 1] - z <= kDepthTolerance) ++i;

        s.seg_soil_kind[k] = s.prof_soil_kind[i];
        s.seg_friction_table_code[k] = s.prof_friction_table_code[i];  // layer-wide, like the kind
        s.seg_bottom[k] = z + step;

        const double gap = s.prof_depth[i + 1] - s.prof_depth[i];
        double fraction;
        if (s.prof_depth[i + 1] - z <= kDepthTolerance)
            fraction = 1.0;  // below the deepest point: the deepest interval's bottom values
        else if (gap <= kZeroTolerance)
            fraction = 0.0;
        else
            fraction = (z + 0.5 * step - s.prof_depth[i]) / gap;

        s.seg_k0[k] = between(s.prof_k0, i, fraction);
        s.seg_gamma[k] = between(s.prof_gamma, i, fraction);
        s.seg_phi[k] = between(s.prof_phi, i, fraction);
        s.seg_nq[k] = between(s.prof_nq, i, fraction);
        s.seg_max_friction[k] = between(s.prof_max_friction, i, fraction);
        s.seg_max_bearing[k] = between(s.prof_max_bearing, i, fraction);
        s.seg_su[k] = between(s.prof_su, i, fraction);
        s.seg_su_remolded[k] = between(s.prof_su_remolded, i, fraction);
        s.seg_blow_count[k] = between(s.prof_blow_count, i, fraction);
        s.seg_pi[k] = between(s.prof_pi, i, fraction);
        s.seg_qc[k] = between(s.prof_qc, i, fraction);
        s.seg_side_factor[k] = between(s.prof_side_factor, i, fraction);
        s.seg_end_factor[k] = between(s.prof_end_factor, i, fraction);
        s.seg_user_friction[k] = between(s.prof_user_friction, i, fraction);
        s.seg_user_bearing[k] = between(s.prof_user_bearing, i, fraction);
        s.seg_adhesion_method[k] = between(s.prof_adhesion_method, i, fraction);

        // User values: psf to ksf in English units; reduced by the tension
        // factor in tension only, in either unit system.
        const double user_scale = (english ? 1.0 / 1000.0 : 1.0) * (s.loading_type == 1 ? s.tension_factor : 1.0);
        s.seg_user_friction[k] *= user_scale;
        s.seg_user_bearing[k] *= user_scale;
        z = s.seg_bottom[k];  // accumulated by addition, as the grid is defined
    }
}

void compute_output_points(AnalysisState& s) {
    const double step = s.length_increment;
    const double count = std::trunc(s.total_length / step + kDepthTolerance) + 1.0;
    if (count > kMaxOutputPoints)
        throw EngineError("the pile needs " + std::to_string(static_cast<long long>(count)) +
                          " output points; at most " + std::to_string(kMaxOutputPoints) + " are possible");
    s.output_point_count = std::max(static_cast<int>(count), 0);
    for (int j = 1; j <= s.output_point_count; ++j) s.point_depth[j] = (j - 1) * step;

    const int n = s.print_interval;
    const int m = s.output_point_count;
    const int regular = m >= 1 ? (m - 1) / n + 1 : 0;
    s.last_printed_row = regular >= 1 ? 1 + (regular - 1) * n : 0;
    s.printed_row_count = regular + ((regular >= 1 && s.last_printed_row != m) ? 1 : 0);
}

int element_at_point(const AnalysisState& s, int j) {
    return std::clamp(j, 1, std::max(s.element_count, 1));
}

int printed_point(const AnalysisState& s, int row) {
    const int regular = s.output_point_count >= 1 ? (s.output_point_count - 1) / s.print_interval + 1 : 0;
    return row <= regular ? 1 + (row - 1) * s.print_interval : s.output_point_count;
}

}  // namespace tarne
