#include "methods/user_specified.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "passes.h"
#include "project_fixture.h"
#include "text_out.h"

namespace tarne {
namespace {

using testing::load_project;
using testing::with;

// English: a 12 in pile, 8 ft embedded, 1 ft elements, one sand layer with
// user unit friction {UF} and end bearing {UB} (psf), factors {SF} and {EF}.
const char* const kUserProject =
    "User\r\nDesigner\r\nJob\r\n"
    "1 1 2 {CLOSED} \r\n0 0 12 {ID} 29000000 8 0 \r\n0 0 \r\n0 1 1 0 5 1 {FT} \r\n0 0 0 0 1 0 0 0 0 \r\n20 0 \r\n"
    "0.0 1 0.8 120 30 20 \r\n0 0 0.0 10 0.0 0.0 0 {UF} {UB} {SF} {EF} 0 \r\n"
    "20 1 0.8 120 30 20 \r\n0 0 0.0 10 0.0 0.0 0 {UF} {UB} {SF} {EF} 0 \r\n"
    "0 \r\n{LOAD} 0.8 \r\n0 {PLUG} \r\n2 0 \r\n0 0 \r\n8 0 \r\n0 0 \r\n";

struct Project {
    const char* closed = "1";
    const char* id = "0";
    const char* friction = "1000";  // psf
    const char* bearing = "20000";
    const char* side_factor = "1";
    const char* end_factor = "1";
    const char* load = "0";
    const char* plug = "0";
    const char* factored_transfer = "0";
};

// The state after the first pass's user-specified step, with the report
// lines it wrote.
struct Outcome {
    std::unique_ptr<AnalysisState> s;
    std::string report;
};

std::string project_text(const Project& p) {
    std::string text = with(kUserProject, "CLOSED", p.closed);
    text = with(text, "ID", p.id);
    text = with(text, "UF", p.friction);
    text = with(text, "UB", p.bearing);
    text = with(text, "SF", p.side_factor);
    text = with(text, "EF", p.end_factor);
    text = with(text, "LOAD", p.load);
    text = with(text, "PLUG", p.plug);
    return with(text, "FT", p.factored_transfer);
}

Outcome run_first_pass(const Project& p) {
    Outcome run{load_project(project_text(p)), {}};
    run.s->run_pass = 1;
    std::ostringstream report;
    std::ostringstream plot;
    {
        TextOut report_out(&report);
        TextOut plot_out(&plot);
        prepare_capacity_pass(*run.s);
        run_pass_methods(*run.s, report_out, plot_out);
    }
    run.report = report.str();
    return run;
}

// 1000 psf = 1 ksf on a perimeter of 3.14159 ft adds 3.14159 kips per foot;
// the tip is 0.7853975 ft2 * 20 ksf = 15.70795 kips at every point, the
// surface included (the first element's bearing). The tension factor 0.8 on
// file does not apply in compression.
TEST(UserSpecified, HandCheckedCapacity) {
    const Outcome run = run_first_pass({});
    const MethodResults& r = run.s->results[kUserSpecified];
    ASSERT_TRUE(r.computed);
    EXPECT_NE(run.report.find("* GENERAL METHOD *"), std::string::npos);
    EXPECT_EQ(r.skin_friction[1], 0.0);
    EXPECT_NEAR(r.skin_friction[2], 3.14159, 1e-9);
    EXPECT_NEAR(r.skin_friction[9], 8 * 3.14159, 1e-9);
    EXPECT_NEAR(r.tip[1], 15.70795, 1e-9);
    EXPECT_NEAR(r.tip[9], 15.70795, 1e-9);
    EXPECT_NEAR(r.ultimate[9], 25.13272 + 15.70795, 1e-9);
    EXPECT_NEAR(r.unit_side[4], 1.0, 1e-12);  // ksf, of the element below the point
    EXPECT_EQ(r.side_for_transfer[9], r.skin_friction[9]);
}

TEST(UserSpecified, SideAndEndFactors) {
    // Every increment is halved, the first one included; the end factor
    // 0.9 scales the tip, and the hand-over undoes it for load transfer. The
    // skin friction for load transfer is the factored one even when the
    // project asks for unfactored transfer values.
    const Outcome run = run_first_pass({.side_factor = "0.5", .end_factor = "0.9"});
    const MethodResults& r = run.s->results[kUserSpecified];
    EXPECT_NEAR(r.skin_friction[2], 1.570795, 1e-9);
    EXPECT_NEAR(r.skin_friction[9], 4 * 3.14159, 1e-9);
    EXPECT_NEAR(r.side_for_transfer[9], 4 * 3.14159, 1e-9);
    EXPECT_NEAR(r.tip[5], 0.9 * 15.70795, 1e-9);
    EXPECT_NEAR(r.tip_for_transfer[5], 0.9 * 15.70795, 1e-9);
}

// The tip at a point takes the bearing of the element above it (element j - 1).
TEST(UserSpecified, TipUsesTheElementAboveThePoint) {
    auto s = load_project(project_text({}));
    prepare_capacity_pass(*s);
    for (int k = 5; k <= s->element_count; ++k) s->seg_user_bearing[k] = 40.0;  // ksf from 4 ft
    compute_user_method(*s);
    EXPECT_NEAR(s->tip_user[1], 15.70795, 1e-9);  // the first element's
    EXPECT_NEAR(s->tip_user[5], 15.70795, 1e-9);  // 4 ft: element 4, above the change
    EXPECT_NEAR(s->tip_user[6], 31.4159, 1e-9);   // 5 ft: element 5
}

// In tension the user values are reduced by the tension factor (0.8) and
// the chain runs: a closed pile's tip column holds its self weight times
// the end factor (0.49 kcf * 0.7853975 ft2 * 8 ft * 0.9 = 2.770882 kips, no
// water table); an open pile with the plug left to the program keeps the
// user bearing, 0.7853975 * 20 * 0.8 * 0.9 = 11.309724 kips.
TEST(UserSpecified, TensionRunsTheChain) {
    const Outcome closed = run_first_pass({.end_factor = "0.9", .load = "1"});
    EXPECT_NEAR(closed.s->results[kUserSpecified].skin_friction[9], 8 * 0.8 * 3.14159, 1e-9);
    EXPECT_NEAR(closed.s->results[kUserSpecified].tip[9], 2.770882, 1e-6);
    // The table keeps the compression headings in tension.
    EXPECT_NE(closed.report.find("PENETRATION   FRICTION       BEARING     CAPACITY"), std::string::npos);

    const Outcome open = run_first_pass({.closed = "0", .id = "11", .end_factor = "0.9", .load = "1"});
    EXPECT_NEAR(open.s->results[kUserSpecified].tip[9], 11.309724, 1e-6);
}

// Without any user value the method is not computed and prints no table;
// once computed it is not computed again in the second pass.
TEST(UserSpecified, ComputedOnceAndOnlyWithUserValues) {
    const Outcome none = run_first_pass({.friction = "0", .bearing = "0"});
    EXPECT_FALSE(none.s->results[kUserSpecified].computed);
    EXPECT_EQ(none.report.find("GENERAL METHOD"), std::string::npos);

    const Outcome bearing_only = run_first_pass({.friction = "0"});
    EXPECT_TRUE(bearing_only.s->results[kUserSpecified].computed);
    EXPECT_FALSE(user_method_due(*bearing_only.s));
}

}  // namespace
}  // namespace tarne
