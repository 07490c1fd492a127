#include "core/decimal_number.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace orunika {
namespace {

constexpr bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
constexpr bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Returns where the run of digits starting at i ends.
constexpr std::size_t SkipDigits(std::u16string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// Whether text, blanks already trimmed, is [sign] mantissa [exponent] and nothing more.
constexpr bool IsDecimalNumber(std::u16string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
  const std::size_t integerEnd = SkipDigits(text, i);
  bool hasDigits = integerEnd > i;
  i = integerEnd;
  if (i < text.size() && text[i] == u'.') {
    const std::size_t fractionEnd = SkipDigits(text, i + 1);
    hasDigits = hasDigits || fractionEnd > i + 1;
    i = fractionEnd;
  }
  if (!hasDigits) return false;
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
    const std::size_t exponentEnd = SkipDigits(text, i);
    if (exponentEnd == i) return false;
    i = exponentEnd;
  }
  return i == text.size();
}

static_assert(IsDecimalNumber(u"40") && IsDecimalNumber(u"-.5e+3") && IsDecimalNumber(u"40."));
static_assert(!IsDecimalNumber(u"") && !IsDecimalNumber(u".") && !IsDecimalNumber(u"4e") &&
              !IsDecimalNumber(u"inf") && !IsDecimalNumber(u"0x28") && !IsDecimalNumber(u"4 0"));

// `first` to `last` is a decimal number followed by a NUL.
std::optional<double> Convert(const char* first, const char* last) {
  double value = 0;
#if defined(__cpp_lib_to_chars)
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error != std::errc{} || end != last) return std::nullopt;
#else
  // libc++ 13 (Emscripten's) reads no double with from_chars. Its C library, musl, has no locale
  // that changes the decimal point, so strtod reads the same numbers; a value too large or too
  // small for a double is refused, as from_chars refuses it; a tiny one that still has a value
  // (strtod says ERANGE for those too) is kept, as from_chars keeps it.
  char* end = nullptr;
  errno = 0;
  value = std::strtod(first, &end);
  if (end != last || (errno == ERANGE && (value == 0 || std::isinf(value)))) return std::nullopt;
#endif
  return value;
}

}  // namespace

std::optional<double> ReadDecimalNumber(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (!IsDecimalNumber(text)) return std::nullopt;
  // from_chars takes no leading '+'; the value is the same without it.
  if (text.front() == u'+') text.remove_prefix(1);

  // Every code unit is now ASCII. Typed fu are short and fit on the stack; a pasted page of
  // digits takes the heap once.
  std::array<char, 64> small;
  std::string large;
  char* ascii = small.data();
  if (text.size() >= small.size()) {
    large.resize(text.size());  // and the NUL a string keeps after its end
    ascii = large.data();
  }
  for (std::size_t i = 0; i < text.size(); ++i) ascii[i] = static_cast<char>(text[i]);
  ascii[text.size()] = '\0';
  return Convert(ascii, ascii + text.size());
}

}  // namespace orunika
