#include "expression.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <clocale>
#include <cmath>
#include <numbers>
#include <random>
#include <set>
#include <string>

namespace tarne {
namespace {

const std::string kBlank = "Entry could not be evaluated:\rentry cannot be blank";
const std::string kParentheses = "Entry could not be evaluated:\r() (parentheses) do not match";
const std::string kInvalid = "Entry could not be evaluated:\rinvalid expression";
const std::string kHex = "Entry could not be evaluated:\rinvalid use of $ (hex function)";
const std::string kCharacters = "Entry could not be evaluated:\rinvalid character(s) in expression";
const std::string kFactorial = "Entry could not be evaluated:\r! (factoral) applicable to integers only";

std::string ErrorOf(const std::string& text) {
    try {
        EvaluateExpression(text);
    } catch (const EAssignError& e) {
        return e.what();
    }
    return "(no error)";
}

struct ValueCase {
    const char* text;
    long double value;
};
void PrintTo(const ValueCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class Evaluates : public testing::TestWithParam<ValueCase> {};

TEST_P(Evaluates, ToValue) {
    const auto& c = GetParam();
    const long double v = EvaluateExpression(c.text);
    EXPECT_LE(std::fabs(v - c.value), 1e-15L * std::max(1.0L, std::fabs(c.value)))
        << c.text << " gave " << FormatNumber(v);
}

INSTANTIATE_TEST_SUITE_P(Operators, Evaluates, testing::Values(
    ValueCase{"2+3*4", 14}, ValueCase{"2^3^2", 64}, ValueCase{"10-4-3", 3}, ValueCase{"7%3", 1},
    ValueCase{"-7%3", -1}, ValueCase{"7.9%3.2", 1}, ValueCase{"7%-3", 1}, ValueCase{"2=2", 1},
    ValueCase{"2=3", 0}, ValueCase{"0|5", 1}, ValueCase{"5|0", 1}, ValueCase{"0|0", 0},
    ValueCase{"0&5", 0}, ValueCase{"5&0", 0}, ValueCase{"3&4", 1}, ValueCase{"1=1=1", 1},
    ValueCase{"1+1=2", 1}, ValueCase{"2*3^2", 18}, ValueCase{"8/2/2", 2}, ValueCase{"2-3*4", -10},
    ValueCase{"12*0.3048", 3.6576L}, ValueCase{"1 000", 1000}, ValueCase{"\t1 +\t2", 3},
    ValueCase{"0.1+0.2", 0.3L}));

INSTANTIATE_TEST_SUITE_P(Signs, Evaluates, testing::Values(
    ValueCase{"--5", 5}, ValueCase{"3--2", 5}, ValueCase{"2*-3", -6}, ValueCase{"2e-3", 0.002L},
    ValueCase{"2E-3", 0.002L}, ValueCase{"2^(0-1)", 0.5L}, ValueCase{"-2^2", 4}, ValueCase{"5-(-3)", 8},
    ValueCase{"---5", -5}, ValueCase{"-pi", -std::numbers::pi_v<long double>}, ValueCase{"-e", -std::numbers::e_v<long double>}));

INSTANTIATE_TEST_SUITE_P(Functions, Evaluates, testing::Values(
    ValueCase{"sin(pi/2)", 1}, ValueCase{"SIN(PI/2)", 1}, ValueCase{"sin-1", -0.841470984807896507L},
    ValueCase{"cosec(pi/2)", 1}, ValueCase{"csc(pi/2)", 1}, ValueCase{"sec0", 1}, ValueCase{"cotan(pi/4)", 1},
    ValueCase{"sqrt(2)/2", 0.707106781186547524L}, ValueCase{"tanh0", 0}, ValueCase{"arctanh0", 0},
    ValueCase{"arctan1", std::numbers::pi_v<long double> / 4}, ValueCase{"arccos1", 0}, ValueCase{"arccosh1", 0},
    ValueCase{"cosh0", 1}, ValueCase{"arcsinh0", 0}, ValueCase{"arcsin1", std::numbers::pi_v<long double> / 2},
    ValueCase{"sinh0", 0}, ValueCase{"sin1e30", 0}, ValueCase{"abs-3", 3}, ValueCase{"frac-2.75", -0.75L},
    ValueCase{"int-2.75", -2}, ValueCase{"lne", 1}, ValueCase{"log1000", 3}, ValueCase{"round2.5", 2},
    ValueCase{"round3.5", 4}, ValueCase{"round-2.5", -2}, ValueCase{"ceil2.1", 3}, ValueCase{"floor-2.1", -3},
    ValueCase{"sinsin0", 0}, ValueCase{"sqrt16!", 4574143.6234556520L /* sqrt(16!) */}));

INSTANTIATE_TEST_SUITE_P(FactorialAndHex, Evaluates, testing::Values(
    ValueCase{"5!", 120}, ValueCase{"0!", 1}, ValueCase{"1!", 1}, ValueCase{"(-3)!", -6}, ValueCase{"3!!", 720},
    ValueCase{"$FF", 255}, ValueCase{"$ff", 255}, ValueCase{"$FFFFFFFF", -1}, ValueCase{"$80000000", -2147483648.0L},
    ValueCase{"$1F+1", 32}));

INSTANTIATE_TEST_SUITE_P(Numbers, Evaluates, testing::Values(
    ValueCase{".5", 0.5L}, ValueCase{"5.", 5}, ValueCase{"1e-5000", 0}, ValueCase{"1.5E20", 1.5e20L},
    ValueCase{"1.1E4932", 1.1E4932L}));

struct ErrorCase {
    const char* text;
    const std::string* message;
};

TEST(EvaluateExpression, Messages) {
    const ErrorCase cases[] = {
        {"", &kBlank},
        {"()", &kBlank},
        {"1+2)", &kParentheses},
        {")(", &kParentheses},
        {"(1))", &kParentheses},
        {"3+", &kInvalid},
        {"2*", &kInvalid},
        {"   ", &kInvalid},
        {"$G1", &kHex},
        {"$", &kHex},
        {"$1FFFFFFFF", &kHex},
        {"(1+2", &kCharacters},
        {"+3", &kCharacters},
        {"2+sin(-1)", &kCharacters},
        {"abc", &kCharacters},
        {"1,5", &kCharacters},
        {"inf", &kCharacters},
        {"nan", &kCharacters},
        {"0x10", &kCharacters},
        {"1e5000", &kCharacters},
        {"2pi", &kCharacters},
        {"sin", &kCharacters},
        {"2.5!", &kFactorial},
        {"(1/2)!", &kFactorial},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.text), *c.message) << '"' << c.text << '"';
}

TEST(EvaluateExpression, ArithmeticFaultsAreTheirOwnKind) {
    const std::pair<const char*, MathFault> cases[] = {
        {"1/0", MathFault::DivisionByZero},     {"0/0", MathFault::InvalidOperation},
        {"sqrt(-1)", MathFault::InvalidOperation}, {"ln0", MathFault::DivisionByZero},
        {"ln(-1)", MathFault::InvalidOperation}, {"log0", MathFault::DivisionByZero},
        {"5%0.5", MathFault::DivisionByZero},    {"1e20%3", MathFault::InvalidOperation},
        {"cotan0", MathFault::DivisionByZero},   {"cosec0", MathFault::DivisionByZero},
        {"arcsin2", MathFault::InvalidOperation}, {"arccosh0", MathFault::InvalidOperation},
        {"arctanh1", MathFault::DivisionByZero}, {"arctanh2", MathFault::InvalidOperation},
        {"0^-1", MathFault::DivisionByZero},     {"(-8)^0.5", MathFault::InvalidOperation},
        {"1e4000*1e4000", MathFault::Overflow},  {"1e4932+1e4932", MathFault::Overflow},
        {"10^5000", MathFault::Overflow},        {"cosh20000", MathFault::Overflow},
        {"1755!", MathFault::Overflow},          {"170!!", MathFault::Overflow},
        {"ceil3e9", MathFault::InvalidOperation}, {"floor-3e9", MathFault::InvalidOperation},
    };
    for (const auto& [text, fault] : cases) {
        try {
            const long double v = EvaluateExpression(text);
            ADD_FAILURE() << text << " gave " << static_cast<double>(v);
        } catch (const EMathError& e) {
            EXPECT_EQ(e.fault(), fault) << text;
        }
    }
    // The largest factorial still fits; the remainder that cannot overflow is 0.
    EXPECT_GT(EvaluateExpression("1754!"), 1e4930L);
    EXPECT_EQ(EvaluateExpression("-9223372036854775808%-1"), 0.0L);
}

TEST(FormatNumber, CanonicalText) {
    const std::pair<long double, const char*> cases[] = {
        {0.0L, "0"},
        {-0.0L, "0"},
        {14.0L, "14"},
        {-2.5L, "-2.5"},
        {0.1L, "0.1"},
        {0.00001L, "0.00001"},
        {0.0000123L, "0.0000123"},
        {0.0000099L, "9.9E-6"},
        {1e-6L, "1E-6"},
        {1.5e20L, "1.5E20"},
        {123456789012345678.0L, "123456789012345678"},
        {1e18L, "1E18"},
        {1.0L / 3.0L, "0.333333333333333333"},
        {2.0L / 3.0L, "0.666666666666666667"},
        {std::numbers::pi_v<long double>, "3.14159265358979324"},
        {-1.1E4932L, "-1.1E4932"},
        {1e-4000L, "1E-4000"},
        {0.9999999999999999999L, "1"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatNumber(value), text) << static_cast<double>(value);
}

TEST(FormatNumber, Hexadecimal) {
    const std::pair<long double, const char*> cases[] = {
        {255.0L, "$00FF"}, {0.0L, "$0000"}, {65535.0L, "$FFFF"}, {65536.0L, "$10000"},
        {2.5L, "$0002"},   {3.5L, "$0004"}, {-1.0L, "$FFFFFFFF"}, {4294967296.0L, "$100000000"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatNumber(value, true), text) << static_cast<double>(value);
}

TEST(FormatNumber, TextReadsBackToTheSameValue) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int i = 0; i < 2000; ++i) {
        const long double value = mantissa(random) * std::pow(10.0L, exponent(random));
        const std::string text = FormatNumber(value);
        EXPECT_EQ(FormatNumber(EvaluateExpression(text)), text);
    }
}

// Numbers are read and written with "." under a comma-decimal locale too.
TEST(EvaluateExpression, IgnoresTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        << "no comma-decimal locale installed (scripts/setup installs locales-all)";
    const long double value = EvaluateExpression("1.5*(2.25+0.25)");
    const std::string text = FormatNumber(value);
    const std::string small = FormatNumber(1.5e-7L);
    const std::string comma = ErrorOf("1,5");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(value, 3.75L);
    EXPECT_EQ(text, "3.75");
    EXPECT_EQ(small, "1.5E-7");
    EXPECT_EQ(comma, kCharacters);
}

// Whatever is typed, the evaluator returns a finite value or throws one of
// its messages or an arithmetic fault, and it does so quickly.
TEST(EvaluateExpression, NeverFailsOtherwise) {
    const std::array<const char*, 34> pieces{
        "1", "2", "0", "9.5", ".", "e", "E", "-", "--", "+", "*", "/", "%", "^", "=", "|", "&", "!", "$", "ff",
        "(", ")", " ", "pi", "sin", "arctanh", "ln", "cotan", "floor", "1e4000", "1754", "x", "\t", "0.000001"};
    const std::set<std::string> messages{kBlank, kParentheses, kInvalid, kHex, kCharacters, kFactorial};
    std::mt19937 random(2015);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 14);
    int values = 0;
    for (int i = 0; i < 5000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) text += pieces[pick(random)];
        try {
            const long double v = EvaluateExpression(text);
            EXPECT_TRUE(std::isfinite(v)) << text;
            ++values;
        } catch (const EAssignError& e) {
            EXPECT_TRUE(messages.contains(e.what())) << text << " -> " << e.what();
        } catch (const EMathError&) {
        }
    }
    EXPECT_GT(values, 100);  // the generator does reach valid expressions

    // Deep nesting and long chains finish without exhausting the stack.
    const auto start = std::chrono::steady_clock::now();
    const int depth = 100000;
    EXPECT_EQ(EvaluateExpression(std::string(depth, '(') + "1" + std::string(depth, ')')), 1.0L);
    std::string sines;
    for (int i = 0; i < depth; ++i) sines += "sin";
    EXPECT_EQ(EvaluateExpression(sines + "0"), 0.0L);
    EXPECT_EQ(EvaluateExpression("1" + std::string(depth, '!')), 1.0L);
    EXPECT_THROW(EvaluateExpression("3" + std::string(depth, '!')), EMathError);
    EXPECT_EQ(EvaluateExpression(std::string(depth, '-') + "5"), 5.0L);
    std::string sum = "1";
    for (int i = 0; i < depth; ++i) sum += "+1";
    EXPECT_EQ(EvaluateExpression(sum), depth + 1.0L);
    EXPECT_EQ(ErrorOf(std::string(depth, ')')), kParentheses);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

}  // namespace
}  // namespace tarne
