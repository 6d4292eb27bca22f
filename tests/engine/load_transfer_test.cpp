#include "load_transfer.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "errors.h"
#include "test_support.h"
#include "transfer_fixture.h"

namespace tarne {
namespace {

using test::hand_pile;
using test::PileSpec;
using test::set_resistance;
using test::SoilLayer;

// 2 kips/ft of side resistance everywhere: on an 18 in pile the peak unit
// transfer is 2000 lb/ft / (12 in/ft * pi * 18 in) = 2.94731 psi.
constexpr double kSlope = 2.0;
constexpr double kTmax18 = 2.947306968723357;

TEST(TzCurves, PlacementFollowsTheLayers) {
    // Sand 0-10 ft meets clay 10-30 ft at one depth; a 0.1 ft layer gets no curves.
    auto s = hand_pile({}, {{0, 10, 1, 30, 32}, {10, 30, 2}, {30, 30.1, 1, 35, 35}, {30.1, 60, 3, 28, 28}});
    build_tz_curves(*s);
    ASSERT_EQ(s->curve_count, 9);  // 3 + 3 + 0 + 3; the joins are skipped
    struct Expected { double depth; int kind; double phi; };
    const Expected expected[] = {
        {0.0, 1, 30.0}, {(0.0 + 119.5 + 1.1) / 2.0, 1, 31.0}, {119.5, 1, 32.0},  // inches from the head
        {120.0, 2, 0.0}, {(120.0 + 359.5 + 1.1) / 2.0, 2, 0.0}, {359.5, 2, 0.0},
        {361.2, 2, 28.0}, {(361.2 + 719.5 + 1.1) / 2.0, 2, 28.0}, {719.5, 2, 28.0},  // silt takes the clay curve
    };
    for (int i = 1; i <= 9; ++i) {
        const auto& e = expected[i - 1];
        EXPECT_NEAR(s->curve_depth[i], e.depth, 1e-5) << i;
        EXPECT_EQ(s->curve_kind[i], e.kind) << i;
        EXPECT_DOUBLE_EQ(s->curve_friction_angle[i], e.phi) << i;
        EXPECT_EQ(s->curve_points[i], 10) << i;
    }
    EXPECT_EQ(first_soil_curve(*s), 1);

    // SI: bottom 0.1 m above the next point, middle halfway without that gap.
    PileSpec si;
    si.unit_system = kSI;
    si.outside_diameter = 500;
    si.embedded = 10;
    auto m = hand_pile(si, {{0, 4, 2}, {4, 15, 1, 30, 34}});
    build_tz_curves(*m);
    ASSERT_EQ(m->curve_count, 6);
    const double si_depths[] = {0.0, 2.0, 3.9, 4.0, 9.5, 14.9};
    for (int i = 1; i <= 6; ++i) EXPECT_NEAR(m->curve_depth[i], si_depths[i - 1], 1e-6) << i;
}

TEST(TzCurves, StickupAddsThreeSilentCurves) {
    PileSpec p;
    p.stickup = 5.0;
    auto s = hand_pile(p, {{0, 60, 1, 30, 30}});
    set_resistance(*s, [](double z) { return kSlope * z; }, 0.0);
    build_tz_curves(*s);
    ASSERT_EQ(s->curve_count, 6);
    EXPECT_EQ(first_soil_curve(*s), 4);
    const double depths[] = {0.0, 30.0, 59.9, 60.0, 60.0 + (0.0 + 719.5 + 1.1) / 2.0, 60.0 + 719.5};
    for (int i = 1; i <= 6; ++i) EXPECT_NEAR(s->curve_depth[i], depths[i - 1], 1e-5) << i;
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(s->curve_kind[i], 2);
        EXPECT_EQ(s->curve_max_transfer[i], 0.0);
        for (int j = 1; j <= 10; ++j) EXPECT_EQ(s->curve_t[i][j], 0.0);
    }
    EXPECT_NEAR(s->curve_max_transfer[4], kTmax18, 1e-12);
    EXPECT_DOUBLE_EQ(curve_depth_below_ground(*s, 4), 0.0);

    // The report lists the soil curves only, numbered from 1 at their depth below ground.
    test::ScratchDir dir;
    TextOut out;
    ASSERT_TRUE(out.open_file(dir.file("r.txt").string()));
    write_tz_section(out, *s);
    out.close();
    const auto lines = test::read_lines(dir.file("r.txt"));
    ASSERT_EQ(lines.size(), 3u + 3u * 11u);
    EXPECT_EQ(lines[0], "        T-Z CURVE   NO. OF   DEPTH TO CURVE   LOAD TRANSFER   PILE MOVEMENT");
    EXPECT_EQ(lines[1], "           NO.      POINTS        FT.              PSI             IN.");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "            1         10      0.0000E+00");
    EXPECT_EQ(lines[3 + 11], "            2         10      0.3003E+02");  // 35.025 ft less 5 ft
    EXPECT_EQ(lines[3 + 8], std::string(47, ' ') + "0.2947E+01      0.1000E+00");
}

// One sand and one clay element of an 18 in pile with a hand-computed peak.
TEST(TzCurves, HandCheckedSandAndClayCurves) {
    for (const int method : {kApi, kUsace}) {
        PileSpec p;
        p.transfer_method = method;
        auto s = hand_pile(p, {{0, 20, 1, 30, 30}, {20, 60, 2}});
        set_resistance(*s, [](double z) { return kSlope * z; }, 0.0);
        build_tz_curves(*s);
        ASSERT_EQ(s->curve_count, 6);
        for (int i = 1; i <= 6; ++i) EXPECT_NEAR(s->curve_max_transfer[i], kTmax18, 1e-12) << i;
        const auto& sand_z = s->curve_z[2];
        const auto& sand_t = s->curve_t[2];
        const auto& clay_z = s->curve_z[5];
        const auto& clay_t = s->curve_t[5];
        if (method == kApi) {
            // Sand: 0.6 t_max at 0.06 in, the peak at 0.1 in, flat to 2 in.
            EXPECT_NEAR(sand_z[5], 0.06, 1e-8);
            EXPECT_NEAR(sand_t[5], 1.76838425, 1e-8);
            EXPECT_NEAR(sand_z[8], 0.1, 1e-8);
            EXPECT_NEAR(sand_t[8], kTmax18, 1e-12);
            EXPECT_NEAR(sand_z[10], 2.0, 1e-12);
            // Clay: the peak at 0.01 OD = 0.18 in, 0.9 t_max from 0.02 OD = 0.36 in.
            EXPECT_NEAR(clay_z[6], 0.18, 1e-7);
            EXPECT_NEAR(clay_t[6], kTmax18, 1e-12);
            EXPECT_NEAR(clay_z[7], 0.36, 1e-7);
            EXPECT_NEAR(clay_t[7], 2.6525762, 1e-6);
            EXPECT_NEAR(clay_z[10], 3.6, 1e-6);
        } else {
            // Sand, phi 30: k = 6000 + 2 * 1333.3 psf/in, t = z / (z / (144 t_max) + 1 / k) / 144.
            EXPECT_NEAR(sand_z[4], 0.04, 1e-8);
            EXPECT_NEAR(sand_t[4], 1.32506387, 1e-7);
            EXPECT_NEAR(sand_t[10], 2.93294404, 1e-7);  // approaches t_max at 10 in
            // Clay: the peak at 0.08 in, softening to 0.93 t_max.
            EXPECT_NEAR(clay_z[6], 0.08, 1e-8);
            EXPECT_NEAR(clay_t[6], kTmax18, 1e-12);
            EXPECT_NEAR(clay_t[10], 0.93 * kTmax18, 1e-7);
        }
    }
}

TEST(TzCurves, UsaceSandStiffnessSteps) {
    PileSpec p;
    p.transfer_method = kUsace;
    auto s = hand_pile(p, {{0, 60, 1, 30, 30}});
    set_resistance(*s, [](double z) { return kSlope * z; }, 0.0);
    s->curve_max_transfer[1] = kTmax18;
    // At z = 0.04 in: k = 12666.6 psf/in at 34 degrees (not 14000), 14000 just above.
    struct Case { double phi, t; };
    for (const Case c : {Case{34.0, 1.60383685}, Case{34.01, 1.67662680}}) {
        s->curve_friction_angle[1] = c.phi;
        sand_tz_curve(*s, 1);
        EXPECT_NEAR(s->curve_t[1][4], c.t, 1e-7) << c.phi;
    }
    // No peak: all zero, no division by zero.
    s->curve_max_transfer[1] = 0.0;
    sand_tz_curve(*s, 1);
    for (int j = 1; j <= 10; ++j) EXPECT_EQ(s->curve_t[1][j], 0.0);
}

// Every curve kind starts at (0, 0) and peaks where its shape says.
TEST(TzCurves, CurvesStartAtZeroAndPeakWhereTheShapeSays) {
    struct Case { int method; int kind; int peak_point; };
    for (const Case c : {Case{kApi, 1, 8}, Case{kApi, 2, 6}, Case{kUsace, 2, 6}, Case{kUsace, 1, 10}}) {
        for (const int units : {kEnglish, kSI}) {
            PileSpec p;
            p.unit_system = units;
            p.transfer_method = c.method;
            if (units == kSI) p.outside_diameter = 457.2;
            auto s = hand_pile(p, {{0, 60, static_cast<double>(c.kind), 32, 32}});
            s->curve_max_transfer[1] = 5.0;
            s->curve_friction_angle[1] = 32.0;
            if (c.kind == 1) sand_tz_curve(*s, 1); else clay_tz_curve(*s, 1);
            EXPECT_EQ(s->curve_z[1][1], 0.0);
            EXPECT_EQ(s->curve_t[1][1], 0.0);
            int peak = 1;
            for (int j = 2; j <= 10; ++j) {
                EXPECT_GT(s->curve_z[1][j], s->curve_z[1][j - 1]) << c.method << c.kind << j;
                if (s->curve_t[1][j] > s->curve_t[1][peak]) peak = j;
            }
            EXPECT_EQ(peak, c.peak_point) << c.method << " kind " << c.kind << " units " << units;
        }
    }
}

TEST(TzCurves, PeakIsTheSlopeAtTheOutputPointBelow) {
    auto s = hand_pile({}, {{0, 60, 1, 30, 30}});
    // Side resistance 0 down to 3 ft, then growing as 1, 3, 6, 10, ... kips.
    for (int j = 1; j <= s->output_point_count; ++j) {
        const double z = s->point_depth[j];
        s->transfer_side[j] = z <= 3.0 ? 0.0 : (z - 3.0) * (z - 2.0) / 2.0;
    }
    const double per_kip_ft = 1000.0 / 18.0 / 12.0 / static_cast<double>(3.1416f);  // psi per kip/ft
    struct Case { double depth_ft; double slope; const char* why; };
    const Case cases[] = {
        {2.5, (1.0 - 0.0) / 1.0, "S(3 ft) = 0: forward difference at 3 ft"},
        {4.0, (6.0 - 1.0) / 2.0, "at 4 ft the point below is 5 ft: central difference on 4..6 ft"},
        {4.3, (6.0 - 1.0) / 2.0, "between points: the slope at 5 ft, not interpolated"},
        {39.5, (37.0 * 38.0 / 2.0 - 36.0 * 37.0 / 2.0), "next to the tip: backward difference at 40 ft"},
        {80.0, (37.0 * 38.0 / 2.0 - 36.0 * 37.0 / 2.0), "below the tip: the last interval"},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(max_unit_transfer(*s, 12.0 * c.depth_ft), c.slope * per_kip_ft, 1e-9) << c.why;

    // A pile shorter than one increment has no interval to take a slope on.
    auto short_pile = hand_pile({.embedded = 0.5}, {{0, 60, 1, 30, 30}});
    EXPECT_EQ(short_pile->output_point_count, 1);
    EXPECT_EQ(max_unit_transfer(*short_pile, 3.0), 0.0);
}

TEST(QwCurve, ShapesByMethodAndTipSoil) {
    // Other methods: proportional to OD, full tip capacity from 0.1 OD.
    auto s = hand_pile({}, {{0, 60, 1, 30, 30}});
    set_resistance(*s, [](double) { return 0.0; }, 250.0);  // kips
    build_tz_curves(*s);
    build_qw_curve(*s);
    EXPECT_EQ(s->tip_soil_kind, 1);
    EXPECT_DOUBLE_EQ(s->tip_capacity, 250000.0);  // lb
    EXPECT_NEAR(s->qw_w[5], 0.013 * 18.0, 1e-6);
    EXPECT_DOUBLE_EQ(s->qw_q[5], 125000.0);
    EXPECT_NEAR(s->qw_w[8], 1.8, 1e-6);
    EXPECT_DOUBLE_EQ(s->qw_q[8], 250000.0);

    // USACE in sand with phi <= 31 on a 12 in pile: 2 in gives QT * sqrt(2 / 0.6), not capped.
    PileSpec p;
    p.transfer_method = kUsace;
    p.outside_diameter = 12.0;
    auto u = hand_pile(p, {{0, 60, 1, 30, 30}});
    set_resistance(*u, [](double) { return 0.0; }, 100.0);
    build_tz_curves(*u);
    build_qw_curve(*u);
    EXPECT_DOUBLE_EQ(u->qw_w[10], 2.0);
    EXPECT_NEAR(u->qw_q[10] / 100000.0, std::sqrt(2.0 / 0.6), 1e-6);

    // USACE in clay: half of QT at 0.01 OD, capped at QT from 0.04 OD (0.48 in).
    auto c = hand_pile(p, {{0, 60, 2}});
    set_resistance(*c, [](double) { return 0.0; }, 100.0);
    build_tz_curves(*c);
    build_qw_curve(*c);
    EXPECT_EQ(c->tip_soil_kind, 2);
    EXPECT_NEAR(c->qw_q[4], 100000.0 * 0.5 * std::sqrt(0.01 / 0.12), 1e-2);  // w = 0.01 in
    EXPECT_DOUBLE_EQ(c->qw_q[8], 100000.0);  // w = 0.5 in
    EXPECT_DOUBLE_EQ(c->qw_q[10], 100000.0);
}

TEST(TzCurves, DepthLookupInTheCurveTable) {
    auto s = hand_pile({}, {{2, 20, 1, 30, 30}, {20, 60, 2}});  // the soil starts 2 ft down
    for (int j = 1; j <= s->output_point_count; ++j) s->transfer_side[j] = s->point_depth[j] * s->point_depth[j] / 20.0;
    build_tz_curves(*s);
    const double w = 0.05;
    // Exactly at a curve's depth: that curve alone.
    for (int c = 1; c <= s->curve_count; ++c)
        EXPECT_DOUBLE_EQ(unit_transfer_at(*s, s->curve_depth[c], w), curve_transfer_at(*s, c, w)) << c;
    // Between two curves: linear in depth.
    const double mid = (s->curve_depth[4] + s->curve_depth[5]) / 2.0;
    EXPECT_NEAR(unit_transfer_at(*s, mid, w), (curve_transfer_at(*s, 4, w) + curve_transfer_at(*s, 5, w)) / 2.0, 1e-12);
    // Above the first curve (the soil starts below the surface) and below the last: the nearest curve.
    EXPECT_DOUBLE_EQ(unit_transfer_at(*s, 6.0, w), curve_transfer_at(*s, 1, w));
    EXPECT_DOUBLE_EQ(unit_transfer_at(*s, 1.0e4, w), curve_transfer_at(*s, s->curve_count, w));
    // On a curve: a movement at a point takes its t, beyond the last point the last t,
    // a movement below the first point the first t.
    EXPECT_EQ(curve_transfer_at(*s, 2, s->curve_z[2][8]), s->curve_t[2][8]);
    EXPECT_EQ(curve_transfer_at(*s, 2, 50.0), s->curve_t[2][10]);
    EXPECT_EQ(curve_transfer_at(*s, 2, -1.0), 0.0);
}

TEST(TzCurves, CurveTableHoldsTheDeepestProfile) {
    // The reader accepts at most 40 layers: three curves each and three for a
    // stick-up always fit, so every project it accepts gets its curves.
    std::vector<SoilLayer> soil;
    for (int k = 0; k < kMaxLayers; ++k) soil.push_back({2.0 * k, 2.0 * (k + 1), 1.0, 30, 30});
    auto s = hand_pile({}, soil);
    s->stickup_length = 1.0;
    EXPECT_NO_THROW(build_tz_curves(*s));
    EXPECT_EQ(s->curve_count, 3 * kMaxLayers + 3);
}

TEST(TzCurves, ExtraCurvesAtUserDepths) {
    auto s = hand_pile({}, {{0, 20, 1, 30, 34}, {20, 60, 2}});
    set_resistance(*s, [](double z) { return kSlope * z; }, 0.0);
    const double depths[] = {0.0, 10.0, 60.0, 60.01, -1.0, 35.0};
    s->extra_tz_count = 6;
    for (int i = 1; i <= 6; ++i) s->extra_tz_depth[i] = depths[i - 1];
    EXPECT_EQ(extra_tz_curves(*s), 4);  // the surface and the deepest point are in range
    EXPECT_EQ(s->curve_kind[2], 1);
    EXPECT_DOUBLE_EQ(s->curve_friction_angle[2], 32.0);  // interpolated at 10 ft
    EXPECT_NEAR(s->curve_max_transfer[2], kTmax18, 1e-12);
    EXPECT_EQ(s->curve_kind[6], 2);
    EXPECT_EQ(s->curve_kind[3], 2);
    EXPECT_FALSE(extra_tz_in_range(*s, 4));
    EXPECT_FALSE(extra_tz_in_range(*s, 5));

    test::ScratchDir dir;
    TextOut out;
    ASSERT_TRUE(out.open_file(dir.file("r.txt").string()));
    write_extra_tz_section(out, *s);
    out.close();
    const auto lines = test::read_lines(dir.file("r.txt"));
    ASSERT_EQ(lines.size(), 3u + 4u * 11u + 2u * 2u);
    EXPECT_EQ(lines[3 + 3 * 11], "            4         10      0.6001E+02");
    EXPECT_EQ(lines[3 + 3 * 11 + 1], "               CURVE NOT PRINTED SINCE DEPTH OUTSIDE SOIL RANGE");
    EXPECT_EQ(lines[3 + 3 * 11 + 2], "            5         10     -0.1000E+01");
}

}  // namespace
}  // namespace tarne
