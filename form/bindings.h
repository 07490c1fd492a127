// Which member of the form `m` each row of the design table draws, in the order every view creates
// them. A view walks this table once: for each row it makes the toolkit's control for the member's
// kind, places it by the row's design, and binds it to the member. The tab order and the first
// control to get the keyboard come from here too, so no view keeps a list of names of its own.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <variant>

#include "form/design.h"
#include "form/m.h"

namespace orunika::bindings {

// The member of `m` a control draws; a view visits it with one overload per kind of control.
using Member = std::variant<TextBox m::*, OptionButton m::*, Label m::*>;

struct Binding {
  std::size_t row;  // in design::Controls
  Member member;

  constexpr const design::ControlDesign& Design() const { return design::Controls[row]; }
  constexpr std::string_view Name() const { return Design().name; }
  // Text boxes and option buttons take the keyboard; labels never do.
  constexpr bool TakesFocus() const { return !std::holds_alternative<Label m::*>(member); }
  constexpr bool IsOptionButton() const {
    return std::holds_alternative<OptionButton m::*>(member);
  }
};

// The design row named `name`; a name the design lacks fails the build.
consteval std::size_t RowOf(std::string_view name) {
  for (std::size_t row = 0; row < design::Controls.size(); ++row) {
    if (design::Controls[row].name == name) return row;
  }
  throw "the design has no control of that name";
}

consteval Binding Bind(std::string_view name, Member member) { return {RowOf(name), member}; }

// Creation order. Windows' dialog keyboard visits controls in the order they were created, and a
// screen reader names a box after the caption created just before it; so the focusable controls
// come in tab order, each caption just before the control it names, the two seats side by side as
// one group.
inline constexpr std::array<Binding, design::Controls.size()> Bindings{{
    Bind("Label1", &m::Label1),
    Bind("a", &m::a),
    Bind("Label2", &m::Label2),
    Bind("b", &m::b),
    Bind("g", &m::g),
    Bind("h", &m::h),
    Bind("e", &m::e),
    Bind("c", &m::c),
    Bind("f", &m::f),
    Bind("d", &m::d),
}};

// The binding of the control named `name`, or Bindings.size() when there is none.
constexpr std::size_t IndexOf(std::string_view name) {
  std::size_t i = 0;
  while (i < Bindings.size() && Bindings[i].Name() != name) ++i;
  return i;
}

// The control that has the keyboard when the window first shows: the lowest tab index.
constexpr std::size_t FirstFocus() {
  std::size_t first = Bindings.size();
  for (std::size_t i = 0; i < Bindings.size(); ++i) {
    if (Bindings[i].TakesFocus() &&
        (first == Bindings.size() ||
         Bindings[i].Design().tabIndex < Bindings[first].Design().tabIndex))
      first = i;
  }
  return first;
}

constexpr bool EveryDesignRowIsBoundOnce() {
  for (std::size_t row = 0; row < design::Controls.size(); ++row) {
    std::size_t times = 0;
    for (const Binding& binding : Bindings) times += binding.row == row ? 1 : 0;
    if (times != 1) return false;
  }
  return true;
}

constexpr bool FocusableControlsComeInTabOrder() {
  int last = -1;
  for (const Binding& binding : Bindings) {
    if (!binding.TakesFocus()) continue;
    if (binding.Design().tabIndex <= last) return false;
    last = binding.Design().tabIndex;
  }
  return true;
}

constexpr bool CaptionsComeJustBeforeTheirControls() {
  for (std::size_t i = 0; i < Bindings.size(); ++i) {
    const std::string_view named = Bindings[i].Design().labels;
    if (!named.empty() && (i + 1 == Bindings.size() || Bindings[i + 1].Name() != named))
      return false;
  }
  return true;
}

// Whether the control of binding `i` joins the group of the option button made just before it;
// every other control starts a group of its own.
constexpr bool JoinsGroup(std::size_t i) {
  return i > 0 && Bindings[i].IsOptionButton() && Bindings[i - 1].IsOptionButton();
}

// The option buttons are one group: side by side, so that a view can tell where it starts.
constexpr bool OptionButtonsStandTogether() {
  std::size_t runs = 0;
  for (std::size_t i = 0; i < Bindings.size(); ++i) {
    if (Bindings[i].IsOptionButton() && !JoinsGroup(i)) ++runs;
  }
  return runs <= 1;
}

static_assert(EveryDesignRowIsBoundOnce());
static_assert(FocusableControlsComeInTabOrder());
static_assert(CaptionsComeJustBeforeTheirControls());
static_assert(OptionButtonsStandTogether());
static_assert(Bindings[FirstFocus()].Name() == "a", "the keyboard starts in the han box");
static_assert(Bindings[IndexOf("b")].Name() == "b" &&
              IndexOf("no such control") == Bindings.size());

}  // namespace orunika::bindings
