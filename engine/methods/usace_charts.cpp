#include "methods/usace_charts.h"

namespace tarne::charts {
namespace {

constexpr Breakpoint kNq[] = {
    {0, 1},   {5, 1.6},  {10, 2.7}, {15, 4.4}, {20, 7.4}, {30, 23},     {32, 30},
    {36, 56}, {38, 68},  {39, 79},  {40, 88},  {45, 200}, {50, 415.1},
};

// 1 - 0.5 (su - 0.5) in ksf; the same line in kPa falls 0.5 over 48 kPa.
constexpr Breakpoint kAdhesionKsf[] = {{0.5, 1.0}, {1.5, 0.5}};
constexpr Breakpoint kAdhesionKpa[] = {{24.0, 1.0}, {72.0, 0.5}};

}  // namespace

const Chart usace_nq{"USACE bearing capacity factor Nq in sand", kNq};
const Chart usace_adhesion_ksf{"USACE adhesion factor of clay, su in ksf", kAdhesionKsf};
const Chart usace_adhesion_kpa{"USACE adhesion factor of clay, su in kPa", kAdhesionKpa};

}  // namespace tarne::charts
