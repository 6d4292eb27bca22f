#include "numtext.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <system_error>

namespace tarne {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value rounded to `precision` significant digits: its sign, the digits
// (exactly `precision` of them) and the decimal exponent of the first one.
struct Rounded {
    bool negative;
    std::string digits;
    int exponent;
};

Rounded RoundTo(long double value, int precision) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, precision - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Rounded r{text[0] == '-', {}, 0};
    const std::size_t ePos = text.find('e');
    for (std::size_t i = r.negative ? 1 : 0; i < ePos; ++i)
        if (text[i] != '.') r.digits += text[i];
    const std::size_t exponentStart = ePos + (text[ePos + 1] == '+' ? 2 : 1);
    std::from_chars(text.data() + exponentStart, text.data() + text.size(), r.exponent);
    return r;
}

}  // namespace

std::string FormatGeneral(long double value, int precision) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0L) return "0";

    Rounded r = RoundTo(value, precision);
    while (r.digits.size() > 1 && r.digits.back() == '0') r.digits.pop_back();

    std::string out = r.negative ? "-" : "";
    if (r.exponent >= -5 && r.exponent < precision) {
        if (r.exponent >= 0) {
            const auto integerDigits = static_cast<std::size_t>(r.exponent) + 1;
            if (r.digits.size() <= integerDigits) {
                out += r.digits + std::string(integerDigits - r.digits.size(), '0');
            } else {
                out += r.digits.substr(0, integerDigits) + '.' + r.digits.substr(integerDigits);
            }
        } else {
            out += "0." + std::string(static_cast<std::size_t>(-r.exponent - 1), '0') + r.digits;
        }
    } else {
        out += r.digits.substr(0, 1);
        if (r.digits.size() > 1) out += '.' + r.digits.substr(1);
        out += 'E' + std::to_string(r.exponent);
    }
    return out;
}

std::string FormatExponent(long double value, int precision, int exponentDigits) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    const Rounded r = value == 0.0L ? Rounded{false, std::string(static_cast<std::size_t>(precision), '0'), 0}
                                    : RoundTo(value, precision);
    std::string out = r.negative ? "-" : "";
    out += r.digits.substr(0, 1);
    if (r.digits.size() > 1) out += '.' + r.digits.substr(1);
    std::string exponent = std::to_string(std::abs(r.exponent));
    if (exponent.size() < static_cast<std::size_t>(exponentDigits))
        exponent.insert(0, static_cast<std::size_t>(exponentDigits) - exponent.size(), '0');
    return out + 'E' + (r.exponent < 0 ? '-' : '+') + exponent;
}

std::optional<long double> ParseDecimal(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t mantissaStart = i;

    // Decimal order of the first significant digit, to tell an overflow from
    // an underflow when the value does not fit.
    long long order = 0;
    bool significant = false;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
        } else if (IsDigit(c)) {
            ++digits;
            if (!point && (significant || c != '0')) ++order;
            if (point && !significant && c == '0') --order;
            significant = significant || c != '0';
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;

    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        if (i == text.size() || !IsDigit(text[i])) return std::nullopt;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[i] - '0');
        if (negativeExponent) exponent = -exponent;
    }
    if (i != text.size()) return std::nullopt;

    // from_chars reads with "." whatever the locale; it takes no "+" sign.
    long double value = 0.0L;
    const char* first = text.data() + mantissaStart;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (significant && order + exponent > 0) return std::nullopt;  // beyond the extended range
        value = 0.0L;
    } else if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace tarne
