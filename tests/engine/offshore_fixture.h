// Projects for the offshore method tests, read into a fresh state with the
// pre-step and the opening chain runs done, as the methods find it.
//
// Sand (SI): a 1000 mm pipe, 10 m embedded, 1 m elements, in sand of
// 10 kN/m3 (sigma' = 10 z kPa), phi 35, K0 0.8, Nq 40. Layer 1 (0-4 m) has
// no cone resistance and takes the CPT profile (0 m 5000, 2 m 9000, 5 m
// 15000 kPa): element 2 (top 1 m) 7000 kPa, element 4 (top 3 m) 11000 kPa.
// Layer 2 (4-20 m) gives qc = 20000 kPa itself.
//
// Clay (SI): the same pile in one clay layer of 8 kN/m3 (sigma' = 8 z kPa)
// with su, remolded su, YSR, PI and qc as given.
#pragma once

#include <memory>
#include <string>

#include "state.h"

namespace tarne::testing {

struct PileOptions {
    const char* closed_end = "0";
    const char* inside_diameter = "950";  // mm
    const char* loading = "0";            // 1 tension
    const char* drained = "1";            // ICP/MTD clay condition
    const char* plug = "0";               // plug option
};

std::unique_ptr<AnalysisState> offshore_sand(const PileOptions& pile = {});

struct ClayOptions {
    const char* su = "60";          // kPa
    const char* su_remolded = "20";
    const char* ysr = "2";
    const char* pi = "22";
    const char* qc = "1500";
};

std::unique_ptr<AnalysisState> offshore_clay(const PileOptions& pile = {}, const ClayOptions& clay = {});

}  // namespace tarne::testing
