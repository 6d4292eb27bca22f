#include "settlement.h"

#include <cmath>
#include <string>

#include "capacity_table.h"
#include "errors.h"
#include "load_transfer.h"
#include "plot_transfer_blocks.h"

namespace tarne {
namespace {

// Single-precision constants used in double arithmetic, as the curves' own.
constexpr double sp(float v) { return static_cast<double>(v); }

constexpr double kPi = sp(3.1416f);
constexpr double kInchesPerMetre = sp(39.37f);
constexpr double kAreaGiven = sp(1.0e-5f);  // in2 / m2 (section) or ft2 / m2 (tip)
// Assumed tip movements (in), the same in both unit systems once converted.
constexpr float kTipMovementInches[kSettlePointCount] = {0.0001f, 0.001f, 0.005f, 0.01f, 0.05f,
                                                         0.1f,    0.5f,   1.0f,   2.0f};

bool english(const AnalysisState& s) { return s.unit_system == kEnglish; }

void text_line(TextOut& out, int indent, std::string_view text) {
    FixedLine l;
    out.line(l.blanks(indent).text(text));
}

void stars(TextOut& out, int indent, int count) {
    FixedLine l;
    out.line(l.blanks(indent).repeat('*', count));
}

void write_notes_and_banner(TextOut& report, const AnalysisState& s) {
    write_capacity_notes(report, s);
    stars(report, 16, 49);
    text_line(report, 16, "* COMPUTE LOAD-DISTRIBUTION AND LOAD-SETTLEMENT *");
    text_line(report, 16, "* CURVES FOR AXIAL LOADING                      *");
    stars(report, 16, 49);
    report.empty(2);
}

void write_load_settlement_table(TextOut& report, const AnalysisState& s) {
    const bool en = english(s);
    report.empty(3);
    text_line(report, 22, "LOAD VERSUS SETTLEMENT CURVE");
    stars(report, 22, 28);
    report.empty(3);
    FixedLine l;
    report.line(l.blanks(8).text("TOP  LOAD     TOP MOVEMENT       TIP  LOAD ").blanks(5).text("TIP MOVEMENT"));
    l.clear();
    const char* force = en ? "KIP" : "KN.";
    const char* move = en ? "IN." : "M. ";
    report.line(l.blanks(11).text(force).blanks(13).text(move).blanks(14).text(force).blanks(12).text(move));
    write_settlement_rows(report, s);
}

}  // namespace

void prepare_settlement(AnalysisState& s) {
    const bool en = english(s);
    // The embedded length is held in `total_length` during the analysis.
    const double length = s.stickup_length + s.total_length;  // ft / m
    s.segment_count = s.printed_row_count;
    s.pile_length = en ? 12.0 * length : length;
    s.segment_length = s.segment_count > 0 ? s.pile_length / s.segment_count : 0.0;
    for (int m = 1; m <= kSettlePointCount; ++m) {
        const double w = static_cast<double>(kTipMovementInches[m - 1]);
        s.tip_movement[m] = en ? w : w / kInchesPerMetre;
    }
}

void build_stiffness_table(AnalysisState& s) {
    const bool en = english(s);
    const double e = s.elastic_modulus;
    if (s.area_option >= 2) {
        if (s.area_table_count < 1)
            throw EngineError("the cross section area varies along the pile but its table has no rows");
        for (int i = 1; i <= s.area_table_count; ++i) {
            s.stiff_ea[i] = s.area_table_area[i] * e;
            s.stiff_depth[i] = en ? 12.0 * s.area_table_distance[i] : s.area_table_distance[i];
        }
        s.stiff_count = s.area_table_count;
    } else {
        double area;  // in2 / m2
        if (s.section_area > kAreaGiven) {
            area = s.section_area;
        } else if (s.tip_area > kAreaGiven) {
            area = en ? 144.0 * s.tip_area : s.tip_area;
        } else {
            const double od = transfer_outside_diameter(s);
            const double id = transfer_inside_diameter(s);
            area = (od * od - id * id) * kPi * 0.25;
        }
        s.stiff_ea[1] = s.stiff_ea[2] = area * e;
        s.stiff_depth[1] = 0.0;
        s.stiff_depth[2] = s.pile_length;
        s.stiff_count = 1;
    }
    for (int i = 1; i <= s.stiff_count; ++i) {
        if (!(s.stiff_ea[i] > kZeroTolerance))
            throw EngineError("the axial stiffness of the pile (modulus of elasticity times cross section area) "
                              "must be greater than zero for the load-settlement analysis");
    }
}

double axial_stiffness_at(const AnalysisState& s, double depth) {
    const int n = s.stiff_count;
    if (n <= 1 || depth <= s.stiff_depth[1]) return s.stiff_ea[1];
    for (int k = 2; k <= n; ++k) {
        if (s.stiff_depth[k] >= depth) {
            const double span = s.stiff_depth[k] - s.stiff_depth[k - 1];
            if (!(span > 0.0)) return s.stiff_ea[k];
            return s.stiff_ea[k - 1] + (s.stiff_ea[k] - s.stiff_ea[k - 1]) * (depth - s.stiff_depth[k - 1]) / span;
        }
    }
    return s.stiff_ea[n];  // deeper than the table: its last entry
}

double tip_load_at(const AnalysisState& s, double movement) {
    const int n = s.qw_points;
    if (n < 1) return 0.0;
    if (movement <= s.qw_w[1]) return s.qw_q[1];
    for (int j = 2; j <= n; ++j) {
        if (s.qw_w[j] >= movement) {
            const double span = s.qw_w[j] - s.qw_w[j - 1];
            if (!(span > 0.0)) return s.qw_q[j];
            return s.qw_q[j - 1] + (s.qw_q[j] - s.qw_q[j - 1]) * (movement - s.qw_w[j - 1]) / span;
        }
    }
    // Beyond the curve (small piles, whose curve ends at 0.2 OD before the
    // largest assumed tip movements): the straight line through the origin
    // and the curve's last point.
    if (!(s.qw_w[n] > 0.0)) return s.qw_q[n];
    return s.qw_q[n] * movement / s.qw_w[n];
}

void settle_for_tip_movement(AnalysisState& s, int m) {
    const double od = transfer_outside_diameter(s);
    const double len = s.segment_length;
    const double w_tip = s.tip_movement[m];
    s.tip_load[m] = tip_load_at(s, w_tip);
    s.node_load[1] = s.tip_load[m];
    s.node_movement[1] = w_tip;
    s.unconverged_segments[m] = 0;

    const int last = s.segment_count + 1;
    for (int j = 2; j <= last; ++j) {
        const double bottom = s.pile_length - (j - 2) * len;  // from the pile head
        const double middle = bottom - len / 2.0;
        const double load_below = s.node_load[j - 1];
        const double move_below = s.node_movement[j - 1];
        const double ea = axial_stiffness_at(s, middle);

        double trial = move_below;  // movement of the midpoint
        double w_new = trial;
        double average = load_below;
        bool converged = false;
        for (int iteration = 1; iteration <= kMaxSegmentIterations; ++iteration) {
            const double gained = unit_transfer_at(s, middle, trial) * kPi * od * len;
            const double load_above = load_below + gained;
            s.node_load[j] = load_above;
            average = load_below + gained / 2.0;
            s.node_movement[j] = move_below + len * average / ea;  // the whole segment shortens
            // The midpoint moves with the lower half, under the mean of its end loads.
            w_new = move_below + ((load_below + (load_below + load_above) / 2.0) / 2.0) * (len / 2.0) / ea;
            if (!(std::abs(w_new - trial) > settle_tolerance)) {
                converged = true;
                break;
            }
            trial = w_new;
        }
        if (!converged) ++s.unconverged_segments[m];
        s.dist_depth[m][j - 1] = middle;
        s.dist_load[m][j - 1] = average;
        s.dist_movement[m][j - 1] = w_new;
    }
    s.head_load[m] = s.node_load[last];
    s.head_movement[m] = s.node_movement[last];
}

void solve_load_settlement(AnalysisState& s) {
    if (!(transfer_outside_diameter(s) > kZeroTolerance))
        throw EngineError("the pile's outside diameter (or perimeter) must be greater than zero "
                          "for the load-transfer curves");
    prepare_settlement(s);
    build_tz_curves(s);
    build_stiffness_table(s);
    build_qw_curve(s);
    for (int m = 1; m <= kSettlePointCount; ++m) settle_for_tip_movement(s, m);
    s.settle_point_count = kSettlePointCount;
}

void write_settlement_rows(TextOut& out, const AnalysisState& s) {
    const double force = english(s) ? 1000.0 : 1.0;  // lb to kips
    for (int m = 1; m <= s.settle_point_count; ++m) {
        FixedLine l;
        out.line(l.e(s.head_load[m] / force, 17, 4).e(s.head_movement[m], 16, 4).e(s.tip_load[m] / force, 16, 4)
                     .e(s.tip_movement[m], 16, 4));
    }
}

void write_iteration_warnings(TextOut& report, const AnalysisState& s) {
    bool any = false;
    for (int m = 1; m <= s.settle_point_count; ++m) any = any || s.unconverged_segments[m] > 0;
    if (!any) return;
    report.empty();
    for (int m = 1; m <= s.settle_point_count; ++m) {
        if (s.unconverged_segments[m] == 0) continue;
        FixedLine l;
        report.line(l.blanks(12).text("WARNING: AT TIP MOVEMENT").e(s.tip_movement[m], 12, 4).blanks(1)
                        .text(english(s) ? "IN." : "M. ").i(s.unconverged_segments[m], 5)
                        .text(" SEGMENT(S) DID NOT CONVERGE"));
    }
    FixedLine l;
    report.line(l.blanks(12).text("  WITHIN ").i(kMaxSegmentIterations, 3)
                    .text(" ITERATIONS; THE LAST ITERATION IS USED FOR THEM."));
}

void load_settlement_analysis(AnalysisState& s, TextOut& report, TextOut& plot) {
    solve_load_settlement(s);  // fails before a line is written

    write_notes_and_banner(report, s);
    write_tz_section(report, s);
    write_qw_section(report, s);
    write_load_settlement_table(report, s);
    write_iteration_warnings(report, s);

    write_tz_block(plot, s);
    write_load_distribution_block(plot, s);
    write_load_settlement_block(plot, s);
}

void extra_tz_section(AnalysisState& s, TextOut& report, TextOut& plot) {
    extra_tz_curves(s);
    report.empty(2);
    stars(report, 16, 49);
    text_line(report, 16, "* COMPUTE INTERNALLY-GENERATED LOAD-TRANSFER    *");
    text_line(report, 16, "* (t-z) CURVES FOR VERIFICATION                 *");
    stars(report, 16, 49);
    report.empty(2);
    write_extra_tz_section(report, s);
    write_extra_tz_block(plot, s);
}

}  // namespace tarne
