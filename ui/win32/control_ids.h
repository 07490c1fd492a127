#pragma once

#include <cstddef>
#include <string_view>

#include "form/design.h"

namespace orunika::win32 {

// A control's id is its row in the design table after FirstControlId, so that WM_COMMAND and
// WM_CTLCOLOR* find the control's design at once. The ids stay clear of IDOK and IDCANCEL, which
// IsDialogMessage sends for Enter and Esc.
inline constexpr int FirstControlId = 1000;

constexpr std::size_t DesignRow(std::string_view name) {
  std::size_t row = 0;
  while (row < design::Controls.size() && design::Controls[row].name != name) ++row;
  return row;
}

constexpr int ControlId(std::string_view name) {
  return FirstControlId + static_cast<int>(DesignRow(name));
}

// The design of the control with `id`, or nullptr for any other id.
constexpr const design::ControlDesign* DesignOf(int id) {
  const int row = id - FirstControlId;
  if (row < 0 || row >= static_cast<int>(design::Controls.size())) return nullptr;
  return &design::Controls[static_cast<std::size_t>(row)];
}

}  // namespace orunika::win32
