#include "report.h"

#include <cmath>
#include <filesystem>
#include <string>

namespace tarne {
namespace {

constexpr int kIndent = 10;
constexpr double kPi = 3.1416;  // the value the report's areas are computed with

FixedLine& at10(FixedLine& l) { return l.clear(), l.blanks(kIndent); }

void text_at10(TextOut& out, std::string_view text) {
    FixedLine l;
    out.line(at10(l).text(text));
}

// "- LABEL =" value (F10.2), a blank and the unit label.
void value_line(TextOut& out, std::string_view label, double value, const char* unit) {
    FixedLine l;
    out.line(at10(l).text(label).f(value, 10, 2).blanks(1).text(unit));
}

const char* soil_kind_name(double kind) {
    if (kind == 1.0) return "SAND";
    if (kind == 2.0) return "CLAY";
    if (kind == 3.0) return "SILT";
    return "";
}

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

bool is_noncircular(const AnalysisState& s) {
    return s.pile_type == 6 || (s.pile_type == 3 && s.perimeter != 0.0);
}

bool is_pipe_like(const AnalysisState& s) {  // OD and ID are echoed, open or closed end
    return s.pile_type == 1 || (s.pile_type == 3 && s.perimeter == 0.0);
}

// Cross-section area echoed when no area table is used (in2 / m2).
double echoed_section_area(const AnalysisState& s) {
    if (s.area_option == 1) return s.section_area;
    double area;
    if (is_noncircular(s))
        return s.tip_area_input;
    const double od = s.outside_diameter_input;
    const double id = s.inside_diameter_input;
    if (is_pipe_like(s))
        area = kPi / 4.0 * (od * od - id * id);
    else
        area = kPi / 4.0 * od * od;
    if (s.unit_system == kSI) area /= 1000.0 * 1000.0;  // mm2 to m2
    return area;
}

void echo_methods(TextOut& out, const AnalysisState& s) {
    FixedLine l;
    text_at10(out, "METHOD FOR UNIT LOAD TRANSFERS : ");
    out.empty();
    text_at10(out, method_line(s.transfer_method));
    text_at10(out, s.factored_transfer == 1
                       ? "  Reduced Unit Side Friction and Unit Side Resistance are used."
                       : "  Unfactored Unit Side Friction and Unit Side Resistance are used.");

    out.empty(3);
    text_at10(out, "COMPUTATION METHOD(S) FOR PILE CAPACITY : ");
    out.empty();
    for (int m = 1; m <= kMethodCount; ++m) {
        if (s.method_switch[m] != 1) continue;
        text_at10(out, method_line(m));
        if (m == kUsace) {
            text_at10(out, "  # Critical Depth Method for Sand:");
            if (s.critical_depth_option == 0)
                text_at10(out, "    10 to 20 Pile Diameter based on the Density");
            else if (s.critical_depth_option == 1)
                text_at10(out, "    At Effective Stress Reaching 3,500 psf (185 kPa)");
            else if (s.critical_depth_option == 2)
                out.line(at10(l).text("    At User-Specified Critical Depth =").f(s.critical_depth, 10, 2)
                             .blanks(1).text(s.length_label));
        }
        if (m == kIcp)
            text_at10(out, s.icp_clay_drained == 1 ? "  # Use Drained Condition for Clay"
                                                   : "  # Use Undrained Condition for Clay");
    }
}

void echo_loading_and_pile_type(TextOut& out, const AnalysisState& s) {
    FixedLine l;
    out.empty(2);
    text_at10(out, "TYPE OF LOADING : ");
    text_at10(out, s.loading_type != 1 ? "- COMPRESSION  " : "- TENSION  ");
    if (s.loading_type == 1 && s.method_switch[kApi] == 1)
        out.line(at10(l).text("  REDUCTION FACTOR FOR TENSION LOADING =").f(s.tension_factor, 10, 2));

    out.empty(2);
    text_at10(out, "PILE TYPE : ");
    out.empty();
    switch (s.pile_type) {
        case 1: text_at10(out, "Steel pipe pile or non-tapered portion of monotube pile"); break;
        case 2: text_at10(out, "Timber pile"); break;
        case 3:
            text_at10(out, s.perimeter != 0.0 ? "Precast concrete pile (Square/Rectangular/Orthogonal)"
                                              : "Precast concrete pile (Circular/Tubular)");
            break;
        case 4: text_at10(out, "Raymond step-taper pile"); break;
        case 5: text_at10(out, "Raymond Uniform taper pile"); break;
        case 6: text_at10(out, "H-Pile/Steel Pile"); break;
        case 7: text_at10(out, "Tapered portion of Monotube pile"); break;
        default: break;
    }
    if (is_pipe_like(s)) text_at10(out, s.closed_end == 0 ? "- Open-Ended Pile" : "- Close-Ended Pile");
    const bool tapered_type = s.pile_type == 2 || s.pile_type == 4 || s.pile_type == 5 || s.pile_type == 7;
    if (s.method_switch[kApi] == 1 && tapered_type && s.taper_angle > 0.0)
        out.line(at10(l).text("Angle of taper for a tapered pile  (degrees) =").f(s.taper_angle, 10, 2));
}

void echo_stiffness(TextOut& out, const AnalysisState& s) {
    FixedLine l;
    out.empty(2);
    text_at10(out, "DATA FOR AXIAL STIFFNESS : ");
    out.empty();
    out.line(at10(l).text("- MODULUS OF ELASTICITY     =").e(s.elastic_modulus, 10, 3).blanks(1)
                 .text(s.unit_system == kEnglish ? "PSI" : "KPA"));
    if (s.area_option >= 2) {
        text_at10(out, "- CROSS SECTION AREA ALONG DEPTH");
        out.line(at10(l).text(" DEPTH,").text(s.length_label).blanks(10).text(" AREA,").text(s.area_label));
        for (int r = 1; r <= s.area_table_count; ++r)
            out.line(at10(l).f(s.area_table_distance[r], 10, 2).blanks(10).f(s.area_table_area[r], 10, 2));
    } else {
        value_line(out, "- CROSS SECTION AREA        =", echoed_section_area(s), s.area_label);
    }
}

void echo_lengths(TextOut& out, const AnalysisState& s) {
    value_line(out, "- TOTAL PILE LENGTH, TL     =", s.total_length_input, s.length_label);
    value_line(out, "- PILE STICKUP LENGTH, PSL  =", s.stickup_length, s.length_label);
    value_line(out, "- ZERO FRICTION LENGTH, ZFL =", s.zero_friction_length, s.length_label);
}

void echo_increment(TextOut& out, const AnalysisState& s) {
    text_at10(out, "- INCREMENT OF PILE LENGTH");
    value_line(out, "  USED IN COMPUTATION       =", s.length_increment, s.length_label);
}

void echo_geometry(TextOut& out, const AnalysisState& s) {
    out.empty(2);
    if (is_noncircular(s)) {
        text_at10(out, "NONCIRCULAR PILE PROPERTIES : ");
        out.empty();
        echo_lengths(out, s);
        value_line(out, "- PERIMETER OF PILE         =", s.perimeter, s.diameter_label);
        value_line(out, "- TIP AREA OF PILE          =", s.tip_area_input, s.area_label);
        echo_increment(out, s);
        return;
    }
    text_at10(out, "CIRCULAR PILE PROPERTIES : ");
    out.empty();
    value_line(out, "- OUTSIDE DIAMETER, OD      =", s.outside_diameter, s.diameter_label);
    if (!is_pipe_like(s)) {
        echo_lengths(out, s);
        echo_increment(out, s);
        return;
    }
    value_line(out, "- INTERNAL DIAMETER, ID     =", s.inside_diameter, s.diameter_label);
    echo_lengths(out, s);
    echo_increment(out, s);
    if (s.pile_type == 3 && s.closed_end != 0) return;
    // `total_length` holds the embedded length during the echo.
    if (std::abs(s.total_length - s.enhanced_end_length) > kDepthTolerance) {
        text_at10(out, "- LENGTH OF ENHANCED ");
        value_line(out, "  END SECTION               =", s.enhanced_end_length, s.length_label);
        text_at10(out, "- INTERNAL DIAMETER OF ");
        value_line(out, "  ENHANCED END SECTION      =", s.enhanced_end_inside_diameter, s.diameter_label);
    }
    out.empty(2);
    text_at10(out, "PLUGGED/UNPLUGGED CONDITIONS : ");
    switch (s.plug_option) {
        case 0: text_at10(out, "Internal Pile Plug Calculated by Program"); break;
        case 1: text_at10(out, "Plugged for open-ended pile"); break;
        case 2: text_at10(out, "Unplugged for open-ended pile"); break;
        default: break;
    }
}

void echo_soil_table(TextOut& out, const AnalysisState& s) {
    FixedLine l;
    out.empty(3);
    text_at10(out, "SOIL INFORMATIONS :");
    out.empty();
    out.line(at10(l).blanks(53));
    out.empty();
    text_at10(out, "                  LATERAL    EFFECTIVE    FRICTION   BEARING");
    text_at10(out, "          SOIL    EARTH      UNIT         ANGLE      CAPACITY");
    text_at10(out, " DEPTH    TYPE    PRESSURE   WEIGHT       DEGREES    FACTOR");
    l.clear();
    out.line(l.blanks(12).text(s.length_label).blanks(24).text(s.unit_weight_label));
    for (int i = 1; i <= s.profile_point_count; ++i)
        out.line(at10(l).f(s.prof_depth[i], 7, 2).blanks(3).text_a(soil_kind_name(s.prof_soil_kind[i]), 4)
                     .f(s.prof_k0[i], 10, 2).f(s.prof_gamma[i], 13, 2).f(s.prof_phi[i], 13, 2)
                     .f(s.prof_nq[i], 10, 2));
}

void echo_strength_table(TextOut& out, const AnalysisState& s) {
    FixedLine l;
    out.empty(3);
    text_at10(out, "MAXIMUM   MAXIMUM   UNDISTURB  REMOLDED ");
    text_at10(out, "UNIT      UNIT      SHEAR      SHEAR     BLOW   UNIT SKIN  UNIT END");
    text_at10(out, "FRICTION  BEARING   STRENGTH   STRENGTH  COUNT  FRICTION   BEARING");
    l.clear();
    out.line(l.blanks(12).text(s.stress_label).blanks(7).text(s.stress_label).blanks(8).text(s.stress_label)
                 .blanks(7).text(s.stress_label).blanks(15).text(s.stress_label).blanks(7).text(s.stress_label));
    const double user_scale = s.unit_system == kEnglish ? 1.0 / 1000.0 : 1.0;  // psf to ksf
    bool any_unlimited = false;
    for (int i = 1; i <= s.profile_point_count; ++i) {
        const bool f_star = s.prof_friction_unlimited[i] != 0;
        const bool b_star = s.prof_bearing_unlimited[i] != 0;
        any_unlimited = any_unlimited || f_star || b_star;
        out.line(at10(l).e(s.prof_max_friction[i], 8, 2).text(f_star ? "*" : " ")
                     .e(s.prof_max_bearing[i], 9, 2).text(b_star ? "*" : " ")
                     .f(s.prof_su[i], 11, 2).f(s.prof_su_remolded[i], 10, 2).f(s.prof_blow_count[i], 7, 2)
                     .f(s.prof_user_friction[i] * user_scale, 11, 2)
                     .f(s.prof_user_bearing[i] * user_scale, 10, 2));
    }
    if (any_unlimited) {
        out.empty();
        text_at10(out, "* MAXIMUM UNIT FRICTION AND/OR MAXIMUM UNIT BEARING ");
        text_at10(out, "  WERE SET TO BE 0.10E+08 BECAUSE THE USER DOES NOT ");
        text_at10(out, "  PLAN TO LIMIT THE COMPUTED DATA.");
    }
}

void echo_factor_table(TextOut& out, const AnalysisState& s) {
    FixedLine l;
    out.empty(3);
    text_at10(out, "         LRFD FACTOR  LRFD FACTOR    ");
    text_at10(out, "          ON UNIT      ON UNIT       ");
    text_at10(out, " DEPTH    FRICTION     BEARING   ");
    l.clear();
    out.line(l.blanks(12).text(s.length_label));
    for (int i = 1; i <= s.profile_point_count; ++i)
        out.line(at10(l).f(s.prof_depth[i], 7, 2).blanks(1).f(s.prof_side_factor[i], 8, 3).blanks(4)
                     .f(s.prof_end_factor[i], 8, 3));
}

void echo_offshore_table(TextOut& out, const AnalysisState& s) {
    FixedLine l;
    out.empty(2);
    out.line(at10(l).blanks(53));
    out.empty();
    text_at10(out, "        PLASTIC    YIELD      Qc                             ");
    text_at10(out, "         INDEX    STRESS     FROM                            ");
    text_at10(out, " DEPTH     PI      RATIO     CPT                             ");
    l.clear();
    out.line(l.blanks(12).text(s.length_label).blanks(6).text("%").blanks(17).text(s.stress_label));
    const double qc_scale = s.unit_system == kEnglish ? 1.0 / 1000.0 : 1.0;  // psf to ksf
    for (int i = 1; i <= s.profile_point_count; ++i)
        out.line(at10(l).f(s.prof_depth[i], 7, 2).blanks(1).f(s.prof_pi[i], 6, 2).blanks(3)
                     .f(s.prof_blow_count[i], 6, 2).blanks(3).e(s.prof_qc[i] * qc_scale, 10, 3));
}

}  // namespace

void set_unit_labels(AnalysisState& s) {
    const bool english = s.unit_system == kEnglish;
    s.length_label = english ? "FT." : "M. ";
    s.diameter_label = english ? "IN." : "MM.";
    s.force_label = english ? "KIP" : "KN.";
    s.stress_label = english ? "KSF" : "KPA";
    s.unit_weight_label = english ? "LB/CF" : "KN/CM";
    s.area_label = english ? "IN2" : "M2 ";
}

const char* method_line(int code) {
    switch (code) {
        case kFhwa: return "- FHWA (Federal Highway Administration)";
        case kUsace: return "- USACE (U.S. Army Corps of Engineers)";
        case kLambda: return "- Revised Lambda";
        case kApi: return "- API RP 2A (American Petroleum Institute)";
        case kUserSpecified: return "- Load-transfer Units specified by User";
        case kNgi: return "- NGI (Norwegian Geotechnical Institute)";
        case kIcp: return "- ICP/MTD (Imperial College of London)";
        case kFugro: return "- FUGRO (Offshore Driven Piles in Sand)";
        case kUwa: return "- UWA (University of Western Australia)";
        default: return "";
    }
}

void write_banner(TextOut& out, const AnalysisState& s) {
    FixedLine l;
    out.line(l.blanks(5).repeat('=', 73));
    out.empty();
    l.clear();
    out.line(l.blanks(20).text("  TARNE for Windows, Version ").text_a(s.version_text, 12));
    out.empty();
    l.clear();
    out.line(l.blanks(20).text("   A Program for Analyzing the Axial Capacity "));
    l.clear();
    out.line(l.blanks(20).text("   and Short-term Settlement of Driven Piles "));
    l.clear();
    out.line(l.blanks(20).text("             under Axial Loading. "));
    out.empty();
    l.clear();
    out.line(l.blanks(5).repeat('=', 73));
    out.empty(2);
}

void write_file_block(TextOut& out, const AnalysisState& s) {
    namespace fs = std::filesystem;
    const auto name_of = [](const std::string& p) { return fs::path(p).filename().string(); };
    std::string folder = fs::path(s.input_path).parent_path().string();
    if (!folder.empty() && folder.back() != '/') folder += '/';
    FixedLine l;
    l.clear();
    out.line(l.blanks(5).text("Path to file locations      : ").text(trim_right(folder)));
    l.clear();
    out.line(l.blanks(5).text("Name of input data file     : ").text(trim_right(name_of(s.input_path))));
    l.clear();
    out.line(l.blanks(5).text("Name of output file         : ").text(trim_right(name_of(s.report_path))));
    l.clear();
    out.line(l.blanks(5).text("Name of plot output file    : ").text(trim_right(name_of(s.plot_path))));
    out.line(" ");
}

void write_date_block(TextOut& out, const std::tm& when) {
    FixedLine l;
    out.line(l.blanks(5).repeat('-', 73));
    l.clear();
    out.line(l.blanks(26).text("Time and Date of Analysis"));
    l.clear();
    out.line(l.blanks(5).repeat('-', 73));
    out.empty();
    l.clear();
    const int month = when.tm_mon >= 0 && when.tm_mon < 12 ? when.tm_mon : 0;
    out.line(l.blanks(15).text("Date:  ").text(kMonths[month]).blanks(1).i(when.tm_mday, 2, 2).text(", ")
                 .i(when.tm_year + 1900, 4).blanks(5).text("Time:  ").i(when.tm_hour, 2, 2).text(":")
                 .i(when.tm_min, 2, 2).text(":").i(when.tm_sec, 2, 2));
}

void write_input_echo(TextOut& out, const AnalysisState& s) {
    FixedLine l;
    out.empty(3);
    out.page_mark();
    out.line(at10(l).repeat('*', 21).text("* INPUT INFORMATION *").repeat('*', 21));

    out.empty(3);
    out.line(at10(l).text_a(s.title, 70));
    out.empty();
    out.line(at10(l).text("DESIGNER   : ").text_a(s.designer, 60));
    out.empty();
    out.line(at10(l).text("JOB NUMBER : ").text_a(s.job_number, 60));

    out.empty(2);
    echo_methods(out, s);
    echo_loading_and_pile_type(out, s);
    echo_stiffness(out, s);
    echo_geometry(out, s);
    echo_soil_table(out, s);
    echo_strength_table(out, s);
    echo_factor_table(out, s);
    if (s.offshore_enabled >= 1) echo_offshore_table(out, s);
}

void write_results_heading(TextOut& out) {
    FixedLine l;
    out.empty(3);
    out.page_mark();
    out.line(at10(l).repeat('*', 22).text("* COMPUTATION RESULT *").repeat('*', 22));
}

}  // namespace tarne
