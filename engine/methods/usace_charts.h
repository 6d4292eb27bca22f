// Design charts of the USACE method, as named breakpoint tables evaluated by
// the engine's one piecewise-linear helper (charts.h).
#pragma once

#include "charts.h"

namespace tarne::charts {

// Bearing capacity factor Nq in sand against the friction angle (degrees),
// held at 1.0 at and below 0 degrees and at 415.1 above 50.
extern const Chart usace_nq;

// Adhesion factor of clay against the undrained shear strength: 1.0 up to
// 0.5 ksf (24 kPa), falling linearly to 0.5 at 1.5 ksf (72 kPa), held beyond.
extern const Chart usace_adhesion_ksf;
extern const Chart usace_adhesion_kpa;

}  // namespace tarne::charts
