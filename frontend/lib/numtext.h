// Reading decimal numbers from text with "." as the decimal point, whatever
// the process locale.
#pragma once

#include <optional>
#include <string_view>

namespace tarne {

// The value of `text` when all of it is a decimal number: an optional sign,
// digits with an optional "." (at least one digit), and an optional exponent
// "e" or "E" with an optional sign and digits, as in -12, .5, 0.1234E+02.
// Infinities, NaNs, hexadecimal floats, blanks and thousands separators are
// refused, as are values beyond the extended range; values too small for it
// read as zero.
std::optional<long double> ParseDecimal(std::string_view text);

}  // namespace tarne
