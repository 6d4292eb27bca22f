#include "methods/offshore_clay.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "charts.h"
#include "framework.h"
#include "methods/fugro.h"
#include "methods/icp.h"
#include "methods/uwa.h"
#include "offshore_fixture.h"

namespace tarne {
namespace {

using testing::offshore_clay;

TEST(OffshoreClay, InterfaceFrictionChart) {
    struct Case { double pi, delta; };
    const Case cases[] = {
        {0, 34},     {5, 32},     {10, 29},   {15, 27},   {20, 24.5}, {25, 22.5}, {30, 20},  {35, 18.5}, {40, 17},
        {45, 15.2},  {50, 14.7},  {55, 13},   {60, 12.3}, {65, 11.5}, {70, 10},   {75, 9.2}, {80, 8.5},
        {22, 23.7},     // 24.5 - 2 * 2 / 5
        {47.5, 14.95},  // halfway between 15.2 and 14.7
        {2.5, 33},      // halfway between 34 and 32
        {-5, 34},       // held at the ends
        {90, 8.5},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(evaluate(charts::interface_friction_chart, c.pi), c.delta, 1e-12) << c.pi;
}

// Clay fixture: sigma' = 8 z kPa, open pile R* = 156.125 mm, L = 10 m.
// Element 6 (top 5 m, sigma' 40 / 48): PI 22, delta 23.7, tan = 0.438969;
// r = 5000 / 156.125 = 32.026; Kc = (2 - 0.625 log10(60/20)) 2^0.42
// 32.026^-0.2 = 1.701799 * 1.337928 * 0.499920 = 1.138260;
// f = 0.8 * 1.138260 * (40 or 48) * 0.438969 = 15.9891 / 19.1870 kPa.
// Element 10 (top 9 m, sigma' 72 / 80) with su = su_r and YSR 1: r =
// 1000 / 156.125 = 6.4 raised to 8, Kc = 2 * 8^-0.2 = 1.319508;
// f = 0.8 * 1.319508 * (72 or 80) * 0.438969 = 33.3633 / 37.0703 kPa.
TEST(OffshoreClay, HandCheckedSkinFriction) {
    struct Case {
        const char* what;
        testing::ClayOptions clay;
        int element;
        double top, bottom;
    };
    const Case cases[] = {
        {"sensitivity 3, YSR 2", {}, 6, 15.98915, 19.18698},
        {"sensitivity 1, YSR 1, near the tip", {.su = "20", .ysr = "1"}, 10, 33.36326, 37.07029},
        // No remolded strength (or none at all): the sensitivity is unknown
        // and the rule gives no friction rather than an infinite one.
        {"no remolded strength", {.su_remolded = "0"}, 6, 0.0, 0.0},
        {"no strength at all", {.su = "0", .su_remolded = "0", .qc = "0"}, 6, 0.0, 0.0},
        {"no yield stress ratio", {.ysr = "0"}, 6, 0.0, 0.0},
    };
    for (const auto& c : cases) {
        auto s = offshore_clay({}, c.clay);
        double top = -1;
        double bottom = -1;
        offshore_clay_skin_friction(*s, c.element, top, bottom);
        EXPECT_NEAR(top, c.top, 1e-4) << c.what;
        EXPECT_NEAR(bottom, c.bottom, 1e-4) << c.what;
    }
}

TEST(OffshoreClay, EveryConeMethodUsesTheClayRuleAlsoInside) {
    for (auto compute : {compute_icp_method, compute_fugro_method, compute_uwa_method}) {
        auto s = offshore_clay();
        compute(*s);
        EXPECT_NEAR(s->offshore_side_bottom[6], 19.18698, 1e-4);
    }
    auto s = offshore_clay();
    compute_uwa_method(*s);
    EXPECT_EQ(s->uwa_inside_top[6], s->offshore_side_top[6]);
}

// qc = 1500 kPa, su = 60 kPa (9 su = 540); the chain's end-bearing step
// with the ICP/MTD rules (FUGRO and UWA share the clay rule).
TEST(OffshoreClay, EndBearingByPlugConditionAndDrainage) {
    struct Case {
        const char* what;
        testing::PileOptions pile;
        double expected;  // kPa
    };
    const Case cases[] = {
        {"open, plug decided by the program", {}, 540.0},
        {"open, unplugged, drained", {.plug = "2"}, 2400.0},      // 1.6 qc
        {"open, unplugged, undrained", {.drained = "0", .plug = "2"}, 1500.0},
        {"open, plugged, drained", {.plug = "1"}, 975.0},         // 0.65 qc
        {"open, plugged, undrained", {.drained = "0", .plug = "1"}, 600.0},  // 0.4 qc
        {"solid section, drained", {.inside_diameter = "0"}, 1950.0},     // 1.3 qc
        {"solid section, undrained", {.inside_diameter = "0", .drained = "0"}, 1200.0},  // 0.8 qc
        // Closed at its end, whatever inside diameter or plug option the file carries.
        {"closed end with an inside diameter, unplugged", {.closed_end = "1", .plug = "2"}, 1950.0},
        {"closed end, plugged option", {.closed_end = "1", .plug = "1"}, 1950.0},
    };
    for (const auto& c : cases) {
        auto s = offshore_clay(c.pile);
        compute_unit_end_bearing(*s, icp_rules());
        EXPECT_NEAR(s->unit_end_bearing_node[11], c.expected, 1e-9) << c.what;
        EXPECT_NEAR(s->unit_end_bearing_node[12], c.expected, 1e-9) << c.what;
    }
    auto capped = offshore_clay({.plug = "2"});
    capped->seg_max_bearing[6] = 1000.0;
    compute_unit_end_bearing(*capped, fugro_rules());
    EXPECT_EQ(capped->unit_end_bearing_node[11], 1000.0);
}

template <typename Writer>
std::string lines_of(const AnalysisState& s, Writer write) {
    std::ostringstream text;
    {
        TextOut out(&text);
        write(s, out);
    }
    return text.str();
}

// The plasticity-index error once per clay element without a plasticity
// index (20 elements to the profile bottom).
TEST(OffshoreClay, PlasticIndexErrorPerClayElement) {
    auto no_pi = offshore_clay({}, {.pi = "-1"});
    ASSERT_EQ(no_pi->element_count, 20);
    std::string expected;
    for (int k = 1; k <= 20; ++k) expected += " ERROR - NO DATA FOUND FOR PLASTIC INDEX.\n";
    EXPECT_EQ(lines_of(*no_pi, write_plastic_index_errors), expected);
    EXPECT_EQ(lines_of(*offshore_clay(), write_plastic_index_errors), "");
    // PI -1 is taken as it is: the chart holds 34 degrees below PI 0.
    double top = 0;
    double bottom = 0;
    offshore_clay_skin_friction(*no_pi, 6, top, bottom);
    EXPECT_NEAR(bottom, 0.8 * 1.138260 * 48.0 * 0.674509, 1e-4);  // tan 34 = 0.674509
}

// The h/R warning goes under the method's table when clay within 8 R*
// (1249 mm) above the tip had its h/R raised to 8; clay below the tip
// carries no friction of the pile and does not count.
TEST(OffshoreClay, HOverRWarningUnderTheTable) {
    auto clay = offshore_clay();
    EXPECT_EQ(lines_of(*clay, write_h_over_r_warning), "\n WARNING - h/R SHOULD BE GREATER THAN 8.\n");
    clay->seg_soil_kind[10] = 1.0;  // the only element that close lies in sand
    EXPECT_FALSE(clay_friction_near_tip(*clay));
    EXPECT_EQ(lines_of(*clay, write_h_over_r_warning), "");
    clay->seg_soil_kind[10] = 2.0;
    clay->seg_soil_kind[9] = 1.0;
    EXPECT_TRUE(clay_friction_near_tip(*clay));
    EXPECT_FALSE(clay_friction_near_tip(*testing::offshore_sand()));
}

}  // namespace
}  // namespace tarne
