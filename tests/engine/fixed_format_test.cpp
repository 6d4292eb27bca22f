#include "fixed_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace tarne {
namespace {

struct FCase { double value; int width, decimals; const char* expected; };

TEST(FixedFormat, FixedPoint) {
    const FCase cases[] = {
        {12.345, 7, 2, "  12.35"},
        {-3.5, 6, 1, "  -3.5"},
        {0.5, 5, 2, " 0.50"},
        {0.5, 3, 2, ".50"},      // leading zero dropped when the field is one short
        {-0.5, 4, 2, "-.50"},
        {-0.001, 6, 2, "  0.00"},  // a negative value rounding to zero has no sign
        {123456.0, 7, 2, "*******"},
        {1234.5, 8, 1, "  1234.5"},
        {9999999.0, 9, 2, "*********"},
        {0.0, 7, 2, "   0.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format_f(c.value, c.width, c.decimals), c.expected) << c.value << " F" << c.width << "." << c.decimals;
}

TEST(FixedFormat, Exponent) {
    const FCase cases[] = {
        {9999999.0, 8, 2, "0.10E+08"},
        {9999999.0, 9, 2, " 0.10E+08"},
        {29000000.0, 10, 3, " 0.290E+08"},
        {0.0, 8, 2, "0.00E+00"},
        {2.0, 8, 2, "0.20E+01"},
        {0.0123, 10, 3, " 0.123E-01"},
        {-2.5, 9, 2, "-0.25E+01"},
        {-2.5, 8, 2, "-.25E+01"},
        {0.996, 8, 2, "0.10E+01"},  // rounding carries into the exponent
        {1.0e150, 9, 2, " 0.10+151"},
        {1.0, 5, 2, "*****"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format_e(c.value, c.width, c.decimals), c.expected) << c.value << " E" << c.width << "." << c.decimals;
}

TEST(FixedFormat, IntegersAndText) {
    EXPECT_EQ(format_i(42, 4), "  42");
    EXPECT_EQ(format_i(-42, 4), " -42");
    EXPECT_EQ(format_i(0, 3), "  0");
    EXPECT_EQ(format_i(5, 2, 2), "05");
    EXPECT_EQ(format_i(2026, 4), "2026");
    EXPECT_EQ(format_i(12345, 4), "****");
    EXPECT_EQ(format_i(501, 4), " 501");
    EXPECT_EQ(format_a("SAND", 6), "SAND  ");
    EXPECT_EQ(format_a("ABCDEFGH", 4), "ABCD");
    EXPECT_EQ(trim("  1.50 "), "1.50");
}

TEST(FixedFormat, LineJoinsFields) {
    FixedLine l;
    l.blanks(10).f(1.5, 7, 2).blanks(3).text_a("CLAY", 4).e(9999999.0, 8, 2).text("*");
    EXPECT_EQ(l.view(), "             1.50   CLAY0.10E+08*");
}

}  // namespace
}  // namespace tarne

namespace tarne {
namespace {

// The writer's digits against the C library's exact conversion, over many
// values of every magnitude the report meets, ties included.
TEST(FixedFormat, DigitsMatchTheExactConversion) {
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> power(-9, 9);
    const auto reference_f = [](double v, int d) {
        char s[512];
        std::snprintf(s, sizeof s, "%.*f", d, v);
        std::string text = s;
        if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
        return text;
    };
    const auto reference_e = [](double v, int d) {  // 0.ddd form from the C library's d.dd form
        char s[64];
        std::snprintf(s, sizeof s, "%.*e", d - 1, v);
        std::string text = s;
        const bool negative = text[0] == '-';
        if (negative) text.erase(0, 1);
        const auto e = text.find('e');
        std::string digits = text.substr(0, e);
        digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
        const int exponent = std::stoi(text.substr(e + 1)) + (v == 0.0 ? 0 : 1);
        char out[64];
        std::snprintf(out, sizeof out, "%s0.%sE%c%02d", negative ? "-" : "", digits.c_str(), exponent < 0 ? '-' : '+',
                      std::abs(exponent));
        return std::string(out);
    };
    std::vector<double> values = {0.5, 1.5, 2.5, 0.125, 0.375, 1.25, 2.675, 1.005, 0.045, 999.5, 9.995, 99999.95,
                                  0.0, -0.0, -0.5, -2.5, 1e-5, 1.5e-5, 99999999.5, 12345678.125};
    for (int i = 0; i < 50000; ++i) values.push_back(mantissa(random) * std::pow(10.0, power(random)));
    for (int i = 0; i < 10000; ++i) values.push_back(std::round(mantissa(random) * 1e4) / 16.0);  // exact binary ties
    for (const double v : values) {
        for (int d = 0; d <= 6; ++d) ASSERT_EQ(format_f(v, 40, d), format_a(std::string(40 - reference_f(v, d).size(), ' ') + reference_f(v, d), 40)) << v << " F." << d;
        if (v == 0.0) continue;
        for (int d = 1; d <= 6; ++d) {
            const auto expected = reference_e(v, d);
            ASSERT_EQ(format_e(v, 40, d), std::string(40 - expected.size(), ' ') + expected) << v << " E." << d;
        }
    }
}

}  // namespace
}  // namespace tarne
