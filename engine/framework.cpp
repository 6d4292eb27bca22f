#include "framework.h"

#include <algorithm>
#include <cmath>

#include "charts.h"

namespace tarne {
namespace {

constexpr double kDegreesPerRadian = 57.2958;
constexpr double kPi = 3.14159;             // perimeter of the soil plug
constexpr double kQuarterPi = 0.7853975;    // areas of the tip and the wall
constexpr double kTaperRadiansPerDegree = 0.01745;

bool english(const AnalysisState& s) { return s.unit_system == kEnglish; }
double per_length_unit(const AnalysisState& s) { return english(s) ? 12.0 : 1000.0; }   // in / mm per ft / m
double per_area_unit(const AnalysisState& s) { return english(s) ? 144.0 : 1.0e6; }     // in2 / mm2 per ft2 / m2

// The element holding depth z (ft / m): the lengths are accumulated from the
// surface until z lies no more than 1e-6 below the accumulated depth.
// `offset` is z less the element's accumulated top. A depth below the last
// element is taken in the last element (beyond its bottom).
// Linear interpolation of a node array within the element at `spot`.
template <typename Nodes>
double node_value_at(const Nodes& nodes, const ElementSpot& spot) {
    const double top = nodes[2 * spot.element - 1];
    const double bottom = nodes[2 * spot.element];
    return top + (bottom - top) / spot.length * spot.offset;
}

// Integrals from the surface to depth z of the plugged tip resistance and
// of the full tip area times the maximum unit bearing (kips ft / kN m):
// whole elements plus the part of the element holding z, with the plugged
// tip linear and the maximum bearing constant within an element. Below the
// last element both integrands keep the last element's bottom values.
struct TipIntegrals {
    double plugged = 0.0;
    double maximum = 0.0;
};

// Evaluates the integrals at increasing depths in one walk down the
// elements: the whole elements above the depth are added once, in the same
// order as a walk from the surface would add them, so each value is exactly
// the sum from the surface.
class TipIntegralWalk {
public:
    TipIntegralWalk(const AnalysisState& s, double area) : s_(s), area_(area) {}

    // z must not decrease from one call to the next.
    TipIntegrals to(double z) {
        while (k_ <= s_.element_count && z - (top_ + s_.seg_length[k_]) > kDepthTolerance) {
            const double length = s_.seg_length[k_];
            whole_.plugged += 0.5 * (s_.plugged_tip_node[2 * k_ - 1] + s_.plugged_tip_node[2 * k_]) * length;
            whole_.maximum += area_ * s_.seg_max_bearing[k_] * length;
            top_ += length;
            ++k_;
        }
        TipIntegrals sum = whole_;
        if (k_ <= s_.element_count) {
            const double length = s_.seg_length[k_];
            const double q_top = s_.plugged_tip_node[2 * k_ - 1];
            const double q_bottom = s_.plugged_tip_node[2 * k_];
            const double part = z - top_;
            const double q_at_z = q_top + (q_bottom - q_top) * part / length;
            sum.plugged += 0.5 * (q_top + q_at_z) * part;
            sum.maximum += area_ * s_.seg_max_bearing[k_] * part;
        } else if (s_.element_count >= 1) {
            const double beyond = z - top_;
            sum.plugged += s_.plugged_tip_node[2 * s_.element_count] * beyond;
            sum.maximum += area_ * s_.seg_max_bearing[s_.element_count] * beyond;
        }
        return sum;
    }

private:
    const AnalysisState& s_;
    double area_;
    int k_ = 1;
    double top_ = 0.0;
    TipIntegrals whole_;
};

// Cone resistance (ksf / kPa) under the wall of element e: the layer's qc,
// else the CPT profile at the element's top, else 2.8 pa N.
double annulus_cone_resistance(const AnalysisState& s, int e) {
    const double layer_qc = s.seg_qc[e];  // psf / kPa
    if (layer_qc >= 0.00001) return english(s) ? layer_qc / 1000.0 : layer_qc;
    if (s.cpt_count > 0) return cone_resistance_at(s, (e - 1) * s.length_increment);
    const double pa = english(s) ? 2.1168 : 100.0;  // ksf / kPa
    return pa * s.seg_blow_count[e] * 2.8;
}

// Material unit weight of the pile (kcf / kN/m3): timber, concrete or steel.
double pile_unit_weight(const AnalysisState& s) {
    switch (s.pile_type) {
        case 2: return english(s) ? 0.05 : 7.85435;
        case 3: return english(s) ? 0.15 : 23.5631;
        default: return english(s) ? 0.49 : 76.9726;
    }
}

// Self weight (kips / kN) of the pile embedded to depth z (ft / m),
// buoyant below the water table.
double pile_self_weight(const AnalysisState& s, double z) {
    const double gamma_pile = pile_unit_weight(s);
    const double gamma_water = english(s) ? 0.0624 : 9.8;
    const double water_table = s.water_table_depth < 1.0 ? 0.1 : s.water_table_depth;
    const double od = s.outside_diameter;
    const double id = s.inside_diameter;
    double wall_area = kQuarterPi * (od * od - id * id) / per_area_unit(s);
    if (s.section_area > 0.000001) wall_area = english(s) ? s.section_area / 144.0 : s.section_area;
    const double full_area = kQuarterPi * od * od / per_area_unit(s);

    if (z <= water_table) return gamma_pile * wall_area * z;
    const bool closed_section = s.section_area > 0.00001 &&
                                ((s.pile_type == 1 && s.closed_end == 1) || s.pile_type == 4 ||
                                 s.pile_type == 5 || s.pile_type == 7);
    if (closed_section) return gamma_pile * wall_area * z - gamma_water * full_area * (z - water_table);
    return gamma_pile * wall_area * water_table + (gamma_pile - gamma_water) * wall_area * (z - water_table);
}

// Friction angle between 20 and 40 psi, also used above 55 blows at lower stress.
double phi_between_20_and_40_psi(double n, double sigma) {
    using namespace charts;
    if (n <= 6.0) return 30.0;
    if (n < 10.0) return 30.0 + (n - 6.0) * 2.0 * 0.25;
    if (n <= 55.0) {
        const double f20 = evaluate(blow_count_phi_20psi, n);
        const double f40 = evaluate(blow_count_phi_40psi, n);
        return f20 - (f20 - f40) * (sigma - 20.0) / 20.0;
    }
    if (n <= 90.0) {
        const double f40 = evaluate(blow_count_phi_40psi, n);
        return f40 + (45.0 - f40) * (40.0 - sigma) / 20.0;
    }
    return 50.0;
}

}  // namespace

bool is_sand(double soil_kind) { return soil_kind - 1.0 <= kDepthTolerance; }

double clay_alpha(double su, double sigma_v) {
    const double psi = std::max(su / sigma_v, 1.0e-10);
    const double alpha = psi <= 1.0 ? 0.5 / std::sqrt(psi) : 0.5 / std::pow(psi, 0.25);
    return std::min(alpha, 1.0);
}

std::optional<double> phi_from_blow_count(double n, double sigma) {
    using namespace charts;
    if (sigma <= 20.0) {
        if (n < 6.0) {
            const double f0 = evaluate(blow_count_phi_0psi, n);
            return f0 - (f0 - 30.0) * sigma / 20.0;
        }
        if (n <= 20.0) {
            const double f0 = evaluate(blow_count_phi_0psi, n);
            const double f20 = evaluate(blow_count_phi_20psi, n);
            return f0 - (f0 - f20) * sigma / 20.0;
        }
        if (n < 55.0) {
            const double f20 = evaluate(blow_count_phi_20psi, n);
            return f20 + (45.0 - f20) * (20.0 - sigma) / 20.0;
        }
        // From 55 blows the chart continues with the 20-40 psi rules at the
        // actual stress, reaching beyond the 20 psi curve.
        return phi_between_20_and_40_psi(n, sigma);
    }
    if (sigma < 40.0) return phi_between_20_and_40_psi(n, sigma);
    if (n > 10.0 && n <= 90.0) return evaluate(blow_count_phi_40psi, n);
    return std::nullopt;
}

double cone_resistance_at(const AnalysisState& s, double z) {
    if (z <= s.cpt_depth[1]) return s.cpt_qc[1];
    for (int i = 2; i <= s.cpt_count; ++i) {
        if (z <= s.cpt_depth[i])
            return s.cpt_qc[i] -
                   (s.cpt_depth[i] - z) * (s.cpt_qc[i] - s.cpt_qc[i - 1]) / (s.cpt_depth[i] - s.cpt_depth[i - 1]);
    }
    return s.cpt_qc[s.cpt_count];
}

void prepare_stress_and_parameters(AnalysisState& s) {
    const int n = s.element_count;
    const double to_ksf = english(s) ? 1000.0 : 1.0;  // pcf ft / 1000 = ksf

    if (n >= 1) s.sigma_top[1] = 0.0;
    for (int k = 1; k <= n; ++k) {
        s.sigma_bottom[k] = s.sigma_top[k] + (s.seg_bottom[k] - s.seg_top[k]) * s.seg_gamma[k] / to_ksf;
        if (k < n) s.sigma_top[k + 1] = s.sigma_bottom[k];
    }

    // A friction angle left at 0 comes from the blow count; where the chart
    // gives no value, the last angle it gave in this run stands in.
    for (int k = 1; k <= n; ++k) {
        if (s.seg_phi[k] >= 1.0e-10 || s.seg_blow_count[k] <= 0.0) continue;
        const double sigma_psi = english(s) ? s.sigma_bottom[k] * 1000.0 / 144.0 : s.sigma_bottom[k] / 6.8948;
        if (const auto phi = phi_from_blow_count(s.seg_blow_count[k], sigma_psi)) s.last_chart_phi = *phi;
        s.seg_phi[k] = s.last_chart_phi;
    }

    // An undrained strength left at 0 comes from the cone: su = qc / 15, with
    // qc in ksf (English; the layer value is in psf) or kPa.
    for (int k = 1; k <= n; ++k) {
        if (s.seg_su[k] < 1.0e-10) s.seg_su[k] = s.seg_qc[k] / to_ksf / 15.0;
    }

    for (int index = 1; index <= kMethodCount; ++index) {
        const MethodRules& rules = method_rules(index);
        if (rules.prepare) rules.prepare(s);
    }
}

void compute_unit_end_bearing(AnalysisState& s, const MethodRules& rules) {
    if (rules.start_end_bearing) rules.start_end_bearing(s);
    for (int k = 1; k <= s.element_count; ++k) {
        const double nq = s.seg_nq[k];
        double top = 0.0;
        double bottom = 0.0;
        if (is_sand(s.seg_soil_kind[k])) {
            if (rules.sand_end_bearing) rules.sand_end_bearing(s, k, top, bottom);
        } else {
            top = bottom = 9.0 * s.seg_su[k];
            if (rules.clay_end_bearing) rules.clay_end_bearing(s, k, top, bottom);
            if (s.seg_max_bearing[k] != kNoLimit) {
                top = std::min(top, s.seg_max_bearing[k]);
                bottom = std::min(bottom, s.seg_max_bearing[k]);
            }
        }
        s.seg_nq[k] = nq;
        s.unit_end_bearing_node[2 * k - 1] = top;
        s.unit_end_bearing_node[2 * k] = bottom;
    }
}

void compute_annulus_bearing(AnalysisState& s, const MethodRules& rules) {
    const double di = s.enhanced_end_inside_diameter;
    const double od = s.outside_diameter;
    const double wall_area = kQuarterPi * (od * od - di * di) / per_area_unit(s);
    // A pile closed at its end has no wall annulus, whatever inside diameter it carries.
    const bool from_cone = rules.annulus_from_cone && di > 0.0001 && s.closed_end != 1;
    for (int m = 1; m <= 2 * s.element_count; ++m) {
        double q = s.unit_end_bearing_node[m];
        if (from_cone) {
            // Node m lies on element m/2 + 1, except the bottom node of the
            // last element, which has no element below it.
            const int e = std::min(m / 2 + 1, s.element_count);
            q = annulus_cone_resistance(s, e);
        }
        s.annulus_tip_node[m] = s.tip_area > 0.0001 ? q * s.tip_area : q * wall_area;
    }
}

void compute_plug_friction(AnalysisState& s, const MethodRules& rules) {
    const double di = s.enhanced_end_inside_diameter / per_length_unit(s);  // ft / m
    s.plug_friction_node[0] = 0.0;
    for (int k = 1; k <= s.element_count; ++k) {
        const double h = s.seg_bottom[k] - s.seg_top[k];
        double increment;
        if (is_sand(s.seg_soil_kind[k])) {
            const double tan_delta = std::tan((s.seg_phi[k] - 5.0) / kDegreesPerRadian);
            double top = std::min(s.sigma_top[k] * s.seg_k0[k] * tan_delta, s.seg_max_friction[k]);
            double bottom = std::min(s.sigma_bottom[k] * s.seg_k0[k] * tan_delta, s.seg_max_friction[k]);
            if (rules.plug_inside_friction) rules.plug_inside_friction(s, k, top, bottom);
            increment = (top + bottom) * 0.5 * kPi * di * h;
        } else {
            if (s.sigma_bottom[k] < 1.0e-10) s.sigma_bottom[k] = 1.0e-10;
            double top = clay_alpha(s.seg_su[k], s.sigma_bottom[k]) * s.seg_su_remolded[k];
            double bottom = top;
            if (rules.plug_inside_friction) rules.plug_inside_friction(s, k, top, bottom);
            increment = top * kPi * di * h;
        }
        const double total = s.plug_friction_node[2 * k - 2] + increment;
        s.plug_friction_node[2 * k - 1] = total;
        s.plug_friction_node[2 * k] = total;
    }
}

void compute_unplugged_tip(AnalysisState& s) {
    for (int m = 1; m <= 2 * s.element_count; ++m) {
        if (s.plug_option == 2) s.plug_friction_node[m] = 0.0;  // unplugged: the wall alone bears
        // Node 2k-1 (top of element k) pairs with the friction down to element
        // k - 1, node 2k with the friction down to the bottom of element k.
        s.unplugged_tip_node[m] = s.annulus_tip_node[m] + s.plug_friction_node[m - 1];
    }
}

void resample_to_points(AnalysisState& s) {
    if (s.element_count < 1) return;
    ElementWalk tip_walk(s);
    ElementWalk end_walk(s);
    for (int j = 1; j <= s.output_point_count; ++j) {
        const double z = (j - 1) * s.length_increment;
        if (j == 1) {
            s.unplugged_tip_point[1] = s.unplugged_tip_node[1];
            s.plug_friction_point[1] = 0.0;
        } else {
            s.unplugged_tip_point[j] = node_value_at(s.unplugged_tip_node, tip_walk.at(z));
            // Plug friction above the enhanced end section, which the tip does not feel.
            const double above_end = z - s.enhanced_end_length;
            s.plug_friction_point[j] =
                above_end <= kDepthTolerance ? 0.0 : node_value_at(s.plug_friction_node, end_walk.at(above_end));
        }
        s.plug_tip_point[j] = s.unplugged_tip_point[j] - s.plug_friction_point[j];
    }
}

void compute_tip_and_weight(AnalysisState& s, const MethodRules& rules) {
    // Full tip area at the tip diameter (a tapered pile narrows downward).
    const double od = s.outside_diameter / per_length_unit(s);  // ft / m
    double tip_diameter = od;
    if (s.taper_angle > 0.0)
        tip_diameter -= 2.0 * (s.total_length + s.stickup_length) * std::tan(s.taper_angle * kTaperRadiansPerDegree);
    const double area = s.tip_area > 0.0001 ? s.tip_area : kQuarterPi * tip_diameter * tip_diameter;

    for (int k = 1; k <= s.element_count; ++k) {
        s.seg_length[k] = s.seg_bottom[k] - s.seg_top[k];
        for (const int m : {2 * k - 1, 2 * k}) {
            double q = area * s.unit_end_bearing_node[m];
            if (rules.plugged_tip_at_least_annulus) q = std::max(q, s.annulus_tip_node[m]);
            s.plugged_tip_node[m] = q;
        }
    }

    // Plugged tip resistance averaged from 1.5 OD above to 1.5 OD below the
    // tip. Near the surface the part above ground counts as zero, and the sum
    // is still divided by 3 OD.
    const double half_width = 1.5 * od;
    const double width = 3.0 * od;
    TipIntegralWalk below_walk(s, area);
    TipIntegralWalk above_walk(s, area);
    for (int j = 1; j <= s.output_point_count; ++j) {
        const double z = (j - 1) * s.length_increment;
        const TipIntegrals below = below_walk.to(z + half_width);
        const TipIntegrals above = z - half_width < 0.0001 ? TipIntegrals{} : above_walk.to(z - half_width);
        double average = (below.plugged - above.plugged) / width;
        const double maximum = (below.maximum - above.maximum) / width;
        if (average - maximum > 0.000001) average = maximum;
        s.averaged_plugged_tip[j] = average;
    }

    // Tip resistance (compression) or self weight (tension), and the plug state.
    const bool tension = s.loading_type == 1;
    const bool closed = s.inside_diameter < 1.0e-10 || s.closed_end == 1;
    const bool closed_end_section = s.enhanced_end_inside_diameter < 0.0001 && s.enhanced_end_length > 0.0001;
    PlugFlags& flags = s.plug_flag[rules.method_index];
    for (int j = 1; j <= s.output_point_count; ++j) {
        const double plugged = tension ? pile_self_weight(s, (j - 1) * s.length_increment) : s.averaged_plugged_tip[j];
        double tip;
        int flag;
        bool program_decides = false;  // open-ended pile, plug left to the program
        if (closed) {
            tip = plugged;
            flag = 1;
        } else if (s.plug_tip_point[j] - s.averaged_plugged_tip[j] > 0.000001 && s.plug_option != 2) {
            tip = plugged;  // the plug is stronger than the full section: it acts plugged
            flag = 1;
            program_decides = s.plug_option == 0;
        } else if (s.plug_option == 1) {
            tip = plugged;  // plugged by the user's choice, whatever the method
            flag = 1;
        } else {
            tip = tension ? plugged : s.plug_tip_point[j];
            flag = (s.plug_option != 2 && closed_end_section) ? 1 : 2;
            program_decides = s.plug_option == 0;
        }
        s.tip_resistance[j] = tip;
        flags[j] = flag;
        if (rules.tip_copy && !(rules.tip_copy_skips_program_plug && program_decides)) (s.*rules.tip_copy)[j] = tip;
    }
}

void run_chain(AnalysisState& s, const MethodRules& rules) {
    s.method_index = rules.method_index;
    compute_unit_end_bearing(s, rules);
    compute_annulus_bearing(s, rules);
    compute_plug_friction(s, rules);
    compute_unplugged_tip(s);
    resample_to_points(s);
    compute_tip_and_weight(s, rules);
}

}  // namespace tarne
