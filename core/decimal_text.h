#pragma once

#include <string>
#include <string_view>

namespace orunika {

// The decimal text of a number: digits only, no sign, no grouping, no leading zeros.
std::u16string DecimalText(unsigned value);

// Whether text is exactly the decimal text of value, code unit by code unit: " 3", "03", "+3",
// "3.0" and the full-width "３" are not the text of 3. Compares in place, without building the
// text.
constexpr bool IsDecimalTextOf(std::u16string_view text, unsigned value) {
  std::size_t digits = 1;
  for (unsigned rest = value / 10; rest != 0; rest /= 10) ++digits;
  if (text.size() != digits) return false;
  for (std::size_t i = digits; i-- > 0; value /= 10) {
    if (text[i] != u'0' + value % 10) return false;
  }
  return true;
}

}  // namespace orunika
