#include "methods/fhwa.h"

#include <gtest/gtest.h>

#include <cmath>
#include <locale>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "framework.h"
#include "passes.h"
#include "project_fixture.h"
#include "transfer_handover.h"

namespace tarne {
namespace {

using testing::load_project;

// A data file written from a few pile and layer fields (values in the data
// file's units: ft, in, psf, pcf or m, mm, kPa, kN/m3), FHWA selected.
struct Pile {
    int units = kEnglish;
    std::string section = "0 0 12 0";  // perimeter, tip area, OD, ID
    double length = 20.0;              // total, with the stick-up
    double stickup = 0.0;
    double increment = 1.0;
    int type = 1;
    double taper = 0.0;
    int closed = 1;
    int plug = 0;
    int load = 0;
    double tension_factor = 0.8;
    int factored_transfer = 0;
};

struct Layer {
    double top, bottom;
    int kind;  // 1 sand, 2 clay
    double gamma;
    double phi = 0.0;    // sand
    double su = 0.0;     // clay, psf / kPa
    int adhesion = 0;    // clay: Tomlinson chart 1..3, 0 by the program
    double end_factor = 1.0;
    double side_factor = 1.0;
};

std::string data_file(const Pile& p, const std::vector<Layer>& layers) {
    std::ostringstream o;
    o.imbue(std::locale::classic());
    o.precision(12);
    o << "FHWA test\r\nDesigner\r\nJob\r\n";
    o << p.units << " 1 " << 2 * layers.size() << " " << p.closed << " \r\n";
    o << p.section << " 29000000 " << p.length << " " << p.stickup << " \r\n0 0 \r\n";
    o << "0 " << p.increment << " " << p.type << " " << p.taper << " 1 1 " << p.factored_transfer
      << " \r\n1 0 0 1 0 0 0 0 0 \r\n";
    o << layers.back().bottom << " 0 \r\n";
    for (const auto& l : layers) {
        for (const double depth : {l.top, l.bottom}) {
            if (l.kind == 1) {
                o << depth << " 1 1 " << l.gamma << " " << l.phi << " 20 \r\n";
                o << "0 0 0.0 0 0.0 0.0 0 0 0 " << l.side_factor << " " << l.end_factor << " 0 \r\n";
            } else {
                o << depth << " 2 0.0 " << l.gamma << " 0.0 0.0 \r\n";
                o << "0 0 " << l.su << " " << l.su / 2 << " 1 20 0 0 0 " << l.side_factor << " " << l.end_factor
                  << " " << l.adhesion << " \r\n";
            }
        }
    }
    o << "0 \r\n" << p.load << " " << p.tension_factor << " \r\n0 " << p.plug << " \r\n2 0 \r\n0 0 \r\n"
      << p.length << " 0 \r\n0 0 \r\n";
    return o.str();
}

// Pre-step and the opening chain runs, then FHWA with its chain run and results.
void run_fhwa(AnalysisState& s) {
    prepare_capacity_pass(s);
    compute_fhwa_method(s);
    run_chain(s, fhwa_rules());
    form_method_results(s, kFhwa);
}

std::unique_ptr<AnalysisState> fhwa_run(const Pile& p, const std::vector<Layer>& layers) {
    auto s = load_project(data_file(p, layers));
    run_fhwa(*s);
    return s;
}

// HP pile of perimeter 18 x 3.1416 in (OD 18 in, 1.5 ft) and tip area
// 28.8 in2 (V = 0.2 ft3/ft), 45 ft embedded: sand 0-10 ft (120 pcf, phi 30)
// over clay 10-60 ft (50 pcf, su 2000 psf).
Pile english_h_pile() {
    Pile p;
    p.section = "56.5488 28.8 0 0";
    p.length = 45.0;
    p.type = 6;
    p.closed = 0;
    return p;
}
std::vector<Layer> english_sand_over_clay(double end_factor = 1.0) {
    return {{0, 10, 1, 120, 30, 0, 0, end_factor}, {10, 60, 2, 50, 0, 2000, 0, end_factor}};
}

// The same in SI: perimeter 3.1416 x 500 mm (OD 0.5 m), tip area 0.01858 m2
// (V = 0.01858 / 0.0929 = 0.2 ft3/ft), 15 m embedded, 0.5 m increments:
// sand 0-3 m (19 kN/m3, phi 30) over clay 3-20 m (8 kN/m3, su 96 kPa).
Pile si_h_pile() {
    Pile p;
    p.units = kSI;
    p.section = "1570.8 0.01858 0 0";
    p.length = 15.0;
    p.increment = 0.5;
    p.type = 6;
    p.closed = 0;
    return p;
}
const std::vector<Layer> kSiSandOverClay = {{0, 3, 1, 19, 30}, {3, 20, 2, 8, 0, 96}};

// Sand friction of both H-piles: V = 0.2, so delta/phi = 0.827 (H-pile) and
// delta = 24.81 degrees; CF = 0.94 + 0.06 * 0.027 / 0.2 = 0.9481; Kdelta at
// phi 30, omega 0 = 0.85 + 0.30 * (0.2 - 0.1) / 0.9 = 0.883333; unit
// friction = 0.883333 * sin(24.81) * 0.9481 * sigma' = 0.351419 sigma'.
constexpr double kSandFactor = 0.351419;

TEST(Fhwa, HandCheckedSandAndClayEnglish) {
    auto s = fhwa_run(english_h_pile(), english_sand_over_clay());
    EXPECT_NEAR(s->fhwa_unit_side[5], kSandFactor * 0.48, 1e-6);  // 4 ft: sigma' 0.48 ksf -> 0.168681 ksf
    EXPECT_NEAR(s->fhwa_unit_side[9], kSandFactor * 0.96, 1e-6);  // 8 ft: 0.337362 ksf
    // Clay below sand: case 1. Penetration ratio (45 - 10) / 1.5 = 23.3333;
    // alpha = 0.95 + (0.68 - 0.95) * 3.3333 / 20 = 0.905; f = 0.905 * 2.0 = 1.81 ksf.
    EXPECT_EQ(s->fhwa_adhesion_case[20], 1);
    EXPECT_NEAR(s->fhwa_penetration_ratio[20], 35.0 / 1.5, 1e-9);
    EXPECT_NEAR(s->fhwa_unit_side[16], 1.81, 1e-9);  // 15 ft
    EXPECT_NEAR(s->fhwa_unit_side[31], 1.81, 1e-9);  // 30 ft
    // To 4 ft the friction is linear in depth, so the trapezoids are exact:
    // 0.351419 * 0.12 * 4^2 / 2 * perimeter 3.14159 * 1.5 = 1.589780 kips.
    EXPECT_NEAR(s->results[kFhwa].skin_friction[5], 1.589780, 1e-5);

    // End bearing: alpha-t(30, L/D 30) N'q(30) = 0.52 * 30 = 15.6; element 4
    // (3-4 ft): 15.6 * 0.36 = 5.616 and 15.6 * 0.48 = 7.488 ksf. Element 9
    // (8-9 ft): 15.6 * 1.08 = 16.848 exceeds the limit 2 * 6.66 = 13.32 ksf.
    // Clay: 9 su = 18 ksf.
    EXPECT_NEAR(s->unit_end_bearing_node[7], 5.616, 1e-9);
    EXPECT_NEAR(s->unit_end_bearing_node[8], 7.488, 1e-9);
    EXPECT_NEAR(s->unit_end_bearing_node[18], 13.32, 1e-9);
    EXPECT_NEAR(s->unit_end_bearing_node[40], 18.0, 1e-9);
}

TEST(Fhwa, HandCheckedSandAndClaySi) {
    auto s = fhwa_run(si_h_pile(), kSiSandOverClay);
    EXPECT_NEAR(s->fhwa_unit_side[4], kSandFactor * 28.5, 1e-4);  // 1.5 m: sigma' 19 * 1.5 -> 10.015 kPa
    EXPECT_NEAR(s->fhwa_unit_side[6], kSandFactor * 47.5, 1e-4);  // 2.5 m: 16.692 kPa
    // Clay: su 96 / 47.88 = 2.005013 ksf; ratio (15 - 3) / 0.5 = 24. Case 1:
    // ratio-20 curve 0.95 - 0.075 * 0.010025 = 0.949248, ratio-40 curve
    // 0.68 - 0.18 * 0.010025 = 0.678195; alpha = 0.949248 - 0.271053 * 0.2
    // = 0.895038; f = 0.895038 * 96 = 85.9236 kPa.
    EXPECT_NEAR(s->fhwa_penetration_ratio[10], 24.0, 1e-9);
    EXPECT_NEAR(s->fhwa_unit_side[11], 85.9236, 1e-4);  // 5 m
    EXPECT_NEAR(s->fhwa_unit_side[21], 85.9236, 1e-4);  // 10 m
    // End bearing: 15.6 sigma' up to 2 * 47.88 * 6.66 = 637.7616 kPa. Element
    // 3 (1-1.5 m): 15.6 * 28.5 = 444.6 kPa at its bottom; element 5
    // (2-2.5 m): 15.6 * 47.5 = 741 kPa, limited.
    EXPECT_NEAR(s->unit_end_bearing_node[6], 444.6, 1e-9);
    EXPECT_NEAR(s->unit_end_bearing_node[10], 637.7616, 1e-9);
}

// The tip coefficient alpha-t reads the embedded length over the diameter in
// one unit: 45 ft / 1.5 ft = 15 m / 0.5 m = 30, giving 0.52 at 30 degrees.
// Feet over inches (45 / 18 = 2.5) or metres over millimetres (0.03) would
// read the L/D 20 curve, 0.58, and a bearing 11.5 % too high.
TEST(Fhwa, EndBearingLengthRatioInOneUnit) {
    for (const std::string& data :
         {data_file(english_h_pile(), english_sand_over_clay()), data_file(si_h_pile(), kSiSandOverClay)}) {
        auto s = load_project(data);
        prepare_stress_and_parameters(*s);
        double top = 0;
        double bottom = 0;
        fhwa_end_bearing_rule(*s, 2, top, bottom);
        EXPECT_NEAR(bottom / s->sigma_bottom[2], 0.52 * 30.0, 1e-9) << s->unit_system;
    }
}

// A clay layer's thickness counts into the penetration ratio once, however
// many element bottoms the increment puts within 0.95 ft of the layer's
// bottom. Clay 0-10 ft (su 1000 psf) over clay 10-30 ft (su 2000 psf), a
// 12 in pile 25 ft long: at 20 ft the ratio is (25 + 10 - 10) / 1 = 25 for
// every increment (adding the 10 ft once per element near 10 ft would give
// 35 with 0.5 ft and 55 with 0.25 ft). Case 3 (stiff clay above the first
// element) at su 2.0 ksf: alpha = 0.688 + (0.9 - 0.688) * 15 / 30 = 0.794.
TEST(Fhwa, ClayPenetrationRatioDoesNotDependOnTheIncrement) {
    for (const double increment : {1.0, 0.5, 0.25}) {
        Pile p;
        p.length = 25.0;
        p.increment = increment;
        auto s = fhwa_run(p, {{0, 10, 2, 110, 0, 1000}, {10, 30, 2, 110, 0, 2000}});
        const int at_5ft = static_cast<int>(5.0 / increment);
        const int at_20ft = static_cast<int>(20.0 / increment);
        EXPECT_NEAR(s->fhwa_penetration_ratio[at_5ft], 10.0, 1e-9) << increment;
        EXPECT_NEAR(s->fhwa_penetration_ratio[at_20ft], 25.0, 1e-9) << increment;
        EXPECT_EQ(s->fhwa_adhesion_case[at_20ft], 3) << increment;
        EXPECT_NEAR(s->fhwa_side_bottom[at_20ft], 0.794 * 2.0, 1e-9) << increment;
    }
}

// Which of Tomlinson's charts a clay element reads: decided by the element
// above the first clay element after sand (or the pile's second element),
// kept through the clay below, replaced by a layer's own choice.
TEST(Fhwa, AdhesionCase) {
    struct Case {
        const char* what;
        std::vector<Layer> layers;
        int element;  // 1 ft elements
        int expected;
    };
    const Case cases[] = {
        {"clay below sand", {{0, 5, 1, 120, 32}, {5, 40, 2, 110, 0, 2000}}, 6, 1},
        {"below soft clay", {{0, 40, 2, 110, 0, 500}}, 2, 2},
        {"below stiff clay", {{0, 40, 2, 110, 0, 1000}}, 2, 3},
        {"kept through the clay below", {{0, 5, 2, 110, 0, 500}, {5, 40, 2, 110, 0, 3000}}, 20, 2},
        {"layer code 2 below sand", {{0, 5, 1, 120, 32}, {5, 40, 2, 110, 0, 2000, 2}}, 6, 2},
        {"layer code 3 below clay", {{0, 5, 2, 110, 0, 500}, {5, 40, 2, 110, 0, 3000, 3}}, 6, 3},
        {"first element: no case", {{0, 40, 2, 110, 0, 1000, 1}}, 1, 0},
        {"sand resets", {{0, 5, 2, 110, 0, 500}, {5, 10, 1, 120, 32}, {10, 40, 2, 110, 0, 500}}, 11, 1},
        {"no chart 5: ignored", {{0, 5, 1, 120, 32}, {5, 40, 2, 110, 0, 2000, 5}}, 6, 1},
    };
    for (const auto& c : cases) {
        auto s = fhwa_run(Pile{}, c.layers);
        EXPECT_EQ(s->fhwa_adhesion_case[c.element], c.expected) << c.what;
    }
}

// The pile's first element in clay has no case: its adhesion factor stays 0
// and so does its friction. The second element reads case 3 (stiff clay
// above, su 1.0 ksf) at ratio (20 - 0) / 1 = 20: alpha = 0.923 + (1.0 -
// 0.923) * 10 / 30 = 0.948667, inside the plug times the remolded 0.5 ksf.
TEST(Fhwa, FirstClayElementCarriesNoFriction) {
    auto s = fhwa_run(Pile{}, {{0, 40, 2, 110, 0, 1000}});
    EXPECT_EQ(s->fhwa_side_top[1], 0.0);
    EXPECT_EQ(s->fhwa_side_bottom[1], 0.0);
    EXPECT_EQ(s->fhwa_unit_side[2], 0.0);
    EXPECT_NEAR(s->fhwa_side_top[2], 0.948667, 1e-6);
    EXPECT_NEAR(s->fhwa_inside_top[2], 0.948667 * 0.5, 1e-6);  // remolded su 0.5 ksf
}

// Displaced volume (ft3/ft) by pile and plug state, in this order of override.
TEST(Fhwa, DisplacedVolume) {
    struct Case {
        const char* what;
        Pile pile;
        double volume;
    };
    auto pile = [](int units, const char* section, int closed, int plug, int type = 1) {
        Pile p;
        p.units = units;
        p.section = section;
        p.closed = closed;
        p.plug = plug;
        p.type = type;
        p.increment = units == kEnglish ? 1.0 : 0.5;
        p.length = units == kEnglish ? 20.0 : 6.0;
        return p;
    };
    constexpr double q = 3.14159 / 4.0;
    const Case cases[] = {
        // Open pipe 18/17 in, plug left to the program: the wall (flag 2).
        {"open pipe", pile(kEnglish, "0 0 18 17", 0, 0), q * (324.0 - 289.0) / 144.0},
        // Taken as plugged: the full section.
        {"plugged pipe", pile(kEnglish, "0 0 18 17", 0, 1), q * 324.0 / 144.0},
        // English, flag 2 with a tip area: the wall, not the tip area.
        {"open pipe with tip area", pile(kEnglish, "0 14.4 18 17", 0, 2), q * (324.0 - 289.0) / 144.0},
        // SI, flag 2 keeps the tip area: 0.01858 m2 / 0.0929.
        {"SI open pipe with tip area", pile(kSI, "0 0.01858 457 432", 0, 2), 0.2},
        {"SI open pipe", pile(kSI, "0 0 457 432", 0, 2), q * (0.457 * 0.457 - 0.432 * 0.432) / 0.0929},
        // Solid section: a closed tip, 3.1416 / 4 OD^2.
        {"solid concrete", pile(kEnglish, "0 0 12 0", 0, 0, 3), 3.1416 / 4.0},
        // H-pile with a tip area: the tip area last.
        {"H-pile", pile(kEnglish, "56.5488 28.8 0 0", 0, 0, 6), 0.2},
    };
    for (const auto& c : cases) {
        auto s = fhwa_run(c.pile, {{0, 30, 1, 120, 30}});
        EXPECT_NEAR(fhwa_displaced_volume(*s, 5), c.volume, 1e-9) << c.what;
    }
}

TEST(Fhwa, KdeltaBetweenFrictionAngles) {
    auto english = load_project(data_file(Pile{}, {{0, 30, 1, 120, 30}}));
    Pile si;
    si.units = kSI;
    auto metric = load_project(data_file(si, {{0, 30, 1, 19, 30}}));
    struct Case {
        const AnalysisState* s;
        double phi, omega, volume, kdelta;
    };
    const Case cases[] = {
        {english.get(), 20, 0, 1, 0.85},       // below 25: the 25 degree chart
        {english.get(), 27.5, 0, 1, 1.0},      // (0.85 + 1.15) / 2
        {english.get(), 32.5, 0, 0.1, 1.0},    // (0.85 + 1.15) / 2
        {english.get(), 37.5, 0.1, 10, 4.9},   // (2.76 + 7.04) / 2
        {english.get(), 45, 0, 1, 3.0},        // above 40: the 40 degree chart
        // Just short of 40 degrees English runs still interpolate, SI runs take
        // the 40 degree chart from 39.99999: 1.75 + 1.25 * 4.999995 / 5.
        {english.get(), 39.999995, 0, 1, 2.99999875},
        {metric.get(), 39.999995, 0, 1, 3.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(fhwa_kdelta(*c.s, c.phi, c.omega, c.volume), c.kdelta, 1e-12) << c.phi << " " << c.s->unit_system;
}

// A timber pile of 12 in at the head tapering at 1 degree, 20 ft in sand
// (100 pcf, phi 30). D(z) = 1 - 2 tan(1 x 0.01745) z = 1 - 0.0349035 z ft.
// Element 5 (4-5 ft), at its bottom: D = 0.825482 ft, V = 3.14159 / 4 D^2 =
// 0.535186 ft3/ft; delta/phi (timber) = 0.527 + 0.035 * 0.015186 / 0.08 =
// 0.533644, delta = 16.0093; CF = 0.69 + 0.13 * 0.133644 / 0.2 = 0.776869;
// Kdelta at omega 1 is 5.36 on every curve of the 30 degree chart; sigma' =
// 0.5 ksf: f = 5.36 * 0.5 * sin(17.0093) * 0.776869 / cos(1) = 0.609137 ksf.
TEST(Fhwa, TaperedPile) {
    Pile p;
    p.type = 2;
    p.taper = 1.0;
    auto s = fhwa_run(p, {{0, 30, 1, 100, 30}});
    EXPECT_NEAR(fhwa_displaced_volume(*s, 5), 0.535186, 1e-6);
    EXPECT_NEAR(s->fhwa_side_bottom[5], 0.609137, 1e-6);
    // The perimeter of each trapezoid is the one at its lower point: at 5 ft
    // 3.14159 * 0.825482 = 2.593327 ft.
    EXPECT_NEAR(s->fhwa_side_increment[6], 0.5 * (s->fhwa_unit_side[5] + s->fhwa_unit_side[6]) * 2.593327, 1e-6);
    EXPECT_NEAR(fhwa_pile_diameter(*s, 20.0), 0.301929, 1e-6);  // the tip: 1 - 40 x 0.0174518
}

// A clay layer reaching far below the tip of a tapered pile: the taper,
// carried on past the tip, would give the layer's bottom a negative
// diameter and the penetration ratio a negative sign. The diameter stops at
// zero instead. Timber 12 in, 30 ft, taper 0.5 degree, clay 0-120 ft: D at
// 120 ft would be 1 - 2 tan(0.5 x 0.01745) 120 = -1.094 ft and the average
// -0.047 ft; with 0 the average is (1 + 0) / 2 and the ratio (30 + 0 - 0) /
// 0.5 = 60. Clay 120-130 ft lies wholly below the closed taper (57.3 ft):
// no diameter to divide by, ratio 0.
TEST(Fhwa, PenetrationRatioBelowATaperedTip) {
    Pile p;
    p.type = 2;
    p.taper = 0.5;
    p.length = 30.0;
    auto s = fhwa_run(p, {{0, 120, 2, 110, 0, 1000}, {120, 130, 2, 110, 0, 1000}});
    EXPECT_EQ(fhwa_pile_diameter(*s, 120.0), 0.0);
    EXPECT_NEAR(s->fhwa_penetration_ratio[10], 60.0, 1e-9);
    EXPECT_NEAR(s->fhwa_side_top[10], 1.0, 1e-12);  // case 3, ratio 40 and beyond, su 1 ksf: alpha 1
    EXPECT_EQ(s->fhwa_penetration_ratio[125], 0.0);
}

// Each trapezoid takes the previous point's unit friction as limited and
// the current one's as computed. A closed 12 in pipe in sand (120 pcf,
// phi 30) has 0.265035 sigma': 0.031804, 0.063608 and 0.095412 ksf at 1, 2
// and 3 ft. With a limit of 0.03 ksf on the first three elements only:
// 1 to 2 ft, 0.5 (0.03 + 0.063608) = 0.046804 exceeds the limits' 0.03, which
// replaces it; 2 to 3 ft starts from the limited 0.03, not from 0.063608,
// and element 4 sets no limit at 3 ft: 0.5 (0.03 + 0.095412) = 0.062706.
TEST(Fhwa, LimitedUnitFrictionCarriesIntoTheNextIncrement) {
    auto s = load_project(data_file(Pile{}, {{0, 30, 1, 120, 30}}));
    prepare_capacity_pass(*s);
    for (int k = 1; k <= 3; ++k) s->seg_max_friction[k] = 0.03;
    compute_fhwa_method(*s);
    const double perimeter = 3.14159;  // ft
    EXPECT_EQ(s->fhwa_unit_side[3], 0.03);  // 2 ft
    EXPECT_NEAR(s->fhwa_unit_side[4], 0.095412, 1e-6);
    EXPECT_NEAR(s->fhwa_side_increment[3], 0.03 * perimeter, 1e-12);
    EXPECT_NEAR(s->fhwa_side_increment[4], 0.062706 * perimeter, 1e-6);
}

// In tension every point below the first carries the reduction factor
// (before limiting); the first point's friction is not reduced.
TEST(Fhwa, TensionReducesThePointsBelowTheFirst) {
    Pile tension = english_h_pile();
    tension.load = 1;
    auto c = fhwa_run(english_h_pile(), english_sand_over_clay());
    auto t = fhwa_run(tension, english_sand_over_clay());
    EXPECT_EQ(t->fhwa_unit_side[1], c->fhwa_unit_side[1]);
    for (int j = 2; j <= c->output_point_count; ++j)
        ASSERT_NEAR(t->fhwa_unit_side[j], 0.8 * c->fhwa_unit_side[j], 1e-12) << j;
    EXPECT_NEAR(t->fhwa_cum_side[46], 0.8 * c->fhwa_cum_side[46], 1e-9);
}

// The table shows the side friction factored by each point's side factor;
// the load-transfer stage receives it unfactored unless asked otherwise,
// and FHWA's tip before the end-bearing factor: the chain's own copy.
TEST(Fhwa, FactorsAndTheLoadTransferHandOver) {
    auto plain = fhwa_run(english_h_pile(), english_sand_over_clay());
    auto layers = english_sand_over_clay(0.8);
    for (auto& l : layers) l.side_factor = 0.5;
    for (const int flag : {0, 1}) {
        Pile p = english_h_pile();
        p.factored_transfer = flag;
        auto s = fhwa_run(p, layers);
        const MethodResults& r = s->results[kFhwa];
        s->transfer_method = kFhwa;
        hand_over_transfer_results(*s);
        for (int j = 2; j <= s->output_point_count; ++j) {
            const double unfactored = plain->fhwa_cum_side[j];
            ASSERT_NEAR(r.skin_friction[j], 0.5 * unfactored, 1e-9) << j;
            ASSERT_NEAR(r.side_for_transfer[j], flag == 1 ? 0.5 * unfactored : unfactored, 1e-9) << j;
            ASSERT_NEAR(r.tip[j], 0.8 * s->tip_fhwa[j], 1e-9) << j;
            ASSERT_EQ(s->transfer_tip[j], s->tip_fhwa[j]) << j;
        }
        EXPECT_GT(s->transfer_tip[46], 0.0);
    }
}

}  // namespace
}  // namespace tarne
