#include "methods/fugro.h"

#include <gtest/gtest.h>

#include "offshore_fixture.h"

namespace tarne {
namespace {

using testing::offshore_sand;

// Hand figures for the sand fixture (pa = 100 kPa, OD = 1000 mm, L = 10 m).
// Open pile: R* = 500 sqrt(1 - 0.95^2) = 156.125 mm.
//   element 2 (qc 7000 kPa from the CPT profile, sigma' 10 / 20): r = 57.646,
//     compression 0.08 * 7000 * (0.1 or 0.2)^0.05 * 57.646^-0.9 = 12.9866 / 13.4446,
//     tension 0.045 * 7000 * (0.1 or 0.2)^0.15 * 57.646^-0.85 = 7.10650 / 7.88516;
//   element 6 (the layer's qc 20000, sigma' 50 / 60): r = 32.026, 68.2528 / 68.8779.
// closed_end 1: R* = 500 mm; element 6: r = 10, 194.567 / 196.348;
//   element 10 (top 9 m, sigma' 90 / 100): h = 1000 mm, r = 2 <= 4, so
//   0.08 * 20000 * 0.9^0.05 * 2^-0.9 * (1000 / 2000) = 426.457 / 428.709.
TEST(Fugro, HandCheckedSandFriction) {
    struct Case {
        const char* what;
        testing::PileOptions pile;
        int element;
        double top, bottom;  // kPa
    };
    const Case cases[] = {
        {"open, CPT profile", {}, 2, 12.98658, 13.44455},
        {"open, layer qc", {}, 6, 68.25281, 68.87786},
        {"open, tension", {.loading = "1"}, 2, 7.106502, 7.885158},
        {"closed end with an inside diameter", {.closed_end = "1"}, 6, 194.5667, 196.3485},
        {"closed, within 4 R* of the tip", {.closed_end = "1"}, 10, 426.4569, 428.7094},
    };
    for (const auto& c : cases) {
        auto s = offshore_sand(c.pile);
        double top = 0;
        double bottom = 0;
        fugro_sand_skin_friction(*s, c.element, top, bottom);
        EXPECT_NEAR(top, c.top, 1e-4) << c.what;
        EXPECT_NEAR(bottom, c.bottom, 1e-4) << c.what;
    }
}

// At r = 4 both compression formulas agree (h / (4 R*) = 1): closed pile,
// element 9 lies 2000 mm = 4 R* above the tip.
TEST(Fugro, CompressionRulesMeetAtFourRadii) {
    auto s = offshore_sand({.closed_end = "1"});
    double top = 0;
    double bottom = 0;
    fugro_sand_skin_friction(*s, 9, top, bottom);
    // 0.08 * 20000 * 0.8^0.05 * 4^-0.9 = 454.381
    EXPECT_NEAR(top, 454.3813, 1e-4);
}

// q = 8.5 pa sqrt(qc / pa) (1 - (Di/OD)^2)^0.25: open 8.5 * 100 * sqrt(200)
// * 0.0975^0.25 = 6717.15 kPa; closed 8.5 * 100 * sqrt(200) = 12020.8 kPa;
// element 2 (CPT qc 7000) open: 8.5 * 100 * sqrt(70) * 0.558796 = 3973.92.
TEST(Fugro, SandEndBearing) {
    struct Case {
        const char* what;
        testing::PileOptions pile;
        int element;
        double expected;
    };
    const Case cases[] = {
        {"open, layer qc", {}, 6, 6717.150},
        {"open, CPT qc", {}, 2, 3973.920},
        {"closed end with an inside diameter", {.closed_end = "1"}, 6, 12020.815},
        {"solid section", {.inside_diameter = "0"}, 6, 12020.815},
    };
    for (const auto& c : cases) {
        auto s = offshore_sand(c.pile);
        double top = 0;
        double bottom = 0;
        fugro_end_bearing_rule(*s, c.element, top, bottom);
        EXPECT_NEAR(top, c.expected, 1e-3) << c.what;
        EXPECT_NEAR(bottom, c.expected, 1e-3) << c.what;
    }
}

}  // namespace
}  // namespace tarne
