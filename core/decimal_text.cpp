#include "core/decimal_text.h"

#include <iterator>

namespace orunika {

std::u16string DecimalText(unsigned value) {
  char16_t digits[10];
  char16_t* first = std::end(digits);
  do {
    *--first = static_cast<char16_t>(u'0' + value % 10);
    value /= 10;
  } while (value != 0);
  return {first, std::end(digits)};
}

}  // namespace orunika
