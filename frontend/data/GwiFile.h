// The driveability input file (".gwi"): a fixed template of a wave-equation
// driveability program's input, with the project's title, the pile section
// and the static resistance along the pile filled in, so that the resistance
// just computed can be taken into a driveability analysis.
//
// Lines end in CR LF; numbers are written with "." whatever the locale.
// English files carry lengths in ft, areas in in2, the modulus in ksi,
// unit weights in lb/ft3, skin damping in s/ft; S.I. files m, cm2, MPa,
// kN/m3 and s/m.
#pragma once

#include <string>
#include <vector>

#include "DataUnit.h"

namespace tarne {

// The 1-based numbers of the resistance points written for a profile of
// `count` points: all of them below 100; otherwise every s-th point from the
// first, s = count / 100 + 1, count / s of them, then the last point when it
// is not among them.
std::vector<int> GwiResistancePoints(int count);

// The text of the file for `project`: its title, units, pile section and
// soil layers, and its transfer profile (TransferDepth, TransferUnitSkin,
// TransferTip of TransferPointCount points, as the plot data file gave
// them). Throws EInOutError when the project has no transfer profile.
std::string GwiFileText(const TProgramData& project);

}  // namespace tarne
