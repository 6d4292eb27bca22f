#include "GwiFile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "DataFile.h"
#include "InOutError.h"
#include "numtext.h"

namespace tarne {
namespace {

// Exponent form with three significant digits and at least `exponentDigits`
// exponent digits (1.50E+01, 1.50E+1). The values were printed as short
// decimals and are rounded as those decimals, half away from zero: first to
// 15 significant digits, which drops the error of the binary value (1.055 is
// held as 1.05499999...), then to three.
std::string Exponent3(long double value, int exponentDigits) {
    const std::string full = FormatExponent(value, 15, 1);  // [-]d.dddddddddddddddE[+-]x
    const bool negative = full[0] == '-';
    const std::size_t e = full.find('E');
    std::string digits = full.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
    digits.erase(1, 1);  // the point
    int exponent = std::stoi(full.substr(e + 1));
    std::string kept = digits.substr(0, 3);
    if (digits[3] >= '5') {
        int i = 2;
        for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i) kept[static_cast<std::size_t>(i)] = '0';
        if (i >= 0) {
            ++kept[static_cast<std::size_t>(i)];
        } else {
            kept = "100";
            ++exponent;
        }
    }
    if (kept == "000") exponent = 0;
    std::string power = std::to_string(std::abs(exponent));
    if (power.size() < static_cast<std::size_t>(exponentDigits))
        power.insert(0, static_cast<std::size_t>(exponentDigits) - power.size(), '0');
    return std::string(negative && kept != "000" ? "-" : "") + kept[0] + '.' + kept.substr(1) + 'E' +
           (exponent < 0 ? '-' : '+') + power;
}

std::string E3(long double value) { return Exponent3(value, 2); }
std::string E3s(long double value) { return Exponent3(value, 1); }

// Skin damping and setup factor of the soil around a resistance point.
struct SoilValues {
    long double damping;  // s/ft or s/m
    long double setup;
};

SoilValues SoilOf(int kind, bool english) {
    if (kind == kSand) return {english ? 0.05L : 0.16L, 1.2L};
    return {english ? 0.2L : 0.65L, 2.0L};  // clay or silt
}

// Pile material unit weight, lb/ft3 / kN/m3.
long double UnitWeight(int pileType, bool english) {
    if (pileType == 3) return english ? 150.0L : 23.56L;  // precast concrete
    if (pileType == 2) return english ? 50.0L : 7.9L;     // timber
    return english ? 492.0L : 77.28L;                     // steel
}

}  // namespace

std::vector<int> GwiResistancePoints(int count) {
    std::vector<int> points;
    if (count < 100) {
        for (int k = 1; k <= count; ++k) points.push_back(k);
        return points;
    }
    const int step = count / 100 + 1;
    const int written = count / step;
    for (int k = 0; k < written; ++k) points.push_back(1 + k * step);
    if (points.back() != count) points.push_back(count);
    return points;
}

std::string GwiFileText(const TProgramData& p) {
    const int count = p.TransferPointCount;
    if (count < 1) throw EInOutError("There is no resistance distribution of the load-transfer method to export.");
    const auto at = [](const std::vector<long double>& values, int point) {
        return values.at(static_cast<std::size_t>(point - 1));
    };
    const bool english = p.Units == 1;
    std::string out;
    const auto line = [&out](const std::string& text) { out += text + "\r\n"; };

    std::string title = p.Title.substr(0, std::min<std::size_t>(p.Title.size(), 40));
    title.resize(40, ' ');
    line(title + "  VER. 2000" + (english ? " 1 0" : " 0 0"));
    line("-100   0   1   0   1   0   0   0   0   3   0   0   0   0   0   0   0   0     0.000");
    line(english ? "   32.1700   32.1700" : "    9.8100    9.8100");
    line("      0.00      0.00      0.00    0.0000    0.0000    0.0100      0.00");
    line("   3600.00    207.00    0.0000    0.5000    3.0000         0");

    // Pile: penetration (ft / m), area (in2 / cm2), modulus (ksi / MPa), unit
    // weight, perimeter (ft / m).
    const long double length = at(p.TransferDepth, count);
    long double area = (p.OutsideDiameter * p.OutsideDiameter - p.InsideDiameter * p.InsideDiameter) * 0.7854L;
    if (!english) area /= 100.0L;  // mm2 to cm2
    const long double modulus = p.ElasticModulus / 1000.0L;
    const long double perimeter = (p.IsCircular ? p.OutsideDiameter * 3.1416L : p.Perimeter) / (english ? 12.0L : 1000.0L);
    line("  " + E3(length) + "  " + E3(area) + "  " + E3(modulus) + "  " + E3(UnitWeight(p.PileType, english)) + "  " +
         E3(perimeter) + "     4.000     1.000     0.010");
    for (int i = 0; i < 2; ++i) line("     0.000     0.000       0.0    0.0000    0.0000     0.000     0.000     0.000");
    for (int i = 0; i < 2; ++i) line("    0.0000    0.0000    0.0000    0.0000");

    // Resistance along the pile: depth, unit skin friction, tip resistance,
    // with the damping and setup of the soil layer under a cursor that moves
    // down at most one layer per written point.
    const TGridTable& layers = p.Tables().D;
    int layer = 0;
    SoilValues soil{};
    const auto resistance = [&](int point) {
        line(" " + E3s(at(p.TransferDepth, point)) + " " + E3s(at(p.TransferUnitSkin, point)) + " " +
             E3s(at(p.TransferTip, point)) + (english ? "   0.100   0.100   " : "   2.540   2.500   ") +
             E3s(soil.damping) + "   0.150   " + E3s(soil.setup) + (english ? "    6.56    1.00" : "    1.50    1.00"));
    };
    const std::vector<int> points = GwiResistancePoints(count);
    // Points sampled from a long profile: the point added after them keeps
    // the soil values of the one before it.
    const std::size_t sampled =
        count < 100 ? points.size() : static_cast<std::size_t>(count / (count / 100 + 1));
    for (std::size_t k = 0; k < points.size(); ++k) {
        const int point = points[k];
        if (k < sampled) {
            const long double depth = at(p.TransferDepth, point);
            if (layer + 1 < layers.RowCount() && layers.Cell(LayerColumn::Depth, layer).AsFloat() < depth) ++layer;
            soil = SoilOf(layers.Cell(LayerColumn::Type, layer).AsInteger(), english);
        }
        resistance(point);
    }

    line("  1.0000  0.9000  0.8000  0.7000  0.6000  0.5000  0.0000  0.0000  0.0000  0.0000");
    line("  1.0000  1.0000  1.0000  1.0000  1.0000  0.0000  0.0000  0.0000  0.0000  0.0000");
    for (const long double fraction : {0.25L, 0.5L, 0.75L, 1.0L})
        line("  " + E3(length * fraction) + "      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000");
    line("      0.00      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000");
    return out;
}

void TProgramData::SaveGwi() {
    GwiFileName = std::filesystem::path(FileName).replace_extension(".gwi").string();
    WriteFileReplacing(GwiFileName, GwiFileText(*this));
}

}  // namespace tarne
