#include "core/payment_table.h"

#include <algorithm>
#include <tuple>

#include "core/decimal_text.h"

namespace orunika {
namespace {

// Classic algorithms rather than std::ranges ones: the core also builds with libc++ 13, which has
// none of the latter.
constexpr auto Key(const PaymentRow& row) { return std::tuple{row.seat, row.hanClass, row.fu}; }

constexpr std::size_t CountRows(Seat seat, HanClass hanClass) {
  return static_cast<std::size_t>(std::count_if(
      PaymentTable.begin(), PaymentTable.end(),
      [&](const PaymentRow& row) { return row.seat == seat && row.hanClass == hanClass; }));
}

// Each seat's half has the same keys: five fu for 1 han, seven each for 2 and 3 han, four for
// 4 han, and one row for each limit class.
constexpr bool HalvesHaveTheirRowCounts() {
  constexpr std::array<std::size_t, 9> perClass{5, 7, 7, 4, 1, 1, 1, 1, 1};
  for (Seat seat : {Seat::Dealer, Seat::NonDealer}) {
    for (std::size_t c = 0; c < perClass.size(); ++c) {
      if (CountRows(seat, static_cast<HanClass>(c)) != perClass[c]) return false;
    }
  }
  return true;
}

// Dealer rows pay the same amount from each player; non-dealer rows pay by a split text.
constexpr bool TsumoCellsMatchTheirSeat() {
  return std::all_of(PaymentTable.begin(), PaymentTable.end(), [](const PaymentRow& row) {
    return std::holds_alternative<std::uint16_t>(row.tsumo) == (row.seat == Seat::Dealer);
  });
}

constexpr bool EverySplitTextIsUsed() {
  for (std::size_t i = 0; i < NonDealerTsumoTexts.size(); ++i) {
    const TsumoCell cell = SplitTsumo{static_cast<std::uint8_t>(i)};
    if (std::none_of(PaymentTable.begin(), PaymentTable.end(),
                     [&](const PaymentRow& row) { return row.tsumo == cell; }))
      return false;
  }
  return true;
}

// Strictly ascending keys: ordered, and each key once.
constexpr bool KeysAscend() {
  for (std::size_t i = 1; i < PaymentTable.size(); ++i) {
    if (!(Key(PaymentTable[i - 1]) < Key(PaymentTable[i]))) return false;
  }
  return true;
}

constexpr std::uint16_t LargestRon() {
  std::uint16_t largest = 0;
  for (const PaymentRow& row : PaymentTable) largest = std::max(largest, row.ron);
  return largest;
}

static_assert(KeysAscend(), "rows must be ordered by seat, han class and fu, each key once");
static_assert(HalvesHaveTheirRowCounts());
static_assert(TsumoCellsMatchTheirSeat());
static_assert(EverySplitTextIsUsed());
static_assert(LargestRon() == 48000);

}  // namespace

std::u16string PaymentRow::RonText() const { return DecimalText(ron); }

std::u16string PaymentRow::TsumoText() const {
  if (const auto* each = std::get_if<std::uint16_t>(&tsumo)) return DecimalText(*each);
  return std::u16string{NonDealerTsumoTexts[std::get<SplitTsumo>(tsumo).index]};
}

}  // namespace orunika
