#include "ui/win32/child_controls.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <variant>

#include "ui/win32/control_ids.h"
#include "ui/win32/text.h"

namespace orunika::win32 {
namespace {

// The form's controls by name and kind.
constexpr std::pair<std::string_view, TextBox m::*> TextBoxes[]{{"a", &m::a}, {"b", &m::b}};
constexpr std::pair<std::string_view, OptionButton m::*> OptionButtons[]{{"g", &m::g},
                                                                         {"h", &m::h}};
constexpr std::pair<std::string_view, Label m::*> Labels[]{
    {"c", &m::c}, {"d", &m::d},           {"e", &m::e},
    {"f", &m::f}, {"Label1", &m::Label1}, {"Label2", &m::Label2}};

constexpr bool Among(const auto& controls, std::string_view name) {
  return std::ranges::any_of(controls,
                             [name](const auto& control) { return control.first == name; });
}
// Every control of the design is one of the form's, so Named always finds one.
static_assert(std::ranges::all_of(design::Controls, [](const design::ControlDesign& control) {
  return Among(TextBoxes, control.name) || Among(OptionButtons, control.name) ||
         Among(Labels, control.name);
}));

using ModelControl = std::variant<TextBox*, OptionButton*, Label*>;

ModelControl Named(m& form, std::string_view name) {
  for (const auto& [boxName, box] : TextBoxes) {
    if (boxName == name) return &(form.*box);
  }
  for (const auto& [buttonName, button] : OptionButtons) {
    if (buttonName == name) return &(form.*button);
  }
  for (const auto& [labelName, label] : Labels) {
    if (labelName == name) return &(form.*label);
  }
  return static_cast<Label*>(nullptr);  // never: see the static_assert above
}

HWND CreateChild(HWND parent, const wchar_t* windowClass, DWORD style, DWORD extendedStyle,
                 std::u16string_view text, const design::ControlDesign& design) {
  return CreateWindowExW(
      extendedStyle, windowClass, ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(design.name))),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

HWND Create(HWND parent, TextBox& box, const design::ControlDesign& design, DWORD group) {
  const DWORD align = design.align == design::Align::Centre ? ES_CENTER : ES_LEFT;
  HWND edit = CreateChild(parent, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | align | group,
                          design.border ? WS_EX_CLIENTEDGE : 0, box.Text(), design);
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);  // the boxes limit nothing
  return edit;
}

HWND Create(HWND parent, OptionButton& button, const design::ControlDesign& design, DWORD group) {
  HWND radio =
      CreateChild(parent, L"BUTTON", BS_AUTORADIOBUTTON | group, 0, button.Caption(), design);
  // BM_SETCHECK also makes the checked button the pair's one tab stop, as in any dialog.
  auto repaint = [radio, &button] {
    SendMessageW(radio, BM_SETCHECK, button.Value() ? BST_CHECKED : BST_UNCHECKED, 0);
  };
  button.Repaint.Bind(repaint);
  repaint();
  return radio;
}

HWND Create(HWND parent, Label& label, const design::ControlDesign& design, DWORD group) {
  const DWORD align = design.align == design::Align::Centre ? SS_CENTER : SS_LEFT;
  // A static lets the mouse through to its parent, and so past its tooltip, unless it notifies.
  const DWORD notify = design.toolTip.empty() ? 0 : SS_NOTIFY;
  HWND text = CreateChild(parent, L"STATIC",
                          SS_NOPREFIX | align | notify | (design.border ? WS_BORDER : 0) | group, 0,
                          label.Caption(), design);
  label.Repaint.Bind([text, &label] { SetWindowTextW(text, ToWide(label.Caption()).c_str()); });
  return text;
}

}  // namespace

HWND CreateChildControl(HWND parent, m& form, const design::ControlDesign& design,
                        bool startsGroup) {
  const DWORD group = startsGroup ? WS_GROUP : 0;
  return std::visit([&](auto* control) { return Create(parent, *control, design, group); },
                    Named(form, design.name));
}

bool IsOptionButton(const design::ControlDesign& design) {
  return Among(OptionButtons, design.name);
}

bool IsLabel(const design::ControlDesign& design) { return Among(Labels, design.name); }

void Notify(m& form, const design::ControlDesign& design, HWND control, WORD notification) {
  const ModelControl target = Named(form, design.name);
  if (auto* box = std::get_if<TextBox*>(&target); box && notification == EN_CHANGE) {
    (*box)->SetText(FromWide(WindowText(control)));
  } else if (auto* button = std::get_if<OptionButton*>(&target);
             button && notification == BN_CLICKED) {
    (*button)->SetValue(true);
  }
}

void UnbindChildControls(m& form) {
  for (const auto& [name, button] : OptionButtons) (form.*button).Repaint.Bind(nullptr);
  for (const auto& [name, label] : Labels) (form.*label).Repaint.Bind(nullptr);
}

}  // namespace orunika::win32
