#include "methods/ngi.h"

#include <gtest/gtest.h>

#include "framework.h"
#include "offshore_fixture.h"

namespace tarne {
namespace {

using testing::offshore_clay;
using testing::offshore_sand;

// Sand fixture, pa = 100 kPa, open steel pipe in compression:
// F_tip 1.0, F_load 1.3, F_mat 1.0.
// Element 2 (top 1 m, z/L = 0.1, CPT qc 7000, sigma' 10 / 20):
//   bottom Dr = 0.4 ln(7000 / (22 sqrt(2000))) = 0.784869,
//   F_Dr = 2.1 * 0.684869^1.7 = 1.103448, F_sigma = 0.2^0.25 = 0.668740,
//   f = 0.1 * 100 * 1.103448 * 0.668740 * 1.3 = 9.59296 kPa;
//   top Dr = 0.923498, F_Dr = 1.509544, F_sigma = 0.562341, f = 11.0354 kPa.
// Element 6 (z/L = 0.5, layer qc 20000, sigma' 50 / 60): 99.8962 / 97.6195.
TEST(Ngi, HandCheckedSandFriction) {
    struct Case {
        const char* what;
        testing::PileOptions pile;
        int element;
        double top, bottom;  // kPa
    };
    const Case cases[] = {
        {"open, CPT profile", {}, 2, 11.03543, 9.592959},
        {"open, layer qc", {}, 6, 99.89616, 97.61952},
        {"closed end with an inside diameter: F_tip 1.6", {.closed_end = "1"}, 6, 1.6 * 99.89616, 1.6 * 97.61952},
        {"tension: F_load 1.0", {.loading = "1"}, 6, 99.89616 / 1.3, 97.61952 / 1.3},
    };
    for (const auto& c : cases) {
        auto s = offshore_sand(c.pile);
        double top = 0;
        double bottom = 0;
        ngi_sand_skin_friction(*s, c.element, top, bottom);
        EXPECT_NEAR(top, c.top, 1e-4) << c.what;
        EXPECT_NEAR(bottom, c.bottom, 1e-4) << c.what;
    }
    // A closed concrete pile (type 3) in compression: 1.6 * 1.3 * 1.2.
    auto concrete = offshore_sand({.inside_diameter = "0"});
    concrete->pile_type = 3;
    double top = 0;
    double bottom = 0;
    ngi_sand_skin_friction(*concrete, 6, top, bottom);
    EXPECT_NEAR(bottom, 97.61952 / 1.3 * 1.6 * 1.3 * 1.2, 1e-4);
}

// The first element has no stress at its top: 0 there. With a low cone
// resistance the relative density stops at its floor 0.20001 (SI).
TEST(Ngi, SandFrictionAtTheSurfaceAndTheDensityFloor) {
    auto s = offshore_sand();
    double top = -1;
    double bottom = -1;
    ngi_sand_skin_friction(*s, 1, top, bottom);
    EXPECT_EQ(top, 0.0);
    s->cpt_qc[1] = s->cpt_qc[2] = 100.0;  // element 2: qc 100 kPa
    ngi_sand_skin_friction(*s, 2, top, bottom);
    // F_Dr = 2.1 * 0.10001^1.7 = 0.0419078; 0.1 * 100 * 0.0419078 * 0.668740 * 1.3 = 0.364329.
    EXPECT_NEAR(bottom, 0.364329, 1e-6);
    // The end bearing has no stress at the surface either: 0, not 0 / 0.
    ngi_end_bearing_rule(*s, 1, top, bottom);
    EXPECT_EQ(top, 0.0);
}

// Clay fixture, element 6: sigma'_bottom = 48 kPa, PI 22, open pile
// (F_c = 0.8 + 0.2 sqrt(psi)); friction the same at both nodes.
TEST(Ngi, ClayFrictionAndPlugFrictionByStrengthRatio) {
    struct Case {
        const char* what;
        const char* su;
        const char* su_remolded;
        double side, inside_top;  // kPa
    };
    // A pile closed at its end takes F_c = 1 whatever inside diameter it
    // carries: psi = 2 gives 0.406126 * 96 = 38.9881, plug 0.406126 * 20 = 8.12252.
    auto closed = offshore_clay({.closed_end = "1"}, {.su = "96"});
    compute_ngi_method(*closed);
    EXPECT_NEAR(closed->offshore_side_top[6], 38.98812, 1e-5);
    EXPECT_NEAR(closed->ngi_inside_top[6], 8.122524, 1e-6);

    const Case cases[] = {
        // psi = 2: alpha = 0.5 / 2^0.3 = 0.406126, F_c = 1.082843;
        // 0.406126 * 96 * 1.082843 = 42.2180; plug 0.406126 * 20 * 1.082843 = 8.79542.
        {"overconsolidated", "96", "20", 42.21800, 8.795416},
        // psi = 1: alpha 0.5 by both formulas, F_c = 1; tau_min = 0.06 * 10^0.33 * 48 = 6.15733.
        {"strength ratio 1", "48", "20", 24.0, 10.0},
        // psi = 0.5: alpha_NC = 0.32 * 12^0.3 = 0.674379, alpha_OC = 0.615572,
        // alpha = 0.674379 + 0.25 (0.615572 - 0.674379) / 0.75 = 0.654777,
        // F_c = 0.941421: 0.654777 * 24 * 0.941421 = 14.7941; plug 12.3284.
        {"transition", "24", "20", 14.79411, 12.32842},
        // psi = 0.125: tau = 0.08 * 12^0.3 * 48 = 8.09255; inside the plug the
        // element's alpha_NC times the remolded strength:
        // 0.674379 * 3 * (0.8 + 0.2 sqrt(0.125)) = 1.76157.
        {"normally consolidated", "6", "3", 8.092554, 1.761568},
    };
    for (const auto& c : cases) {
        auto s = offshore_clay({}, {.su = c.su, .su_remolded = c.su_remolded});
        compute_ngi_method(*s);
        EXPECT_NEAR(s->offshore_side_top[6], c.side, 1e-5) << c.what;
        EXPECT_EQ(s->offshore_side_bottom[6], s->offshore_side_top[6]) << c.what;
        EXPECT_EQ(s->ngi_inside_bottom[6], s->offshore_side_top[6]) << c.what;
        EXPECT_NEAR(s->ngi_inside_top[6], c.inside_top, 1e-5) << c.what;
    }
}

// The plug friction of a normally consolidated element is its own, not one
// left by an element above: element 7 (psi < 0.25) under an overconsolidated element 6.
TEST(Ngi, NormallyConsolidatedPlugFrictionIsTheElementsOwn) {
    auto s = offshore_clay({}, {.su = "6", .su_remolded = "3"});
    s->seg_su[6] = 96.0;
    s->seg_su_remolded[6] = 20.0;
    compute_ngi_method(*s);
    EXPECT_NEAR(s->ngi_inside_top[6], 8.795416, 1e-5);
    // Element 7: sigma' 56, psi = 6 / 56 = 0.107143, F_c = 0.8 + 0.2 * 0.327327
    // = 0.865465; 0.674379 * 3 * 0.865465 = 1.750956.
    EXPECT_NEAR(s->ngi_inside_top[7], 1.750956, 1e-6);
}

// NGI writes two stress floors that the later methods of the pass see: the
// bottom stress of clay elements at least 1e-10, and in English units the
// top stress of sand elements at least 1e-8 (so not at the surface in SI).
TEST(Ngi, StressFloorsWrittenForTheLaterMethods) {
    auto si = offshore_sand();
    compute_ngi_method(*si);
    EXPECT_EQ(si->sigma_top[1], 0.0);

    auto english = offshore_sand();
    english->unit_system = kEnglish;
    compute_ngi_method(*english);
    EXPECT_EQ(english->sigma_top[1], 0.00000001);
    EXPECT_EQ(english->sigma_top[2], 10.0);  // untouched above the floor

    auto clay = offshore_clay();
    clay->sigma_bottom[3] = 0.0;
    compute_ngi_method(*clay);
    EXPECT_EQ(clay->sigma_bottom[3], 1.0e-10);
}

// Closed: q = 0.8 qc / (1 + Dr^2); open: 0.7 qc / (1 + 3 Dr^2), Dr from each
// node's stress without a floor. Element 6 (qc 20000): top Dr = 0.4 ln(20000
// / (22 sqrt(5000))) = 1.021539, bottom (sqrt(6000)) 0.985075.
TEST(Ngi, SandEndBearing) {
    struct Case {
        const char* what;
        testing::PileOptions pile;
        int element;
        double top, bottom;  // kPa
    };
    const Case cases[] = {
        {"open", {}, 6, 3389.315, 3579.538},
        {"closed end with an inside diameter", {.closed_end = "1"}, 6, 7829.540, 8120.290},
        {"open, CPT qc 7000", {}, 2, 1376.967, 1720.471},
    };
    for (const auto& c : cases) {
        auto s = offshore_sand(c.pile);
        double top = -1;
        double bottom = -1;
        ngi_end_bearing_rule(*s, c.element, top, bottom);
        EXPECT_NEAR(top, c.top, 1e-3) << c.what;
        EXPECT_NEAR(bottom, c.bottom, 1e-3) << c.what;
    }
    auto capped = offshore_sand();
    capped->seg_max_bearing[6] = 3000.0;
    double top = 0;
    double bottom = 0;
    ngi_end_bearing_rule(*capped, 6, top, bottom);
    EXPECT_EQ(top, 3000.0);
    EXPECT_EQ(bottom, 3000.0);
}

// Clay keeps the chain's 9 su under NGI.
TEST(Ngi, ClayEndBearingIsNineSu) {
    auto s = offshore_clay();
    compute_unit_end_bearing(*s, ngi_rules());
    EXPECT_NEAR(s->unit_end_bearing_node[11], 540.0, 1e-9);
}

}  // namespace
}  // namespace tarne
