#include "settlement.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "errors.h"
#include "load_transfer.h"
#include "test_support.h"
#include "transfer_fixture.h"

namespace tarne {
namespace {

using test::hand_pile;
using test::PileSpec;
using test::set_resistance;
using test::SoilLayer;

// SI, 0.5 m solid pile 10 m long in clay, EA = 0.1 m2 * 2e7 kPa = 2e6 kN; side
// resistance rising linearly so that t_max = 50 kPa everywhere; tip 1000 kN.
std::unique_ptr<AnalysisState> si_clay_pile() {
    PileSpec p;
    p.unit_system = kSI;
    p.outside_diameter = 500.0;
    p.inside_diameter = 0.0;
    p.embedded = 10.0;
    p.elastic_modulus = 2.0e7;
    p.section_area = 0.1;
    auto s = hand_pile(p, {{0, 20, 2}});
    const double per_metre = 50.0 * static_cast<double>(3.1416f) * 0.5;  // kN/m
    set_resistance(*s, [&](double z) { return per_metre * z; }, 1000.0);
    return s;
}

TEST(Settlement, HandCheckedSegmentAtSmallLoad) {
    auto s = si_clay_pile();
    solve_load_settlement(*s);
    ASSERT_EQ(s->segment_count, 11);
    EXPECT_NEAR(s->segment_length, 10.0 / 11.0, 1e-15);
    settle_for_tip_movement(*s, 1);  // the working arrays now hold the first tip movement

    // Tip movement 0.0001 in = 2.5400e-6 m; the tip curve's second point is
    // 0.0625 QT = 62.5 kN at 0.0005 OD = 2.5e-4 m: Q = 62.5 * 2.54e-6 / 2.5e-4.
    EXPECT_NEAR(s->tip_movement[1], 2.540005e-6, 1e-12);
    EXPECT_NEAR(s->tip_load[1], 0.6350012, 1e-7);
    // Lowest segment, midpoint 9.5455 m from the head, converges at the tip
    // movement: the clay curve's second point is 0.3 t_max = 15 kPa at
    // 0.0016 OD = 8e-4 m, so t = 15 * 2.54e-6 / 8e-4 = 0.047625 kPa and the
    // segment gains t * pi * 0.5 m * 0.90909 m = 0.0680086 kN.
    EXPECT_NEAR(s->dist_depth[1][1], 9.5454545, 1e-7);
    EXPECT_NEAR(s->node_load[2], 0.6350012 + 0.0680086, 1e-7);
    EXPECT_NEAR(s->dist_load[1][1], 0.6350012 + 0.0680086 / 2.0, 1e-7);
    // The segment shortens by 0.90909 * 0.66901 / 2e6 m; its midpoint moves
    // with the lower half under (0.63500 + 0.66901) / 2.
    EXPECT_NEAR(s->node_movement[2], 2.844099e-6, 1e-12);
    EXPECT_NEAR(s->dist_movement[1][1], 2.688188e-6, 1e-12);
    EXPECT_EQ(s->unconverged_segments[1], 0);
}

struct SanityCase {
    const char* name;
    PileSpec pile;
    std::vector<SoilLayer> soil;
    double tip;  // kips / kN
};

// Side resistance in kips / kN: quadratic in the sand, linear in the clay.
double side_at(double z) { return z <= 20.0 ? 0.3 * z * z : 120.0 + 6.0 * (z - 20.0); }

TEST(Settlement, PhysicalSanity) {
    PileSpec english;
    PileSpec si{.unit_system = kSI, .outside_diameter = 610.0, .inside_diameter = 580.0, .embedded = 30.0,
                .increment = 0.5, .print_interval = 4, .elastic_modulus = 2.0e8};
    PileSpec stickup{.stickup = 8.0, .print_interval = 2, .transfer_method = kFhwa};
    PileSpec usace{.transfer_method = kUsace};
    const SanityCase cases[] = {
        {"English, sand over clay", english, {{0, 20, 1, 30, 34}, {20, 60, 2}}, 150.0},
        {"SI, every 4th row", si, {{0, 20, 1, 32, 32}, {20, 50, 2}}, 900.0},
        {"stick-up, clay", stickup, {{0, 60, 2}}, 80.0},
        {"USACE", usace, {{0, 20, 1, 30, 34}, {20, 60, 3, 30, 30}}, 150.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto s = hand_pile(c.pile, c.soil);
        set_resistance(*s, side_at, c.tip);
        solve_load_settlement(*s);
        const int m_last = s->settle_point_count;
        ASSERT_EQ(m_last, 9);
        for (int m = 1; m <= m_last; ++m) {
            ASSERT_TRUE(std::isfinite(s->head_load[m]) && std::isfinite(s->head_movement[m]));
            EXPECT_GT(s->head_movement[m], s->tip_movement[m]) << m;  // the pile shortens
            if (m > 1) {
                EXPECT_GT(s->head_load[m], s->head_load[m - 1]) << m;
                EXPECT_GT(s->head_movement[m], s->head_movement[m - 1]) << m;
            }
            // Compression: the load grows from the tip up to the head.
            EXPECT_GE(s->dist_load[m][1], s->tip_load[m]) << m;
            for (int j = 2; j <= s->segment_count; ++j) ASSERT_GE(s->dist_load[m][j], s->dist_load[m][j - 1]) << m << "/" << j;
            EXPECT_LE(s->dist_load[m][s->segment_count], s->head_load[m]) << m;
        }
        if (c.pile.transfer_method == kUsace) continue;  // the USACE sand tip is not capped at QT

        // At the largest movement the head carries at most the ultimate capacity,
        // plus what taking each peak from the slope one output point deeper can add:
        // one increment's side resistance at the tip.
        const int n = s->output_point_count;
        const double lb = c.pile.unit_system == kEnglish ? 1000.0 : 1.0;
        const double ultimate = (s->transfer_side[n] + c.tip) * lb;
        const double one_increment = (s->transfer_side[n] - s->transfer_side[n - 1]) * lb;
        EXPECT_LE(s->head_load[m_last], ultimate + one_increment);
        // Three curves per layer follow the side resistance only roughly, but
        // most of it is mobilised.
        EXPECT_GT(s->head_load[m_last], 0.5 * ultimate);
    }
}

TEST(Settlement, StickupCarriesTheHeadLoadUnchanged) {
    auto s = hand_pile({.stickup = 8.0, .print_interval = 2}, {{0, 60, 1, 32, 32}});
    set_resistance(*s, side_at, 100.0);
    solve_load_settlement(*s);
    for (int m = 1; m <= 9; ++m) {
        int free_rows = 0;
        for (int j = s->segment_count; j >= 1 && s->dist_depth[m][j] < 12.0 * 8.0 - 0.1; --j) {
            ++free_rows;
            EXPECT_DOUBLE_EQ(s->dist_load[m][j], s->head_load[m]) << m << "/" << j;
            if (j < s->segment_count) {
                EXPECT_GT(s->dist_movement[m][j + 1], s->dist_movement[m][j]);
            }
        }
        EXPECT_GE(free_rows, 3);  // 8 ft of a 48 ft pile in 21 segments
    }
}

TEST(Settlement, TipMovementsBeyondTheTipCurveExtrapolateThroughTheOrigin) {
    // On an 8 in pile the tip curve ends at 0.2 OD = 1.6 in (40 kips); the last
    // assumed tip movement is 2 in: 40000 lb * 2 / 1.6 = 50000 lb.
    auto s = hand_pile({.outside_diameter = 8.0, .inside_diameter = 7.0}, {{0, 60, 1, 32, 32}});
    set_resistance(*s, side_at, 40.0);
    solve_load_settlement(*s);
    ASSERT_LT(s->qw_w[10], s->tip_movement[9]);
    EXPECT_NEAR(s->tip_load[9], 50000.0, 0.01);
    EXPECT_NEAR(tip_load_at(*s, 1.7), 42500.0, 0.01);
    EXPECT_DOUBLE_EQ(tip_load_at(*s, 0.0), 0.0);
}

TEST(Settlement, IterationCapStopsASegmentThatDoesNotSettle) {
    auto s = hand_pile({}, {{0, 60, 2}});
    set_resistance(*s, side_at, 0.0);
    solve_load_settlement(*s);
    // A saw-tooth curve on a pile with hardly any stiffness: the midpoint
    // movement jumps between the rise, the peak and the flat end for ever.
    s->curve_count = 1;
    s->curve_points[1] = 4;
    const double z[] = {0.0, 0.01, 0.02, 10.0};
    const double t[] = {0.0, 1.0, 0.0, 0.0};
    for (int j = 1; j <= 4; ++j) {
        s->curve_z[1][j] = z[j - 1];
        s->curve_t[1][j] = t[j - 1];
    }
    s->stiff_count = 1;
    s->stiff_ea[1] = s->stiff_ea[2] = 1000.0;  // lb
    settle_for_tip_movement(*s, 1);
    EXPECT_GT(s->unconverged_segments[1], 0);
    for (int j = 1; j <= s->segment_count; ++j) {
        ASSERT_TRUE(std::isfinite(s->dist_load[1][j]));
        ASSERT_TRUE(std::isfinite(s->dist_movement[1][j]));
    }
    s->settle_point_count = 1;

    test::ScratchDir dir;
    TextOut out;
    ASSERT_TRUE(out.open_file(dir.file("r.txt").string()));
    write_iteration_warnings(out, *s);
    out.close();
    const auto lines = test::read_lines(dir.file("r.txt"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "            WARNING: AT TIP MOVEMENT  0.1000E-03 IN." +
                            format_i(s->unconverged_segments[1], 5) + " SEGMENT(S) DID NOT CONVERGE");
    EXPECT_EQ(lines[2], "              WITHIN 100 ITERATIONS; THE LAST ITERATION IS USED FOR THEM.");

    // Converged runs write nothing.
    auto ok = si_clay_pile();
    solve_load_settlement(*ok);
    TextOut none;
    ASSERT_TRUE(none.open_file(dir.file("n.txt").string()));
    write_iteration_warnings(none, *ok);
    none.close();
    EXPECT_EQ(test::read_text(dir.file("n.txt")), "");
}

TEST(Settlement, StiffnessTable) {
    auto s = hand_pile({.elastic_modulus = 1000.0}, {{0, 60, 1, 30, 30}});
    prepare_settlement(*s);
    ASSERT_DOUBLE_EQ(s->pile_length, 480.0);

    // The section: a given section area, else the tip area (ft2), else the annulus.
    s->section_area = 20.0;
    build_stiffness_table(*s);
    EXPECT_DOUBLE_EQ(axial_stiffness_at(*s, 100.0), 20000.0);
    s->section_area = 0.0;
    s->tip_area = 0.5;
    build_stiffness_table(*s);
    EXPECT_DOUBLE_EQ(axial_stiffness_at(*s, 100.0), 72000.0);
    s->tip_area = 0.0;
    build_stiffness_table(*s);
    EXPECT_NEAR(axial_stiffness_at(*s, 100.0), (18.0 * 18.0 - 17.0 * 17.0) * 3.1416 * 0.25 * 1000.0, 1e-2);

    // An area table from 5 ft: linear between rows, the nearest row outside.
    s->area_option = 2;
    s->area_table_count = 3;
    const double rows[][2] = {{5.0, 30.0}, {20.0, 10.0}, {30.0, 20.0}};  // ft, in2
    for (int i = 1; i <= 3; ++i) {
        s->area_table_distance[i] = rows[i - 1][0];
        s->area_table_area[i] = rows[i - 1][1];
    }
    build_stiffness_table(*s);
    EXPECT_EQ(s->stiff_count, 3);
    EXPECT_DOUBLE_EQ(axial_stiffness_at(*s, 12.0), 30000.0);        // above the first row
    EXPECT_DOUBLE_EQ(axial_stiffness_at(*s, 12.0 * 25.0), 15000.0);  // halfway from 20 to 30 ft
    EXPECT_DOUBLE_EQ(axial_stiffness_at(*s, 12.0 * 20.0), 10000.0);  // on a row
    EXPECT_DOUBLE_EQ(axial_stiffness_at(*s, 12.0 * 39.0), 20000.0);  // below the last row

    // Every row the reader accepts fits (more than 50).
    s->area_table_count = kMaxAreaRows;
    for (int i = 1; i <= kMaxAreaRows; ++i) {
        s->area_table_distance[i] = 0.5 * (i - 1);
        s->area_table_area[i] = 10.0 + i;
    }
    build_stiffness_table(*s);
    EXPECT_EQ(s->stiff_count, kMaxAreaRows);
    EXPECT_DOUBLE_EQ(axial_stiffness_at(*s, 12.0 * 49.5), 1000.0 * (10.0 + kMaxAreaRows));

    // One row: that stiffness everywhere.
    s->area_table_count = 1;
    build_stiffness_table(*s);
    EXPECT_DOUBLE_EQ(axial_stiffness_at(*s, 300.0), 11000.0);

    // No stiffness to shorten with: refused, not divided by.
    struct Bad { int option; int rows; double area; double modulus; };
    for (const Bad b : {Bad{2, 0, 10.0, 1000.0}, Bad{2, 2, 0.0, 1000.0}, Bad{0, 0, 20.0, 0.0}, Bad{1, 0, 20.0, -5.0}}) {
        s->area_option = b.option;
        s->area_table_count = b.rows;
        s->area_table_area[1] = s->area_table_area[2] = b.area;
        s->section_area = b.area;
        s->elastic_modulus = b.modulus;
        EXPECT_THROW(build_stiffness_table(*s), EngineError) << b.option << " " << b.rows << " " << b.modulus;
    }
}

}  // namespace
}  // namespace tarne
