// The scoring core. Data flows one way through it: the form hands LookupScore (score_lookup.h) the
// seat and the two texts as typed; LookupScore chooses a row of PaymentTable, or none; the form
// shows that row's ron and tsumo texts. Nothing here is computed by formula: the table holds the
// payments as players read them off a score sheet, and the core knows nothing of windows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace orunika {

enum class Seat : std::uint8_t { Dealer, NonDealer };

// The limit hands share one row per seat across the han counts of their class (6 and 7 han are
// both haneman, and so on).
enum class HanClass : std::uint8_t {
  Han1,
  Han2,
  Han3,
  Han4,
  Han5,
  Han6To7,
  Han8To10,
  Han11To12,
  Han13,
};

// Fu keys. Rows of 1 to 3 han have an exact fu; 4 han has 20, 25 and 30 and one row for every fu
// of 40 or more; the limit hands pay the same whatever the fu.
inline constexpr std::uint8_t AnyFu = 0;
inline constexpr std::uint8_t FortyOrMore = 40;

// A non-dealer's self-drawn win is paid by two kinds of player, so its cell is a text
// "each non-dealer pays.the dealer pays"; the full stop separates, it is no decimal point.
inline constexpr std::array<std::u16string_view, 17> NonDealerTsumoTexts{
    u"300.500",   u"400.700",   u"400.800",   u"500.1000",   u"600.1200",   u"700.1300",
    u"800.1600",  u"1000.2000", u"1200.2300", u"1300.2600",  u"1600.3200",  u"2000.3900",
    u"2000.4000", u"3000.6000", u"4000.8000", u"6000.12000", u"8000.16000",
};

// Which of NonDealerTsumoTexts a non-dealer row pays, so that each text is kept once.
struct SplitTsumo {
  std::uint8_t index;
  friend constexpr bool operator==(SplitTsumo, SplitTsumo) = default;
};

// A dealer row's tsumo cell is what each of the three others pays.
using TsumoCell = std::variant<std::uint16_t, SplitTsumo>;

consteval TsumoCell Each(std::uint16_t points) { return points; }

consteval TsumoCell Split(std::u16string_view text) {
  for (std::size_t i = 0; i < NonDealerTsumoTexts.size(); ++i) {
    if (NonDealerTsumoTexts[i] == text) return SplitTsumo{static_cast<std::uint8_t>(i)};
  }
  throw "not one of the non-dealer tsumo texts";  // fails the build, never runs
}

struct PaymentRow {
  Seat seat;
  HanClass hanClass;
  std::uint8_t fu;
  std::uint16_t ron;
  TsumoCell tsumo;

  // What the window shows: decimal digits with no sign, grouping or leading zeros, and for a
  // non-dealer's tsumo the split text as it is kept.
  std::u16string RonText() const;
  std::u16string TsumoText() const;
};

// Ordered by seat, then han class, then fu ascending: the lookup depends on that order, and
// payment_table.cpp proves it at compile time.
inline constexpr std::array<PaymentRow, 56> PaymentTable{{
    {Seat::Dealer, HanClass::Han1, 30, 1500, Each(500)},
    {Seat::Dealer, HanClass::Han1, 40, 2000, Each(700)},
    {Seat::Dealer, HanClass::Han1, 50, 2400, Each(800)},
    {Seat::Dealer, HanClass::Han1, 60, 2900, Each(1000)},
    {Seat::Dealer, HanClass::Han1, 70, 3400, Each(1200)},
    {Seat::Dealer, HanClass::Han2, 20, 2000, Each(700)},
    {Seat::Dealer, HanClass::Han2, 25, 2400, Each(800)},
    {Seat::Dealer, HanClass::Han2, 30, 2900, Each(1000)},
    {Seat::Dealer, HanClass::Han2, 40, 3900, Each(1300)},
    {Seat::Dealer, HanClass::Han2, 50, 4800, Each(1600)},
    {Seat::Dealer, HanClass::Han2, 60, 5800, Each(2000)},
    {Seat::Dealer, HanClass::Han2, 70, 6800, Each(2300)},
    {Seat::Dealer, HanClass::Han3, 20, 3900, Each(1300)},
    {Seat::Dealer, HanClass::Han3, 25, 4800, Each(1600)},
    {Seat::Dealer, HanClass::Han3, 30, 5800, Each(2000)},
    {Seat::Dealer, HanClass::Han3, 40, 7700, Each(2600)},
    {Seat::Dealer, HanClass::Han3, 50, 9600, Each(3200)},
    {Seat::Dealer, HanClass::Han3, 60, 11600, Each(3900)},
    {Seat::Dealer, HanClass::Han3, 70, 12000, Each(4000)},
    {Seat::Dealer, HanClass::Han4, 20, 7700, Each(2600)},
    {Seat::Dealer, HanClass::Han4, 25, 9600, Each(3200)},
    {Seat::Dealer, HanClass::Han4, 30, 11600, Each(3900)},
    {Seat::Dealer, HanClass::Han4, FortyOrMore, 12000, Each(4000)},
    {Seat::Dealer, HanClass::Han5, AnyFu, 12000, Each(4000)},
    {Seat::Dealer, HanClass::Han6To7, AnyFu, 18000, Each(6000)},
    {Seat::Dealer, HanClass::Han8To10, AnyFu, 24000, Each(8000)},
    {Seat::Dealer, HanClass::Han11To12, AnyFu, 36000, Each(12000)},
    {Seat::Dealer, HanClass::Han13, AnyFu, 48000, Each(16000)},

    {Seat::NonDealer, HanClass::Han1, 30, 1000, Split(u"300.500")},
    {Seat::NonDealer, HanClass::Han1, 40, 1300, Split(u"400.700")},
    {Seat::NonDealer, HanClass::Han1, 50, 1600, Split(u"400.800")},
    {Seat::NonDealer, HanClass::Han1, 60, 2000, Split(u"500.1000")},
    {Seat::NonDealer, HanClass::Han1, 70, 2300, Split(u"600.1200")},
    {Seat::NonDealer, HanClass::Han2, 20, 1300, Split(u"400.700")},
    {Seat::NonDealer, HanClass::Han2, 25, 1600, Split(u"400.800")},
    {Seat::NonDealer, HanClass::Han2, 30, 2000, Split(u"500.1000")},
    {Seat::NonDealer, HanClass::Han2, 40, 2600, Split(u"700.1300")},
    {Seat::NonDealer, HanClass::Han2, 50, 3200, Split(u"800.1600")},
    {Seat::NonDealer, HanClass::Han2, 60, 3900, Split(u"1000.2000")},
    {Seat::NonDealer, HanClass::Han2, 70, 4500, Split(u"1200.2300")},
    {Seat::NonDealer, HanClass::Han3, 20, 2600, Split(u"700.1300")},
    {Seat::NonDealer, HanClass::Han3, 25, 3200, Split(u"800.1600")},
    {Seat::NonDealer, HanClass::Han3, 30, 3900, Split(u"1000.2000")},
    {Seat::NonDealer, HanClass::Han3, 40, 5200, Split(u"1300.2600")},
    {Seat::NonDealer, HanClass::Han3, 50, 6400, Split(u"1600.3200")},
    {Seat::NonDealer, HanClass::Han3, 60, 7700, Split(u"2000.3900")},
    {Seat::NonDealer, HanClass::Han3, 70, 8000, Split(u"2000.4000")},
    {Seat::NonDealer, HanClass::Han4, 20, 5200, Split(u"1300.2600")},
    {Seat::NonDealer, HanClass::Han4, 25, 6400, Split(u"1600.3200")},
    {Seat::NonDealer, HanClass::Han4, 30, 7700, Split(u"2000.3900")},
    {Seat::NonDealer, HanClass::Han4, FortyOrMore, 8000, Split(u"2000.4000")},
    {Seat::NonDealer, HanClass::Han5, AnyFu, 8000, Split(u"2000.4000")},
    {Seat::NonDealer, HanClass::Han6To7, AnyFu, 12000, Split(u"3000.6000")},
    {Seat::NonDealer, HanClass::Han8To10, AnyFu, 16000, Split(u"4000.8000")},
    {Seat::NonDealer, HanClass::Han11To12, AnyFu, 24000, Split(u"6000.12000")},
    {Seat::NonDealer, HanClass::Han13, AnyFu, 32000, Split(u"8000.16000")},
}};

}  // namespace orunika
