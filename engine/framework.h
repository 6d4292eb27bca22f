// The capacity framework shared by every method: the pre-step that
// completes the element parameters (effective stress, friction angle from
// the blow count, shear strength from the cone), and the six-step chain
// that turns a method's unit end bearing into the tip resistance at every
// output point, decides whether an open-ended pile acts plugged, and
// computes the pile's self weight for tension.
//
// A method reaches the chain only through its MethodRules: its unit end
// bearing rules for sand and clay elements and its unit friction inside the
// soil plug. The chain itself never names a method.
//
// Units: English ft, in, kips, ksf, pcf; SI m, mm, kN, kPa, kN/m3. Node
// arrays hold node 2k-1 (top) and 2k (bottom) of element k; point arrays
// hold output point j at depth (j - 1) * increment.
#pragma once

#include <optional>

#include "state.h"

namespace tarne {

// An element and a depth within it (ft / m).
struct ElementSpot {
    int element;
    double offset;  // from the element's top
    double length;
};

// Finds the elements holding increasing depths in one walk down the
// elements. Lengths are accumulated from the surface in element order, as a
// search from the surface would, so each lookup gives exactly that search's
// element and offset. Depths below the last element fall in the last one.
class ElementWalk {
public:
    explicit ElementWalk(const AnalysisState& s) : s_(s) {}

    // z (ft / m) must not decrease from one call to the next.
    ElementSpot at(double z) {
        while (m_ < s_.element_count && z - (top_ + length(m_)) > kDepthTolerance) {
            top_ += length(m_);
            ++m_;
        }
        return {m_, z - top_, length(m_)};
    }

    // A value given at the top and bottom of every element, linear within
    // the element holding z.
    double linear(const ElementTable& at_top, const ElementTable& at_bottom, double z) {
        const ElementSpot spot = at(z);
        return at_top[spot.element] + (at_bottom[spot.element] - at_top[spot.element]) / spot.length * spot.offset;
    }

private:
    double length(int m) const { return s_.seg_bottom[m] - s_.seg_top[m]; }
    const AnalysisState& s_;
    int m_ = 1;
    double top_ = 0.0;
};

// What a method supplies to the chain. A null rule uses the framework's own.
struct MethodRules {
    int method_index = 0;  // 1..9, the chain's numbering

    // Unit end bearing (ksf / kPa) of sand element k at its top and bottom
    // node. The rule may change `seg_nq`[k]; the chain restores it. Null: 0.
    void (*sand_end_bearing)(AnalysisState& s, int k, double& top, double& bottom) = nullptr;
    // Clay or silt element k: receives 9 su at both nodes and may change
    // them before the chain applies the element's maximum bearing. Null: 9 su.
    void (*clay_end_bearing)(AnalysisState& s, int k, double& top, double& bottom) = nullptr;
    // Unit friction inside the soil plug (ksf / kPa) at the top and bottom of
    // element k; for clay only the top value is used. Null: the framework's
    // K0 tan(phi - 5) friction in sand and alpha times the remolded strength in clay.
    void (*plug_inside_friction)(const AnalysisState& s, int k, double& top, double& bottom) = nullptr;
    // Called before the first element of every end-bearing step.
    void (*start_end_bearing)(AnalysisState& s) = nullptr;
    // Called at the end of every pre-step, whether or not the method is selected.
    void (*prepare)(AnalysisState& s) = nullptr;

    // The pile wall bears on the cone resistance of the soil, not on the
    // method's unit end bearing (when the pile has an inside diameter).
    bool annulus_from_cone = false;
    // The plugged tip at a node is never less than the wall's resistance.
    bool plugged_tip_at_least_annulus = false;
    // The chain's own copy of the tip resistance for this method, or null.
    PointTable AnalysisState::* tip_copy = nullptr;
    // The copy is left alone where the program decides the plug of an
    // open-ended pile (`plug_option` 0) and the section is not closed.
    bool tip_copy_skips_program_plug = false;
};

// The rules of chain method `method_index` (1..9), defined with the methods.
const MethodRules& method_rules(int method_index);

// Sand in the framework's sense: soil kind 1 (kind - 1 <= 1e-6); clay and silt otherwise.
bool is_sand(double soil_kind);

// Adhesion factor of clay: psi = su / sigma_v (at least 1e-10),
// alpha = 0.5 / sqrt(psi) for psi <= 1, 0.5 / psi^0.25 above, at most 1.
// `sigma_v` must already be at least 1e-10.
double clay_alpha(double su, double sigma_v);

// Friction angle (degrees) from blow count N at effective stress `stress_psi`
// (psi), or no value where the chart gives none.
std::optional<double> phi_from_blow_count(double blow_count, double stress_psi);

// Cone resistance of the CPT profile at `depth` (ft / m), in the CPT file's
// unit (ksf / kPa). Only meaningful when `cpt_count` > 0.
double cone_resistance_at(const AnalysisState& s, double depth);

// The pre-step, at the start of every pass after the elements are built:
// effective stresses, friction angle from blow counts, su from cone
// resistance, and each method's own preparation.
void prepare_stress_and_parameters(AnalysisState& s);

// The six chain steps, in the order `run_chain` calls them.
void compute_unit_end_bearing(AnalysisState& s, const MethodRules& rules);
void compute_annulus_bearing(AnalysisState& s, const MethodRules& rules);
void compute_plug_friction(AnalysisState& s, const MethodRules& rules);
void compute_unplugged_tip(AnalysisState& s);
void resample_to_points(AnalysisState& s);
void compute_tip_and_weight(AnalysisState& s, const MethodRules& rules);

// Sets `method_index` from the rules and runs the six steps over the
// elements and the `output_point_count` output points.
void run_chain(AnalysisState& s, const MethodRules& rules);

}  // namespace tarne
