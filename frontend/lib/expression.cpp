#include "expression.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <numbers>
#include <optional>
#include <vector>

#include "numtext.h"

namespace tarne {
namespace {

constexpr const char* kBlankEntry = "Entry could not be evaluated:\rentry cannot be blank";
constexpr const char* kParenthesesMismatch = "Entry could not be evaluated:\r() (parentheses) do not match";
constexpr const char* kInvalidExpression = "Entry could not be evaluated:\rinvalid expression";
constexpr const char* kInvalidHex = "Entry could not be evaluated:\rinvalid use of $ (hex function)";
constexpr const char* kInvalidCharacters = "Entry could not be evaluated:\rinvalid character(s) in expression";
constexpr const char* kFactorialOfNonInteger = "Entry could not be evaluated:\r! (factoral) applicable to integers only";

const char* FaultText(MathFault fault) {
    switch (fault) {
        case MathFault::DivisionByZero: return "Division by zero";
        case MathFault::Overflow: return "Floating point overflow";
        case MathFault::InvalidOperation: return "Invalid floating point operation";
    }
    return "Invalid floating point operation";
}

// A finite result, or the fault it stands for: NaN is an invalid operation,
// an infinity `infinite` (an overflow unless the operation has a pole there).
long double Checked(long double r, MathFault infinite = MathFault::Overflow) {
    if (std::isnan(r)) throw EMathError(MathFault::InvalidOperation);
    if (std::isinf(r)) throw EMathError(infinite);
    return r;
}

// Whole values that must become integers of a given width.
std::int64_t ToInt64(long double x) {
    const long double t = std::trunc(x);
    if (!(t >= -0x1p63L && t < 0x1p63L)) throw EMathError(MathFault::InvalidOperation);
    return static_cast<std::int64_t>(t);
}

long double ToInt32Value(long double whole) {
    if (!(whole >= -2147483648.0L && whole <= 2147483647.0L)) throw EMathError(MathFault::InvalidOperation);
    return whole;
}

long double RoundHalfEven(long double x) {
    const long double below = std::floor(x);
    const long double diff = x - below;
    if (diff < 0.5L) return below;
    if (diff > 0.5L) return below + 1.0L;
    return std::fmod(below, 2.0L) == 0.0L ? below : below + 1.0L;
}

long double Reciprocal(long double x) {
    if (x == 0.0L) throw EMathError(MathFault::DivisionByZero);
    return Checked(1.0L / x);
}

// Logarithms: a pole at 0, undefined below.
long double Logarithm(long double x, long double (*log)(long double)) {
    if (x < 0.0L) throw EMathError(MathFault::InvalidOperation);
    if (x == 0.0L) throw EMathError(MathFault::DivisionByZero);
    return log(x);
}

// Functions in the order they are tried: the first name a term begins with
// wins, so longer names come before their prefixes.
using Function = long double (*)(long double);
struct NamedFunction {
    std::string_view name;
    Function apply;
};

const std::array<NamedFunction, 25> kFunctions{{
    {"arctanh", [](long double x) {
         if (std::fabs(x) > 1.0L) throw EMathError(MathFault::InvalidOperation);
         return Checked(std::atanh(x), MathFault::DivisionByZero);
     }},
    {"arctan", [](long double x) { return std::atan(x); }},
    {"cotan", [](long double x) { return Reciprocal(std::tan(x)); }},
    {"tanh", [](long double x) { return std::tanh(x); }},
    {"tan", [](long double x) { return Checked(std::tan(x)); }},
    {"arccosh", [](long double x) { return Checked(std::acosh(x)); }},
    {"arccos", [](long double x) { return Checked(std::acos(x)); }},
    {"cosh", [](long double x) { return Checked(std::cosh(x)); }},
    {"cosec", [](long double x) { return Reciprocal(std::sin(x)); }},
    {"cos", [](long double x) { return std::cos(x); }},
    {"sec", [](long double x) { return Reciprocal(std::cos(x)); }},
    {"arcsinh", [](long double x) { return std::asinh(x); }},
    {"arcsin", [](long double x) { return Checked(std::asin(x)); }},
    {"sinh", [](long double x) { return Checked(std::sinh(x)); }},
    // The processor's sine takes arguments below 2^63 only; beyond, it is 0.
    {"sin", [](long double x) { return std::fabs(x) < 0x1p63L ? std::sin(x) : 0.0L; }},
    {"csc", [](long double x) { return Reciprocal(std::sin(x)); }},
    {"abs", [](long double x) { return std::fabs(x); }},
    {"frac", [](long double x) { return x - std::trunc(x); }},
    {"int", [](long double x) { return std::trunc(x); }},
    {"ln", [](long double x) { return Logarithm(x, [](long double v) { return std::log(v); }); }},
    {"round", [](long double x) { return RoundHalfEven(x); }},
    {"ceil", [](long double x) { return ToInt32Value(std::ceil(x)); }},
    {"floor", [](long double x) { return ToInt32Value(std::floor(x)); }},
    {"log", [](long double x) { return Logarithm(x, [](long double v) { return std::log10(v); }); }},
    {"sqrt", [](long double x) { return Checked(std::sqrt(x)); }},
}};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != b[i]) return false;
    }
    return true;
}

// Text before a minus sign that makes it a sign: a function name, "!" or "$".
bool IsSignPrefix(std::string_view before) {
    if (before == "!" || before == "$") return true;
    for (const auto& f : kFunctions)
        if (EqualsIgnoringCase(before, f.name)) return true;
    return false;
}

bool IsOperatorChar(char c) {
    return c == '^' || c == '*' || c == '/' || c == '%' || c == '+' || c == '=' || c == '|' || c == '&';
}

// A "$" term: a 32-bit integer in hexadecimal, read as signed ($FFFFFFFF is -1).
long double ReadHex(std::string_view term) {
    std::uint64_t value = 0;
    std::string_view digits = term.substr(1);
    if (digits.empty()) throw EAssignError(kInvalidHex);
    for (char c : digits) {
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else throw EAssignError(kInvalidHex);
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFu) throw EAssignError(kInvalidHex);
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// "--" pairs cancel: each run of minus signs keeps one sign when it is odd.
std::string CancelMinusPairs(std::string_view term) {
    std::string out;
    out.reserve(term.size());
    std::size_t run = 0;
    for (char c : term) {
        if (c == '-') {
            ++run;
            continue;
        }
        if (run % 2) out += '-';
        run = 0;
        out += c;
    }
    if (run % 2) out += '-';
    return out;
}

// Evaluates a text without parentheses and without blanks.
long double EvaluateFlat(const std::string& text) {
    // Tell subtractions from signs. A minus is a sign at the start, after a
    // function name, "!" or "$" alone, after an operator, "e"/"E" (an
    // exponent) or another minus; a subtraction otherwise.
    std::vector<bool> subtraction(text.size(), false);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '-' || i == 0) continue;
        const char before = text[i - 1];
        const bool sign = IsOperatorChar(before) || before == 'e' || before == 'E' || before == '-' ||
                          (i <= 7 && IsSignPrefix(std::string_view(text).substr(0, i)));
        subtraction[i] = !sign;
    }

    // Operands are the runs between operators; they may be empty.
    std::vector<std::string> operands;
    std::vector<char> operators;  // '-' is a subtraction here
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && !IsOperatorChar(text[end]) && !subtraction[end]) ++end;
        operands.emplace_back(text, start, end - start);
        if (end < text.size()) operators.push_back(text[end]);
        start = end + 1;
    }
    if (operands.size() != operators.size() + 1) throw EAssignError(kInvalidExpression);

    // One pass per precedence level, left to right.
    auto pass = [&](std::string_view level, auto apply) {
        std::vector<std::string> keptOperands{std::move(operands[0])};
        std::vector<char> keptOperators;
        for (std::size_t k = 0; k < operators.size(); ++k) {
            if (level.find(operators[k]) != std::string_view::npos) {
                const long double left = EvaluateTerm(keptOperands.back());
                const long double right = EvaluateTerm(operands[k + 1]);
                keptOperands.back() = apply(operators[k], left, right);
            } else {
                keptOperators.push_back(operators[k]);
                keptOperands.push_back(std::move(operands[k + 1]));
            }
        }
        operands = std::move(keptOperands);
        operators = std::move(keptOperators);
    };
    auto flag = [](bool b) { return std::string(b ? "1" : "0"); };

    pass("^", [](char, long double l, long double r) {
        const long double p = std::pow(l, r);
        return FormatNumber(Checked(p, l == 0.0L ? MathFault::DivisionByZero : MathFault::Overflow));
    });
    pass("*/%&", [&](char op, long double l, long double r) {
        switch (op) {
            case '*': return FormatNumber(Checked(l * r));
            case '/':
                if (r == 0.0L) throw EMathError(l == 0.0L ? MathFault::InvalidOperation : MathFault::DivisionByZero);
                return FormatNumber(Checked(l / r));
            case '%': {
                const std::int64_t a = ToInt64(l);
                const std::int64_t b = ToInt64(r);
                if (b == 0) throw EMathError(MathFault::DivisionByZero);
                // The one quotient that does not fit 64 bits has remainder 0.
                return std::to_string(b == -1 ? 0 : a % b);
            }
            default: return flag(l != 0.0L && r != 0.0L);
        }
    });
    pass("+-|", [&](char op, long double l, long double r) {
        switch (op) {
            case '+': return FormatNumber(Checked(l + r));
            case '-': return FormatNumber(Checked(l - r));
            default: return flag(l != 0.0L || r != 0.0L);
        }
    });
    pass("=", [&](char, long double l, long double r) { return flag(l == r); });

    return EvaluateTerm(operands[0]);
}

}  // namespace

EMathError::EMathError(MathFault fault) : std::runtime_error(FaultText(fault)), fault_(fault) {}

long double EvaluateExpression(std::string_view input) {
    if (input.empty()) throw EAssignError(kBlankEntry);
    std::string text;
    text.reserve(input.size());
    for (char c : input)
        if (c != ' ' && c != '\t') text += c;

    // Parentheses from the inside out: each ")" closes the last open "(" and
    // the group is replaced by the text of its value. A "(" left open stays
    // in the text, where no term can read it. One scan with a stack of open
    // groups does this without rescanning the text.
    std::vector<std::string> groups(1);
    for (char c : text) {
        if (c == '(') {
            groups.emplace_back();
        } else if (c == ')') {
            if (groups.size() == 1) throw EAssignError(kParenthesesMismatch);
            const std::string inner = std::move(groups.back());
            groups.pop_back();
            groups.back() += FormatNumber(EvaluateExpression(inner));
        } else {
            groups.back() += c;
        }
    }
    std::string flat = std::move(groups[0]);
    for (std::size_t i = 1; i < groups.size(); ++i) flat += '(' + groups[i];
    return EvaluateFlat(flat);
}

long double EvaluateTerm(std::string_view rawTerm) {
    std::string lowered = CancelMinusPairs(rawTerm);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');

    // Functions and factorials nest to any depth ("sinsinsin1", "3!!!"):
    // peel them off in a loop and apply them innermost first afterwards, so
    // no input can exhaust the stack.
    constexpr int kFactorial = -1;
    std::vector<int> pending;
    std::string_view term = lowered;
    long double value = 0.0L;
    for (;;) {
        if (term == "pi" || term == "-pi") {
            value = term[0] == '-' ? -std::numbers::pi_v<long double> : std::numbers::pi_v<long double>;
            break;
        }
        if (term == "e" || term == "-e") {
            value = term[0] == '-' ? -std::numbers::e_v<long double> : std::numbers::e_v<long double>;
            break;
        }
        int function = -1;
        for (std::size_t f = 0; f < kFunctions.size() && function < 0; ++f)
            if (term.starts_with(kFunctions[f].name)) function = static_cast<int>(f);
        if (function >= 0) {
            pending.push_back(function);
            term.remove_prefix(kFunctions[static_cast<std::size_t>(function)].name.size());
            continue;
        }
        if (!term.empty() && term.back() == '!') {
            pending.push_back(kFactorial);
            term.remove_suffix(1);
            continue;
        }
        if (!term.empty() && term[0] == '$') {
            value = ReadHex(term);
            break;
        }
        const auto number = ParseDecimal(term);
        if (!number) throw EAssignError(kInvalidCharacters);
        value = *number;
        break;
    }
    for (auto it = pending.rbegin(); it != pending.rend(); ++it)
        value = *it == kFactorial ? Factorial(value) : kFunctions[static_cast<std::size_t>(*it)].apply(value);
    return value;
}

long double Factorial(long double x) {
    if (x != std::trunc(x)) throw EAssignError(kFactorialOfNonInteger);
    // 1754! is the largest factorial of the extended range.
    const long double n = std::fabs(x);
    if (n > 1754.0L) throw EMathError(MathFault::Overflow);
    long double product = 1.0L;
    for (long double k = 2.0L; k <= n; k += 1.0L) product *= k;
    return x < 0.0L ? -product : product;
}

std::string FormatNumber(long double value, bool hex) {
    if (hex) {
        const long double rounded = RoundHalfEven(value);
        std::uint64_t bits;
        if (rounded >= -2147483648.0L && rounded <= 2147483647.0L) {
            bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(rounded));
        } else if (rounded >= -0x1p63L && rounded < 0x1p63L) {
            bits = static_cast<std::uint64_t>(static_cast<std::int64_t>(rounded));
        } else {  // beyond 64 bits (or not a number): the nearest 64-bit value
            bits = rounded > 0 ? 0x7FFFFFFFFFFFFFFFu : 0x8000000000000000u;
        }
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "$%04llX", static_cast<unsigned long long>(bits));
        return buffer;
    }

    // 18 significant digits belong to the extended reals.
    return FormatGeneral(value, 18);
}

}  // namespace tarne
