#include "fixed_format.h"

#include <gtest/gtest.h>

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
