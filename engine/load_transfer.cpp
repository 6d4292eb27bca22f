#include "load_transfer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "errors.h"

namespace tarne {
namespace {

// The curve shapes and conversion factors are defined as single-precision
// values and used as such in double arithmetic (0.93 is 0.9300000071525574),
// so that the curves keep the digits they were defined with.
constexpr double sp(float v) { return static_cast<double>(v); }

constexpr double kPi = sp(3.1416f);
constexpr double kInchesPerMetre = sp(39.37f);
constexpr double kPsfPerKpa = sp(20.89f);
constexpr double kPsfPerPsi = 144.0;
constexpr double kThinInterval = sp(0.11f);  // ft / m; thinner soil intervals get no curves
constexpr double kStickupPresent = sp(1.0e-6f);

static_assert(kMaxExtraTzDepths <= kMaxCurves, "each extra depth takes one curve of the table");
static_assert(kCurvePointCount <= kMaxCurvePoints);

using Shape = float[kCurvePointCount];

// Sand, USACE: movements (in) of the hyperbolic curve.
constexpr Shape kUsaceSandZ = {0.0f, 0.01f, 0.02f, 0.04f, 0.06f, 0.08f, 0.12f, 0.16f, 0.5f, 10.0f};
// Sand, other methods: linear up to the peak at 0.1 in, then flat.
constexpr Shape kSandZ = {0.0f, 0.01f, 0.02f, 0.04f, 0.06f, 0.08f, 0.09f, 0.1f, 0.5f, 2.0f};
constexpr Shape kSandRatio = {0.0f, 0.1f, 0.2f, 0.4f, 0.6f, 0.8f, 0.9f, 1.0f, 1.0f, 1.0f};
// Clay, USACE: movements (in) and t / t_max, softening to 0.93 after the peak.
constexpr Shape kUsaceClayZ = {0.0f, 0.01f, 0.02f, 0.04f, 0.06f, 0.08f, 0.12f, 0.16f, 0.5f, 10.0f};
constexpr Shape kUsaceClayRatio = {0.0f, 0.18f, 0.38f, 0.79f, 0.97f, 1.0f, 0.97f, 0.93f, 0.93f, 0.93f};
// Clay, other methods: movement / OD and t / t_max, peak at 0.01 OD, softening to 0.9.
constexpr Shape kClayZOverOd = {0.0f, 0.0016f, 0.0031f, 0.0057f, 0.008f, 0.01f, 0.02f, 0.03f, 0.05f, 0.2f};
constexpr Shape kClayRatio = {0.0f, 0.3f, 0.5f, 0.75f, 0.9f, 1.0f, 0.9f, 0.9f, 0.9f, 0.9f};
// Tip, USACE: movements (in).
constexpr Shape kUsaceTipW = {0.0f, 0.0001f, 0.005f, 0.01f, 0.05f, 0.1f, 0.2f, 0.5f, 1.0f, 2.0f};
// Tip, other methods: movement / OD and Q / QT, full tip capacity from 0.1 OD.
constexpr Shape kTipWOverOd = {0.0f, 0.0005f, 0.001f, 0.002f, 0.013f, 0.042f, 0.073f, 0.1f, 0.15f, 0.2f};
constexpr Shape kTipRatio = {0.0f, 0.0625f, 0.125f, 0.25f, 0.5f, 0.75f, 0.9f, 1.0f, 1.0f, 1.0f};

double at(const Shape& shape, int j) { return static_cast<double>(shape[j - 1]); }  // j = 1..10

bool english(const AnalysisState& s) { return s.unit_system == kEnglish; }
bool has_stickup(const AnalysisState& s) { return s.stickup_length > kStickupPresent; }
bool is_sand(double kind) { return std::abs(kind - 1.0) <= kDepthTolerance; }

// Soil interval k (points k, k+1) is thick enough to carry curves.
bool interval_taken(const AnalysisState& s, int k) { return s.prof_depth[k + 1] - s.prof_depth[k] >= kThinInterval; }

// The ground surface measured from the pile head, in in / m.
double ground_from_head(const AnalysisState& s) { return english(s) ? 12.0 * s.stickup_length : s.stickup_length; }

// Initial stiffness of the USACE sand curve (psf per inch) from the friction angle (degrees).
double usace_sand_stiffness(double phi) {
    const double step = sp(1333.3f);
    if (phi <= 28.0) return 6000.0;
    if (phi <= 31.0) return 6000.0 + (phi - 28.0) * step;
    if (phi <= 32.0) return 10000.0;
    if (phi <= 34.0) return 10000.0 + (phi - 32.0) * step;
    if (phi <= 35.0) return 14000.0;
    if (phi <= 38.0) return 14000.0 + (phi - 35.0) * step;
    return 18000.0;
}

void add_curve(AnalysisState& s, int i, double depth, int kind, double phi) {
    s.curve_depth[i] = depth;
    s.curve_kind[i] = kind;
    s.curve_friction_angle[i] = phi;
    s.curve_max_transfer[i] = 0.0;
}

void shape_curve(AnalysisState& s, int i) {
    s.curve_points[i] = kCurvePointCount;
    if (s.curve_kind[i] == 1)
        sand_tz_curve(s, i);
    else
        clay_tz_curve(s, i);
}

void write_heading_lines(TextOut& out, const AnalysisState& s) {
    FixedLine l;
    out.line(l.blanks(8).text("T-Z CURVE   NO. OF   DEPTH TO CURVE   LOAD TRANSFER   PILE MOVEMENT"));
    l.clear();
    const bool en = english(s);
    out.line(l.blanks(11).text("NO.").blanks(6).text("POINTS").blanks(8).text(en ? "FT." : "M. ")
                 .blanks(14).text(en ? "PSI" : "KPA").blanks(13).text(en ? "IN." : "M. "));
    out.empty();
}

}  // namespace

double transfer_outside_diameter(const AnalysisState& s) {
    return english(s) ? s.outside_diameter : s.outside_diameter / 1000.0;  // mm to m
}

double transfer_inside_diameter(const AnalysisState& s) {
    return english(s) ? s.inside_diameter : s.inside_diameter / 1000.0;
}

int main_curve_count(const AnalysisState& s) {
    int n = has_stickup(s) ? 3 : 0;
    for (int k = 1; k < s.profile_point_count; ++k)
        if (interval_taken(s, k)) n += 3;
    return n;
}

int first_soil_curve(const AnalysisState& s) { return has_stickup(s) ? 4 : 1; }

double curve_depth_below_ground(const AnalysisState& s, int i) {
    return english(s) ? s.curve_depth[i] / 12.0 - s.stickup_length : s.curve_depth[i] - s.stickup_length;
}

void build_tz_curves(AnalysisState& s) {
    const int needed = main_curve_count(s);
    if (needed > kMaxCurves)
        throw EngineError("the soil profile needs " + std::to_string(needed) +
                          " load-transfer (t-z) curves, three per soil layer and three for a stick-up; "
                          "at most " + std::to_string(kMaxCurves) + " are possible");

    const bool en = english(s);
    const double psl = s.stickup_length;
    const double shift = ground_from_head(s);
    int n = 0;
    if (has_stickup(s)) {
        // The free length above ground: three curves that transfer nothing.
        add_curve(s, ++n, 0.0, 2, 0.0);
        add_curve(s, ++n, en ? 6.0 * psl : psl / 2.0, 2, 0.0);
        add_curve(s, ++n, (en ? 12.0 * psl : psl) - sp(0.1f), 2, 0.0);
    }
    for (int k = 1; k < s.profile_point_count; ++k) {
        if (!interval_taken(s, k)) continue;  // includes the zero-thickness join of two layers
        const int kind = is_sand(s.prof_soil_kind[k]) && is_sand(s.prof_soil_kind[k + 1]) ? 1 : 2;
        double top, bottom, middle;
        if (en) {
            top = 12.0 * s.prof_depth[k];
            bottom = 12.0 * s.prof_depth[k + 1] - 0.5;
            middle = (top + bottom + sp(1.1f)) / 2.0;
        } else {
            top = s.prof_depth[k];
            bottom = s.prof_depth[k + 1] - sp(0.1f);
            middle = (top + bottom + sp(0.1f)) / 2.0;
        }
        const double phi_top = s.prof_phi[k];
        const double phi_bottom = s.prof_phi[k + 1];
        add_curve(s, ++n, top + shift, kind, phi_top);
        add_curve(s, ++n, middle + shift, kind, (phi_top + phi_bottom) / 2.0);
        add_curve(s, ++n, bottom + shift, kind, phi_bottom);
    }
    s.curve_count = n;

    for (int i = 1; i <= n; ++i) {
        if (i >= first_soil_curve(s)) s.curve_max_transfer[i] = max_unit_transfer(s, s.curve_depth[i] - shift);
        shape_curve(s, i);
    }
}

double max_unit_transfer(const AnalysisState& s, double depth) {
    const int m = s.output_point_count;
    const double od = transfer_outside_diameter(s);
    if (m < 2 || !(od > kZeroTolerance)) return 0.0;  // no embedded length: nothing transferred
    if (english(s)) depth /= 12.0;  // in to ft

    int i = m;  // at or below the last output point: the last interval
    for (int k = 2; k <= m; ++k) {
        if (depth < s.point_depth[k]) {
            i = k;
            break;
        }
    }
    const PointTable& side = s.transfer_side;
    const double dz = s.point_depth[i] - s.point_depth[i - 1];
    double slope;  // kips / ft or kN / m
    if (dz < sp(1.0e-6f))
        slope = (i >= 3 && dz > 0.0) ? (side[i - 1] - side[i - 2]) / dz : 0.0;
    else if (i >= m)
        slope = (side[i] - side[i - 1]) / dz;  // backward difference
    else if (side[i - 1] > sp(1.0e-5f))
        slope = (side[i + 1] - side[i - 1]) / (2.0 * dz);  // central difference
    else
        slope = (side[i + 1] - side[i]) / dz;  // forward difference

    // Per unit of shaft surface pi * OD: kips/ft over inches to psi, kN/m over metres to kPa.
    return english(s) ? slope * 1000.0 / od / 12.0 / kPi : slope / od / kPi;
}

void sand_tz_curve(AnalysisState& s, int i) {
    const bool en = english(s);
    const double t_max = s.curve_max_transfer[i];
    auto& z = s.curve_z[i];
    auto& t = s.curve_t[i];
    s.curve_points[i] = kCurvePointCount;
    if (s.transfer_method == kUsace) {
        // Hyperbolic: t = z / (z / t_peak + 1 / k), in psf and inches.
        const double peak = t_max * (en ? kPsfPerPsi : kPsfPerKpa);
        const double k = usace_sand_stiffness(s.curve_friction_angle[i]);
        z[1] = 0.0;
        t[1] = 0.0;
        for (int j = 2; j <= kCurvePointCount; ++j) {
            double zj = at(kUsaceSandZ, j);
            double tj = peak > sp(1.0e-9f) ? zj / (zj / peak + 1.0 / k) : 0.0;
            if (en) {
                tj /= kPsfPerPsi;
            } else {
                zj /= kInchesPerMetre;
                tj /= kPsfPerKpa;
            }
            z[j] = zj;
            t[j] = tj;
        }
        return;
    }
    for (int j = 1; j <= kCurvePointCount; ++j) {
        z[j] = en ? at(kSandZ, j) : at(kSandZ, j) / kInchesPerMetre;
        t[j] = at(kSandRatio, j) * t_max;
    }
}

void clay_tz_curve(AnalysisState& s, int i) {
    const bool en = english(s);
    const double t_max = s.curve_max_transfer[i];
    const double od = transfer_outside_diameter(s);
    auto& z = s.curve_z[i];
    auto& t = s.curve_t[i];
    s.curve_points[i] = kCurvePointCount;
    for (int j = 1; j <= kCurvePointCount; ++j) {
        if (s.transfer_method == kUsace) {
            z[j] = en ? at(kUsaceClayZ, j) : at(kUsaceClayZ, j) / kInchesPerMetre;
            t[j] = at(kUsaceClayRatio, j) * t_max;
        } else {
            z[j] = at(kClayZOverOd, j) * od;
            t[j] = at(kClayRatio, j) * t_max;
        }
    }
}

void build_qw_curve(AnalysisState& s) {
    const bool en = english(s);
    const double od = transfer_outside_diameter(s);
    const double embedded = s.total_length;  // the embedded length during the analysis

    // Soil kind of the first profile point at or below the tip, else of the deepest point.
    int kind_point = s.profile_point_count;
    for (int j = 1; j <= s.profile_point_count; ++j) {
        if (s.prof_depth[j] >= embedded - kDepthTolerance) {
            kind_point = j;
            break;
        }
    }
    s.tip_soil_kind = kind_point >= 1 ? static_cast<int>(s.prof_soil_kind[kind_point]) : 0;

    const double qt = s.transfer_tip[s.output_point_count] * (en ? 1000.0 : 1.0);  // lb / kN
    s.tip_capacity = qt;
    s.qw_points = kCurvePointCount;
    auto& w = s.qw_w;
    auto& q = s.qw_q;
    for (int j = 1; j <= kCurvePointCount; ++j) w[j] = en ? at(kUsaceTipW, j) : at(kUsaceTipW, j) / kInchesPerMetre;
    q[1] = 0.0;

    if (s.transfer_method != kUsace) {
        for (int j = 1; j <= kCurvePointCount; ++j) {
            w[j] = at(kTipWOverOd, j) * od;
            q[j] = at(kTipRatio, j) * qt;
        }
    } else if (s.tip_soil_kind == 1 || s.tip_soil_kind == 3) {
        // Sand or silt: a power law of w / (0.05 OD), not capped at QT.
        const double phi = s.curve_count >= 1 ? s.curve_friction_angle[s.curve_count] : 0.0;
        const double exponent = phi <= 31.0 ? 0.5 : (phi <= 38.0 ? sp(0.333f) : 0.25);
        const double w_ref = sp(0.05f) * od;
        for (int j = 2; j <= kCurvePointCount; ++j) q[j] = qt * std::pow(w[j] / w_ref, exponent);
    } else {
        // Clay: QT/2 at 0.01 OD growing with the square root of w, full QT from 0.04 OD.
        const double w_half = 2.0 * od * sp(0.005f);
        for (int j = 2; j <= kCurvePointCount; ++j)
            q[j] = qt * std::min(1.0, 0.5 * std::sqrt(w[j]) / std::sqrt(w_half));
    }
}

bool extra_tz_in_range(const AnalysisState& s, int i) {
    const double z = s.extra_tz_depth[i];
    return z >= 0.0 && z <= s.prof_depth[s.profile_point_count];
}

int extra_tz_curves(AnalysisState& s) {
    const bool en = english(s);
    int in_range = 0;
    for (int i = 1; i <= s.extra_tz_count; ++i) {
        if (!extra_tz_in_range(s, i)) continue;
        ++in_range;
        const double z = s.extra_tz_depth[i];

        // The first interval reaching the depth, skipping thin ones as the main
        // set does; when every interval is thin, the first reaching it at all.
        int k = 0;
        for (int pass = 0; pass < 2 && k == 0; ++pass) {
            for (int p = 1; p < s.profile_point_count; ++p) {
                if ((pass == 1 || interval_taken(s, p)) && z <= s.prof_depth[p + 1]) {
                    k = p;
                    break;
                }
            }
        }
        int kind = 2;
        double phi = 0.0;
        if (k >= 1) {
            kind = is_sand(s.prof_soil_kind[k]) && is_sand(s.prof_soil_kind[k + 1]) ? 1 : 2;
            const double span = s.prof_depth[k + 1] - s.prof_depth[k];
            const double fraction = span > 0.0 ? (z - s.prof_depth[k]) / span : 0.0;
            phi = s.prof_phi[k] + (s.prof_phi[k + 1] - s.prof_phi[k]) * fraction;
        }
        const double depth = en ? 12.0 * z : z;  // in / m below the ground surface
        add_curve(s, i, depth + ground_from_head(s), kind, phi);
        s.curve_max_transfer[i] = max_unit_transfer(s, depth);
        shape_curve(s, i);
    }
    return in_range;
}

double curve_transfer_at(const AnalysisState& s, int c, double movement) {
    const int n = s.curve_points[c];
    if (n < 1) return 0.0;
    const auto& z = s.curve_z[c];
    const auto& t = s.curve_t[c];
    if (movement <= z[1]) return t[1];
    for (int j = 2; j <= n; ++j) {
        if (movement <= z[j]) {
            const double span = z[j] - z[j - 1];
            if (movement == z[j] || !(span > 0.0)) return t[j];
            return t[j - 1] + (t[j] - t[j - 1]) * (movement - z[j - 1]) / span;
        }
    }
    return t[n];  // beyond the last point the curve stays flat
}

double unit_transfer_at(const AnalysisState& s, double depth, double movement) {
    const int n = s.curve_count;
    if (n < 1) return 0.0;
    int c = 0;
    for (int k = 1; k <= n; ++k) {
        if (depth <= s.curve_depth[k]) {
            c = k;
            break;
        }
    }
    if (c == 0) return curve_transfer_at(s, n, movement);  // below the deepest curve
    if (c == 1 || depth == s.curve_depth[c]) return curve_transfer_at(s, c, movement);
    const double upper = curve_transfer_at(s, c - 1, movement);
    const double lower = curve_transfer_at(s, c, movement);
    const double span = s.curve_depth[c] - s.curve_depth[c - 1];
    if (!(span > 0.0)) return lower;
    return upper + (lower - upper) * (depth - s.curve_depth[c - 1]) / span;
}

void write_curve_heading(TextOut& out, int number, int points, double depth) {
    FixedLine l;
    out.line(l.blanks(8).i(number, 5).i(points, 11).e(depth, 16, 4));
}

void write_curve_points(TextOut& out, const AnalysisState& s, int curve) {
    for (int j = 1; j <= s.curve_points[curve]; ++j) {
        FixedLine l;
        out.line(l.blanks(40).e(s.curve_t[curve][j], 17, 4).e(s.curve_z[curve][j], 16, 4));
    }
}

void write_curve_lines(TextOut& out, const AnalysisState& s, int curve, int number, double depth) {
    write_curve_heading(out, number, s.curve_points[curve], depth);
    write_curve_points(out, s, curve);
}

void write_tz_section(TextOut& report, const AnalysisState& s) {
    write_heading_lines(report, s);
    // The stick-up curves are not listed; the others are numbered from 1.
    const int first = first_soil_curve(s);
    for (int i = first; i <= s.curve_count; ++i)
        write_curve_lines(report, s, i, i - first + 1, curve_depth_below_ground(s, i));
}

void write_qw_section(TextOut& report, const AnalysisState& s) {
    const bool en = english(s);
    FixedLine l;
    report.empty(3);
    report.line(l.blanks(8).text("TIP   LOAD").blanks(8).text("TIP MOVEMENT"));
    l.clear();
    report.line(l.blanks(12).text(s.force_label).blanks(15).text(en ? "IN." : "M. "));
    report.empty();
    for (int j = 1; j <= s.qw_points; ++j) {
        l.clear();
        report.line(l.e(en ? s.qw_q[j] / 1000.0 : s.qw_q[j], 18, 4).e(s.qw_w[j], 19, 4));
    }
}

void write_extra_tz_section(TextOut& report, const AnalysisState& s) {
    write_heading_lines(report, s);
    for (int i = 1; i <= s.extra_tz_count; ++i) {
        write_curve_heading(report, i, kCurvePointCount, s.extra_tz_depth[i]);
        if (extra_tz_in_range(s, i)) {
            write_curve_points(report, s, i);
        } else {
            FixedLine l;
            report.line(l.blanks(15).text("CURVE NOT PRINTED SINCE DEPTH OUTSIDE SOIL RANGE"));
        }
    }
}

}  // namespace tarne
