#include "core/payment_table.h"

#include <algorithm>
#include <tuple>

#include "core/decimal_text.h"

namespace orunika {
namespace {

constexpr auto Key(const PaymentRow& row) { return std::tuple{row.seat, row.hanClass, row.fu}; }

constexpr std::size_t CountRows(Seat seat, HanClass hanClass) {
  return std::ranges::count_if(PaymentTable, [&](const PaymentRow& row) {
    return row.seat == seat && row.hanClass == hanClass;
  });
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
  return std::ranges::all_of(PaymentTable, [](const PaymentRow& row) {
    return std::holds_alternative<std::uint16_t>(row.tsumo) == (row.seat == Seat::Dealer);
  });
}

constexpr bool EverySplitTextIsUsed() {
  for (std::size_t i = 0; i < NonDealerTsumoTexts.size(); ++i) {
    const TsumoCell cell = SplitTsumo{static_cast<std::uint8_t>(i)};
    if (std::ranges::none_of(PaymentTable,
                             [&](const PaymentRow& row) { return row.tsumo == cell; }))
      return false;
  }
  return true;
}

static_assert(std::ranges::is_sorted(PaymentTable, std::ranges::less{}, Key) &&
                  std::ranges::adjacent_find(PaymentTable, {}, Key) == PaymentTable.end(),
              "rows must be ordered by seat, han class and fu, each key once");
static_assert(HalvesHaveTheirRowCounts());
static_assert(TsumoCellsMatchTheirSeat());
static_assert(EverySplitTextIsUsed());
static_assert(std::ranges::max(PaymentTable, {}, &PaymentRow::ron).ron == 48000);

}  // namespace

std::u16string PaymentRow::RonText() const { return DecimalText(ron); }

std::u16string PaymentRow::TsumoText() const {
  if (const auto* each = std::get_if<std::uint16_t>(&tsumo)) return DecimalText(*each);
  return std::u16string{NonDealerTsumoTexts[std::get<SplitTsumo>(tsumo).index]};
}

}  // namespace orunika
