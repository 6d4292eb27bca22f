// Decimal numbers as text with "." as the decimal point, whatever the
// process locale: reading them, and the two written forms of the data files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarne {

// The value of `text` when all of it is a decimal number: an optional sign,
// digits with an optional "." (at least one digit), and an optional exponent
// "e" or "E" with an optional sign and digits, as in -12, .5, 0.1234E+02.
// Infinities, NaNs, hexadecimal floats, blanks and thousands separators are
// refused, as are values beyond the extended range; values too small for it
// read as zero.
std::optional<long double> ParseDecimal(std::string_view text);

// General format with at most `precision` significant digits (1..18): the
// value rounded to that many digits, without trailing zeros and without a
// decimal point when it is whole. Fixed notation for 0 and for magnitudes
// from 0.00001 with at most `precision` integer digits; otherwise mantissa,
// "E" and exponent, with "-" for negative exponents but no "+" and no
// leading zeros (1E-6, 1.2345679E8). NaN and infinities read "NAN", "INF"
// and "-INF".
std::string FormatGeneral(long double value, int precision);

// Exponent format: one digit, ".", `precision` - 1 digits, "E", the sign of
// the exponent and at least `exponentDigits` digits of it, as in 1.15E+01,
// -3.00E-02 and 0.00E+00.
std::string FormatExponent(long double value, int precision, int exponentDigits);

}  // namespace tarne
