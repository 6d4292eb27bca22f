#include "methods/fhwa_charts.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarne {
namespace {

struct Case {
    const char* chart;
    std::function<double()> value;
    double expected;
};

// Every chart at a breakpoint, between breakpoints, and outside its range;
// the charts of several curves also between curves and beyond the outer ones.
TEST(FhwaCharts, BreakpointsBetweenAndOutside) {
    const Case cases[] = {
        // delta/phi by pile type against V (ft3/ft).
        {"delta/phi pipe, below 0.08", [] { return delta_ratio_chart(0.05, 1); }, 0.342},
        {"delta/phi timber at 0.52", [] { return delta_ratio_chart(0.52, 2); }, 0.527},
        {"delta/phi precast 0.46", [] { return delta_ratio_chart(0.46, 3); }, 0.5575},  // 0.525 + 0.065 * 0.5
        {"delta/phi step-taper 0.7", [] { return delta_ratio_chart(0.7, 4); }, 0.775},  // (0.736 + 0.814) / 2
        {"delta/phi uniform taper above 1.9", [] { return delta_ratio_chart(2.5, 5); }, 1.27},
        {"delta/phi H-pile 0.15", [] { return delta_ratio_chart(0.15, 6); }, 0.787},    // (0.747 + 0.827) / 2
        {"delta/phi H-pile at 0.3", [] { return delta_ratio_chart(0.3, 6); }, 0.8875},
        {"delta/phi tapered monotube 1.3", [] { return delta_ratio_chart(1.3, 7); }, 0.976},

        // CF against delta/phi and phi.
        {"CF 0.342 at 30", [] { return cf_chart(0.342, 30); }, 0.6581},  // 0.58 + 0.11 * 0.142 / 0.2
        {"CF below 0.2, below 14", [] { return cf_chart(0.1, 10); }, 0.83},
        {"CF 0.5 at 24", [] { return cf_chart(0.5, 24); }, 0.82},        // (0.77 + 0.87) / 2
        {"CF 1.0 above 45", [] { return cf_chart(1.0, 50); }, 1.0},
        {"CF 1.2 at 45", [] { return cf_chart(1.2, 45); }, 1.12},
        {"CF above 1.2 at 45", [] { return cf_chart(1.21, 45); }, 1.16},
        {"CF 1.27 at 38", [] { return cf_chart(1.27, 38); }, 1.1},

        // K-delta against omega (degrees) and V (ft3/ft).
        {"K25 omega 0, V 0.1", [] { return kdelta_chart_25(0, 0.1); }, 0.7},
        {"K25 omega 0, V below 0.1", [] { return kdelta_chart_25(0, 0.05); }, 0.7},
        {"K25 omega 0, V 0.55", [] { return kdelta_chart_25(0, 0.55); }, 0.775},       // 0.7 + 0.15 * 0.45 / 0.9
        {"K25 omega 0.5, V 5.5", [] { return kdelta_chart_25(0.5, 5.5); }, 1.4155},    // 1.353 + 0.125 * 4.5 / 9
        {"K25 omega above 1.2", [] { return kdelta_chart_25(1.5, 1); }, 2.917},
        {"K25 omega 0, V above 10", [] { return kdelta_chart_25(0, 20); }, 1.0},
        {"K30 omega 0.15, V 1", [] { return kdelta_chart_30(0.15, 1); }, 1.5185},      // (1.408 + 1.629) / 2
        {"K30 omega 1.9, V 0.1", [] { return kdelta_chart_30(1.9, 0.1); }, 6.494},
        {"K30 omega above 1.9", [] { return kdelta_chart_30(3, 10); }, 6.494},
        {"K35 omega 0.25, V 0.1", [] { return kdelta_chart_35(0.25, 0.1); }, 2.32},
        {"K35 omega 0.225, V 10", [] { return kdelta_chart_35(0.225, 10); }, 3.545},   // (3.37 + 3.72) / 2
        {"K35 omega 0, V 0.55", [] { return kdelta_chart_35(0, 0.55); }, 1.45},        // 1.15 + 0.6 * 0.5
        {"K35 omega above 2", [] { return kdelta_chart_35(2.5, 1); }, 10.34},
        {"K40 omega 0.1, V 1", [] { return kdelta_chart_40(0.1, 1); }, 6.352},
        {"K40 omega 0.05, V 10", [] { return kdelta_chart_40(0.05, 10); }, 5.67},      // (4.3 + 7.04) / 2
        {"K40 omega 1, between 0.56 and 2", [] { return kdelta_chart_40(1, 0.1); }, 17.54},
        {"K40 omega below 0", [] { return kdelta_chart_40(-1, 0.1); }, 1.7},

        // alpha-t against phi and L/D.
        {"alpha-t 42.5, L/D 10", [] { return alpha_t_chart(42.5, 10); }, 0.78},
        {"alpha-t 42.5, L/D 30", [] { return alpha_t_chart(42.5, 30); }, 0.78},
        {"alpha-t 42.5, L/D 60", [] { return alpha_t_chart(42.5, 60); }, 0.78},
        {"alpha-t 20, L/D 25", [] { return alpha_t_chart(20, 25); }, 0.3105},          // (0.365 + 0.256) / 2
        {"alpha-t 26.25, L/D 37.5", [] { return alpha_t_chart(26.25, 37.5); }, 0.37675},  // (0.3945 + 0.359) / 2
        {"alpha-t 30, L/D 30", [] { return alpha_t_chart(30, 30); }, 0.52},
        {"alpha-t below 20", [] { return alpha_t_chart(15, 20); }, 0.365},
        {"alpha-t above 45", [] { return alpha_t_chart(50, 45); }, 0.8},

        // N'q and the limiting tip resistance against phi.
        {"N'q below 15", [] { return nq_prime_chart(10); }, 4.8},
        {"N'q 18.75", [] { return nq_prime_chart(18.75); }, 7.2},
        {"N'q 33.75", [] { return nq_prime_chart(33.75); }, 53.5},
        {"N'q at 45", [] { return nq_prime_chart(45); }, 475},
        {"N'q above 45", [] { return nq_prime_chart(50); }, 475},
        {"tip limit below 30", [] { return tip_limit_chart(25); }, 6.66},
        {"tip limit 34.375", [] { return tip_limit_chart(34.375); }, 43.15},           // (32.5 + 53.8) / 2
        {"tip limit at 40", [] { return tip_limit_chart(40); }, 208.8},
        {"tip limit above 43.75", [] { return tip_limit_chart(50); }, 368.8},

        // Adhesion factor against su (ksf) and the penetration ratio.
        {"case 1 ratio up to 10", [] { return adhesion_case_1(2.0, 5); }, 1.0},
        {"case 1 ratio 15", [] { return adhesion_case_1(2.0, 15); }, 0.975},           // 1 + (0.95 - 1) / 2
        {"case 1 ratio 30", [] { return adhesion_case_1(2.0, 30); }, 0.815},           // (0.95 + 0.68) / 2
        {"case 1 ratio above 40", [] { return adhesion_case_1(2.0, 50); }, 0.68},
        {"case 1 su above 4.5", [] { return adhesion_case_1(5.0, 40); }, 0.4},
        {"case 1 su 2.25, ratio 20", [] { return adhesion_case_1(2.25, 20); }, 0.9125},
        {"case 2 su 0.25, ratio up to 10", [] { return adhesion_case_2(0.25, 5); }, 0.6095},
        {"case 2 su 1, ratio 15", [] { return adhesion_case_2(1.0, 15); }, 0.572},     // (0.398 + 0.746) / 2
        {"case 2 ratio above 20", [] { return adhesion_case_2(4.5, 25); }, 0.54},
        {"case 2 su above 4.5", [] { return adhesion_case_2(6.0, 20); }, 0.54},
        {"case 3 ratio 10", [] { return adhesion_case_3(2.5, 10); }, 0.443},
        {"case 3 ratio 25", [] { return adhesion_case_3(2.5, 25); }, 0.572},           // (0.443 + 0.701) / 2
        {"case 3 ratio above 40", [] { return adhesion_case_3(2.5, 100); }, 0.701},
        {"case 3 su below 0", [] { return adhesion_case_3(-1.0, 40); }, 1.0},
        {"case 3 su 3.25, ratio 40", [] { return adhesion_case_3(3.25, 40); }, 0.445},  // (0.502 + 0.388) / 2
    };
    for (const auto& c : cases) EXPECT_NEAR(c.value(), c.expected, 1e-9) << c.chart;
}

}  // namespace
}  // namespace tarne
