// The expression evaluator behind every number the user types: an entry such
// as 12*0.3048, sqrt(2)/2, $1F or 5! is reduced to one extended real.
//
// Operators by precedence, each left-associative: "^" (power); "*", "/",
// "%" (remainder of the values truncated to 64-bit integers), "&" (logical
// and); "+", "-", "|" (logical or); "=" (equality, 1 or 0). Terms are decimal
// numbers ("." as the decimal point), "$" hexadecimal 32-bit integers, pi,
// e, a function name followed by its argument (sin-1, sqrt2), or a term
// followed by "!" (factorial). Blanks are ignored and case does not matter.
// Every intermediate result passes through its text form (FormatNumber), so
// it keeps 18 significant digits.
//
// The evaluator keeps no state; it may be called from any thread.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tarne {

// An entry the evaluator cannot read. The message is one of the texts
// "Entry could not be evaluated:\r..." ("\r" is a line break of the message).
class EAssignError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An arithmetic fault met while evaluating a readable entry (1/0, sqrt(-1),
// ln0, a result beyond the extended range). It is not the entry's fault in
// form, so callers report it apart from the evaluator's messages.
enum class MathFault { DivisionByZero, Overflow, InvalidOperation };

class EMathError : public std::runtime_error {
public:
    explicit EMathError(MathFault fault);
    MathFault fault() const { return fault_; }

private:
    MathFault fault_;
};

// The value of an entry. Throws EAssignError or EMathError; never anything
// else for any text.
long double EvaluateExpression(std::string_view text);

// The value of one operand: a number, constant, "$" hexadecimal, a function
// applied to the rest of the term, or a factorial. Throws as above.
long double EvaluateTerm(std::string_view term);

// |x|! as a product of reals, with the sign of x: 3! = 6, (-3)! = -6.
// Throws EAssignError when x is not whole, EMathError beyond the range.
long double Factorial(long double x);

// The canonical text of a value, "." as the decimal point. With `hex` false:
// at most 18 significant digits, no trailing zeros, fixed notation for 0 and
// for magnitudes from 0.00001 with at most 18 integer digits, otherwise
// mantissa, "E" and exponent without "+" or leading zeros (1E-6, 1.5E20).
// With `hex` true: "$" and the value rounded to an integer (ties to even) in
// upper-case hexadecimal, at least 4 digits, 32-bit two's complement for
// negative values ($FFFFFFFF is -1, as the evaluator reads it back).
std::string FormatNumber(long double value, bool hex = false);

}  // namespace tarne
