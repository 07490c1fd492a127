// Compares LookupScore with a second account of the rows, written here from the table's rules
// alone: it shares none of the core's helpers, so a slip in one is not repeated in the other.
//
// Input: byte 0 bit 0 is the seat (1 non-dealer); bit 1 picks UTF-16LE pairs, which reach every
// code unit, over one byte per unit, which keeps typed-looking texts easy to reach and the seeds
// readable. Byte 1 is the han text's length in code units; the han text and then the fu follow.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <utility>

#include "core/score_lookup.h"

namespace {

using namespace orunika;

using enum HanClass;
using Key = std::pair<HanClass, std::uint8_t>;

constexpr std::pair<std::u16string_view, HanClass> HanTexts[] = {
    {u"1", Han1},       {u"2", Han2},       {u"3", Han3},     {u"4", Han4},     {u"5", Han5},
    {u"6", Han6To7},    {u"7", Han6To7},    {u"8", Han8To10}, {u"9", Han8To10}, {u"10", Han8To10},
    {u"11", Han11To12}, {u"12", Han11To12}, {u"13", Han13}};
// 1 han starts at 30 fu; 4 han knows only the first three as texts.
constexpr std::pair<std::u16string_view, std::uint8_t> FuTexts[] = {
    {u"20", 20}, {u"25", 25}, {u"30", 30}, {u"40", 40}, {u"50", 50}, {u"60", 60}, {u"70", 70}};

auto Find(const auto& texts, std::u16string_view text) {
  const auto found = std::ranges::find(texts, text, [](const auto& entry) { return entry.first; });
  return found == std::ranges::end(texts) ? std::nullopt : std::optional(found->second);
}

// A hand loop rather than std::regex, which recurses once per character and so overflows the
// stack on long inputs: [blanks] [sign] (digits [. [digits]] | . digits) [e [sign] digits] [blanks]
constexpr bool IsNumberText(std::string_view s) {
  const auto take = [&s](std::string_view set, std::size_t most = std::string_view::npos) {
    const std::size_t n = std::min({s.find_first_not_of(set), s.size(), most});
    s.remove_prefix(n);
    return n;
  };
  constexpr std::string_view digits = "0123456789";
  take(" \t");
  take("+-", 1);
  const std::size_t whole = take(digits);
  if (whole + (take(".", 1) ? take(digits) : 0) == 0) return false;
  if (take("eE", 1) && (take("+-", 1), take(digits) == 0)) return false;
  take(" \t");
  return s.empty();
}
static_assert(IsNumberText(" -.5e+3\t") && IsNumberText("5.") && !IsNumberText("4e") &&
              !IsNumberText(".") && !IsNumberText("4 0"));

std::optional<std::uint8_t> FourHanFu(std::u16string_view text) {
  // Whatever is not ASCII becomes a character the number grammar rejects.
  std::string ascii;
  for (char16_t unit : text) ascii.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  if (!IsNumberText(ascii)) return std::nullopt;
  // Every program starts in the "C" locale, so strtod's decimal point is the full stop.
  errno = 0;
  const double value = std::strtod(ascii.c_str(), nullptr);
  if (errno == ERANGE && std::isinf(value)) return std::nullopt;
  if (value == 20 || value == 25 || value == 30) return Find(std::span(FuTexts).first(3), text);
  return value >= 40 ? std::optional<std::uint8_t>(FortyOrMore) : std::nullopt;
}

std::optional<Key> Reference(std::u16string_view han, std::u16string_view fu) {
  const std::optional<HanClass> hanClass = Find(HanTexts, han);
  if (!hanClass) return std::nullopt;
  std::optional<std::uint8_t> fuKey = AnyFu;
  if (hanClass == Han1) fuKey = Find(std::span(FuTexts).subspan(2), fu);
  if (hanClass == Han2 || hanClass == Han3) fuKey = Find(FuTexts, fu);
  if (hanClass == Han4) fuKey = FourHanFu(fu);
  return fuKey ? std::optional(Key(*hanClass, *fuKey)) : std::nullopt;
}

const char* Problem(Seat seat, std::u16string_view han, std::u16string_view fu) {
  const auto expected = Reference(han, fu);
  const ScoreResult result = LookupScore(seat, han, fu);
  const PaymentRow* row = std::get_if<PaymentRow>(&result);
  if (!row) return expected ? "LookupScore chose no row where the reference chose one" : nullptr;
  if (!expected) return "LookupScore chose a row where the reference chose none";
  // Which row, not its texts: payment_oracle_test.cpp checks every row's texts.
  const bool same = row->seat == seat && Key(row->hanClass, row->fu) == *expected;
  return same ? nullptr : "LookupScore chose another row";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const Seat seat = (data[0] & 1) != 0 ? Seat::NonDealer : Seat::Dealer;
  std::u16string units;
  for (std::size_t i = 2, wide = (data[0] & 2) >> 1; i + wide < size; i += 1 + wide)
    units.push_back(static_cast<char16_t>(wide != 0 ? data[i] | data[i + 1] << 8 : data[i]));
  const std::u16string_view han = std::u16string_view(units).substr(0, data[1]);
  const std::u16string_view fu = std::u16string_view(units).substr(han.size());
  const char* problem = Problem(seat, han, fu);
  if (problem == nullptr) return 0;
  // libFuzzer prints the input and saves it as an artifact; the message says what went wrong.
  std::fprintf(stderr, "lookup_fuzzer: %s\n", problem);
  std::abort();
}
