// Design charts: named tables of (x, y) breakpoints, all in one place and
// evaluated by one helper, linear between neighbouring breakpoints and held
// at the end values outside the table.
#pragma once

#include <span>

namespace tarne {

struct Breakpoint {
    double x;
    double y;
};

struct Chart {
    const char* name;
    std::span<const Breakpoint> points;  // x strictly increasing, at least one point
};

// y of `chart` at x.
double evaluate(const Chart& chart, double x);

namespace charts {

// Friction angle (degrees) against blow count N at an effective stress of
// 0, 20 and 40 psi.
extern const Chart blow_count_phi_0psi;
extern const Chart blow_count_phi_20psi;
extern const Chart blow_count_phi_40psi;

// API RP-2A limits in sand against the friction angle (degrees): unit side
// friction and unit end bearing, in ksf (English) and kPa (SI). The SI
// values are the table's own, not converted from the English ones.
extern const Chart api_side_friction_limit_ksf;
extern const Chart api_side_friction_limit_kpa;
extern const Chart api_end_bearing_limit_ksf;
extern const Chart api_end_bearing_limit_kpa;

// Offshore clay: pile-soil interface friction angle (degrees) against the
// plasticity index (%), for the cone-based clay skin friction.
extern const Chart interface_friction_chart;

}  // namespace charts
}  // namespace tarne
