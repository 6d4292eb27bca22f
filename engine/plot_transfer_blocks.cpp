#include "plot_transfer_blocks.h"

#include "load_transfer.h"
#include "settlement.h"

namespace tarne {
namespace {

// A free-format count line: the reader only needs the integer.
void count_line(TextOut& plot, int count) {
    FixedLine l;
    plot.line(l.i(count, 6));
}

}  // namespace

void write_tz_block(TextOut& plot, const AnalysisState& s) {
    const int first = first_soil_curve(s);
    count_line(plot, s.curve_count >= first ? s.curve_count - first + 1 : 0);
    for (int i = first; i <= s.curve_count; ++i)
        write_curve_lines(plot, s, i, i - first + 1, curve_depth_below_ground(s, i));
}

void write_load_distribution_block(TextOut& plot, const AnalysisState& s) {
    const bool english = s.unit_system == kEnglish;
    const double depth_unit = english ? 12.0 : 1.0;    // in to ft
    const double force_unit = english ? 1000.0 : 1.0;  // lb to kips
    for (int m = 1; m <= s.settle_point_count; ++m) {
        for (int j = 1; j <= s.segment_count; ++j) {
            FixedLine l;
            plot.line(l.blanks(3).e(s.dist_depth[m][j] / depth_unit, 10, 3)
                          .blanks(3).e(s.dist_load[m][j] / force_unit, 10, 3)
                          .blanks(3).e(s.dist_movement[m][j], 10, 3));
        }
    }
}

void write_load_settlement_block(TextOut& plot, const AnalysisState& s) { write_settlement_rows(plot, s); }

void write_extra_tz_block(TextOut& plot, const AnalysisState& s) {
    int in_range = 0;
    for (int i = 1; i <= s.extra_tz_count; ++i) in_range += extra_tz_in_range(s, i) ? 1 : 0;
    count_line(plot, in_range);
    for (int i = 1; i <= s.extra_tz_count; ++i) {
        if (!extra_tz_in_range(s, i)) continue;
        write_curve_heading(plot, i, kCurvePointCount, s.extra_tz_depth[i]);
        write_curve_points(plot, s, i);
    }
}

}  // namespace tarne
