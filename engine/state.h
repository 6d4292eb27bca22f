// AnalysisState: everything one analysis reads, computes and reports.
//
// Units after input (English / SI): depths and lengths ft / m, diameters and
// perimeter in / mm, tip area ft2 / m2, modulus psi / kPa, limits and
// strengths ksf / kPa, unit weights pcf / kN/m3, CPT qc ksf / kPa.
// Every table is fixed-size and indexed from 1; nothing is allocated while
// the capacity passes run.
#pragma once

#include <string>

#include "fixed_table.h"

namespace tarne {

inline constexpr int kMaxLayers = 40;
inline constexpr int kMaxProfilePoints = 2 * kMaxLayers;  // top and bottom of every layer
inline constexpr int kMaxElements = 500;
inline constexpr int kMaxOutputPoints = kMaxElements + 1;  // penetrations 0 .. N*increment
inline constexpr int kMaxCptPoints = 1000;
inline constexpr int kMaxAreaRows = 100;
inline constexpr int kMaxExtraTzDepths = 90;  // one curve each in the 90-curve table
inline constexpr int kMethodCount = 9;
inline constexpr int kMaxNodes = 2 * kMaxElements;  // top (2k-1) and bottom (2k) of every element
inline constexpr int kMaxCurves = 3 * kMaxLayers + 3;  // t-z curves: three per layer, three for a stick-up
inline constexpr int kMaxCurvePoints = 90;     // points per t-z curve
inline constexpr int kCurvePointCount = 10;    // points of every curve the engine builds
inline constexpr int kSettlePointCount = 9;    // assumed tip movements of the load-settlement curve
inline constexpr int kMaxStiffnessRows = kMaxAreaRows;  // one per area-table row
inline constexpr int kMaxSegments = kMaxOutputPoints;   // one per printed capacity-table row

// Codes of the data file, `method_switch` and `transfer_method`.
enum MethodCode : int {
    kFhwa = 1, kUsace = 2, kLambda = 3, kApi = 4, kUserSpecified = 5,
    kNgi = 6, kIcp = 7, kFugro = 8, kUwa = 9,
};

// Indexes of the capacity chain (`method_index`); never mixed with the codes above.
enum MethodIndex : int {
    kIndexFhwa = 1, kIndexUsace = 2, kIndexLambda = 3, kIndexApi = 4, kIndexNgi = 5,
    kIndexIcp = 6, kIndexFugro = 7, kIndexUwa = 8, kIndexUser = 9,
};

enum UnitSystem : int { kEnglish = 1, kSI = 2 };

inline constexpr double kZeroTolerance = 1.0e-10;
inline constexpr double kDepthTolerance = 1.0e-6;
inline constexpr double kNoLimit = 9999999.0;
inline constexpr double kApiFrictionTableCode = 9999.0;  // psf / kPa, as the data file gives it

using ProfileTable = FixedTable<double, kMaxProfilePoints>;
using ElementTable = FixedTable<double, kMaxElements>;
using PointTable = FixedTable<double, kMaxOutputPoints>;
using NodeTable = FixedTable<double, kMaxNodes>;
using PlugFlags = FixedTable<int, kMaxOutputPoints>;
using CurveTable = FixedTable<FixedTable<double, kMaxCurvePoints>, kMaxCurves>;  // [curve][point]
using SettleTable = FixedTable<double, kSettlePointCount>;
using DistributionTable = FixedTable<FixedTable<double, kMaxSegments>, kSettlePointCount>;  // [movement][segment]

// Capacity of one method at every output point, as its capacity table and
// plot-file block show it (forces in kips / kN, stresses in ksf / kPa).
struct MethodResults {
    PointTable skin_friction;   // cumulative side resistance, LRFD-factored
    PointTable tip;             // end bearing (compression) or self weight (tension), times the end factor
    PointTable ultimate;        // skin_friction + tip
    PointTable unit_side;       // unit skin friction at the point (plot file)
    PlugFlags plug_flag;        // 2: the friction of the soil plug governs the tip
    // Inputs of the load-transfer stage should this method be chosen for it:
    // the method's cumulative side resistance for load transfer and the
    // run-control copy of its tip resistance (as in `tip`).
    PointTable side_for_transfer;
    PointTable tip_for_transfer;
    bool computed = false;      // false: not computed in this run (its table is not printed)
};

struct AnalysisState {
    // Run files, from "names.dat" or given by the caller.
    std::string version_text;
    std::string input_path, report_path, plot_path, cpt_path;

    // Unit system and the three-character report labels set from it.
    int unit_system = 0;
    const char* length_label = "";
    const char* diameter_label = "";
    const char* force_label = "";
    const char* stress_label = "";
    const char* unit_weight_label = "";
    const char* area_label = "";

    // Project header.
    std::string title, designer, job_number;
    int print_interval = 0;
    int profile_point_count = 0;
    int closed_end = 0;

    // Pile.
    double perimeter = 0;          // in / mm, 0 for a circular section
    double tip_area = 0;           // ft2 / m2
    double tip_area_input = 0;     // in2 / m2, as the data file gives it (report echo)
    double outside_diameter = 0;   // in / mm; perimeter/pi for a non-circular section
    double inside_diameter = 0;    // in / mm
    double outside_diameter_input = 0;  // in / mm, as read (cross-section area echo)
    double inside_diameter_input = 0;
    double elastic_modulus = 0;    // psi / kPa
    double total_length = 0;       // ft / m; the embedded length once the input is echoed
    double total_length_input = 0; // ft / m, as read
    double stickup_length = 0;
    double enhanced_end_length = 0;
    double enhanced_end_inside_diameter = 0;  // in / mm
    double zero_friction_length = 0;
    double length_increment = 0;
    int pile_type = 0;             // 1..7
    double taper_angle = 0;        // degrees
    double section_area = 0;       // in2 / m2
    int area_option = 0;
    int area_table_count = 0;
    FixedTable<double, kMaxAreaRows> area_table_distance;  // ft / m from the pile head
    FixedTable<double, kMaxAreaRows> area_table_area;      // in2 / m2

    // Methods and options.
    int transfer_method = 0;
    int offshore_enabled = 0;
    int factored_transfer = 0;
    FixedTable<int, kMethodCount> method_switch;
    double profile_bottom = 0;     // ft / m
    int extra_tz_count = 0;
    FixedTable<double, kMaxExtraTzDepths> extra_tz_depth;
    int loading_type = 0;          // 1 tension, otherwise compression
    double tension_factor = 1.0;
    int icp_clay_drained = 0;
    int plug_option = 0;
    int critical_depth_option = 0;
    double critical_depth = 0;

    // Profile points: top then bottom of every layer.
    ProfileTable prof_depth, prof_soil_kind, prof_k0, prof_gamma, prof_phi, prof_nq;
    ProfileTable prof_max_friction, prof_max_bearing, prof_su, prof_su_remolded;
    ProfileTable prof_blow_count, prof_pi, prof_qc, prof_user_friction, prof_user_bearing;
    ProfileTable prof_side_factor, prof_end_factor, prof_adhesion_method;
    FixedTable<int, kMaxProfilePoints> prof_friction_unlimited, prof_bearing_unlimited;
    // 1 when the data file gives the maximum unit side friction as 9999 (psf
    // or kPa): the code that asks for the API sand table's limit.
    FixedTable<int, kMaxProfilePoints> prof_friction_table_code;

    double water_table_depth = 99999.0;  // ft / m; first point with a submerged unit weight
    double required_soil_depth = 0;      // embedded length plus two diameters

    // CPT profile.
    int cpt_units = 0;
    int cpt_count = 0;
    FixedTable<double, kMaxCptPoints> cpt_depth, cpt_qc;

    // Elements of one length increment, properties at mid-depth.
    int element_count = 0;
    ElementTable seg_top, seg_bottom, seg_soil_kind, seg_k0, seg_gamma, seg_phi, seg_nq;
    ElementTable seg_max_friction, seg_max_bearing, seg_su, seg_su_remolded, seg_blow_count;
    ElementTable seg_pi, seg_qc, seg_user_friction, seg_user_bearing;
    ElementTable seg_side_factor, seg_end_factor, seg_adhesion_method;
    FixedTable<int, kMaxElements> seg_friction_table_code;  // of the layer the element lies in
    ElementTable seg_length;                                 // ft / m, set by the capacity chain

    // Output points: pile penetrations (j - 1) * increment.
    int output_point_count = 0;
    PointTable point_depth;
    int printed_row_count = 0;
    int last_printed_row = 0;

    // The transfer method's results handed to the load-transfer stage (kips / kN).
    PointTable transfer_side;  // cumulative side resistance down to each output point
    PointTable transfer_tip;   // unfactored tip resistance with the tip at each output point

    // Load transfer. English runs work in inches and pounds here (depths and
    // movements in, unit transfer psi, loads lb); SI runs in m, kPa and kN.
    // t-z curves: depth from the pile head, kind 1 sand / 2 clay, friction
    // angle (degrees) and peak unit transfer, then the (z, t) points.
    int curve_count = 0;
    FixedTable<double, kMaxCurves> curve_depth, curve_friction_angle, curve_max_transfer;
    FixedTable<int, kMaxCurves> curve_kind, curve_points;
    CurveTable curve_z, curve_t;
    // The tip (Q-w) curve: movement and tip load; the soil kind at the tip and
    // the tip capacity the curve is scaled to.
    int qw_points = 0;
    FixedTable<double, kCurvePointCount> qw_w, qw_q;
    int tip_soil_kind = 0;
    double tip_capacity = 0;
    // Axial stiffness E*A (lb / kN) against the distance from the pile head.
    int stiff_count = 0;
    FixedTable<double, kMaxStiffnessRows> stiff_depth, stiff_ea;
    // Load-settlement: the pile in `segment_count` segments, solved for each
    // assumed tip movement; per segment from the tip up, the load and the
    // movement at its top (entry 1 is the tip).
    int segment_count = 0;
    double pile_length = 0;
    double segment_length = 0;
    int settle_point_count = 0;
    SettleTable tip_movement, tip_load, head_load, head_movement;
    FixedTable<int, kSettlePointCount> unconverged_segments;  // segments stopped by the iteration cap
    FixedTable<double, kMaxSegments + 1> node_load, node_movement;
    // Load distribution per tip movement, one row per segment from the tip
    // up: midpoint depth from the head, average axial load, midpoint movement.
    DistributionTable dist_depth, dist_load, dist_movement;

    // Run control.
    int run_pass = 0;
    int method_index = 0;
    FixedTable<MethodResults, kMethodCount> results;  // by method code

    // Common pre-step: effective vertical stress at the top and bottom of
    // every element (ksf / kPa) and the last friction angle the blow-count
    // chart gave in this run (degrees).
    ElementTable sigma_top, sigma_bottom;
    double last_chart_phi = 0;

    // Capacity chain, node arrays (node 2k-1 top, 2k bottom of element k):
    // unit end bearing (ksf / kPa), then resistances (kips / kN).
    NodeTable unit_end_bearing_node, annulus_tip_node, unplugged_tip_node, plugged_tip_node;
    FixedTable<double, kMaxNodes + 1, 0> plug_friction_node;  // entry 0: the ground surface
    // Capacity chain, point arrays (kips / kN).
    PointTable unplugged_tip_point, plug_friction_point, plug_tip_point, averaged_plugged_tip;
    PointTable tip_resistance;                  // of the latest chain run
    FixedTable<PlugFlags, kMethodCount> plug_flag;  // by method_index
    PointTable tip_fhwa, tip_usace, tip_user;   // the chain's own copies for methods 1, 2 and 9

    // API RP-2A: unit friction outside and inside the pile per element
    // (ksf / kPa), and the point arrays of its skin friction.
    ElementTable api_side_top, api_side_bottom, api_inside_top, api_inside_bottom;
    PointTable api_unit_side_raw, api_side_limit, api_unit_side;        // ksf / kPa
    PointTable api_side_increment, api_side_increment_limit;           // kips / kN
    PointTable api_cum_side, api_cum_side_for_transfer;                 // kips / kN

    // USACE and Revised Lambda.
    // USACE: effective vertical stress at the top and bottom of every element
    // held at its value at the critical depth below it (ksf / kPa, rebuilt by
    // every pre-step); the critical depth by density of the latest sand
    // element (ft / m, 0 before the first one).
    ElementTable sigma_crit_top, sigma_crit_bottom;
    double critical_depth_density = 0;
    // USACE: unit friction outside and inside the pile per element (ksf / kPa),
    // and the point arrays of its skin friction.
    ElementTable usace_side_top, usace_side_bottom, usace_inside_top, usace_inside_bottom;
    PointTable usace_unit_side, usace_side_limit;                        // ksf / kPa
    PointTable usace_side_increment, usace_side_increment_limit;         // kips / kN
    PointTable usace_cum_side, usace_cum_side_for_transfer;               // kips / kN
    // USACE end bearing in sand: the stress frozen below the critical depth
    // in the current chain run, and the first stresses frozen below 15 and 20
    // diameters, kept for the rest of the analysis (ksf / kPa).
    double usace_frozen_stress = 0;
    double usace_frozen_stress_15 = 0;
    double usace_frozen_stress_20 = 0;
    // Revised Lambda: strength of every element (ksf / kPa, 0 inside the
    // zero-friction length), and per output point the means over the
    // embedded depth, the limit and unit friction (ksf / kPa) and the
    // cumulative skin friction (kips / kN).
    ElementTable lambda_element_strength;
    PointTable lambda_mean_stress, lambda_mean_strength, lambda_side_limit, lambda_unit_side;
    PointTable lambda_cum_side, lambda_cum_side_for_transfer;

    // FHWA (Nordlund in sand, Tomlinson in clay): unit friction outside and
    // inside the pile per element (ksf / kPa), and the point arrays of its
    // skin friction. `kdelta` and `adhesion_factor` are those of the latest
    // sand and clay element; per clay element the penetration ratio and the
    // adhesion case (1..3, 0 none) the factor was read with.
    ElementTable fhwa_side_top, fhwa_side_bottom, fhwa_inside_top, fhwa_inside_bottom;
    PointTable fhwa_unit_side, fhwa_side_limit;                         // ksf / kPa
    PointTable fhwa_side_increment, fhwa_side_increment_limit;         // kips / kN
    PointTable fhwa_cum_side, fhwa_cum_side_for_transfer;               // kips / kN
    double kdelta = 0;
    double adhesion_factor = 0;
    ElementTable fhwa_penetration_ratio;
    FixedTable<int, kMaxElements> fhwa_adhesion_case;

    // NGI, ICP/MTD, FUGRO, UWA (with their shared clay rules) and the
    // user-specified method.
    // Unit skin friction of the offshore method being computed, at the top
    // and bottom of every element (ksf / kPa); one set, rewritten by each.
    ElementTable offshore_side_top, offshore_side_bottom;
    // Unit friction inside the soil plug per method (ksf / kPa), read by the
    // chain's plug step.
    ElementTable ngi_inside_top, ngi_inside_bottom, icp_inside_top, icp_inside_bottom;
    ElementTable fugro_inside_top, fugro_inside_bottom, uwa_inside_top, uwa_inside_bottom;
    // Point arrays of the offshore method being computed: unit skin friction
    // (ksf / kPa) as integrated and as plotted, the increment between points
    // and the LRFD-factored cumulative skin friction (kips / kN).
    PointTable offshore_unit_side, offshore_unit_side_out, offshore_side_increment, offshore_cum_side;
    // Each offshore method's cumulative skin friction for load transfer
    // (kips / kN), unfactored or factored by `factored_transfer`.
    PointTable ngi_cum_side_for_transfer, icp_cum_side_for_transfer;
    PointTable fugro_cum_side_for_transfer, uwa_cum_side_for_transfer;
    // User-specified method: LRFD-factored cumulative skin friction (kips /
    // kN); its tip before the end-bearing factor is `tip_user`.
    PointTable user_cum_side;
};

}  // namespace tarne
