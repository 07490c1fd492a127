// Whatever the user does, in whatever order, the two fields show exactly what the lookup gives for
// the texts and the seat on the window at that moment.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "core/score_lookup.h"
#include "form/m.h"

namespace orunika {
namespace {

// Digits most of all, so that real rows come up often, and everything a number reader can trip on.
constexpr std::u16string_view Alphabet = u"0123456789012345678901234567890123.e+- \tx漢４\u3000";

class RandomUser {
 public:
  explicit RandomUser(unsigned seed) : random_(seed) {}

  void Act(m& form) {
    switch (Pick(8)) {
      case 0:
        form.h.SetValue(true);
        return;
      case 1:
        form.g.SetValue(true);
        return;
      default:
        Edit(Pick(2) == 0 ? form.a : form.b);
    }
  }

 private:
  std::size_t Pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }

  std::u16string RandomText(std::size_t length) {
    std::u16string text;
    for (std::size_t i = 0; i < length; ++i) text += Alphabet[Pick(Alphabet.size())];
    return text;
  }

  // An insertion, a deletion or a paste over a selection, anywhere in the text.
  void Edit(TextBox& box) {
    std::u16string text = box.Text();
    const std::size_t from = Pick(text.size() + 1);
    const std::size_t length = Pick(text.size() - from + 1);
    switch (Pick(3)) {
      case 0:
        text.insert(from, 1, Alphabet[Pick(Alphabet.size())]);
        break;
      case 1:
        text.erase(from, length == 0 ? 1 : length);
        break;
      default:
        text.replace(from, length, RandomText(Pick(5)));
    }
    box.SetText(text);
  }

  std::mt19937 random_;
};

TEST(FormProperty, TheFieldsAlwaysShowTheLookupOfTheCurrentInputs) {
  int rowsShown = 0;
  for (unsigned seed = 1; seed <= 50; ++seed) {
    m form;
    form.Load.Raise();
    RandomUser user(seed);
    for (int action = 0; action < 400; ++action) {
      user.Act(form);
      ASSERT_NE(form.g.Value(), form.h.Value()) << "exactly one seat is selected";
      const Seat seat = form.g.Value() ? Seat::Dealer : Seat::NonDealer;
      const ScoreResult expected = LookupScore(seat, form.a.Text(), form.b.Text());
      const auto* row = std::get_if<PaymentRow>(&expected);
      SCOPED_TRACE(testing::PrintToString(form.a.Text()) + " " +
                   testing::PrintToString(form.b.Text()));
      ASSERT_EQ(form.c.Caption(), row ? row->RonText() : u"入力が必要");
      ASSERT_EQ(form.d.Caption(), row ? row->TsumoText() : u"入力が必要");
      rowsShown += row != nullptr;
    }
  }
  // The walk must reach real rows, or it proves nothing about them.
  EXPECT_GT(rowsShown, 500);
}

}  // namespace
}  // namespace orunika
