#include "charts.h"

namespace tarne {

double evaluate(const Chart& chart, double x) {
    const auto& p = chart.points;
    if (x <= p.front().x) return p.front().y;
    for (std::size_t i = 1; i < p.size(); ++i) {
        if (x <= p[i].x) return p[i - 1].y + (p[i].y - p[i - 1].y) * (x - p[i - 1].x) / (p[i].x - p[i - 1].x);
    }
    return p.back().y;
}

namespace charts {
namespace {

constexpr Breakpoint kPhi0[] = {
    {0, 0}, {2, 32}, {4, 34}, {6, 36}, {10, 38}, {15, 42}, {20, 45},
};
constexpr Breakpoint kPhi20[] = {
    {6, 30},  {10, 32}, {15, 34}, {20, 36}, {25, 37}, {30, 39},
    {35, 40}, {40, 41}, {45, 42}, {50, 44}, {55, 45},
};
constexpr Breakpoint kPhi40[] = {
    {10, 31}, {15, 32}, {20, 34}, {25, 35}, {30, 36}, {35, 36}, {40, 37}, {45, 38}, {50, 39},
    {55, 39}, {60, 40}, {65, 41}, {70, 42}, {75, 42}, {80, 43}, {85, 44}, {90, 44},
};

constexpr Breakpoint kApiSideLimitKsf[] = {{20, 1.0}, {25, 1.4}, {30, 1.7}, {35, 2.0}, {40, 2.4}};
constexpr Breakpoint kApiSideLimitKpa[] = {{20, 47.8}, {25, 67.0}, {30, 83.1}, {35, 95.5}, {40, 114.8}};
constexpr Breakpoint kApiEndLimitKsf[] = {{20, 40}, {25, 60}, {30, 100}, {35, 200}, {40, 250}};
constexpr Breakpoint kApiEndLimitKpa[] = {{20, 1900}, {25, 2900}, {30, 4800}, {35, 9600}, {40, 12000}};

constexpr Breakpoint kInterfaceFriction[] = {
    {0, 34},    {5, 32},  {10, 29}, {15, 27},   {20, 24.5}, {25, 22.5}, {30, 20},  {35, 18.5}, {40, 17},
    {45, 15.2}, {50, 14.7}, {55, 13}, {60, 12.3}, {65, 11.5}, {70, 10},   {75, 9.2}, {80, 8.5},
};

}  // namespace

const Chart blow_count_phi_0psi{"friction angle from blow count, 0 psi", kPhi0};
const Chart blow_count_phi_20psi{"friction angle from blow count, 20 psi", kPhi20};
const Chart blow_count_phi_40psi{"friction angle from blow count, 40 psi", kPhi40};

const Chart api_side_friction_limit_ksf{"API sand limiting unit side friction, ksf", kApiSideLimitKsf};
const Chart api_side_friction_limit_kpa{"API sand limiting unit side friction, kPa", kApiSideLimitKpa};
const Chart api_end_bearing_limit_ksf{"API sand limiting unit end bearing, ksf", kApiEndLimitKsf};
const Chart api_end_bearing_limit_kpa{"API sand limiting unit end bearing, kPa", kApiEndLimitKpa};

const Chart interface_friction_chart{"offshore clay interface friction angle from plasticity index", kInterfaceFriction};

}  // namespace charts
}  // namespace tarne
