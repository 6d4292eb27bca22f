// The clay rules that ICP/MTD, FUGRO and UWA share: unit skin friction from
// the stress, yield stress ratio, sensitivity and interface friction angle
// of the clay; unit end bearing from the cone resistance by the plug
// condition and the drained or undrained choice; and their report lines.
// Silt follows these rules too.
//
// Units: English ksf, in; SI kPa, mm.
#pragma once

#include "state.h"
#include "text_out.h"

namespace tarne {

// The h/R* below which the clay friction rule is applied at h/R* = 8.
inline constexpr double kMinClayHOverR = 8.0;

// Equivalent radius R* = sqrt((OD^2 - Di^2) / 4) (in / mm) of the pile at
// its tip, with the inside diameter the offshore rules see.
double equivalent_radius(const AnalysisState& s);

// Unit skin friction (ksf / kPa) of clay element k at its top and bottom
// node: 0.8 Kc sigma' tan(delta). Where the element has no undrained or no
// remolded strength its sensitivity is unknown and the friction is 0. In
// SI the element's bottom stress is first raised to 1e-10 (stored).
void offshore_clay_skin_friction(AnalysisState& s, int k, double& top, double& bottom);

// End-bearing rule of the chain for clay element k, which receives 9 su at
// both nodes (ksf / kPa).
void offshore_clay_end_bearing(AnalysisState& s, int k, double& top, double& bottom);

// True when a clay element whose top lies above the pile tip is closer to
// the tip than 8 R*, so that its friction was taken at h/R* = 8.
bool clay_friction_near_tip(const AnalysisState& s);

// The plasticity-index error, once per clay element without a plasticity
// index; written when the method is computed.
void write_plastic_index_errors(const AnalysisState& s, TextOut& report);

// Under the method's printed table, after an empty line: the h/R warning
// when `clay_friction_near_tip`.
void write_h_over_r_warning(const AnalysisState& s, TextOut& report);

}  // namespace tarne
