#include "units.h"

#include <gtest/gtest.h>

namespace tarne {
namespace {

// Every token on its own: its label in both systems and its S.I.-to-English factor.
struct TokenCase {
    const char* token;
    const char* english;
    const char* si;
    long double factor;
};
void PrintTo(const TokenCase& c, std::ostream* out) { *out << c.token; }

class UnitToken : public testing::TestWithParam<TokenCase> {};

TEST_P(UnitToken, LabelAndFactor) {
    const auto& c = GetParam();
    EXPECT_EQ(UnitLabel(c.token, kEnglishUnits), c.english);
    EXPECT_EQ(UnitLabel(c.token, kSIUnits), c.si);
    EXPECT_EQ(UnitLabel(c.token, kDimensionUnits), c.token);
    EXPECT_EQ(UnitFactor(c.token, kSIUnits, kEnglishUnits), c.factor);
    EXPECT_EQ(UnitFactor(c.token, kEnglishUnits, kSIUnits), 1.0L / c.factor);
    EXPECT_EQ(UnitFactor(c.token, kEnglishUnits, kEnglishUnits), 1.0L);
}

INSTANTIATE_TEST_SUITE_P(AllTokens, UnitToken,
                         testing::Values(TokenCase{"F", "lbs", "kN", 224.8089237L},
                                         TokenCase{"F0", "lbs", "kN", 224.8089237L},
                                         TokenCase{"F1", "kips", "kN", 0.2248089237L},
                                         TokenCase{"F2", "tons", "kN", 0.1124044745L},
                                         TokenCase{"L", "in", "m", 39.37007874L},
                                         TokenCase{"L0", "in", "m", 39.37007874L},
                                         TokenCase{"L1", "in", "mm", 0.03937007874L},
                                         TokenCase{"L2", "ft", "m", 3.280839895L},
                                         TokenCase{"F4", "lb-sec2/in", "Mg", 5.7101483L},
                                         TokenCase{"F5", "sec", "sec", 1.0L},
                                         TokenCase{"L3", "rad", "rad", 1.0L},
                                         TokenCase{"F6", "slug", "Mg", 68.364249L}));

struct LabelCase {
    const char* units;
    int system;
    UnitLabelRule rule;
    const char* label;
};

TEST(UnitLabel, Rules) {
    using R = UnitLabelRule;
    const LabelCase cases[] = {
        {"", kEnglishUnits, R::EntryField, ""},
        {"F/L2^2", kEnglishUnits, R::EntryField, "lbs/ft^2"},
        {"F/L2^2", kSIUnits, R::EntryField, "kN/m^2"},
        {"F/L2^3", kEnglishUnits, R::EntryField, "lbs/ft^3"},
        {"F/L2^3", kSIUnits, R::EntryField, "kN/m^3"},
        {"F1/L2^2", kEnglishUnits, R::EntryField, "kips/ft^2"},
        {"F1/L2^2", kSIUnits, R::EntryField, "kN/m^2"},
        {"L^2", kSIUnits, R::EntryField, "m^2"},
        {"F0/L0^2", kEnglishUnits, R::EntryField, "lbs/in^2"},
        // One force kind and one length kind at most: the first found wins.
        {"F1/F", kEnglishUnits, R::EntryField, "kips/F"},
        {"L2/L1", kSIUnits, R::EntryField, "m/L1"},
        {"F1 per F2", kEnglishUnits, R::EntryField, "F1 per tons"},
        {"F/L2^2", kDimensionUnits, R::EntryField, "F/L2^2"},
        // Graphs know only F2, F1, F and L2, L1, L.
        {"F1/L2^2", kSIUnits, R::Graph, "kN/m^2"},
        {"L3", kEnglishUnits, R::Graph, "in3"},
        {"F/L2^3", kDimensionUnits, R::Graph, "F/L2^3"},
        // Grid tables replace every token, never inside an inserted label.
        {"F1/F", kEnglishUnits, R::GridTable, "kips/lbs"},
        {"F4/L3", kEnglishUnits, R::GridTable, "lb-sec2/in/rad"},
        {"F/L2^2", kDimensionUnits, R::GridTable, "F/L^2"},
        {"F4-F5-F6-L3-L1", kDimensionUnits, R::GridTable, "M-T-F-L-L"},
        {"F2/L", kSIUnits, R::GridTable, "kN/m"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UnitLabel(c.units, c.system, c.rule), c.label)
            << '"' << c.units << "\" system " << c.system << " rule " << static_cast<int>(c.rule);
}

TEST(UnitFactor, CompoundStrings) {
    struct Case {
        const char* units;
        long double siToEnglish;
    };
    const Case cases[] = {
        {"", 1.0L},
        {"F/L2^2", 224.8089237L / (3.280839895L * 3.280839895L)},
        {"F/L2^3", 224.8089237L / (3.280839895L * 3.280839895L * 3.280839895L)},
        {"L^2", 39.37007874L * 39.37007874L},
        {"F/L^2", 224.8089237L / (39.37007874L * 39.37007874L)},
        {"F1/L2^2", 0.2248089237L / (3.280839895L * 3.280839895L)},
        {"F1-L2", 0.2248089237L * 3.280839895L},  // moment: one joining character
        {"F^2", 224.8089237L * 224.8089237L},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(UnitFactor(c.units, kSIUnits, kEnglishUnits), c.siToEnglish, c.siToEnglish * 1e-15L) << c.units;
        EXPECT_NEAR(UnitFactor(c.units, kEnglishUnits, kSIUnits), 1.0L / c.siToEnglish, 1e-15L / c.siToEnglish) << c.units;
        EXPECT_EQ(UnitFactor(c.units, kSIUnits, kDimensionUnits), 1.0L) << c.units;
    }
    // The worked values, to the digits given for them.
    EXPECT_NEAR(UnitFactor("F/L2^2", kSIUnits, kEnglishUnits), 20.885432L, 5e-7L);
    EXPECT_NEAR(UnitFactor("F/L2^3", kSIUnits, kEnglishUnits), 6.3658798L, 5e-8L);
    EXPECT_NEAR(UnitFactor("L^2", kSIUnits, kEnglishUnits), 1550.0031L, 5e-5L);
}

TEST(UnitFactor, RoundTripRestoresValues) {
    for (const char* units : {"F/L2^2", "F/L2^3", "L1", "F1", "L^2", "F6"}) {
        const long double value = 123.456L;
        const long double there = value * UnitFactor(units, kEnglishUnits, kSIUnits);
        EXPECT_NEAR(there * UnitFactor(units, kSIUnits, kEnglishUnits), value, 1e-15L) << units;
    }
}

}  // namespace
}  // namespace tarne
