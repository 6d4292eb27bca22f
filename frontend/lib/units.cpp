#include "units.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

namespace tarne {
namespace {

struct UnitToken {
    std::string_view token;
    std::string_view english;
    std::string_view si;
    std::string_view dimension;
    long double factor;  // English units in one S.I. unit
};

// Indexed as the label and factor tables of the program: F/F0 0, F1 1, F2 2,
// L/L0 3, L1 4, L2 5, F4 6, F5 7, L3 8, F6 9. There is no F3.
// F6 is a mass whose factor keeps the digits the program has always used.
constexpr std::array<UnitToken, 10> kTokens{{
    {"F0", "lbs", "kN", "F", 224.8089237L},
    {"F1", "kips", "kN", "F", 0.2248089237L},
    {"F2", "tons", "kN", "F", 0.1124044745L},
    {"L0", "in", "m", "L", 39.37007874L},
    {"L1", "in", "mm", "L", 0.03937007874L},
    {"L2", "ft", "m", "L", 3.280839895L},
    {"F4", "lb-sec2/in", "Mg", "M", 5.7101483L},
    {"F5", "sec", "sec", "T", 1.0L},
    {"L3", "rad", "rad", "L", 1.0L},
    {"F6", "slug", "Mg", "F", 68.364249L},
}};

const UnitToken& Token(std::string_view name) {
    for (const auto& t : kTokens)
        if (t.token == name) return t;
    return kTokens[0];  // not reached: callers name tokens of the table
}

std::string_view Label(const UnitToken& t, int system) {
    switch (system) {
        case kEnglishUnits: return t.english;
        case kSIUnits: return t.si;
        default: return t.dimension;
    }
}

// Replaces every occurrence of `what` in `text` that does not touch an
// already inserted label (`inserted` marks those characters), continuing the
// search behind each insertion. Returns whether anything was replaced.
bool ReplaceAll(std::string& text, std::vector<bool>& inserted, std::string_view what,
                std::string_view label) {
    bool any = false;
    std::size_t pos = 0;
    while ((pos = text.find(what, pos)) != std::string::npos) {
        bool touches = false;
        for (std::size_t i = pos; i < pos + what.size(); ++i) touches = touches || inserted[i];
        if (touches) {
            ++pos;
            continue;
        }
        text.replace(pos, what.size(), label);
        inserted.erase(inserted.begin() + static_cast<std::ptrdiff_t>(pos),
                       inserted.begin() + static_cast<std::ptrdiff_t>(pos + what.size()));
        inserted.insert(inserted.begin() + static_cast<std::ptrdiff_t>(pos), label.size(), true);
        pos += label.size();
        any = true;
    }
    return any;
}

// Replaces the bare letter kind ("F" or "L", also written "F0" or "L0").
bool ReplaceBare(std::string& text, std::vector<bool>& inserted, std::string_view zeroToken,
                 std::string_view label) {
    const bool zero = ReplaceAll(text, inserted, zeroToken, label);
    const bool bare = ReplaceAll(text, inserted, zeroToken.substr(0, 1), label);
    return zero || bare;
}

// The first kind of `order` that occurs is replaced everywhere; when none
// occurs, the bare letter is.
void ReplaceFirstKind(std::string& text, std::vector<bool>& inserted,
                      std::initializer_list<std::string_view> order, std::string_view zeroToken,
                      int system) {
    for (auto name : order) {
        if (text.find(name) != std::string::npos) {
            ReplaceAll(text, inserted, name, Label(Token(name), system));
            return;
        }
    }
    ReplaceBare(text, inserted, zeroToken, Label(Token(zeroToken), system));
}

// T of one side of a unit string: the product of its force and length
// factors, each raised to its exponent.
long double SideFactor(std::string_view part) {
    long double t = 1.0L;
    if (!part.empty() && part[0] == 'F') {
        std::string token = "F0";
        std::string_view rest = part.substr(1);
        if (!rest.empty() && std::string_view("012456").find(rest[0]) != std::string_view::npos) {
            token[1] = rest[0];
            rest.remove_prefix(1);
        }
        int exponent = 1;
        if (rest.size() > 1 && rest[0] == '^' && rest[1] >= '0' && rest[1] <= '9') {
            exponent = rest[1] - '0';
            rest.remove_prefix(2);
        }
        // The character joining the force to the length ("-" in "F1-L2").
        if (!rest.empty()) rest.remove_prefix(1);
        t *= std::pow(Token(token).factor, exponent);
        part = rest;
    }
    if (!part.empty() && part[0] == 'L') {
        std::string normalised(part);
        if (normalised.size() < 2 || std::string_view("0123").find(normalised[1]) == std::string_view::npos)
            normalised.insert(1, "0");
        int exponent = 1;
        if (normalised.size() > 3 && normalised[3] >= '0' && normalised[3] <= '9') exponent = normalised[3] - '0';
        t *= std::pow(Token(normalised.substr(0, 2)).factor, exponent);
    }
    return t;
}

}  // namespace

std::string UnitLabel(std::string_view units, int system, UnitLabelRule rule) {
    std::string text(units);
    std::vector<bool> inserted(text.size(), false);
    switch (rule) {
        case UnitLabelRule::EntryField:
            if (system != kEnglishUnits && system != kSIUnits) return text;
            ReplaceFirstKind(text, inserted, {"F6", "F5", "F4", "F2", "F1"}, "F0", system);
            ReplaceFirstKind(text, inserted, {"L2", "L1", "L3"}, "L0", system);
            return text;
        case UnitLabelRule::Graph:
            if (system != kEnglishUnits && system != kSIUnits) return text;
            ReplaceFirstKind(text, inserted, {"F2", "F1"}, "F0", system);
            ReplaceFirstKind(text, inserted, {"L2", "L1"}, "L0", system);
            return text;
        case UnitLabelRule::GridTable:
            if (system != kEnglishUnits && system != kSIUnits && system != kDimensionUnits) return text;
            for (auto name : {"F2", "F1", "F4", "F5", "F6"}) ReplaceAll(text, inserted, name, Label(Token(name), system));
            ReplaceBare(text, inserted, "F0", Label(Token("F0"), system));
            for (auto name : {"L3", "L2", "L1"}) ReplaceAll(text, inserted, name, Label(Token(name), system));
            ReplaceBare(text, inserted, "L0", Label(Token("L0"), system));
            return text;
    }
    return text;
}

long double UnitFactor(std::string_view units, int fromSystem, int toSystem) {
    int direction = 0;
    if (fromSystem == kSIUnits && toSystem == kEnglishUnits) direction = 1;
    if (fromSystem == kEnglishUnits && toSystem == kSIUnits) direction = -1;
    if (direction == 0) return 1.0L;

    const auto slash = units.find('/');
    const std::string_view numerator = units.substr(0, slash);
    const std::string_view denominator = slash == std::string_view::npos ? std::string_view() : units.substr(slash + 1);
    const long double factor = SideFactor(numerator) / SideFactor(denominator);
    return direction > 0 ? factor : 1.0L / factor;
}

}  // namespace tarne
