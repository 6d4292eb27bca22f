#include "methods/lambda.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "framework.h"
#include "passes.h"
#include "project_fixture.h"

namespace tarne {
namespace {

using testing::load_project;
using testing::with;

constexpr double kPerimeter = 3.14159;  // ft, 12 in pile

// Open 12 in steel pipe (ID 11 in, E 29,000,000 psi), 40 ft embedded, 1 ft
// elements, soil to 50 ft: clay with su {SU1} psf to 10 ft over clay with
// su {SU2} psf, effective unit weight {G} pcf; Lambda selected.
// A = 3.14159 * 0.25 * (12^2 - 11^2) = 18.064142 in2,
// D_c = 29,000,000 * 18.064142 * 0.1 = 52,386,013.
struct Clays {
    const char* su_upper = "500";
    const char* su_lower = "300";
    const char* gamma = "60";
    const char* zero_friction = "0";  // ft
    const char* max_friction = "0";   // psf, 0 no limit
    const char* side_factor = "1";
    const char* factored = "0";       // factored skin friction for load transfer
    const char* load = "0";           // 1 tension, factor 0.8
    const char* modulus = "29000000";
};

std::unique_ptr<AnalysisState> clays(const Clays& p) {
    std::string text =
        "Two clays\r\nDesigner\r\nJob\r\n"
        "1 1 4 0 \r\n0 0 12 11 {E} 40 0 \r\n0 0 \r\n{ZFL} 1 1 0 3 1 {FT} \r\n0 0 1 0 0 0 0 0 0 \r\n50 0 \r\n"
        "0.0 2 0.0 {G} 0.0 0.0 \r\n{MAXF} 0 {SU1} 250 1 20 0 0 0 {SF} 1 1 \r\n"
        "10 2 0.0 {G} 0.0 0.0 \r\n{MAXF} 0 {SU1} 250 1 20 0 0 0 {SF} 1 1 \r\n"
        "10 2 0.0 {G} 0.0 0.0 \r\n{MAXF} 0 {SU2} 150 1 20 0 0 0 {SF} 1 1 \r\n"
        "50 2 0.0 {G} 0.0 0.0 \r\n{MAXF} 0 {SU2} 150 1 20 0 0 0 {SF} 1 1 \r\n"
        "0 \r\n{LOAD} 0.8 \r\n0 0 \r\n2 0 \r\n0 0 \r\n40 0 \r\n0 0 \r\n";
    text = with(text, "SU1", p.su_upper);
    text = with(text, "SU2", p.su_lower);
    text = with(text, "G", p.gamma);
    text = with(text, "ZFL", p.zero_friction);
    text = with(text, "MAXF", p.max_friction);
    text = with(text, "SF", p.side_factor);
    text = with(text, "FT", p.factored);
    text = with(text, "LOAD", p.load);
    return load_project(with(text, "E", p.modulus));
}

// Pre-step and opening chains, then Revised Lambda with its chain run and results.
void run_lambda(AnalysisState& s) {
    prepare_capacity_pass(s);
    compute_lambda_method(s);
    run_chain(s, lambda_rules());
    form_method_results(s, kLambda);
}

// su 0.5 ksf to 10 ft over 0.3 ksf, 60 pcf (sigma' = 0.06 z ksf). While
// every unit friction above is positive and unlimited, the cumulative skin
// friction at a point is the method's total there, Q = lambda (sigma +
// 2 c) P z, and the unit friction is (Q(z) - Q(z - 1)) / P.
TEST(Lambda, HandCheckedInTwoClayLayers) {
    auto s = clays({});
    run_lambda(*s);
    const MethodResults& r = s->results[kLambda];
    EXPECT_EQ(s->lambda_cum_side[1], 0.0);  // depth 0: pi2 = 0, lambda = 0
    EXPECT_EQ(s->lambda_unit_side[1], 0.0);

    // z = 5 ft: sigma = 0.15, c = 0.5 (ratio 3.3: first branch);
    // pi2 = 3.14159 * 12 * 25 * 0.5 * 1000 / 52,386,013 = 0.0089955,
    // lambda = 0.232 - 0.032 ln 0.0089955 = 0.232 + 0.150753 = 0.382753,
    // Q = 0.382753 * (0.15 + 1.0) * 3.14159 * 5 = 6.914104 kips.
    // At 4 ft: sigma 0.12, pi2 0.0057571, lambda 0.397034, Q = 5.587987;
    // f(5) = (6.914104 - 5.587987) / 3.14159 = 0.422117 ksf.
    EXPECT_NEAR(s->lambda_mean_stress[6], 0.15, 1e-12);
    EXPECT_NEAR(s->lambda_mean_strength[6], 0.5, 1e-12);
    EXPECT_NEAR(s->lambda_cum_side[6], 6.914104, 1e-6);
    EXPECT_NEAR(s->lambda_unit_side[6], 0.422117, 1e-6);

    // z = 20 ft, both layers: sigma = 0.6, c = (0.5 * 10 + 0.3 * 10) / 20 = 0.4
    // (ratio 0.67); pi2 = 3.14159 * 12 * 400 * 0.4 * 1000 / 52,386,013 = 0.115142,
    // lambda = 0.232 + 0.032 * 2.161589 = 0.301171,
    // Q = 0.301171 * (0.6 + 0.8) * 3.14159 * 20 = 26.492339 kips.
    // At 19 ft: sigma 0.57, c 0.405263, Q = 25.053688;
    // f(20) = (26.492339 - 25.053688) / 3.14159 = 0.457937 ksf.
    EXPECT_NEAR(s->lambda_mean_stress[21], 0.6, 1e-12);
    EXPECT_NEAR(s->lambda_mean_strength[21], 0.4, 1e-12);
    EXPECT_NEAR(s->lambda_cum_side[21], 26.492339, 1e-6);
    EXPECT_NEAR(s->lambda_unit_side[21], 0.457937, 1e-6);
    EXPECT_EQ(r.skin_friction[21], s->lambda_cum_side[21]);
    EXPECT_EQ(r.unit_side[21], s->lambda_unit_side[21]);
    EXPECT_EQ(r.side_for_transfer[21], s->lambda_cum_side[21]);
}

// At 31 ft c / sigma = 0.364516 / 0.93 drops below 0.4 and lambda falls to
// the second branch: 0.178 - 0.016 ln 0.252090 = 0.200048, Q = 0.200048 *
// (0.93 + 0.729032) * 3.14159 * 31 = 32.322 kips, below the 42.795560 kips
// reached at 30 ft. The negative unit friction is replaced by that of 30 ft,
// (42.795560 - Q(29)) / P = 0.567026 ksf, so the skin friction still grows:
// 42.795560 + 3.14159 * 0.567026 = 44.576921 kips.
TEST(Lambda, FallingTotalKeepsThePreviousUnitFriction) {
    auto s = clays({});
    run_lambda(*s);
    EXPECT_NEAR(s->lambda_cum_side[31], 42.795560, 1e-6);
    EXPECT_NEAR(s->lambda_unit_side[31], 0.567026, 1e-6);
    EXPECT_EQ(s->lambda_unit_side[32], s->lambda_unit_side[31]);
    EXPECT_NEAR(s->lambda_cum_side[32], 44.576921, 1e-6);
    for (int j = 2; j <= s->output_point_count; ++j) EXPECT_GE(s->lambda_cum_side[j], s->lambda_cum_side[j - 1]) << j;
}

// Uniform clay, su 1.0 ksf, 50 pcf: at 20 ft sigma = 0.5, c = 1.0,
// pi2 = 3.14159 * 12 * 400 * 1000 / 52,386,013 = 0.287856, lambda = 0.232 +
// 0.032 * 1.245263 = 0.271849, Q = 0.271849 * 2.5 * 3.14159 * 20 = 42.701972 kips.
TEST(Lambda, UniformClay) {
    auto s = clays({.su_upper = "1000", .su_lower = "1000", .gamma = "50"});
    run_lambda(*s);
    EXPECT_NEAR(s->lambda_cum_side[21], 42.701972, 1e-6);
}

TEST(Lambda, Coefficient) {
    struct Case { double pi2, strength, stress, lambda; };
    const Case cases[] = {
        {0.0, 1.0, 0.5, 0.0},                 // depth 0: no logarithm of zero
        {0.287856, 1.0, 0.5, 0.271849},       // ratio 2: 0.232 - 0.032 ln pi2
        {0.25209, 0.364516, 0.93, 0.200048},  // ratio 0.39: 0.178 - 0.016 ln pi2
        {0.5, 0.4, 1.0, 0.254181},            // ratio exactly 0.4: first branch
        {100.0, 1.0, 0.5, 0.14},              // 0.232 - 0.032 * 4.605 = 0.085, raised
        {100.0, 0.1, 1.0, 0.14},              // 0.178 - 0.016 * 4.605 = 0.104, raised
        {0.5, 1.0, 0.0, 0.254181},            // no effective stress: first branch
    };
    for (const auto& c : cases)
        EXPECT_NEAR(lambda_coefficient(c.pi2, c.strength, c.stress), c.lambda, 1e-6) << c.pi2 << " " << c.strength;
}

// Decided correction: a given tip area enters the stiffness in in2 (mm2),
// not in the ft2 (m2) in which it is stored.
TEST(Lambda, StiffnessAreaInSquareInchesOrMillimetres) {
    struct Case { int units; double od, id, tip_area, area; };
    const Case cases[] = {
        {kEnglish, 12.0, 11.0, 0.0, 18.064142},       // 3.14159 / 4 * (144 - 121)
        {kEnglish, 17.95, 0.0, 21.4 / 144.0, 21.4},   // H-pile, 21.4 in2 stored as ft2
        {kSI, 324.0, 0.0, 0.0138, 13800.0},           // 0.0138 m2
        {kSI, 610.0, 580.0, 0.0, 28038.691},          // 3.14159 / 4 * (372,100 - 336,400)
    };
    for (const auto& c : cases) {
        AnalysisState s;
        s.unit_system = c.units;
        s.outside_diameter = c.od;
        s.enhanced_end_inside_diameter = c.id;
        s.tip_area = c.tip_area;
        EXPECT_NEAR(lambda_stiffness_area(s), c.area, 1e-3) << c.od;
    }
}

// Elements wholly inside the zero-friction length lose their strength; the
// element that straddles its end keeps it. Their stress still counts.
TEST(Lambda, ZeroFrictionLength) {
    struct Case { const char* length; int last_zeroed; };
    const Case cases[] = {{"0", 0}, {"5", 5}, {"4.5", 4}, {"60", 50}};
    for (const auto& c : cases) {
        auto s = clays({.zero_friction = c.length});
        run_lambda(*s);
        for (int k = 1; k <= s->element_count; ++k)
            ASSERT_EQ(s->lambda_element_strength[k], k <= c.last_zeroed ? 0.0 : (k <= 10 ? 0.5 : 0.3))
                << c.length << " element " << k;
    }
    // 5 ft: at 10 ft c = 0.5 * 5 / 10 = 0.25 while sigma = 0.3 over the whole depth.
    auto s = clays({.zero_friction = "5"});
    run_lambda(*s);
    EXPECT_NEAR(s->lambda_mean_strength[11], 0.25, 1e-12);
    EXPECT_NEAR(s->lambda_mean_stress[11], 0.3, 1e-12);
    EXPECT_EQ(s->lambda_cum_side[6], 0.0);
    EXPECT_GT(s->lambda_cum_side[7], 0.0);
}

TEST(Lambda, TensionScalesEveryCumulativeValue) {
    // Uniform clay: the total grows at every point, nothing is replaced.
    auto compression = clays({.su_upper = "1000", .su_lower = "1000"});
    auto tension = clays({.su_upper = "1000", .su_lower = "1000", .load = "1"});
    run_lambda(*compression);
    run_lambda(*tension);
    for (int j = 2; j <= compression->output_point_count; ++j) {
        ASSERT_GT(compression->lambda_unit_side[j], 0.0) << j;
        EXPECT_NEAR(tension->lambda_cum_side[j], 0.8 * compression->lambda_cum_side[j], 1e-9) << j;
        // The unit friction shown is the growth of the reduced total.
        EXPECT_NEAR(tension->lambda_unit_side[j],
                    (tension->lambda_cum_side[j] - tension->lambda_cum_side[j - 1]) / kPerimeter, 1e-9) << j;
    }
}

TEST(Lambda, LimitHoldsTheUnitFriction) {
    auto s = clays({.max_friction = "400"});  // 0.4 ksf, below every unlimited value to 10 ft
    run_lambda(*s);
    for (int j = 2; j <= 11; ++j) {
        EXPECT_EQ(s->lambda_unit_side[j], 0.4) << j;
        EXPECT_NEAR(s->lambda_cum_side[j] - s->lambda_cum_side[j - 1], 0.4 * kPerimeter, 1e-9) << j;
    }
}

TEST(Lambda, SideFactorsAndTheTransferFlag) {
    auto plain = clays({});
    auto unfactored_transfer = clays({.side_factor = "0.5"});
    auto factored_transfer = clays({.side_factor = "0.5", .factored = "1"});
    for (auto* s : {plain.get(), unfactored_transfer.get(), factored_transfer.get()}) run_lambda(*s);
    for (int j = 2; j <= plain->output_point_count; ++j) {
        const double c = plain->lambda_cum_side[j];
        EXPECT_NEAR(unfactored_transfer->results[kLambda].skin_friction[j], 0.5 * c, 1e-9) << j;
        EXPECT_NEAR(factored_transfer->results[kLambda].skin_friction[j], 0.5 * c, 1e-9) << j;
        EXPECT_NEAR(unfactored_transfer->results[kLambda].side_for_transfer[j], c, 1e-9) << j;
        EXPECT_NEAR(factored_transfer->results[kLambda].side_for_transfer[j], 0.5 * c, 1e-9) << j;
        EXPECT_EQ(unfactored_transfer->lambda_unit_side[j], plain->lambda_unit_side[j]) << j;  // never factored
    }
}

// Sand element strength sigma'mid K0 tan(phi), with a zero K0 taken as 1.0
// and left so in the element array for the plug friction of the chain.
TEST(Lambda, SandStrengthWithZeroK0) {
    const char* const sand =
        "Sand\r\nDesigner\r\nJob\r\n"
        "1 1 2 1 \r\n0 0 12 0 29000000 8 0 \r\n0 0 \r\n0 1 1 0 3 1 0 \r\n0 0 1 0 0 0 0 0 0 \r\n20 0 \r\n"
        "0.0 1 0 100 30 20 \r\n0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 \r\n"
        "20 1 0 100 30 20 \r\n0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 \r\n"
        "0 \r\n0 1 \r\n0 0 \r\n2 0 \r\n0 0 \r\n8 0 \r\n0 0 \r\n";
    auto s = load_project(sand);
    run_lambda(*s);
    EXPECT_EQ(s->seg_k0[3], 1.0);
    // Element 3, 2 to 3 ft: (0.2 + 0.3) / 2 * 1.0 * tan(30) = 0.25 * 0.577350 = 0.144338 ksf.
    EXPECT_NEAR(s->lambda_element_strength[3], 0.144338, 1e-6);
}

// A pile without axial stiffness is infinitely compressible: lambda takes
// its floor of 0.14 instead of a division by zero. At 20 ft:
// 0.14 * (0.6 + 2 * 0.4) * 3.14159 * 20 = 12.315033 kips.
TEST(Lambda, NoAxialStiffnessTakesTheFloor) {
    auto s = clays({.modulus = "0"});
    run_lambda(*s);
    EXPECT_NEAR(s->lambda_cum_side[21], 12.315033, 1e-6);
    for (int j = 1; j <= s->output_point_count; ++j) ASSERT_TRUE(std::isfinite(s->lambda_cum_side[j])) << j;
}

}  // namespace
}  // namespace tarne
