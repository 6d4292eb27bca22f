#include "methods/usace.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "framework.h"
#include "methods/usace_charts.h"
#include "passes.h"
#include "project_fixture.h"
#include "report.h"
#include "test_support.h"
#include "transfer_handover.h"

namespace tarne {
namespace {

using testing::load_project;
using testing::with;

constexpr double kPerimeter = 3.14159;   // ft, 12 in pile
constexpr double kTan24 = 0.4452285058;  // tan(0.75 * 32 degrees), steel pipe in phi = 32

// Uniform sand (phi 32, K0 1.0, 120 pcf unless stated); closed 12 in
// steel pipe (wall friction 0.75 phi = 24 degrees), 45 ft embedded, 1 ft
// elements, soil to 50 ft, compression; only USACE selected.
struct Sand {
    const char* gamma = "120";      // pcf
    const char* critical = "0 0";   // the critical-depth record
    const char* k0 = "1";
    const char* phi = "32";
    const char* max_bearing = "0";  // psf, 0 no limit
    const char* switches = "0 1 0 0";  // methods 1 to 4
    const char* load = "0";         // 1 tension (factor 1.0)
};

std::unique_ptr<AnalysisState> sand(const Sand& p) {
    std::string text =
        "Sand\r\nDesigner\r\nJob\r\n"
        "1 1 2 1 \r\n0 0 12 0 29000000 45 0 \r\n0 0 \r\n0 1 1 0 2 1 0 \r\n{SW} 0 0 0 0 0 \r\n50 0 \r\n"
        "0.0 1 {K0} {G} {PHI} 20 \r\n0 {QMAX} 0.0 0 0.0 0.0 0 0 0 1 1 0 \r\n"
        "50 1 {K0} {G} {PHI} 20 \r\n0 {QMAX} 0.0 0 0.0 0.0 0 0 0 1 1 0 \r\n"
        "0 \r\n{LOAD} 1 \r\n0 0 \r\n2 0 \r\n0 0 \r\n45 0 \r\n{CD} \r\n";
    text = with(text, "SW", p.switches);
    text = with(text, "K0", p.k0);
    text = with(text, "G", p.gamma);
    text = with(text, "PHI", p.phi);
    text = with(text, "QMAX", p.max_bearing);
    text = with(text, "LOAD", p.load);
    return load_project(with(text, "CD", p.critical));
}

// Pre-step and opening chains, then USACE with its chain run and results.
void run_usace(AnalysisState& s) {
    prepare_capacity_pass(s);
    compute_usace_method(s);
    run_chain(s, usace_rules());
    form_method_results(s, kUsace);
}

// Unit end bearing at the bottom node of element k (ksf / kPa).
double bearing_at_bottom(const AnalysisState& s, int k) { return s.unit_end_bearing_node[2 * k]; }

// Above the critical depth the sand friction follows the effective stress,
// below it stays at its value there: f = K sigma'crit tan(24), K = 1.0,
// sigma' = 0.12 z ksf. End bearing: Nq(32) = 30 times the node stress, held
// at 30 times the stress frozen once the element top passes z10 (option 0:
// 10 OD + 1 ft = 11 ft) or the critical depth (options 1 and 2).
TEST(Usace, HandCheckedAboveAndBelowTheCriticalDepthOfEachOption) {
    struct Case {
        const char* record;
        double critical_depth;   // ft, after the run
        int above, below;        // depths (ft) of the two points checked
        double f_above, f_below; // ksf
        int k_above, k_below;    // elements whose bottom-node end bearing is checked
        double q_above, q_below; // ksf
    };
    const Case cases[] = {
        // Option 0, phi 32 < 33: zc = 10 OD = 10 ft, sigma'crit = 1.2 ksf.
        // f(5) = 0.6 tan24 = 0.267137; f(20) = 1.2 tan24 = 0.534274.
        // q: element 5 bottom 30 * 0.6 = 18; element 20, frozen at the first
        // element whose top passes 11 ft (element 13, capped at 1.2): 30 * 1.2 = 36.
        {"0 0", 0.0, 5, 20, 0.6 * kTan24, 1.2 * kTan24, 5, 20, 18.0, 36.0},
        // Option 1: the first element whose bottom stress exceeds 3.5 ksf ends
        // at 30 ft (3.6 ksf), sigma'crit = 3.6. f(20) = 2.4 tan24 = 1.068548;
        // f(40) = 3.6 tan24 = 1.602823. q: element 20 bottom 30 * 2.4 = 72;
        // element 40, frozen at element 32 (top 31 > 30): 30 * 3.6 = 108.
        {"1 0", 30.0, 20, 40, 2.4 * kTan24, 3.6 * kTan24, 20, 40, 72.0, 108.0},
        // Option 2 at 25 ft: sigma'crit = 3.0 ksf. f(20) = 1.068548; f(30) =
        // 3.0 tan24 = 1.335686. q: 72; element 40 frozen at element 27: 90.
        {"2 25", 25.0, 20, 30, 2.4 * kTan24, 3.0 * kTan24, 20, 40, 72.0, 90.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);
        auto s = sand({.critical = c.record});
        run_usace(*s);
        EXPECT_DOUBLE_EQ(s->critical_depth, c.critical_depth);
        EXPECT_NEAR(s->usace_unit_side[c.above + 1], c.f_above, 1e-9);
        EXPECT_NEAR(s->usace_unit_side[c.below + 1], c.f_below, 1e-9);
        EXPECT_NEAR(bearing_at_bottom(*s, c.k_above), c.q_above, 1e-9);
        EXPECT_NEAR(bearing_at_bottom(*s, c.k_below), c.q_below, 1e-9);
    }
}

TEST(Usace, CumulativeSkinFrictionAcrossTheCriticalDepth) {
    auto s = sand({});
    run_usace(*s);
    // Linear to 10 ft, then constant; the trapezoids are exact:
    // P tan24 (0.12 * 10^2 / 2 + 1.2 * 10) = 3.14159 * 0.445229 * 18 = 25.177058 kips at 20 ft.
    EXPECT_NEAR(s->usace_cum_side[21], 25.177058, 1e-6);
    EXPECT_EQ(s->results[kUsace].skin_friction[21], s->usace_cum_side[21]);
    EXPECT_EQ(s->results[kUsace].unit_side[21], s->usace_unit_side[21]);
}

// Decided behaviour: under option 1 a profile whose effective stress never
// exceeds 3.5 ksf has no critical depth. Nothing is capped, neither the
// friction nor the end bearing (at 50 pcf the stress at 50 ft is 2.5 ksf).
TEST(Usace, ProfileNeverReachingTheThresholdHasNoCriticalDepth) {
    auto s = sand({.gamma = "50", .critical = "1 0"});
    run_usace(*s);
    EXPECT_EQ(s->critical_depth, 0.0);
    for (int k = 1; k <= s->element_count; ++k) {
        ASSERT_EQ(s->sigma_crit_top[k], s->sigma_top[k]) << k;
        ASSERT_EQ(s->sigma_crit_bottom[k], s->sigma_bottom[k]) << k;
    }
    // f(40) = 2.0 tan24 = 0.890457 ksf; end bearing of element 40: 30 * 2.0 = 60 ksf.
    EXPECT_NEAR(s->usace_unit_side[41], 2.0 * kTan24, 1e-9);
    EXPECT_NEAR(bearing_at_bottom(*s, 40), 60.0, 1e-9);
}

// Silt above the first sand element: there is no density critical depth
// yet, so its drained part follows the full stress instead of a stress
// capped at the ground surface (zero). Silt 0-20 ft, phi 28, K0 1, 120 pcf,
// su 400 psf over sand: at 10 ft, 1.2 tan(0.75 * 28) + 1.0 * 0.4 =
// 1.2 * 0.383864 + 0.4 = 0.860637 ksf.
TEST(Usace, SiltAboveTheFirstSandIsNotCapped) {
    const char* const silt =
        "Silt over sand\r\nDesigner\r\nJob\r\n"
        "1 1 4 1 \r\n0 0 12 0 29000000 30 0 \r\n0 0 \r\n0 1 1 0 2 1 0 \r\n0 1 0 0 0 0 0 0 0 \r\n40 0 \r\n"
        "0.0 3 1 120 28 0.0 \r\n0 0 400 0 0.0 0.0 0.0 0.0 0.0 1 1 0 \r\n"
        "20 3 1 120 28 0.0 \r\n0 0 400 0 0.0 0.0 0.0 0.0 0.0 1 1 0 \r\n"
        "20 1 1 120 32 20 \r\n0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 \r\n"
        "40 1 1 120 32 20 \r\n0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 \r\n"
        "0 \r\n0 1 \r\n0 0 \r\n2 0 \r\n0 0 \r\n30 0 \r\n0 0 \r\n";
    auto s = load_project(silt);
    run_usace(*s);
    EXPECT_NEAR(s->usace_unit_side[11], 0.860637, 1e-6);
    // In the sand the density critical depth (10 OD = 10 ft) caps at 1.2 ksf:
    // f(25) = 1.2 tan24.
    EXPECT_NEAR(s->usace_unit_side[26], 1.2 * kTan24, 1e-9);
}

// K is the layer's K0, or the method's own 1.25 (compression) / 0.6
// (tension) when the layer gives none or the API method is selected.
// Element 5 ends at 5 ft: sigma'crit = 0.6 ksf, f = K 0.6 tan24.
TEST(Usace, LateralEarthPressureCoefficient) {
    struct Case { const char* k0; const char* switches; const char* load; double k; };
    const Case cases[] = {
        {"1", "0 1 0 0", "0", 1.0},  {"0", "0 1 0 0", "0", 1.25}, {"0.8", "0 1 0 1", "0", 1.25},
        {"0.8", "0 1 0 1", "1", 0.6}, {"0", "0 1 0 0", "1", 0.6},  {"0.8", "0 1 1 0", "1", 0.8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.k0) + " / " + c.switches + " / " + c.load);
        auto s = sand({.k0 = c.k0, .switches = c.switches, .load = c.load});
        run_usace(*s);
        EXPECT_NEAR(s->usace_side_bottom[5], c.k * 0.6 * kTan24, 1e-9);
        EXPECT_EQ(s->usace_inside_bottom[5], s->usace_side_bottom[5]);
    }
}

TEST(Usace, WallFrictionAngleByPileType) {
    // phi = 32: steel pipe, step-taper, uniform taper and monotube 0.75 phi;
    // timber 0.9 phi; precast concrete 0.95 phi; H-pile 0.875 phi; otherwise phi - 5.
    const double expected[] = {27.0, 24.0, 28.8, 30.4, 24.0, 24.0, 28.0, 24.0, 27.0};
    for (int type = 0; type <= 8; ++type)
        EXPECT_NEAR(usace_wall_friction_angle(type, 32.0), expected[type], 1e-12) << type;
}

TEST(Usace, ChartsAtBreakpointsBetweenAndOutside) {
    struct Case { const Chart* chart; double x; double y; };
    using namespace charts;
    const Case cases[] = {
        {&usace_nq, -5.0, 1.0},     {&usace_nq, 0.0, 1.0},     {&usace_nq, 2.5, 1.3},
        {&usace_nq, 5.0, 1.6},      {&usace_nq, 10.0, 2.7},    {&usace_nq, 15.0, 4.4},
        {&usace_nq, 20.0, 7.4},     {&usace_nq, 25.0, 15.2},   {&usace_nq, 30.0, 23.0},
        {&usace_nq, 32.0, 30.0},    {&usace_nq, 34.0, 43.0},   {&usace_nq, 36.0, 56.0},
        {&usace_nq, 38.0, 68.0},    {&usace_nq, 38.5, 73.5},   {&usace_nq, 39.0, 79.0},
        {&usace_nq, 40.0, 88.0},    {&usace_nq, 45.0, 200.0},  {&usace_nq, 47.5, 307.55},
        {&usace_nq, 50.0, 415.1},   {&usace_nq, 60.0, 415.1},
        // Clay: 1 - 0.5 (su - 0.5) between 0.5 and 1.5 ksf (su 1.0: 0.75);
        // in kPa between 24 and 72 with slope 0.5 / 48.
        {&usace_adhesion_ksf, 0.0, 1.0},  {&usace_adhesion_ksf, 0.5, 1.0}, {&usace_adhesion_ksf, 1.0, 0.75},
        {&usace_adhesion_ksf, 1.5, 0.5},  {&usace_adhesion_ksf, 3.0, 0.5}, {&usace_adhesion_kpa, 10.0, 1.0},
        {&usace_adhesion_kpa, 24.0, 1.0}, {&usace_adhesion_kpa, 48.0, 0.75}, {&usace_adhesion_kpa, 72.0, 0.5},
        {&usace_adhesion_kpa, 100.0, 0.5},
    };
    for (const auto& c : cases) EXPECT_NEAR(evaluate(*c.chart, c.x), c.y, 1e-9) << c.chart->name << " at " << c.x;
    EXPECT_EQ(usace_nq_chart(34.0), 43.0);
}

// Clay from the surface, su 1.0 ksf (alpha 0.75, f = 0.75 ksf), remolded
// 0.5 ksf; {MAXF} maximum friction (psf), {SF} side factor, {FT} factored
// transfer, {LOAD} loading type with a tension factor of 0.8.
const char* const kClay =
    "Clay\r\nDesigner\r\nJob\r\n"
    "1 1 2 1 \r\n0 0 12 0 29000000 8 0 \r\n0 0 \r\n0 1 1 0 2 1 {FT} \r\n0 1 0 0 0 0 0 0 0 \r\n20 0 \r\n"
    "0.0 2 0.0 50 0.0 0.0 \r\n{MAXF} 0 1000 500 1 20 0 0 0 {SF} 0.5 1 \r\n"
    "20 2 0.0 50 0.0 0.0 \r\n{MAXF} 0 1000 500 1 20 0 0 0 {SF} 0.5 1 \r\n"
    "0 \r\n{LOAD} 0.8 \r\n0 0 \r\n2 0 \r\n0 0 \r\n8 0 \r\n0 0 \r\n";

std::unique_ptr<AnalysisState> clay(const char* max_friction, const char* side_factor, const char* factored,
                                    const char* load) {
    std::string text = with(kClay, "MAXF", max_friction);
    text = with(text, "SF", side_factor);
    text = with(text, "FT", factored);
    return load_project(with(text, "LOAD", load));
}

TEST(Usace, ClayFrictionInsideAndOutside) {
    auto s = clay("0", "1", "0", "0");
    run_usace(*s);
    EXPECT_NEAR(s->usace_side_top[3], 0.75, 1e-12);
    EXPECT_NEAR(s->usace_side_bottom[3], 0.75, 1e-12);
    EXPECT_NEAR(s->usace_inside_top[3], 0.375, 1e-12);  // 0.75 * 0.5 remolded
}

// Integration as FHWA: the first point is neither reduced for tension nor
// limited; later points are, and the upper point of a trapezoid enters with
// its limited value.
TEST(Usace, TensionAndLimitsInTheIntegration) {
    auto tension = clay("0", "1", "0", "1");
    run_usace(*tension);
    EXPECT_NEAR(tension->usace_unit_side[1], 0.75, 1e-12);
    EXPECT_NEAR(tension->usace_unit_side[2], 0.6, 1e-12);
    // 0.5 (0.75 + 0.6) P = 2.120573; + 0.6 P = 4.005527 kips.
    EXPECT_NEAR(tension->usace_cum_side[2], 2.120573, 1e-6);
    EXPECT_NEAR(tension->usace_cum_side[3], 4.005527, 1e-6);

    auto limited = clay("500", "1", "0", "0");  // 0.5 ksf
    run_usace(*limited);
    EXPECT_NEAR(limited->usace_unit_side[1], 0.75, 1e-12);
    EXPECT_NEAR(limited->usace_unit_side[2], 0.5, 1e-12);
    // Both trapezoids, 0.5 (0.75 + 0.75) P and 0.5 (0.5 + 0.75) P, exceed the
    // limits' 0.5 (0.5 + 0.5) P = 1.570795, which replaces them.
    EXPECT_NEAR(limited->usace_side_increment[2], 1.570795, 1e-9);
    EXPECT_NEAR(limited->usace_side_increment[3], 1.570795, 1e-9);
    EXPECT_NEAR(limited->usace_side_increment_limit[3], 1.570795, 1e-9);
}

TEST(Usace, SideFactorsAndTheTransferFlag) {
    auto plain = clay("0", "1", "0", "0");
    auto unfactored_transfer = clay("0", "0.5", "0", "0");
    auto factored_transfer = clay("0", "0.5", "1", "0");
    for (auto* s : {plain.get(), unfactored_transfer.get(), factored_transfer.get()}) run_usace(*s);
    for (int j = 2; j <= plain->output_point_count; ++j) {
        const double c = plain->usace_cum_side[j];
        EXPECT_NEAR(unfactored_transfer->results[kUsace].skin_friction[j], 0.5 * c, 1e-12) << j;
        EXPECT_NEAR(factored_transfer->results[kUsace].skin_friction[j], 0.5 * c, 1e-12) << j;
        EXPECT_NEAR(unfactored_transfer->results[kUsace].side_for_transfer[j], c, 1e-12) << j;
        EXPECT_NEAR(factored_transfer->results[kUsace].side_for_transfer[j], 0.5 * c, 1e-12) << j;
    }
}

// The chain's own USACE tip copy, taken before the end-bearing factor (0.5
// here), is what the load-transfer stage receives.
TEST(Usace, TipCopyHandedOverBeforeTheEndFactor) {
    auto s = clay("0", "1", "0", "0");
    run_usace(*s);
    s->transfer_method = kUsace;
    hand_over_transfer_results(*s);
    for (int j = 1; j <= s->output_point_count; ++j) {
        ASSERT_GT(s->tip_usace[j], 0.0) << j;
        EXPECT_NEAR(s->results[kUsace].tip[j], 0.5 * s->tip_usace[j], 1e-12) << j;
        EXPECT_EQ(s->transfer_tip[j], s->tip_usace[j]) << j;
    }
}

// Dense sand: the stress is frozen below 15 (33 < phi <= 36) or 20
// (phi > 36) diameters plus 1 ft, with sigma'crit capped at the density
// critical depth of 15 or 20 OD. A user maximum caps the result.
TEST(Usace, EndBearingInDenseSand) {
    struct Case { const char* phi; const char* max_bearing; int k; double q; };
    const Case cases[] = {
        {"34", "0", 10, 51.6},      // Nq(34) = 43, not frozen yet: 43 * 1.2
        {"34", "0", 30, 77.4},      // frozen at element 18 (top 17 > 16 ft): 43 * sigma'(15 ft) = 43 * 1.8
        {"38", "0", 20, 163.2},     // Nq(38) = 68; top 19 ft is not past 21 ft: 68 * 2.4
        {"38", "0", 30, 163.2},     // frozen at element 23 (top 22 > 21 ft): 68 * sigma'(20 ft) = 68 * 2.4
        {"38", "100000", 30, 100.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.phi) + " degrees, element " + std::to_string(c.k));
        auto s = sand({.phi = c.phi, .max_bearing = c.max_bearing});
        run_usace(*s);
        EXPECT_NEAR(bearing_at_bottom(*s, c.k), c.q, 1e-9);
    }
}

// The echo names the critical-depth option under the USACE line.
TEST(Usace, EchoOfTheCriticalDepthOption) {
    struct Case { const char* record; const char* line; };
    const Case cases[] = {
        {"0 0", "              10 to 20 Pile Diameter based on the Density"},
        {"1 0", "              At Effective Stress Reaching 3,500 psf (185 kPa)"},
        {"2 12.5", "              At User-Specified Critical Depth =     12.50 FT."},
    };
    for (const auto& c : cases) {
        auto s = sand({.critical = c.record});
        std::ostringstream out;
        TextOut t(&out);
        write_input_echo(t, *s);
        EXPECT_NE(out.str().find("          - USACE (U.S. Army Corps of Engineers)\n"
                                 "            # Critical Depth Method for Sand:\n" +
                                 std::string(c.line) + "\n"),
                  std::string::npos)
            << c.record;
    }
}

// The example selecting FHWA, USACE, Revised Lambda and API RP-2A prints the
// tables of the computed methods in the fixed order of the passes.
TEST(Usace, FourMethodExampleTablesInOrder) {
    const std::string base = std::string(TARNE_EXAMPLES_DIR) + "/four_methods_english";
    const auto run = test::run_project(test::read_lines(base + ".tq7d"), test::read_lines(base + ".cpt"));
    ASSERT_EQ(run.result.status, 0) << run.result.message;
    const char* const banners[] = {"*  FED. HWY. METHOD  *", "* ARMY CORPS METHOD  *", "*  LAMBDA 2 METHOD   *",
                                   "*  API RP-2A (1994)  *"};
    std::size_t previous = 0;
    for (int code = kFhwa; code <= kApi; ++code) {
        const auto at = run.report.find(banners[code - 1]);
        EXPECT_EQ(at != std::string::npos, run.state->results[code].computed) << code;
        if (at == std::string::npos) continue;
        EXPECT_GT(at, previous) << code;
        previous = at;
    }
    for (const int code : {kUsace, kLambda, kApi}) EXPECT_TRUE(run.state->results[code].computed) << code;
}

}  // namespace
}  // namespace tarne
