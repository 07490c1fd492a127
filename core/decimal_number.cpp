#include "core/decimal_number.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace orunika {
namespace {

constexpr bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// What a decimal number is written with. The library's readers take more (infinities, NaNs,
// hexadecimal), all of it spelled with other characters.
constexpr std::u16string_view NumberCharacters = u"0123456789+-.eE";

std::optional<double> Convert(const std::string& ascii) {
  const char* const last = ascii.data() + ascii.size();
  double value = 0;
#if defined(__cpp_lib_to_chars)
  const auto [end, error] = std::from_chars(ascii.data(), last, value, std::chars_format::general);
  if (error != std::errc{} || end != last) return std::nullopt;
#else
  // libc++ 13 (Emscripten's) reads no double with from_chars. Its C library, musl, has no locale
  // that changes the decimal point, so strtod reads the same numbers; a value too large or too
  // small for a double is refused, as from_chars refuses it; a tiny one that still has a value
  // (strtod says ERANGE for those too) is kept, as from_chars keeps it. An empty text is no number,
  // though strtod reads all of it.
  char* end = nullptr;
  errno = 0;
  value = std::strtod(ascii.c_str(), &end);
  if (ascii.empty() || end != last || (errno == ERANGE && (value == 0 || std::isinf(value))))
    return std::nullopt;
#endif
  return value;
}

}  // namespace

std::optional<double> ReadDecimalNumber(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.find_first_not_of(NumberCharacters) != std::u16string_view::npos) return std::nullopt;
  // from_chars takes no leading '+'; the value is the same without it, and one sign is all a
  // number has (strtod would take a second).
  if (text.starts_with(u'+')) {
    text.remove_prefix(1);
    if (text.starts_with(u'+') || text.starts_with(u'-')) return std::nullopt;
  }
  // Every code unit is ASCII now, and the reader then says whether the whole text is one number.
  return Convert(std::string(text.begin(), text.end()));
}

}  // namespace orunika
