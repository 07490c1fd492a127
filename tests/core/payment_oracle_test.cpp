// Every payment the calculator can show, checked against the scoring rules rather than a copy of
// the table: base points are fu x 2^(2+han), a mangan from 2000 base points or 5 han, then the
// higher limits; the dealer is paid six times the base on a discard and twice from each player on
// a self-draw; a non-dealer four times, or once from each non-dealer and twice from the dealer.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "core/decimal_text.h"
#include "core/score_lookup.h"

namespace orunika {
namespace {

unsigned BasePoints(unsigned han, unsigned fu) {
  if (han >= 13) return 8000;
  if (han >= 11) return 6000;
  if (han >= 8) return 4000;
  if (han >= 6) return 3000;
  if (han >= 5) return 2000;
  const unsigned base = fu << (2 + han);
  return base < 2000 ? base : 2000;
}

std::u16string RoundedUp(unsigned points) { return DecimalText((points + 99) / 100 * 100); }

using Payment = std::pair<std::u16string, std::u16string>;  // ron, tsumo

Payment FromRules(Seat seat, unsigned han, unsigned fu) {
  const unsigned base = BasePoints(han, fu);
  if (seat == Seat::Dealer) return {RoundedUp(6 * base), RoundedUp(2 * base)};
  return {RoundedUp(4 * base), RoundedUp(base) + u"." + RoundedUp(2 * base)};
}

// The table has no row for 1 han below 30 fu, nor for 1 to 3 han above 70 fu.
bool HasRow(unsigned han, unsigned fu) {
  if (han == 1 && fu < 30) return false;
  return han > 3 || fu <= 70;
}

TEST(PaymentTable, EveryCellPaysWhatTheRulesSay) {
  std::set<std::tuple<Seat, HanClass, unsigned>> rowsReached;
  for (Seat seat : {Seat::Dealer, Seat::NonDealer}) {
    for (unsigned han = 1; han <= 13; ++han) {
      for (unsigned fu : {20, 25, 30, 40, 50, 60, 70, 80, 90, 100, 110}) {
        SCOPED_TRACE(testing::Message()
                     << "seat " << int(seat) << ", " << han << " han " << fu << " fu");
        const ScoreResult result = LookupScore(seat, DecimalText(han), DecimalText(fu));
        const auto* row = std::get_if<PaymentRow>(&result);
        ASSERT_EQ(row != nullptr, HasRow(han, fu));
        if (!row) continue;
        EXPECT_EQ((Payment{row->RonText(), row->TsumoText()}), FromRules(seat, han, fu));
        rowsReached.emplace(row->seat, row->hanClass, row->fu);
      }
    }
  }
  EXPECT_EQ(rowsReached.size(), PaymentTable.size()) << "a row no input can reach";
}

}  // namespace
}  // namespace orunika
