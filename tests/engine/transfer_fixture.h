// A pile and soil profile filled by hand for the load-transfer tests, with
// the transfer method's side and tip resistance set directly (no capacity
// method needed).
#pragma once

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "profile.h"
#include "report.h"
#include "state.h"

namespace tarne::test {

struct SoilLayer {
    double top, bottom;  // ft / m below the ground surface
    double kind;         // 1 sand, 2 clay, 3 silt
    double phi_top = 0, phi_bottom = 0;
};

struct PileSpec {
    int unit_system = kEnglish;
    double outside_diameter = 18.0;  // in / mm
    double inside_diameter = 17.0;   // in / mm
    double embedded = 40.0;          // ft / m
    double stickup = 0.0;            // ft / m
    double increment = 1.0;          // ft / m
    int print_interval = 1;
    int transfer_method = kApi;
    double elastic_modulus = 29.0e6;  // psi / kPa
    double section_area = 0.0;        // in2 / m2
};

// Output points, labels, profile points and one element per increment (for
// the end-bearing factors); `transfer_side` and `transfer_tip` zero.
inline std::unique_ptr<AnalysisState> hand_pile(const PileSpec& p, const std::vector<SoilLayer>& layers) {
    auto s = std::make_unique<AnalysisState>();
    s->unit_system = p.unit_system;
    set_unit_labels(*s);
    s->outside_diameter = p.outside_diameter;
    s->inside_diameter = p.inside_diameter;
    s->total_length_input = p.embedded + p.stickup;
    s->total_length = p.embedded;  // the embedded length, as during the analysis
    s->stickup_length = p.stickup;
    s->length_increment = p.increment;
    s->print_interval = p.print_interval;
    s->transfer_method = p.transfer_method;
    s->elastic_modulus = p.elastic_modulus;
    s->section_area = p.section_area;
    int i = 0;
    for (const auto& l : layers) {
        for (int end = 0; end < 2; ++end) {
            ++i;
            s->prof_depth[i] = end == 0 ? l.top : l.bottom;
            s->prof_soil_kind[i] = l.kind;
            s->prof_phi[i] = end == 0 ? l.phi_top : l.phi_bottom;
            s->prof_end_factor[i] = 1.0;
            s->prof_side_factor[i] = 1.0;
        }
    }
    s->profile_point_count = i;
    s->profile_bottom = s->prof_depth[i];
    compute_element_count(*s);
    build_elements(*s);
    compute_output_points(*s);
    return s;
}

// Sets transfer_side[j] = side(depth of point j) and transfer_tip[j] = tip.
inline void set_resistance(AnalysisState& s, const std::function<double(double)>& side, double tip) {
    for (int j = 1; j <= s.output_point_count; ++j) {
        s.transfer_side[j] = side(s.point_depth[j]);
        s.transfer_tip[j] = tip;
    }
}

}  // namespace tarne::test
