// The window's child controls: one real Windows control for each binding of the form (bindings.h),
// created in the bindings' order and bound to its member of `m`, so that the model's captions and
// selection show in the controls and the controls' changes reach the model.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

#include "form/bindings.h"
#include "form/m.h"
#include "ui/win32/look.h"

namespace orunika::win32 {

// A control's id is FirstControlId plus its index in bindings::Bindings, so that WM_COMMAND and
// WM_CTLCOLOR* find the binding at once. The ids stay clear of IDOK and IDCANCEL, which
// IsDialogMessage sends for Enter and Esc.
inline constexpr int FirstControlId = 1000;

constexpr int ControlId(std::size_t binding) { return FirstControlId + static_cast<int>(binding); }
constexpr int ControlId(std::string_view name) { return ControlId(bindings::IndexOf(name)); }

// The binding of the control with `id`, or nullptr for any other id.
constexpr const bindings::Binding* BindingOf(int id) {
  const int index = id - FirstControlId;
  if (index < 0 || index >= static_cast<int>(bindings::Bindings.size())) return nullptr;
  return &bindings::Bindings[static_cast<std::size_t>(index)];
}

// Creates every control as a child of `parent`, with its tooltip; `look` must outlive them.
void CreateChildControls(HWND parent, m& form, Look& look);

// Places every control at `dpi` and gives it the look's font.
void LayOutChildControls(HWND parent, UINT dpi, const Look& look);

// Hands a control's notification to the model: a changed text to its text box, a click to its
// option button. Labels notify nothing.
void Notify(m& form, int id, HWND control, WORD notification);

// Stops the model from reaching the controls, once they are being destroyed.
void UnbindChildControls(m& form);

}  // namespace orunika::win32
