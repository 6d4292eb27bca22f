#include "charts.h"

#include <gtest/gtest.h>

namespace tarne {
namespace {

struct ChartCase {
    const Chart* chart;
    double x;
    double y;
};

// Breakpoints, points between them and the held ends of every chart.
TEST(Charts, PiecewiseLinearAndHeldAtTheEnds) {
    using namespace charts;
    const ChartCase cases[] = {
        {&blow_count_phi_0psi, -1.0, 0.0},  {&blow_count_phi_0psi, 1.0, 16.0},
        {&blow_count_phi_0psi, 12.5, 40.0}, {&blow_count_phi_0psi, 30.0, 45.0},
        {&blow_count_phi_20psi, 0.0, 30.0}, {&blow_count_phi_20psi, 27.5, 38.0},
        {&blow_count_phi_20psi, 55.0, 45.0}, {&blow_count_phi_20psi, 80.0, 45.0},
        {&blow_count_phi_40psi, 12.0, 31.4}, {&blow_count_phi_40psi, 32.0, 36.0},
        {&blow_count_phi_40psi, 90.0, 44.0}, {&blow_count_phi_40psi, 120.0, 44.0},
        // API sand limits: 32.5 degrees lies halfway between the 30 and 35 rows;
        // the SI 30-degree row is 83.1 kPa, not the 81.4 kPa that 1.7 ksf converts to.
        {&api_side_friction_limit_ksf, 15.0, 1.0}, {&api_side_friction_limit_ksf, 32.5, 1.85},
        {&api_side_friction_limit_ksf, 45.0, 2.4}, {&api_side_friction_limit_kpa, 30.0, 83.1},
        {&api_side_friction_limit_kpa, 32.5, 89.3}, {&api_side_friction_limit_kpa, 22.5, 57.4},
        {&api_end_bearing_limit_ksf, 37.5, 225.0}, {&api_end_bearing_limit_ksf, 41.0, 250.0},
        {&api_end_bearing_limit_kpa, 27.5, 3850.0}, {&api_end_bearing_limit_kpa, 19.0, 1900.0},
    };
    for (const auto& c : cases) EXPECT_NEAR(evaluate(*c.chart, c.x), c.y, 1e-9) << c.chart->name << " at " << c.x;
}

}  // namespace
}  // namespace tarne
