#include "core/score_lookup.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <tuple>

#include "core/decimal_number.h"
#include "core/decimal_text.h"

namespace orunika {
namespace {

// The han class of each han count from 1 to 13.
constexpr std::array<HanClass, 13> HanClassOfCount{
    HanClass::Han1,     HanClass::Han2,     HanClass::Han3,      HanClass::Han4,
    HanClass::Han5,     HanClass::Han6To7,  HanClass::Han6To7,   HanClass::Han8To10,
    HanClass::Han8To10, HanClass::Han8To10, HanClass::Han11To12, HanClass::Han11To12,
    HanClass::Han13,
};

std::optional<HanClass> HanClassOf(std::u16string_view hanText) {
  for (unsigned count = 1; count <= HanClassOfCount.size(); ++count) {
    if (IsDecimalTextOf(hanText, count)) return HanClassOfCount[count - 1];
  }
  return std::nullopt;
}

// The rows of one seat and han class, fu ascending (the table is kept in that order). A classic
// search: libc++ 13 has no std::ranges one.
std::span<const PaymentRow> RowsOf(Seat seat, HanClass hanClass) {
  const PaymentRow wanted{seat, hanClass, AnyFu, 0, {}};
  const auto [first, last] =
      std::equal_range(PaymentTable.begin(), PaymentTable.end(), wanted,
                       [](const PaymentRow& x, const PaymentRow& y) {
                         return std::tie(x.seat, x.hanClass) < std::tie(y.seat, y.hanClass);
                       });
  return {first, last};
}

// The first row, fu ascending, whose fu is exactly the fu text.
ScoreResult RowWithFuText(std::span<const PaymentRow> rows, std::u16string_view fuText) {
  for (const PaymentRow& row : rows) {
    if (IsDecimalTextOf(fuText, row.fu)) return row;
  }
  return InputRequired{};
}

// 4 han is the one place a fu is read as a number: 40 fu and more all pay a mangan, so any number
// from 40 up selects that row. 20, 25 and 30 still have to be typed as exactly those texts.
ScoreResult FourHanRow(std::span<const PaymentRow> rows, std::u16string_view fuText) {
  const std::optional<double> fu = ReadDecimalNumber(fuText);
  if (!fu) return InputRequired{};
  if (*fu == 20 || *fu == 25 || *fu == 30) return RowWithFuText(rows, fuText);
  if (*fu >= 40) return rows.back();
  return InputRequired{};
}

}  // namespace

ScoreResult LookupScore(Seat seat, std::u16string_view hanText, std::u16string_view fuText) {
  const std::optional<HanClass> hanClass = HanClassOf(hanText);
  if (!hanClass) return InputRequired{};
  const std::span<const PaymentRow> rows = RowsOf(seat, *hanClass);
  switch (*hanClass) {
    case HanClass::Han1:
    case HanClass::Han2:
    case HanClass::Han3:
      return RowWithFuText(rows, fuText);
    case HanClass::Han4:
      return FourHanRow(rows, fuText);
    default:
      return rows.front();
  }
}

}  // namespace orunika
