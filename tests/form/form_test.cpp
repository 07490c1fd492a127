// What a drawing of the form is told, and when. What the form shows after each thing a user does
// is played through every drawing by the shared scenarios (tests/scenarios/).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/m.h"

namespace orunika {
namespace {

TEST(Form, SelectsNoSeatUntilItsLoadSelectsTheDealerAndAsksForInput) {
  m form;
  EXPECT_FALSE(form.g.Value() || form.h.Value());
  EXPECT_EQ(form.c.Caption(), u"");
  form.Load.Raise();
  EXPECT_TRUE(form.g.Value() && !form.h.Value());
  EXPECT_EQ(form.c.Caption(), u"入力が必要");
  EXPECT_EQ(form.d.Caption(), u"入力が必要");
}

// Each change once, in the order the form makes it; setting what a control already shows is none.
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
  form.h.SetValue(true);
  form.b.SetText(u"x");  // the limit hands read no fu
  form.a.SetText(u"");
  const std::vector<std::u16string> expected{u"c=48000",      u"d=16000",     u"g off",
                                             u"h on",         u"c=32000",     u"d=8000.16000",
                                             u"c=入力が必要", u"d=入力が必要"};
  EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace orunika
