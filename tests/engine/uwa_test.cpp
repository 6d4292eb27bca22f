#include "methods/uwa.h"

#include <gtest/gtest.h>

#include "offshore_fixture.h"

namespace tarne {
namespace {

using testing::offshore_sand;

// Open pile: IFR = min(1, (0.95 m / 1.5)^0.2) = 0.912697, Ar = 1 - 0.912697
// * 0.9025 = 0.176291. Closed (or solid): IFR = 0, Ar = 1.
TEST(Uwa, AreaRatio) {
    EXPECT_NEAR(uwa_area_ratio(*offshore_sand()), 0.176291, 1e-6);
    EXPECT_EQ(uwa_area_ratio(*offshore_sand({.closed_end = "1"})), 1.0);
    EXPECT_EQ(uwa_area_ratio(*offshore_sand({.inside_diameter = "0"})), 1.0);
}

// Sand fixture, pa = 100 kPa, dr = 0.02 mm, tan 30 = 0.577350.
// Open pile, element 2 (CPT qc 7000, sigma' 10 / 20): r = 9000 / 1000 = 9;
//   radial = 0.03 * 7000 * 0.176291^0.3 / 3 = 41.5879;
//   top: qc1N = 70 / sqrt(0.1) = 221.359, G = 185 * 7000 / 221.359^0.75
//   = 22565.6, dilation = 4 G 0.02 / 1000 = 1.80525; bottom: 2.34111;
//   f = (41.5879 + 1.80525) * 0.577350 = 25.0530 / 25.3624 kPa.
// Open, element 6 (layer qc 20000, sigma' 50 / 60): r = 5, radial 159.417,
//   f = 94.5174 / 94.6928. Closed end, element 2: radial 70, f = 41.4568 / 41.7661.
TEST(Uwa, HandCheckedSandFriction) {
    struct Case {
        const char* what;
        testing::PileOptions pile;
        int element;
        double top, bottom;  // kPa
    };
    const Case cases[] = {
        {"open, CPT profile", {}, 2, 25.05305, 25.36243},
        {"open, layer qc", {}, 6, 94.51742, 94.69276},
        {"closed end with an inside diameter", {.closed_end = "1"}, 2, 41.45676, 41.76614},
        {"open, tension: 0.75 of every node", {.loading = "1"}, 2, 0.75 * 25.05305, 0.75 * 25.36243},
    };
    for (const auto& c : cases) {
        auto s = offshore_sand(c.pile);
        double top = 0;
        double bottom = 0;
        uwa_sand_skin_friction(*s, c.element, top, bottom);
        EXPECT_NEAR(top, c.top, 1e-4) << c.what;
        EXPECT_NEAR(bottom, c.bottom, 1e-4) << c.what;
    }
}

// Without cone resistance the modulus 185 qc / qc1N^0.75 is 0/0; its limit,
// 0, is used, and the friction is 0.
TEST(Uwa, NoConeResistanceNoFriction) {
    auto s = offshore_sand();
    s->seg_qc[6] = 0.0;
    s->cpt_count = 0;
    s->seg_blow_count[6] = 0.0;
    double top = -1;
    double bottom = -1;
    uwa_sand_skin_friction(*s, 6, top, bottom);
    EXPECT_EQ(top, 0.0);
    EXPECT_EQ(bottom, 0.0);
}

// q0 = (0.15 + 0.45 Ar) qc: open 0.229331 * 20000 = 4586.62 kPa (above
// 0.15 qc); plugged by option 1, at least 0.3 qc = 6000; closed, Ar = 1:
// 0.6 qc = 12000.
TEST(Uwa, SandEndBearing) {
    struct Case {
        const char* what;
        testing::PileOptions pile;
        double expected;
    };
    const Case cases[] = {
        {"open", {}, 4586.621},
        {"open, unplugged", {.plug = "2"}, 4586.621},
        {"open, plugged", {.plug = "1"}, 6000.0},
        {"closed end with an inside diameter", {.closed_end = "1"}, 12000.0},
    };
    for (const auto& c : cases) {
        auto s = offshore_sand(c.pile);
        double top = 0;
        double bottom = 0;
        uwa_end_bearing_rule(*s, 6, top, bottom);
        EXPECT_NEAR(top, c.expected, 1e-3) << c.what;
        EXPECT_NEAR(bottom, c.expected, 1e-3) << c.what;
    }
}

}  // namespace
}  // namespace tarne
