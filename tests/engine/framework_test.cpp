#include "framework.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "project_fixture.h"

namespace tarne {
namespace {

using testing::load_project;
using testing::run_api;
using testing::with;

// Sand 0-4 ft (125 pcf, phi 35, K0 0.8, Nq 40) over clay 4-20 ft (50 pcf,
// su 1000 psf, remolded 500 psf); 12 in pipe, 8 ft embedded, 1 ft elements.
// The clay's unit weight puts the water table at 4 ft.
const char* const kSandOverClay =
    "Sand over clay\r\nDesigner\r\nJob\r\n"
    "1 1 4 {CLOSED} \r\n"
    "0 0 12 {ID} 29000000 8 0 \r\n"
    "0 0 \r\n"
    "0 1 1 0 4 1 0 \r\n"
    "0 0 0 1 0 0 0 0 0 \r\n"
    "20 0 \r\n"
    "0.0 1 0.8 125 35 40 \r\n0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 \r\n"
    "4 1 0.8 125 35 40 \r\n0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 \r\n"
    "4 2 0.0 50 0.0 0.0 \r\n0 0 1000 500 1 20 0 0 0 1 1 1 \r\n"
    "20 2 0.0 50 0.0 0.0 \r\n0 0 1000 500 1 20 0 0 0 1 1 1 \r\n"
    "0 \r\n{LOAD} 0.8 \r\n0 {PLUG} \r\n2 0 \r\n0 0 \r\n8 0 \r\n0 0 \r\n";

std::unique_ptr<AnalysisState> sand_over_clay(const char* closed, const char* id, const char* plug,
                                              const char* load = "0") {
    std::string text = with(kSandOverClay, "CLOSED", closed);
    text = with(text, "ID", id);
    text = with(text, "PLUG", plug);
    return load_project(with(text, "LOAD", load));
}

// Hand figures for the profile above (A = 0.7853975 ft2, wall 12 in x 11 in):
// effective stress at 1..4 ft 0.125, 0.25, 0.375, 0.5 ksf, then +0.05 ksf per
// foot of clay; sand end bearing 40 sigma (below the 200 ksf limit for 35
// degrees), clay 9 su = 9 ksf.
constexpr double kFullArea = 0.7853975;
constexpr double kWallArea = 0.7853975 * (144.0 - 121.0) / 144.0;  // 0.125445 ft2

struct ChartCase {
    double n, sigma_psi;
    double phi;  // NaN: the chart gives no value
};

TEST(BlowCountChart, FrictionAngleByStressBand) {
    const double none = std::nan("");
    const ChartCase cases[] = {
        {3, 10, 31.5},    // phi0(3) = 33; 33 - (33 - 30) * 10/20
        {4, 0, 34.0},     // the 0 psi curve itself
        {20, 20, 36.0},   // phi0(20) = 45; 45 - (45 - 36) * 20/20
        {25, 10, 41.0},   // phi20(25) = 37; 37 + (45 - 37) * 10/20
        {55, 0, 51.0},    // beyond 55 blows: the 20-40 psi rule at 0 psi, 45 - (45 - 39) * (0 - 20)/20
        {60, 0, 50.0},    // phi40(60) = 40; 40 + (45 - 40) * 40/20
        {8, 30, 31.0},    // 30 + (8 - 6) * 0.5
        {30, 30, 37.5},   // phi20 39, phi40 36; 39 - 3 * 10/20
        {60, 30, 42.5},   // 40 + 5 * 10/20
        {100, 30, 50.0},
        {12, 40, 31.4},   // phi40(12) = 31 + 2/5
        {70, 50, 42.0},
        {10, 40, none},   // at 40 psi and more only 10 < N <= 90 has a value
        {95, 45, none},
    };
    for (const auto& c : cases) {
        const auto phi = phi_from_blow_count(c.n, c.sigma_psi);
        if (std::isnan(c.phi))
            EXPECT_FALSE(phi.has_value()) << "N " << c.n << " at " << c.sigma_psi << " psi";
        else
            EXPECT_NEAR(phi.value_or(-1.0), c.phi, 1e-9) << "N " << c.n << " at " << c.sigma_psi << " psi";
    }
}

// A bare element column of `count` elements of 1 ft / 1 m.
void make_elements(AnalysisState& s, int unit_system, int count) {
    s.unit_system = unit_system;
    s.element_count = count;
    s.length_increment = 1.0;
    for (int k = 1; k <= count; ++k) {
        s.seg_top[k] = k - 1.0;
        s.seg_bottom[k] = k;
        s.seg_soil_kind[k] = 1.0;
    }
}

TEST(PreStep, FrictionAngleFromBlowCountFallsBackOnTheLastChartValue) {
    auto s = std::make_unique<AnalysisState>();
    make_elements(*s, kSI, 3);
    // Element 1 ends at 68.948 kPa = 10 psi, element 2 at 344.74 kPa = 50 psi.
    s->seg_gamma[1] = 68.948;
    s->seg_gamma[2] = 275.792;
    s->seg_blow_count[1] = 3;   // 31.5 degrees at 10 psi
    s->seg_blow_count[2] = 10;  // no value at 50 psi: the last value stands in
    s->seg_phi[3] = 0.0;        // no blow count: stays 0
    prepare_stress_and_parameters(*s);
    EXPECT_NEAR(s->sigma_bottom[2], 344.74, 1e-9);
    EXPECT_NEAR(s->seg_phi[1], 31.5, 1e-6);
    EXPECT_NEAR(s->seg_phi[2], 31.5, 1e-6);
    EXPECT_EQ(s->seg_phi[3], 0.0);
}

TEST(PreStep, ShearStrengthFromConeUsesKsfInEnglishUnits) {
    // The layer's qc is in psf in English units: 30000 psf / 1000 / 15 = 2 ksf,
    // not 2000 ksf. SI: 3000 kPa / 15 = 200 kPa.
    for (const auto& [units, qc, su] : {std::tuple{kEnglish, 30000.0, 2.0}, std::tuple{kSI, 3000.0, 200.0}}) {
        auto s = std::make_unique<AnalysisState>();
        make_elements(*s, units, 2);
        s->seg_soil_kind[1] = s->seg_soil_kind[2] = 2.0;
        s->seg_qc[1] = qc;
        s->seg_su[2] = 1.5;  // a given strength is kept
        s->seg_qc[2] = qc;
        prepare_stress_and_parameters(*s);
        EXPECT_NEAR(s->seg_su[1], su, 1e-12) << "unit system " << units;
        EXPECT_EQ(s->seg_su[2], 1.5);
    }
}

TEST(Chain, ClosedEndReportsTheAveragedPluggedTip) {
    auto s = sand_over_clay("1", "0", "0");
    run_api(*s);
    // Tip at 4 ft, averaged from 2.5 to 5.5 ft over 3 ft:
    // A * [0.5 (12.5 + 15) 0.5 + 0.5 (15 + 20) 1 + 9 * 1.5] / 3 = A * 37.875 / 3 = 9.915643
    EXPECT_NEAR(s->averaged_plugged_tip[5], kFullArea * 37.875 / 3.0, 1e-9);
    EXPECT_NEAR(s->results[kApi].tip[5], 9.915643, 1e-6);
    // At the surface only 0..1.5 ft counts, still divided by 3 ft: A * 5 * 1.5^2 / 2 / 3 = 1.472620
    EXPECT_NEAR(s->averaged_plugged_tip[1], kFullArea * 5.625 / 3.0, 1e-9);
    // Deep in the clay the average is the local 9 su: A * 9 = 7.068578
    EXPECT_NEAR(s->results[kApi].tip[9], kFullArea * 9.0, 1e-9);
    for (int j = 1; j <= s->output_point_count; ++j) EXPECT_EQ(s->results[kApi].plug_flag[j], 1) << j;
}

TEST(Chain, OpenEndWhosePlugFrictionGoverns) {
    auto s = sand_over_clay("0", "11", "0");
    run_api(*s);
    // At 4 ft: wall 20 ksf * 0.125445 = 2.508909; plug friction through the
    // sand, pi Di sum 0.5 (top + bottom) K0 tan 30 sigma = 3.14159 * 11/12 *
    // 0.46188 * 1.0 = 1.330118; together 3.839027 < averaged 9.915643.
    EXPECT_NEAR(s->plug_tip_point[5], 3.839027, 1e-6);
    EXPECT_NEAR(s->results[kApi].tip[5], 3.839027, 1e-6);
    EXPECT_EQ(s->results[kApi].plug_flag[5], 2);
    // At 8 ft: plug friction adds alpha * 0.5 ksf * pi * Di per clay foot,
    // alphas 0.430587, 0.440056, 0.448950, 0.457346: 3.888724 in all; wall
    // 9 * 0.125445 = 1.129009; tip 5.017733 < 9 * A = 7.068578.
    EXPECT_NEAR(s->results[kApi].tip[9], 5.017733, 1e-6);
    EXPECT_EQ(s->results[kApi].plug_flag[9], 2);
}

TEST(Chain, UnpluggedOptionLeavesTheWallAlone) {
    auto s = sand_over_clay("0", "11", "2");
    run_api(*s);
    EXPECT_NEAR(s->results[kApi].tip[5], 20.0 * kWallArea, 1e-9);  // 2.508909
    EXPECT_NEAR(s->results[kApi].tip[9], 9.0 * kWallArea, 1e-9);   // 1.129009
    EXPECT_EQ(s->results[kApi].plug_flag[5], 2);
    EXPECT_EQ(s->plug_friction_node[2 * s->element_count], 0.0);
}

TEST(Chain, PluggedOptionReportsThePluggedTipForEveryMethod) {
    // FHWA, USACE and Revised Lambda too (not their smaller unplugged value),
    // and FHWA's own copy of the tip agrees.
    auto s = sand_over_clay("0", "11", "1");
    prepare_stress_and_parameters(*s);
    for (const int index : {kIndexFhwa, kIndexUsace, kIndexLambda, kIndexApi}) {
        run_chain(*s, method_rules(index));
        for (int j = 1; j <= s->output_point_count; ++j) {
            EXPECT_EQ(s->tip_resistance[j], s->averaged_plugged_tip[j]) << "method " << index << " point " << j;
            EXPECT_EQ(s->plug_flag[index][j], 1) << "method " << index << " point " << j;
            if (index == kIndexFhwa) {
                EXPECT_EQ(s->tip_fhwa[j], s->tip_resistance[j]) << j;
            }
        }
    }
    // Revised Lambda bears on the API rule: the closed-end figure at 4 ft.
    run_chain(*s, method_rules(kIndexLambda));
    EXPECT_NEAR(s->tip_resistance[5], 9.915643, 1e-6);
}

TEST(Chain, TensionReportsTheSelfWeight) {
    auto s = sand_over_clay("0", "11", "0", "1");
    run_api(*s);
    // Steel 0.49 kcf, wall 0.125445 ft2, water table at 4 ft:
    // 0.49 * 0.125445 * 4 + (0.49 - 0.0624) * 0.125445 * 4 = 0.460435 kips at 8 ft.
    EXPECT_NEAR(s->results[kApi].tip[9], 0.460435, 1e-6);
    EXPECT_NEAR(s->results[kApi].tip[3], 0.49 * kWallArea * 2.0, 1e-12);
    EXPECT_NEAR(s->results[kApi].ultimate[9], s->results[kApi].skin_friction[9] + 0.460435, 1e-6);
}

TEST(Chain, TaperedTipNarrowsTheFullArea) {
    auto s = sand_over_clay("1", "0", "0");
    s->taper_angle = 1.0;
    run_api(*s);
    // Tip diameter 1 - 2 * 8 * tan(0.01745) = 0.720771 ft; clay node 9 su * A(tip).
    const double d = 1.0 - 2.0 * 8.0 * std::tan(0.01745);
    EXPECT_NEAR(s->plugged_tip_node[2 * 10], 0.7853975 * d * d * 9.0, 1e-9);
}

// A cone-based method's wall bears on the cone resistance of the element at
// each node; the bottom node of the last element takes the last element's
// value, never a table entry past `element_count`.
TEST(Chain, AnnulusConeResistanceStaysWithinTheElements) {
    auto s = sand_over_clay("0", "11", "0");
    prepare_stress_and_parameters(*s);
    const int n = s->element_count;
    s->seg_qc[n] = 30000.0;         // psf: 30 ksf
    s->seg_qc[n + 1] = 9.9e9;       // stale entry beyond the elements
    MethodRules cone;
    cone.method_index = kIndexIcp;
    cone.annulus_from_cone = true;
    compute_unit_end_bearing(*s, cone);
    compute_annulus_bearing(*s, cone);
    EXPECT_NEAR(s->annulus_tip_node[2 * n], 30.0 * kWallArea, 1e-9);
    EXPECT_NEAR(s->annulus_tip_node[2 * n - 1], 30.0 * kWallArea, 1e-9);
    // Without a layer qc and a CPT profile: 2.8 pa N with pa = 2.1168 ksf.
    s->seg_blow_count[3] = 20.0;
    compute_annulus_bearing(*s, cone);
    EXPECT_NEAR(s->annulus_tip_node[5], 2.8 * 2.1168 * 20.0 * kWallArea, 1e-9);
}

}  // namespace
}  // namespace tarne
