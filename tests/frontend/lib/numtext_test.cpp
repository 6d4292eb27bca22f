#include "numtext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace tarne {
namespace {

struct Case {
    long double value;
    int precision;
    const char* text;
};

TEST(FormatGeneral, DigitsAndNotation) {
    const Case cases[] = {
        {0.0L, 8, "0"},
        {16.0L, 8, "16"},
        {0.16L, 8, "0.16"},
        {-52.6L, 10, "-52.6"},
        {1.0L / 3.0L, 8, "0.33333333"},
        {1.0L / 3.0L, 10, "0.3333333333"},
        {2.0L / 3.0L, 8, "0.66666667"},
        {29000000.0L, 8, "29000000"},
        {123456789.0L, 8, "1.2345679E8"},   // more integer digits than the precision
        {123456789.0L, 10, "123456789"},
        {99999999.5L, 8, "1E8"},            // rounding carries into a new digit
        {0.00001L, 8, "0.00001"},
        {0.0000123456789L, 8, "0.000012345679"},
        {0.0000099999L, 8, "9.9999E-6"},
        {1e-7L, 10, "1E-7"},
        {-2.5e-12L, 8, "-2.5E-12"},
        {1e300L, 8, "1E300"},
        {16.404199475L, 8, "16.404199"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.value, c.precision), c.text) << c.text;
}

TEST(FormatExponent, ThreeDigitsTwoExponentDigits) {
    const std::pair<long double, const char*> cases[] = {
        {0.0L, "0.00E+00"},    {11.5L, "1.15E+01"},   {812.5L, "8.12E+02"},   {812.51L, "8.13E+02"},
        {0.5L, "5.00E-01"},    {-0.03L, "-3.00E-02"}, {9.999L, "1.00E+01"},   {1.5e123L, "1.50E+123"},
        {18100.0L, "1.81E+04"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatExponent(value, 3, 2), text) << text;
}

// The data files are written with "." under a comma-decimal locale too.
TEST(FormatGeneral, IgnoresTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8"));
    const std::string general = FormatGeneral(0.16L, 8);
    const std::string exponent = FormatExponent(812.0L, 3, 2);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(general, "0.16");
    EXPECT_EQ(exponent, "8.12E+02");
}

}  // namespace
}  // namespace tarne
