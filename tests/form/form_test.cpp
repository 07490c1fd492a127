#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "form/m.h"

namespace orunika {
namespace {

constexpr std::u16string_view Required = u"入力が必要";

// One key typed at the end of a text box, as the user's keyboard would.
void TypeKey(TextBox& box, char16_t key) {
  box.SetText(box.Text() + key);
}
void Backspace(TextBox& box) {
  box.SetText(box.Text().substr(0, box.Text().size() - 1));
}

struct Shown {
  std::u16string_view ron;
  std::u16string_view tsumo;
};

void ExpectShown(const m& form, Shown shown) {
  EXPECT_EQ(form.c.Caption(), shown.ron);
  EXPECT_EQ(form.d.Caption(), shown.tsumo);
}

class FormTest : public testing::Test {
 protected:
  FormTest() { form.Load.Raise(); }
  m form;
};

TEST(Form, StartsWith親SelectedAndBothFieldsAskingForInput) {
  m form;
  EXPECT_FALSE(form.g.Value());
  EXPECT_FALSE(form.h.Value());
  EXPECT_EQ(form.c.Caption(), u"");
  form.Load.Raise();
  EXPECT_TRUE(form.g.Value());
  EXPECT_FALSE(form.h.Value());
  EXPECT_EQ(form.a.Text(), u"");
  EXPECT_EQ(form.b.Text(), u"");
  ExpectShown(form, {Required, Required});
  for (auto [label, caption] : {std::pair{&form.e, u"ロンアガリ"},
                                {&form.f, u"ツモアガリ"},
                                {&form.Label1, u"飜数"},
                                {&form.Label2, u"符"}}) {
    EXPECT_EQ(label->Caption(), caption);
  }
  EXPECT_EQ(form.g.Caption(), u"親");
  EXPECT_EQ(form.h.Caption(), u"子");
}

TEST_F(FormTest, TypingTheHanRecomputesWithTheFuAlreadyThere) {
  form.b.SetText(u"40");
  TypeKey(form.a, u'3');
  ExpectShown(form, {u"7700", u"2600"});
}

// Each step types one key (or deletes the last with '\b') and names what both fields then show.
struct Step {
  TextBox m::*box;
  char16_t key;
  Shown shown;
};

void Play(m& form, std::initializer_list<Step> steps) {
  for (const Step& step : steps) {
    TextBox& box = form.*step.box;
    step.key == u'\b' ? Backspace(box) : TypeKey(box, step.key);
    SCOPED_TRACE(testing::PrintToString(box.Text()));
    ExpectShown(form, step.shown);
  }
}

TEST_F(FormTest, EveryKeystrokeShowsTheRowOfTheTextsSoFar) {
  Play(form, {{&m::a, u'3', {Required, Required}},
              {&m::b, u'4', {Required, Required}},
              {&m::b, u'0', {u"7700", u"2600"}}});
  form.h.SetValue(true);
  ExpectShown(form, {u"5200", u"1300.2600"});
  form.g.SetValue(true);
  ExpectShown(form, {u"7700", u"2600"});
}

TEST_F(FormTest, ALimitHandStaysWhenTheFuIsEmptied) {
  Play(form, {{&m::b, u'3', {Required, Required}},
              {&m::a, u'5', {u"12000", u"4000"}},
              {&m::b, u'\b', {u"12000", u"4000"}}});
}

TEST_F(FormTest, ALetterInTheFuIsAskedAboutQuietlyAndDeletingItBringsTheRowBack) {
  Play(form, {{&m::a, u'4', {Required, Required}},
              {&m::b, u'2', {Required, Required}},
              {&m::b, u'5', {u"9600", u"3200"}},
              {&m::b, u'x', {Required, Required}},
              {&m::b, u'\b', {u"9600", u"3200"}}});
}

TEST_F(FormTest, TheSecondDigitOfAHanCountChangesTheRow) {
  Play(form, {{&m::b, u'3', {Required, Required}},
              {&m::b, u'0', {Required, Required}},
              {&m::a, u'1', {u"1500", u"500"}},
              {&m::a, u'3', {u"48000", u"16000"}},
              {&m::a, u'0', {Required, Required}}});
}

TEST_F(FormTest, SelectingOneSeatClearsTheOther) {
  form.h.SetValue(true);
  EXPECT_FALSE(form.g.Value());
  EXPECT_TRUE(form.h.Value());
  form.g.SetValue(true);
  EXPECT_TRUE(form.g.Value());
  EXPECT_FALSE(form.h.Value());
}

TEST_F(FormTest, AViewSeesEveryChangeOfACaptionOrASelection) {
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
