// The calculator form. Data flows one way through it: a change of the han box `a` or the fu box
// `b`, or a click on 親 `g` or 子 `h`, runs ShowScore; ShowScore hands the seat and both texts to
// LookupScore and writes the chosen row, or "入力が必要", into the ron field `c` and then the tsumo
// field `d`. Whatever draws the form binds to the controls and never computes a result itself.
#pragma once

#include <cstdint>

#include "form/controls.h"

namespace orunika {

// The form `m`: it owns its controls for its whole life. The names are the controls' names on the
// window: `a` han, `b` fu, `g` 親, `h` 子, `c` ron, `d` tsumo, and the fixed captions.
class m {
 public:
  m();
  m(const m&) = delete;
  m& operator=(const m&) = delete;

  TextBox a;
  TextBox b;
  Label c;
  Label d;
  Label e{u"ロンアガリ"};
  Label f{u"ツモアガリ"};
  OptionButton g{u"親"};
  OptionButton h{u"子"};
  Label Label1{u"飜数"};
  Label Label2{u"符"};

  // Raised once by the program's start, after the controls exist and before the window shows.
  Event Load;

 private:
  void Form_Load();
  void g_Click();
  void h_Click();
  void a_Change();
  void b_Change();
  void ShowScore();

  // 1 once both result fields hold a row's texts; ShowScore starts every call from 0.
  std::int16_t ScoreShown = 0;
};

}  // namespace orunika
