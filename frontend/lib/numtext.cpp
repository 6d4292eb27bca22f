#include "numtext.h"

#include <charconv>
#include <cstddef>
#include <system_error>

namespace tarne {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

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
