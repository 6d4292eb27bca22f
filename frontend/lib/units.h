// Unit tokens and unit systems.
//
// A value shown with a unit carries a unit-token string such as "F/L2^2"
// (stress) that names its dimension. The tokens F, F0, F1, F2, F4, F5, F6
// (force-like) and L, L0, L1, L2, L3 (length-like) stand in free text; every
// other character ("/", "^", digits after "^", "-", blanks, words) is copied
// unchanged into the label.
#pragma once

#include <string>
#include <string_view>

namespace tarne {

// Unit systems of a project. The third shows the dimension instead of a unit.
inline constexpr int kEnglishUnits = 1;    // kips, ft, in
inline constexpr int kSIUnits = 2;         // kN, m, mm
inline constexpr int kDimensionUnits = 3;

// Each component that shows units replaces tokens by its own rule.
enum class UnitLabelRule {
    // Numeric entry fields: only the first force kind found (F6, F5, F4, F2,
    // F1, else F/F0) and the first length kind found (L2, L1, L3, else L/L0)
    // are replaced; in the dimension system the string is left as it is.
    EntryField,
    // Graphs: as EntryField, but only F2, F1, F/F0 and L2, L1, L/L0 count.
    Graph,
    // Grid tables: every token is replaced (F2, F1, F4, F5, F6, F/F0, L3,
    // L2, L1, L/L0); an inserted label is never replaced again. The dimension
    // system gives dimension letters (F, L, M, T).
    GridTable,
};

// The label of a unit-token string in a unit system (kEnglishUnits,
// kSIUnits or kDimensionUnits). Other system numbers leave it unchanged.
std::string UnitLabel(std::string_view units, int system,
                      UnitLabelRule rule = UnitLabelRule::EntryField);

// The multiplier that converts a value of the dimension `units` from the unit
// system `fromSystem` to `toSystem`: the S.I.-to-English factor of the string
// from S.I. to English, its reciprocal from English to S.I., otherwise 1.
long double UnitFactor(std::string_view units, int fromSystem, int toSystem);

}  // namespace tarne
