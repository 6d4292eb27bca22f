#include "methods/offshore_common.h"

#include <gtest/gtest.h>

#include "framework.h"
#include "methods/icp.h"
#include "offshore_fixture.h"

namespace tarne {
namespace {

using testing::offshore_sand;

// Elements of 1 ft / 1 m; a CPT profile of two points, 100 at 1 and 200 at
// 3 (ksf / kPa), so that the top of element 3 (depth 2) reads 150.
struct ConeCase {
    const char* what;
    int units;
    int element;
    double layer_qc;  // psf / kPa, as the data file gives it
    bool profile;
    double blow_count;
    double pa;
    double expected;  // ksf / kPa
};

TEST(OffshoreCommon, ElementConeResistanceFromLayerProfileOrBlowCount) {
    const ConeCase cases[] = {
        {"SI layer value", kSI, 3, 20000.0, true, 0, 100.0, 20000.0},
        {"SI profile between points", kSI, 3, 0.0, true, 0, 100.0, 150.0},
        {"profile above its first depth", kSI, 1, 0.0, true, 0, 100.0, 100.0},
        {"profile below its last depth", kSI, 5, 0.0, true, 0, 100.0, 200.0},
        // English: the layer's psf becomes ksf; the profile is in ksf already
        // and is not divided again, so both sources agree.
        {"English layer value", kEnglish, 3, 150000.0, true, 0, 2.1168, 150.0},
        {"English profile", kEnglish, 3, 0.0, true, 0, 2.1168, 150.0},
        // No cone data: 2.8 pa N, N = 20: 20 * 2.088554621 * 2.8 = 116.959 ksf
        // in the skin rules, 20 * 2.1168 * 2.8 = 118.541 ksf in the bearing rules.
        {"English blow count, skin", kEnglish, 3, 0.0, false, 20, 2.088554621, 116.9590588},
        {"English blow count, bearing", kEnglish, 3, 0.0, false, 20, 2.1168, 118.5408},
        {"SI blow count", kSI, 3, 0.0, false, 20, 100.0, 5600.0},
        {"nothing at all", kSI, 3, 0.0, false, 0, 100.0, 0.0},
    };
    for (const auto& c : cases) {
        AnalysisState s;
        s.unit_system = c.units;
        s.length_increment = 1.0;
        s.element_count = 6;
        s.seg_qc[c.element] = c.layer_qc;
        s.seg_blow_count[c.element] = c.blow_count;
        if (c.profile) {
            s.cpt_count = 2;
            s.cpt_depth[1] = 1.0;
            s.cpt_qc[1] = 100.0;
            s.cpt_depth[2] = 3.0;
            s.cpt_qc[2] = 200.0;
        }
        EXPECT_NEAR(element_cone_resistance(s, c.element, c.pa), c.expected, 1e-6) << c.what;
    }
}

TEST(OffshoreCommon, NegativeConeResistanceCountsAsNone) {
    AnalysisState s;
    s.unit_system = kSI;
    s.length_increment = 1.0;
    s.element_count = 3;
    s.cpt_count = 1;
    s.cpt_depth[1] = 0.0;
    s.cpt_qc[1] = -50.0;
    EXPECT_EQ(element_cone_resistance(s, 2, 100.0), 0.0);
}

TEST(OffshoreCommon, SandFrictionTangentIsZeroWithoutAFrictionAngle) {
    EXPECT_NEAR(sand_friction_tangent(35.0), 0.577350, 1e-6);  // tan 30
    EXPECT_EQ(sand_friction_tangent(5.0), 0.0);
    EXPECT_EQ(sand_friction_tangent(0.0), 0.0);  // not tan(-5), which would pull the pile out
}

// Unit friction f = z kPa along the pile (element k: k - 1 at its top, k at
// its bottom), a zero-friction length of 2.5 m and side factor 0.5 on
// element 5. P = 3.14159 m.
TEST(OffshoreCommon, IntegrationZeroFrictionLengthSideFactorAndTransfer) {
    for (const int factored : {0, 1}) {
        auto s = offshore_sand();
        s->zero_friction_length = 2.5;
        s->factored_transfer = factored;
        for (int k = 1; k <= s->element_count; ++k) {
            s->offshore_side_top[k] = k - 1.0;
            s->offshore_side_bottom[k] = k;
            s->seg_max_friction[k] = 0.001;  // the offshore methods set no limit
        }
        s->seg_side_factor[5] = 0.5;
        PointTable transfer;
        integrate_offshore_friction(*s, transfer);
        EXPECT_EQ(s->offshore_unit_side[3], 0.0);  // 2 m, above 2.5 m
        EXPECT_NEAR(s->offshore_unit_side[4], 3.0, 1e-12);
        EXPECT_NEAR(s->offshore_unit_side_out[6], 5.0, 1e-12);
        EXPECT_EQ(s->offshore_side_increment[3], 0.0);
        // 2..3 m: (0 + 3) / 2 * 3.14159 = 4.712385; 3..4 m: (3 + 4) / 2 *
        // 3.14159 = 10.995565, halved by element 5's factor in the table.
        EXPECT_NEAR(s->offshore_side_increment[4], 4.712385, 1e-9);
        EXPECT_NEAR(s->offshore_side_increment[5], 10.995565, 1e-9);
        EXPECT_NEAR(s->offshore_cum_side[5], 4.712385 + 5.4977825, 1e-9);
        EXPECT_NEAR(transfer[5], factored ? 10.2101675 : 15.70795, 1e-9) << factored;
        EXPECT_EQ(transfer[1], 0.0);
        EXPECT_NEAR(s->point_depth[11], 10.0, 1e-12);
    }
}

// A pile closed at its end (closed_end 1) has no wall annulus, whatever
// inside diameter it carries: the chain keeps the method's unit end
// bearing there instead of the cone resistance. Wall area 0.7853975 (1000^2
// - 950^2) / 1e6 = 0.076576 m2; element 6 has qc = 20000 kPa.
TEST(OffshoreCommon, ClosedEndPileHasNoConeAnnulus) {
    constexpr double kWall = 0.7853975 * (1000.0 * 1000.0 - 950.0 * 950.0) / 1.0e6;
    auto open = offshore_sand();
    auto closed = offshore_sand({.closed_end = "1"});
    for (auto* s : {open.get(), closed.get()}) {
        compute_icp_method(*s);
        compute_unit_end_bearing(*s, icp_rules());
        compute_annulus_bearing(*s, icp_rules());
    }
    EXPECT_NEAR(open->annulus_tip_node[11], 20000.0 * kWall, 1e-6);
    // Closed: ICP/MTD closed-ended bearing, 0.3 qc for D = 1000 mm > 900.
    EXPECT_NEAR(closed->unit_end_bearing_node[11], 6000.0, 1e-9);
    EXPECT_NEAR(closed->annulus_tip_node[11], 6000.0 * kWall, 1e-6);
}

}  // namespace
}  // namespace tarne
