#pragma once

#include <optional>
#include <string_view>

namespace orunika {

// Reads a fu typed as a number: optional blanks (space or tab), an optional sign, decimal digits
// with an optional fraction, an optional exponent, optional blanks. Anything else, and a value too
// large for a double, is no number. Independent of the locale; never throws; reads only the text.
std::optional<double> ReadDecimalNumber(std::u16string_view text);

}  // namespace orunika
