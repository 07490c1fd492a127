#include "form/m.h"

#include "core/score_lookup.h"

namespace orunika {

m::m() {
  Group(g, h);
  Load.Bind([this] { Form_Load(); });
  g.Click.Bind([this] { g_Click(); });
  h.Click.Bind([this] { h_Click(); });
  a.Change.Bind([this] { a_Change(); });
  b.Change.Bind([this] { b_Change(); });
}

// Selecting 親 raises its Click, so the result fields are filled before the window first shows.
void m::Form_Load() { g.SetValue(true); }

void m::g_Click() { ShowScore(); }
void m::h_Click() { ShowScore(); }
void m::a_Change() { ShowScore(); }
void m::b_Change() { ShowScore(); }

// Writes both result fields on every call, so a result never outlives the input that chose it.
void m::ShowScore() {
  ScoreShown = 0;
  // Neither button selected counts as 子, as 子 selected does.
  const Seat seat = g.Value() ? Seat::Dealer : Seat::NonDealer;
  const std::u16string& hanText = a.Text();
  const std::u16string& fuText = b.Text();
  // LookupScore turns every malformed input into InputRequired; whatever else fails on the way
  // (memory for a caption, say) still ends in the final block, so no field keeps an old result.
  try {
    const ScoreResult result = LookupScore(seat, hanText, fuText);
    if (const auto* row = std::get_if<PaymentRow>(&result)) {
      c.SetCaption(row->RonText());
      d.SetCaption(row->TsumoText());
      ScoreShown = 1;
    }
  } catch (...) {
    // The fields say what is wrong; nothing else is reported.
  }
  if (ScoreShown == 0) {
    c.SetCaption(u"入力が必要");
    d.SetCaption(u"入力が必要");
  }
}

}  // namespace orunika
