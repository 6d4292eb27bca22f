// Design charts of the FHWA method: Nordlund's charts for driven piles in
// sand (delta/phi, the correction factor CF, K-delta, alpha-t, N'q and the
// limiting tip resistance) and Tomlinson's adhesion factors for clay.
//
// Every curve is a named breakpoint table in fhwa_charts.cpp, evaluated by
// the engine's one piecewise-linear helper and held at its end values. A
// chart of several curves is linear between neighbouring curves in its
// second argument and holds its outer curves beyond them.
#pragma once

namespace tarne {

// Ratio delta/phi of pile type 1..7 against the displaced volume (ft3/ft).
double delta_ratio_chart(double volume_ft3_per_ft, int pile_type);

// Correction factor CF against delta/phi and phi (degrees). The curves
// cover delta/phi 0.2 to 1.2; any ratio above 1.2 takes the chart's own
// "above 1.2" curve.
double cf_chart(double delta_ratio, double phi);

// K-delta at phi = 25, 30, 35 and 40 degrees against the taper angle omega
// (degrees), with curves for the displaced volume 0.1, 1 and 10 ft3/ft.
double kdelta_chart_25(double omega, double volume_ft3_per_ft);
double kdelta_chart_30(double omega, double volume_ft3_per_ft);
double kdelta_chart_35(double omega, double volume_ft3_per_ft);
double kdelta_chart_40(double omega, double volume_ft3_per_ft);

// Tip coefficient alpha-t against phi (degrees), with curves for the pile's
// length-to-diameter ratio 20 (and below), 30 and 45 (and above).
double alpha_t_chart(double phi, double length_ratio);

// Bearing capacity factor N'q against phi (degrees).
double nq_prime_chart(double phi);

// Limiting tip resistance against phi (degrees), in the chart's unit: twice
// the value is in ksf.
double tip_limit_chart(double phi);

// Tomlinson's adhesion factor against the undrained shear strength (ksf)
// and the penetration ratio: case 1 sand over clay, case 2 soft clay over
// stiff clay, case 3 stiff clay.
double adhesion_case_1(double su_ksf, double penetration_ratio);
double adhesion_case_2(double su_ksf, double penetration_ratio);
double adhesion_case_3(double su_ksf, double penetration_ratio);

}  // namespace tarne
