#include "fixed_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace tarne {
namespace {

// Writes `field` right-aligned in `width` characters, or asterisks when it
// does not fit. Returns the number of characters written (always `width`).
std::size_t asterisks(char* out, int width) {
    const auto w = static_cast<std::size_t>(std::max(width, 0));
    std::memset(out, '*', w);
    return w;
}

std::size_t right_align(char* out, const char* field, std::size_t n, int width) {
    const auto w = static_cast<std::size_t>(std::max(width, 0));
    if (n > w) return asterisks(out, width);
    std::memset(out, ' ', w - n);
    std::memcpy(out + (w - n), field, n);
    return w;
}

// Removes the optional leading zero of "0.xx" / "-0.xx" when the field is
// one character too narrow for it, as fixed-column output does.
std::size_t drop_leading_zero(char* s, std::size_t n) {
    const std::size_t at = (s[0] == '-') ? 1 : 0;
    if (n > at + 1 && s[at] == '0' && s[at + 1] == '.') {
        std::memmove(s + at, s + at + 1, n - at - 1);
        return n - 1;
    }
    return n;
}

std::size_t write_f(char* out, double value, int width, int decimals) {
    char s[400];
    if (!std::isfinite(value) || decimals < 0 || decimals > 30) return asterisks(out, width);
    const auto [end, ec] = std::to_chars(s, s + sizeof s, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return asterisks(out, width);
    auto len = static_cast<std::size_t>(end - s);
    // A negative value that rounds to zero is written without its sign.
    if (s[0] == '-' && std::string_view(s + 1, len - 1).find_first_not_of("0.") == std::string_view::npos) {
        std::memmove(s, s + 1, len);
        --len;
    }
    if (len > static_cast<std::size_t>(width)) len = drop_leading_zero(s, len);
    return right_align(out, s, len, width);
}

std::size_t write_e(char* out, double value, int width, int decimals) {
    if (!std::isfinite(value) || decimals < 1 || decimals > 30) return asterisks(out, width);
    // d significant digits; the 0.ddd mantissa moves the exponent up by one.
    char digits[64];
    int exponent = 0;
    bool negative = false;
    if (value == 0.0) {
        std::memset(digits, '0', static_cast<std::size_t>(decimals));
        digits[decimals] = '\0';
    } else {
        char s[64];
        const auto [end, ec] = std::to_chars(s, s + sizeof s - 1, value, std::chars_format::scientific, decimals - 1);
        if (ec != std::errc()) return asterisks(out, width);
        *end = '\0';
        const char* p = s;
        if (*p == '-') { negative = true; ++p; }
        int k = 0;
        for (; *p && *p != 'e'; ++p)
            if (*p != '.') digits[k++] = *p;
        digits[k] = '\0';
        // "e+07" / "e-123": the exponent of d.ddd, one less than that of 0.dddd.
        ++p;
        const bool negative_exponent = *p == '-';
        int e = 0;
        for (++p; *p >= '0' && *p <= '9'; ++p) e = 10 * e + (*p - '0');
        exponent = (negative_exponent ? -e : e) + 1;
    }
    const int ax = std::abs(exponent);
    if (ax > 999) return asterisks(out, width);
    char s[96];
    std::size_t n = 0;
    if (negative) s[n++] = '-';
    s[n++] = '0';
    s[n++] = '.';
    for (const char* d = digits; *d; ++d) s[n++] = *d;
    if (ax <= 99) s[n++] = 'E';  // a three-digit exponent takes the letter's place
    s[n++] = exponent < 0 ? '-' : '+';
    if (ax > 99) s[n++] = static_cast<char>('0' + ax / 100);
    s[n++] = static_cast<char>('0' + ax / 10 % 10);
    s[n++] = static_cast<char>('0' + ax % 10);
    std::size_t len = n;
    if (len > static_cast<std::size_t>(width)) len = drop_leading_zero(s, len);
    return right_align(out, s, len, width);
}

std::size_t write_i(char* out, long long value, int width, int min_digits) {
    char s[64];
    const unsigned long long mag = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    int n = std::snprintf(s, sizeof s, "%s%0*llu", value < 0 ? "-" : "", std::max(min_digits, 1), mag);
    if (min_digits == 0 && value == 0) n = std::snprintf(s, sizeof s, "0");
    return right_align(out, s, static_cast<std::size_t>(n), width);
}

}  // namespace

void FixedLine::append(const char* s, std::size_t n) {
    n = std::min(n, kCapacity - length_);
    if (n == 0) return;
    std::memcpy(buffer_ + length_, s, n);
    length_ += n;
}

FixedLine& FixedLine::blanks(int n) { return repeat(' ', n); }

FixedLine& FixedLine::repeat(char c, int n) {
    const auto k = std::min(static_cast<std::size_t>(std::max(n, 0)), kCapacity - length_);
    std::memset(buffer_ + length_, c, k);
    length_ += k;
    return *this;
}

FixedLine& FixedLine::text(std::string_view s) {
    append(s.data(), s.size());
    return *this;
}

FixedLine& FixedLine::text_a(std::string_view s, int width) {
    const auto w = static_cast<std::size_t>(std::max(width, 0));
    if (s.size() >= w) return text(s.substr(0, w));
    text(s);
    return blanks(static_cast<int>(w - s.size()));
}

FixedLine& FixedLine::f(double value, int width, int decimals) {
    char s[kCapacity];
    if (width <= 0 || static_cast<std::size_t>(width) > kCapacity) return *this;
    append(s, write_f(s, value, width, decimals));
    return *this;
}

FixedLine& FixedLine::e(double value, int width, int decimals) {
    char s[kCapacity];
    if (width <= 0 || static_cast<std::size_t>(width) > kCapacity) return *this;
    append(s, write_e(s, value, width, decimals));
    return *this;
}

FixedLine& FixedLine::i(long long value, int width, int min_digits) {
    char s[kCapacity];
    if (width <= 0 || static_cast<std::size_t>(width) > kCapacity) return *this;
    append(s, write_i(s, value, width, min_digits));
    return *this;
}

std::string format_f(double value, int width, int decimals) {
    FixedLine line;
    return std::string(line.f(value, width, decimals).view());
}

std::string format_e(double value, int width, int decimals) {
    FixedLine line;
    return std::string(line.e(value, width, decimals).view());
}

std::string format_i(long long value, int width, int min_digits) {
    FixedLine line;
    return std::string(line.i(value, width, min_digits).view());
}

std::string format_a(std::string_view s, int width) {
    FixedLine line;
    return std::string(line.text_a(s, width).view());
}

std::string_view trim_right(std::string_view s) {
    const auto end = s.find_last_not_of(" \t\r\n");
    return end == std::string_view::npos ? std::string_view{} : s.substr(0, end + 1);
}

std::string trim(std::string_view s) {
    s = trim_right(s);
    const auto start = s.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string{} : std::string(s.substr(start));
}

}  // namespace tarne
