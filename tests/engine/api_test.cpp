#include "methods/api.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework.h"
#include "passes.h"
#include "project_fixture.h"

namespace tarne {
namespace {

using testing::load_project;
using testing::run_api;
using testing::with;

constexpr double kPerimeter = 3.14159;  // ft, 12 in pile

// Sand 0-4 ft (125 pcf, phi 35, K0 0.8) over clay (50 pcf, su 1 ksf);
// closed 12 in pipe, 8 ft embedded, 1 ft elements.
const char* const kSandOverClay =
    "Sand over clay\r\nDesigner\r\nJob\r\n"
    "1 1 4 1 \r\n0 0 12 0 29000000 8 0 \r\n0 0 \r\n0 1 1 0 4 1 0 \r\n0 0 0 1 0 0 0 0 0 \r\n20 0 \r\n"
    "0.0 1 0.8 125 35 40 \r\n0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 \r\n"
    "4 1 0.8 125 35 40 \r\n0 0 0.0 0 0.0 0.0 0 0 0 1 1 0 \r\n"
    "4 2 0.0 50 0.0 0.0 \r\n0 0 1000 500 1 20 0 0 0 1 1 1 \r\n"
    "20 2 0.0 50 0.0 0.0 \r\n0 0 1000 500 1 20 0 0 0 1 1 1 \r\n"
    "0 \r\n0 1 \r\n0 0 \r\n2 0 \r\n0 0 \r\n8 0 \r\n0 0 \r\n";

// Clay from the surface (50 pcf, su 1 ksf), with zero-friction length,
// side factor, factored-transfer flag and loading to fill in.
const char* const kClay =
    "Clay\r\nDesigner\r\nJob\r\n"
    "1 1 2 1 \r\n0 0 12 0 29000000 8 0 \r\n0 0 \r\n{ZFL} 1 1 0 4 1 {FT} \r\n0 0 0 1 0 0 0 0 0 \r\n20 0 \r\n"
    "0.0 2 0.0 50 0.0 0.0 \r\n0 0 1000 500 1 20 0 0 0 {SF} 1 1 \r\n"
    "20 2 0.0 50 0.0 0.0 \r\n0 0 1000 500 1 20 0 0 0 {SF} 1 1 \r\n"
    "0 \r\n{LOAD} 0.8 \r\n0 0 \r\n2 0 \r\n0 0 \r\n8 0 \r\n0 0 \r\n";

std::unique_ptr<AnalysisState> clay(const char* zfl, const char* side_factor, const char* factored,
                                    const char* load) {
    std::string text = with(kClay, "ZFL", zfl);
    text = with(text, "SF", side_factor);
    text = with(text, "FT", factored);
    return load_project(with(text, "LOAD", load));
}

TEST(Api, AdhesionFactorOfClay) {
    EXPECT_DOUBLE_EQ(clay_alpha(1.0, 1.0), 0.5);
    EXPECT_DOUBLE_EQ(clay_alpha(0.25, 1.0), 1.0);
    EXPECT_DOUBLE_EQ(clay_alpha(16.0, 1.0), 0.25);
    EXPECT_DOUBLE_EQ(clay_alpha(0.1, 1.0), 1.0);  // 1.58, capped
}

TEST(Api, HandCheckedSkinFrictionInSandAndClay) {
    auto s = load_project(kSandOverClay);
    run_api(*s);
    // Sand: sigma' K0 tan(35 - 5) = sigma' * 0.8 * 0.577350 = 0.461880 sigma'.
    EXPECT_NEAR(s->api_unit_side[3], 0.25 * 0.461880, 1e-6);  // 2 ft: 0.115470 ksf
    // Clay at 5 ft: sigma' = 0.55 ksf, psi = 1.818182, alpha = 0.5 / psi^0.25 = 0.430587.
    EXPECT_NEAR(s->api_unit_side[6], 0.430587, 1e-6);
    // Trapezoids of 1 ft times 3.14159 ft: to 4 ft, (0.5*0 + 0.057735 + 0.115470
    // + 0.173205 + 0.5*0.230940) * 3.14159 = 1.451038 kips; to 5 ft, + 0.5 *
    // (0.230940 + 0.430587) * 3.14159 = 2.490161 kips.
    EXPECT_NEAR(s->api_cum_side[5], 1.451038, 1e-6);
    EXPECT_NEAR(s->api_cum_side[6], 2.490161, 1e-6);
    EXPECT_NEAR(s->results[kApi].skin_friction[9], 6.677813, 1e-6);
    // Total at 4 ft: 1.451038 + averaged tip 9.915643.
    EXPECT_NEAR(s->results[kApi].ultimate[5], 11.366681, 1e-6);
    EXPECT_EQ(s->results[kApi].unit_side[6], s->api_unit_side[6]);
}

// The code 9999 asks for the API sand table's limit in either unit system:
// 9999 psf (9.999 ksf once read) as well as 9999 kPa. Any other value is the limit itself.
TEST(Api, SandFrictionLimitCode) {
    const char* const sand =
        "Sand\r\nDesigner\r\nJob\r\n"
        "{U} 1 2 1 \r\n0 0 12 0 29000000 8 0 \r\n0 0 \r\n0 1 1 0 4 1 0 \r\n0 0 0 1 0 0 0 0 0 \r\n20 0 \r\n"
        "0.0 1 0.8 {G} 32.5 20 \r\n{MAXF} 0 0.0 10 0.0 0.0 0 0 0 1 1 0 \r\n"
        "20 1 0.8 {G} 32.5 20 \r\n{MAXF} 0 0.0 10 0.0 0.0 0 0 0 1 1 0 \r\n"
        "0 \r\n0 1 \r\n0 0 \r\n2 0 \r\n0 0 \r\n8 0 \r\n0 0 \r\n";
    struct Case {
        const char* units;
        const char* gamma;
        const char* max_friction;
        double limit;  // ksf / kPa
    };
    const Case cases[] = {
        {"1", "120", "9999", 1.85},  // 1.7 + 0.5 * 0.3
        {"2", "19", "9999", 89.3},   // 83.1 + 0.5 * 12.4
        {"1", "120", "2000", 2.0},   // 2000 psf
        {"2", "19", "75", 75.0},
    };
    for (const auto& c : cases) {
        std::string text = with(sand, "U", c.units);
        text = with(text, "G", c.gamma);
        auto s = load_project(with(text, "MAXF", c.max_friction));
        run_api(*s);
        for (int j = 1; j <= s->output_point_count; ++j)
            EXPECT_NEAR(s->api_side_limit[j], c.limit, 1e-9) << c.units << " " << c.max_friction << " point " << j;
        EXPECT_NEAR(s->seg_max_friction[3], c.limit, 1e-9) << "written back for later methods";
    }
}

TEST(Api, LimitedIncrementsUseTheTrapezoidOfTheLimits) {
    // A limit of 0.1 ksf on the sand elements (the data file's would be 100 psf).
    auto s = load_project(kSandOverClay);
    prepare_capacity_pass(*s);
    for (int k = 1; k <= 4; ++k) s->seg_max_friction[k] = 0.1;
    compute_api_method(*s);
    // The unit friction shown at 3 ft is min(0.173205, 0.1).
    EXPECT_NEAR(s->api_unit_side[4], 0.1, 1e-12);
    // Increment 2..3 ft: raw trapezoid 0.5 (0.115470 + 0.173205) pi = 0.453449
    // exceeds the limits' 0.5 (0.1 + 0.1) pi = 0.314159, which replaces it.
    EXPECT_NEAR(s->api_side_increment[4], 0.314159, 1e-9);
    // Increment 0..1 ft: raw 0.5 (0 + 0.057735) pi = 0.090690 stays.
    EXPECT_NEAR(s->api_side_increment[2], 0.090690, 1e-6);
}

TEST(Api, ZeroFrictionLength) {
    auto s = clay("2.5", "1", "0", "0");
    run_api(*s);
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(s->api_unit_side[j], 0.0) << j;  // 0, 1, 2 ft
    ASSERT_GT(s->api_unit_side[4], 0.0);
    // The first increment below the length is the trapezoid between 0 and 3 ft's value.
    EXPECT_NEAR(s->api_side_increment[4], 0.5 * s->api_unit_side[4] * kPerimeter, 1e-12);
    EXPECT_EQ(s->api_cum_side[3], 0.0);
}

TEST(Api, TensionReducesEveryUnitFrictionFirstPointIncluded) {
    auto compression = clay("0", "1", "0", "0");
    auto tension = clay("0", "1", "0", "1");
    run_api(*compression);
    run_api(*tension);
    // Clay at the surface: alpha su at the top of element 1 is not zero.
    ASSERT_GT(compression->api_unit_side_raw[1], 0.0);
    for (int j = 1; j <= compression->output_point_count; ++j)
        EXPECT_NEAR(tension->api_unit_side_raw[j], 0.8 * compression->api_unit_side_raw[j], 1e-12) << j;
}

TEST(Api, SideFactorsAndTheTransferFlag) {
    auto unfactored_transfer = clay("0", "0.5", "0", "0");
    auto factored_transfer = clay("0", "0.5", "1", "0");
    auto plain = clay("0", "1", "0", "0");
    for (auto* s : {unfactored_transfer.get(), factored_transfer.get(), plain.get()}) run_api(*s);
    for (int j = 2; j <= plain->output_point_count; ++j) {
        const double c = plain->api_cum_side[j];
        EXPECT_NEAR(unfactored_transfer->api_cum_side[j], 0.5 * c, 1e-12) << j;  // the table: always factored
        EXPECT_NEAR(factored_transfer->api_cum_side[j], 0.5 * c, 1e-12) << j;
        EXPECT_NEAR(unfactored_transfer->results[kApi].side_for_transfer[j], c, 1e-12) << j;
        EXPECT_NEAR(factored_transfer->results[kApi].side_for_transfer[j], 0.5 * c, 1e-12) << j;
        EXPECT_EQ(plain->api_cum_side_for_transfer[j], c) << j;
    }
}

TEST(Api, EndBearingRuleInSand) {
    auto s = load_project(kSandOverClay);
    prepare_stress_and_parameters(*s);
    double top = 0;
    double bottom = 0;
    api_end_bearing_rule(*s, 4, top, bottom);
    EXPECT_NEAR(top, 40.0 * 0.375, 1e-12);  // Nq sigma', below the 200 ksf of 35 degrees
    EXPECT_NEAR(bottom, 40.0 * 0.5, 1e-12);
    s->seg_nq[4] = 1000.0;
    api_end_bearing_rule(*s, 4, top, bottom);
    EXPECT_NEAR(bottom, 200.0, 1e-12);  // the API table's limit
    s->seg_max_bearing[4] = 50.0;
    api_end_bearing_rule(*s, 4, top, bottom);
    EXPECT_NEAR(bottom, 50.0, 1e-12);  // the user's maximum instead
}

TEST(Api, SiltWithoutStrengthCarriesNothing) {
    const char* const silt =
        "Silt\r\nDesigner\r\nJob\r\n"
        "1 1 2 1 \r\n0 0 12 0 29000000 8 0 \r\n0 0 \r\n0 1 1 0 4 1 0 \r\n0 0 0 1 0 0 0 0 0 \r\n20 0 \r\n"
        "0.0 3 0.8 110 28 0.0 \r\n0 0 0 10 0.0 0.0 0.0 0.0 0.0 1 1 0 \r\n"
        "20 3 0.8 110 28 0.0 \r\n0 0 0 10 0.0 0.0 0.0 0.0 0.0 1 1 0 \r\n"
        "0 \r\n0 1 \r\n0 0 \r\n2 0 \r\n0 0 \r\n8 0 \r\n0 0 \r\n";
    auto s = load_project(silt);
    run_api(*s);
    const int tip = s->output_point_count;
    EXPECT_EQ(s->results[kApi].skin_friction[tip], 0.0);
    EXPECT_EQ(s->results[kApi].tip[tip], 0.0);
}

// When the tip lies at the bottom of the last element, the last point has no
// element below it; its factors come from the last element, not from an
// unused table entry.
TEST(Api, LastPointWithoutAnElementBelowUsesTheLastElement) {
    const char* const coarse =
        "Coarse grid\r\nDesigner\r\nJob\r\n"
        "1 1 2 1 \r\n0 0 12 0 29000000 10 0 \r\n0 0 \r\n0 2.5 1 0 4 1 0 \r\n0 0 0 1 0 0 0 0 0 \r\n12 0 \r\n"
        "0.0 2 0.0 50 0.0 0.0 \r\n0 0 1000 500 1 20 0 0 0 0.9 0.8 1 \r\n"
        "12 2 0.0 50 0.0 0.0 \r\n0 0 1000 500 1 20 0 0 0 0.9 0.8 1 \r\n"
        "0 \r\n0 1 \r\n0 0 \r\n2 0 \r\n0 0 \r\n10 0 \r\n0 0 \r\n";
    auto s = load_project(coarse);
    ASSERT_EQ(s->element_count, 4);       // trunc(12 / 2.5)
    ASSERT_EQ(s->output_point_count, 5);  // 0 .. 10 ft
    run_api(*s);
    const MethodResults& r = s->results[kApi];
    EXPECT_NEAR(r.tip[5], 0.8 * s->tip_resistance[5], 1e-12);
    EXPECT_GT(r.tip[5], 0.0);
    EXPECT_NEAR(r.skin_friction[5] - r.skin_friction[4], 0.9 * s->api_side_increment[5], 1e-12);
}

}  // namespace
}  // namespace tarne
