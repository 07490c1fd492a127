// Which texts select which row. Payments themselves are checked against the scoring rules in
// payment_oracle_test.cpp; here a row is named by the texts it shows.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "core/decimal_number.h"
#include "core/score_lookup.h"

namespace orunika {
namespace {

using Texts = std::initializer_list<std::u16string_view>;

using Shown = std::pair<std::u16string, std::u16string>;  // ron, tsumo; none for no row

// What the texts select for the dealer.
void Expect(std::u16string_view han, Texts fus, const Shown& shown = {}) {
  for (std::u16string_view fu : fus) {
    const ScoreResult result = LookupScore(Seat::Dealer, han, fu);
    const auto* row = std::get_if<PaymentRow>(&result);
    const Shown selected = row ? Shown(row->RonText(), row->TsumoText()) : Shown();
    EXPECT_EQ(selected, shown) << "han " << testing::PrintToString(std::u16string(han)) << " fu "
                               << testing::PrintToString(std::u16string(fu));
  }
}

TEST(LookupScore, OnlyThePlainDecimalTextsOneToThirteenAreHanCounts) {
  for (std::u16string_view han : {u"", u"0", u"14", u"100", u" 3", u"3 ", u"\t3", u"03", u"+3",
                                  u"3.0", u"３", u"三", u"-1", u"1e1"}) {
    Expect(han, {u"30"});
  }
  Expect(std::u16string_view(u"3\0", 2), {u"30"});
  Expect(u"3", {u"30"}, {u"5800", u"2000"});
  Expect(u"10", {u""}, {u"24000", u"8000"});
}

TEST(LookupScore, FourHanReadsTheFuAsANumber) {
  // 20, 25 and 30 count only as those very texts.
  Expect(u"4", {u"20"}, {u"7700", u"2600"});
  Expect(u"4", {u"25"}, {u"9600", u"3200"});
  Expect(u"4", {u"30"}, {u"11600", u"3900"});
  Expect(u"4", {u"20.0", u" 20", u"3e1", u"030", u"+25", u"25 "});
  // Any number from 40 up is a mangan, whether a hand can have that fu or not.
  Expect(u"4",
         {u"40", u"70", u"110", u"45", u"40.5", u" 60 ", u"\t60\t", u"1e3", u"4E+1", u"+45",
          u".5e2", u"40.", u"1e308", u"400000000000000000000000"},
         {u"12000", u"4000"});
  // Other numbers below 40.
  Expect(u"4", {u"39", u"35", u"39.9", u"0", u"22", u"-20", u"-40", u"1e-400"});
  // No number at all, or one too large for a double.
  Expect(u"4", {u"",     u"   ",      u"abc",   u"40abc", u"4 0",
                u"40,0", u"1,000",    u"0x28",  u"inf",   u"nan",
                u"４０", u"\u300040", u"40\n",  u"e40",   u".",
                u"-",    u"4e",       u"1e999", u"--40",  std::u16string_view(u"40\0", 3)});
}

TEST(ReadDecimalNumber, ReadsTheValueOrNothing) {
  EXPECT_EQ(ReadDecimalNumber(u"-.5e+3"), -500.0);
  EXPECT_EQ(ReadDecimalNumber(u"1e309"), std::nullopt);
  EXPECT_EQ(ReadDecimalNumber(u"-1e309"), std::nullopt);
  EXPECT_EQ(ReadDecimalNumber(u"1e-310"), 1e-310);       // tiny, and still a number
  for (std::u16string_view twoSigns : {u"+-5", u"++5"})  // one sign at most
    EXPECT_EQ(ReadDecimalNumber(twoSigns), std::nullopt);
  // A pasted page of digits is read whole, not cut off at some buffer's end.
  std::u16string page(1 << 20, u'0');
  page.back() = u'7';
  EXPECT_EQ(ReadDecimalNumber(page), 7.0);
  page.front() = u'1';
  EXPECT_EQ(ReadDecimalNumber(page), std::nullopt);
}

}  // namespace
}  // namespace orunika
