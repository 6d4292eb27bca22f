// Fixed-column text in the report's notation:
//   Fw.d  fixed point, d decimals, right-aligned in w characters
//   Ew.d  0.ddE+xx exponent form, right-aligned in w characters
//   Iw    integer right-aligned in w characters; Iw.m with at least m digits
//   An    text cut or padded to n characters
// A value too wide for its field is written as w asterisks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarne {

// One output line under construction, in a fixed buffer (no allocation).
class FixedLine {
public:
    static constexpr std::size_t kCapacity = 512;

    FixedLine& blanks(int n);
    FixedLine& repeat(char c, int n);
    FixedLine& text(std::string_view s);                 // at its own length
    FixedLine& text_a(std::string_view s, int width);    // An
    FixedLine& f(double value, int width, int decimals); // Fw.d
    FixedLine& e(double value, int width, int decimals); // Ew.d
    FixedLine& i(long long value, int width, int min_digits = 0);  // Iw / Iw.m

    std::string_view view() const { return {buffer_, length_}; }
    void clear() { length_ = 0; }

private:
    void append(const char* s, std::size_t n);
    char buffer_[kCapacity];
    std::size_t length_ = 0;
};

// The same conversions as strings, for tests and for callers outside hot paths.
std::string format_f(double value, int width, int decimals);
std::string format_e(double value, int width, int decimals);
std::string format_i(long long value, int width, int min_digits = 0);
std::string format_a(std::string_view s, int width);

// The same text with trailing blanks removed.
std::string_view trim_right(std::string_view s);
// The same text with leading and trailing blanks removed.
std::string trim(std::string_view s);

}  // namespace tarne
