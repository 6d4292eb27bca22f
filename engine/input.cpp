#include "input.h"

#include <fstream>
#include <istream>
#include <ostream>

#include "errors.h"
#include "list_reader.h"

namespace tarne {
namespace {

constexpr std::size_t kHeaderTextChars = 72;
constexpr std::size_t kVersionChars = 12;

std::string trimmed_path(std::string line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\t'))
        line.pop_back();
    return line;
}

std::string ask(Console& console, const char* request) {
    if (console.out) *console.out << "\n\n       " << request << "\n ENTER >" << std::flush;
    std::string answer;
    if (console.in) std::getline(*console.in, answer);
    return trimmed_path(answer);
}

int read_count(ListReader& r, const char* what, int min, int max) {
    const int n = r.read_int(what);
    if (n < min || n > max)
        r.reject(std::string("the ") + what + " is " + std::to_string(n) + "; it must be from " +
                 std::to_string(min) + " to " + std::to_string(max));
    return n;
}

void read_profile_point(AnalysisState& s, ListReader& r, int i) {
    s.prof_friction_unlimited[i] = 0;
    s.prof_bearing_unlimited[i] = 0;
    s.prof_friction_table_code[i] = 0;

    r.begin_record();
    s.prof_depth[i] = r.read_real("the depth of a soil profile point");
    if (i > 1 && s.prof_depth[i] < s.prof_depth[i - 1] - kDepthTolerance)
        r.reject("the soil profile point at " + std::to_string(s.prof_depth[i]) +
                 " lies above the point before it; depths must not decrease");
    const double kind = r.read_real("the soil kind");
    if (kind != 1.0 && kind != 2.0 && kind != 3.0)
        r.reject("the soil kind must be 1 (sand), 2 (clay) or 3 (silt)");
    s.prof_soil_kind[i] = kind;
    s.prof_k0[i] = r.read_real("Ko");
    s.prof_gamma[i] = r.read_real("the effective unit weight");
    s.prof_phi[i] = r.read_real("the friction angle");
    s.prof_nq[i] = r.read_real("the bearing capacity factor");

    r.begin_record();
    s.prof_max_friction[i] = r.read_real("the maximum unit side friction");
    s.prof_max_bearing[i] = r.read_real("the maximum unit end bearing");
    s.prof_su[i] = r.read_real("the undrained shear strength");
    s.prof_su_remolded[i] = r.read_real("the remolded shear strength or blow count");
    s.prof_blow_count[i] = r.read_real("the yield stress ratio");
    s.prof_pi[i] = r.read_real("the plastic index");
    s.prof_qc[i] = r.read_real("the cone resistance Qc");
    s.prof_user_friction[i] = r.read_real("the user unit skin friction");
    s.prof_user_bearing[i] = r.read_real("the user unit end bearing");
    s.prof_side_factor[i] = r.read_real("the factor on side friction");
    s.prof_end_factor[i] = r.read_real("the factor on end bearing");
    s.prof_adhesion_method[i] = r.read_real("the adhesion method");

    // Sand carries its blow count in the remolded-strength place.
    if (kind == 1.0) {
        s.prof_blow_count[i] = s.prof_su_remolded[i];
        s.prof_su_remolded[i] = 0.0;
    }

    // A maximum unit side friction of 9999 asks the API method for its sand
    // table's limit. The code is the value as written (psf or kPa), so it is
    // recognised here, before the English value becomes 9.999 ksf.
    if (s.prof_max_friction[i] == kApiFrictionTableCode) s.prof_friction_table_code[i] = 1;

    // The first point with a submerged unit weight marks the water table.
    const double submerged_below = s.unit_system == kEnglish ? 75.0 : 12.0;  // pcf / kN/m3
    if (s.water_table_depth >= 99999.0 && s.prof_gamma[i] < submerged_below)
        s.water_table_depth = s.prof_depth[i];

    if (s.unit_system == kEnglish) {  // psf to ksf
        s.prof_max_friction[i] /= 1000.0;
        s.prof_max_bearing[i] /= 1000.0;
        s.prof_su[i] /= 1000.0;
        s.prof_su_remolded[i] /= 1000.0;
    }

    // A limit of 0 means the user sets no limit.
    if (s.prof_max_friction[i] < kZeroTolerance) {
        s.prof_friction_unlimited[i] = 1;
        s.prof_max_friction[i] = kNoLimit;
    }
    if (s.prof_max_bearing[i] < kZeroTolerance) {
        s.prof_bearing_unlimited[i] = 1;
        s.prof_max_bearing[i] = kNoLimit;
    }
}

}  // namespace

void read_run_control(AnalysisState& s, const std::string& names_path, Console& console) {
    std::ifstream in(names_path, std::ios::binary);
    std::string lines[8];
    int read = 0;
    while (read < 8 && in && std::getline(in, lines[read])) ++read;

    if (read >= 1) s.version_text = trimmed_path(lines[0]).substr(0, kVersionChars);
    // Lines 2 to 4 are reserved and not used.
    if (read == 8) {
        s.input_path = trimmed_path(lines[4]);
        s.report_path = trimmed_path(lines[5]);
        s.plot_path = trimmed_path(lines[6]);
        s.cpt_path = trimmed_path(lines[7]);
        return;
    }
    s.input_path = ask(console, "ENTER A FILE NAME FOR YOUR INPUT FILE.");
    s.report_path = ask(console, "ENTER A FILE NAME FOR YOUR OUTPUT FILE.");
    s.plot_path = ask(console, "ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE.");
}

void read_input(AnalysisState& s, ListReader& r) {
    s.title = r.read_text(kHeaderTextChars, "the title");
    s.designer = r.read_text(kHeaderTextChars, "the designer");
    s.job_number = r.read_text(kHeaderTextChars, "the job number");

    r.begin_record();
    s.unit_system = r.read_int("the unit system");
    if (s.unit_system != kEnglish && s.unit_system != kSI)
        r.reject("the unit system must be 1 (English) or 2 (SI)");
    s.print_interval = read_count(r, "print interval", 1, 1000000);
    s.profile_point_count = read_count(r, "number of soil profile points", 2, kMaxProfilePoints);
    if (s.profile_point_count % 2 != 0)
        r.reject("the number of soil profile points must be even (two per layer)");
    s.closed_end = r.read_int("the closed-end flag");

    r.begin_record();
    s.perimeter = r.read_real("the perimeter");
    s.tip_area = r.read_real("the tip area");
    s.outside_diameter = r.read_real("the outside diameter");
    s.inside_diameter = r.read_real("the inside diameter");
    s.elastic_modulus = r.read_real("the modulus of elasticity");
    s.total_length = r.read_real("the total pile length");
    s.stickup_length = r.read_real("the stick-up length");
    if (s.stickup_length > s.total_length)
        r.reject("the stick-up length is longer than the total pile length");
    s.tip_area_input = s.tip_area;
    s.outside_diameter_input = s.outside_diameter;
    s.inside_diameter_input = s.inside_diameter;
    s.total_length_input = s.total_length;
    if (s.unit_system == kEnglish) s.tip_area /= 144.0;  // in2 to ft2
    if (s.perimeter > kZeroTolerance) {
        // A non-circular section is treated through the circle of the same perimeter.
        s.inside_diameter = 0.0;
        s.outside_diameter = s.perimeter / 3.1416;
    }
    // The tip resistance is averaged over three diameters: a pile without one cannot be analysed.
    if (s.outside_diameter <= kZeroTolerance)
        r.reject("the outside diameter (or, for a non-circular pile, the perimeter) must be greater than zero");
    // The wall of a pipe (and the offshore methods' equivalent radius) needs ID < OD.
    if (s.inside_diameter >= s.outside_diameter) r.reject("the inside diameter must be less than the outside diameter");

    r.begin_record();
    s.enhanced_end_length = r.read_real("the enhanced end length");
    s.enhanced_end_inside_diameter = r.read_real("the enhanced end inside diameter");
    if (s.enhanced_end_length < 1.0e-5) {
        // No enhanced end: the whole pile is one section with the ordinary inside diameter.
        s.enhanced_end_inside_diameter = s.inside_diameter;
        s.enhanced_end_length = s.total_length - 1.0e-7;
    }
    if (s.enhanced_end_inside_diameter >= s.outside_diameter)
        r.reject("the inside diameter of the enhanced end section must be less than the outside diameter");

    r.begin_record();
    s.zero_friction_length = r.read_real("the zero friction length");
    s.length_increment = r.read_real("the length increment");
    if (s.length_increment <= 0.0) r.reject("the length increment must be greater than zero");
    s.pile_type = read_count(r, "pile type", 1, 7);
    s.taper_angle = r.read_real("the taper angle");
    s.transfer_method = read_count(r, "method for unit load transfers", 1, kMethodCount);
    s.offshore_enabled = r.read_int("the offshore flag");
    s.factored_transfer = r.read_int("the factored transfer flag");

    r.begin_record();
    for (int m = 1; m <= kMethodCount; ++m) s.method_switch[m] = r.read_int("a method switch");

    r.begin_record();
    s.profile_bottom = r.read_real("the profile bottom");
    s.section_area = r.read_real("the cross section area");

    for (int i = 1; i <= s.profile_point_count; ++i) read_profile_point(s, r, i);

    r.begin_record();
    if (r.read_int("the extra t-z curves flag") == 1) {
        r.begin_record();
        s.extra_tz_count = read_count(r, "number of extra t-z depths", 0, kMaxExtraTzDepths);
        for (int i = 1; i <= s.extra_tz_count; ++i) {
            r.begin_record();
            s.extra_tz_depth[i] = r.read_real("an extra t-z depth");
        }
    }

    r.begin_record();
    s.loading_type = r.read_int("the loading type");
    s.tension_factor = r.read_real("the tension factor");

    r.begin_record();
    s.icp_clay_drained = r.read_int("the ICP/MTD clay condition");
    s.plug_option = r.read_int("the plug option");

    r.begin_record();
    s.area_table_count = read_count(r, "number of cross section area rows", 0, kMaxAreaRows);
    s.area_option = r.read_int("the area option");
    for (int i = 1; i <= s.area_table_count; ++i) {
        r.begin_record();
        s.area_table_distance[i] = r.read_real("an area table distance");
        s.area_table_area[i] = r.read_real("an area table area");
    }

    r.begin_record();
    s.critical_depth_option = r.read_int("the critical depth option");
    s.critical_depth = r.read_real("the critical depth");
}

void read_cpt(AnalysisState& s, ListReader& r) {
    r.begin_record();
    s.cpt_units = r.read_int("the CPT unit system");
    s.cpt_count = read_count(r, "number of CPT points", 0, kMaxCptPoints);
    for (int i = 1; i <= s.cpt_count; ++i) {
        r.begin_record();
        s.cpt_depth[i] = r.read_real("a CPT depth");
        s.cpt_qc[i] = r.read_real("a CPT cone resistance");
    }
}

}  // namespace tarne
