// What the form shows after each thing a user does, and what a view drawing it is told.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "form/m.h"

namespace orunika {
namespace {

constexpr std::u16string_view Required = u"入力が必要";

// One user action and what both fields show after it: a key typed at the end of `a` or `b`
// ('\b' deletes the last character), or a click on `g` or `h`.
struct Step {
  char control;
  char16_t key;
  std::u16string_view ron;
  std::u16string_view tsumo;
};

// Plays the steps on a new form after its Load, which selects 親 and asks for input before anything
// is typed. Exactly one seat stays selected from then on.
void Play(std::initializer_list<Step> steps) {
  m form;
  EXPECT_FALSE(form.g.Value() || form.h.Value()) << "no seat is selected before the Load";
  form.Load.Raise();
  EXPECT_TRUE(form.g.Value());
  EXPECT_EQ(form.c.Caption(), Required);
  EXPECT_EQ(form.d.Caption(), Required);
  for (const Step& step : steps) {
    if (step.control == 'g' || step.control == 'h') {
      (step.control == 'g' ? form.g : form.h).SetValue(true);
    } else {
      TextBox& box = step.control == 'a' ? form.a : form.b;
      std::u16string text = box.Text();
      step.key == u'\b' ? text.pop_back() : text.push_back(step.key);
      box.SetText(text);
    }
    SCOPED_TRACE(testing::PrintToString(form.a.Text() + u"|" + form.b.Text()));
    EXPECT_EQ(form.c.Caption(), step.ron);
    EXPECT_EQ(form.d.Caption(), step.tsumo);
    EXPECT_NE(form.g.Value(), form.h.Value());
  }
}

TEST(Form, EveryActionShowsTheRowOfTheInputsSoFar) {
  // The fu first, then the han.
  Play({{'b', u'4', Required, Required},
        {'b', u'0', Required, Required},
        {'a', u'3', u"7700", u"2600"}});
  // The han first; a click on a seat recomputes at once.
  Play({{'a', u'3', Required, Required},
        {'b', u'4', Required, Required},
        {'b', u'0', u"7700", u"2600"},
        {'h', 0, u"5200", u"1300.2600"},
        {'g', 0, u"7700", u"2600"}});
  // A limit hand stays when the fu is emptied.
  Play({{'b', u'3', Required, Required},
        {'a', u'5', u"12000", u"4000"},
        {'b', u'\b', u"12000", u"4000"}});
  // A letter in a 4-han fu asks quietly; deleting it brings the row back.
  Play({{'a', u'4', Required, Required},
        {'b', u'2', Required, Required},
        {'b', u'5', u"9600", u"3200"},
        {'b', u'x', Required, Required},
        {'b', u'\b', u"9600", u"3200"}});
  // The second digit of a han count changes the row.
  Play({{'b', u'3', Required, Required},
        {'b', u'0', Required, Required},
        {'a', u'1', u"1500", u"500"},
        {'a', u'3', u"48000", u"16000"},
        {'a', u'0', Required, Required}});
}

TEST(Form, AViewSeesEveryChangeOfACaptionOrASelection) {
  m form;
  form.Load.Raise();
  std::vector<std::u16string> seen;
  form.c.Repaint.Bind([&] { seen.push_back(u"c=" + form.c.Caption()); });
  form.d.Repaint.Bind([&] { seen.push_back(u"d=" + form.d.Caption()); });
  form.g.Repaint.Bind([&] { seen.push_back(form.g.Value() ? u"g on" : u"g off"); });
  form.h.Repaint.Bind([&] { seen.push_back(form.h.Value() ? u"h on" : u"h off"); });
  form.a.SetText(u"13");
  form.h.SetValue(true);
  form.a.SetText(u"");
  const std::vector<std::u16string> expected{u"c=48000",      u"d=16000",     u"g off",
                                             u"h on",         u"c=32000",     u"d=8000.16000",
                                             u"c=入力が必要", u"d=入力が必要"};
  EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace orunika
