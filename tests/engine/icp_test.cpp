#include "methods/icp.h"

#include <gtest/gtest.h>

#include "offshore_fixture.h"

namespace tarne {
namespace {

using testing::offshore_sand;

// Hand figures for the sand fixture (pa = 100 kPa, tan(35 - 5) = 0.577350,
// dr = 0.02 mm, OD = 1000 mm, L = 10 m):
// open pile, R* = sqrt((1000^2 - 950^2) / 4) = 156.125 mm;
// element 2 (1-2 m, qc from the CPT profile 7000 kPa, sigma' 10 / 20 kPa):
//   r = 9000 / 156.125 = 57.646;
//   radial = 0.029 * 7000 * (0.1 or 0.2)^0.13 * 57.646^-0.38 = 32.2406 / 35.2807;
//   eta = 7000 / sqrt(100 * 20) = 156.525;
//   G = 7000 / (0.0203 + 0.195656 - 0.029792) = 37601.3;
//   dilation = 2 * 37601.3 * 0.02 / 500 = 3.00810;
//   f = (radial + dilation) * 0.577350 = 20.3508 / 22.1060 kPa.
// element 6 (5-6 m, the layer's qc 20000 kPa, sigma' 50 / 60 kPa):
//   r = 5000 / 156.125 = 32.026; radial = 141.973 / 145.378;
//   eta = 258.199, G = 76341.1, dilation = 6.10729;
//   f = 85.4940 / 87.4600 kPa.
// closed_end 1 (the same inside diameter on file): R* = 500 mm;
//   element 2: r = 18, f = 30.7056 / 33.4372; element 6: r = 10, f = 131.092 / 134.151.
struct FrictionCase {
    const char* what;
    testing::PileOptions pile;
    int element;
    double top, bottom;  // kPa
};

TEST(Icp, HandCheckedSandFriction) {
    const FrictionCase cases[] = {
        {"open, CPT profile", {}, 2, 20.35085, 22.10604},
        {"open, layer qc", {}, 6, 85.49401, 87.46001},
        {"closed end with an inside diameter", {.closed_end = "1"}, 2, 30.70561, 33.43719},
        {"closed end, layer qc", {.closed_end = "1"}, 6, 131.0916, 134.1512},
        // Tension: (0.8 radial + dilation) tan 30, times 0.9 for an open pile:
        // (0.8 * 32.2406 + 3.00810) * 0.577350 * 0.9 = 14.9652.
        {"open, tension", {.loading = "1"}, 2, 14.96522, 16.22896},
        // Closed, tension: (0.8 * 50.1756 + 3.00810) * 0.577350 = 24.9118.
        {"closed, tension", {.closed_end = "1", .loading = "1"}, 2, 24.91183, 27.09710},
    };
    for (const auto& c : cases) {
        auto s = offshore_sand(c.pile);
        double top = 0;
        double bottom = 0;
        icp_sand_skin_friction(*s, c.element, top, bottom);
        EXPECT_NEAR(top, c.top, 1e-4) << c.what;
        EXPECT_NEAR(bottom, c.bottom, 1e-4) << c.what;
    }
}

TEST(Icp, ElementArraysAndInsideFrictionAreTheSame) {
    auto s = offshore_sand();
    compute_icp_method(*s);
    EXPECT_NEAR(s->offshore_side_top[6], 85.49401, 1e-4);
    EXPECT_EQ(s->icp_inside_top[6], s->offshore_side_top[6]);
    EXPECT_EQ(s->icp_inside_bottom[6], s->offshore_side_bottom[6]);
    // Point 7 (6 m) lies at the bottom of element 6.
    EXPECT_NEAR(s->offshore_unit_side[7], 87.46001, 1e-4);
}

// Where the modulus formula's denominator is not positive the dilation is
// left out: a layer qc of 40000 kPa at sigma' = 10 kPa gives eta =
// 40000 / sqrt(1000) = 1264.9 and 0.0203 + 1.58114 - 1.94563 = -0.344.
// Element 1: r = 10000 / 156.125 = 64.051; bottom f = 0.029 * 40000 *
// 0.1^0.13 * 64.051^-0.38 * 0.577350 = 102.192 kPa; the top has no stress and no friction.
TEST(Icp, NoDilationWhereTheModulusFormulaFails) {
    auto s = offshore_sand();
    s->seg_qc[1] = 40000.0;
    double top = -1;
    double bottom = -1;
    icp_sand_skin_friction(*s, 1, top, bottom);
    EXPECT_EQ(top, 0.0);
    EXPECT_NEAR(bottom, 102.1919, 1e-4);
}

// D = 1000 mm > 900: open (0.5 - 0.25 log10(1000/36)) = 0.1391 is raised to
// 0.15, closed (1 - 0.5 * 1.44370) = 0.2782 to 0.3. D = 600 mm: log10(600/36)
// = 1.22185, closed 0.389076 qc, open 0.194538 qc, no floor.
TEST(Icp, SandEndBearing) {
    struct Case {
        const char* what;
        testing::PileOptions pile;
        double od;  // mm
        int element;
        double expected;  // kPa
    };
    const Case cases[] = {
        {"open, CPT qc 7000", {}, 1000, 2, 1050.0},
        {"open, layer qc 20000", {}, 1000, 6, 3000.0},
        {"open, unplugged", {.plug = "2"}, 1000, 6, 20000.0},
        {"closed end with an inside diameter", {.closed_end = "1"}, 1000, 6, 6000.0},
        {"closed, unplugged option has no say", {.closed_end = "1", .plug = "2"}, 1000, 6, 6000.0},
        {"closed, 600 mm", {.closed_end = "1"}, 600, 6, 7781.5125},
        {"open, 600 mm", {}, 600, 6, 3890.7563},
    };
    for (const auto& c : cases) {
        auto s = offshore_sand(c.pile);
        s->outside_diameter = c.od;
        double top = 0;
        double bottom = 0;
        icp_end_bearing_rule(*s, c.element, top, bottom);
        EXPECT_NEAR(top, c.expected, 1e-3) << c.what;
        EXPECT_NEAR(bottom, c.expected, 1e-3) << c.what;
    }
    auto capped = offshore_sand({.plug = "2"});
    capped->seg_max_bearing[6] = 2500.0;
    double top = 0;
    double bottom = 0;
    icp_end_bearing_rule(*capped, 6, top, bottom);
    EXPECT_EQ(top, 2500.0);
    EXPECT_EQ(bottom, 2500.0);
}

}  // namespace
}  // namespace tarne
