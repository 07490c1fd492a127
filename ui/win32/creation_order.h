#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>
#include <utility>

#include "form/design.h"

namespace orunika::win32 {

// Windows' dialog keyboard (IsDialogMessage) visits controls in the order they were created, and a
// screen reader names an edit box after the static created just before it. So the controls are
// created in tab-index order, except that each caption comes just before the control it names:
// Label1, a, Label2, b, g, h, e, c, f, d.
constexpr std::array<std::size_t, design::Controls.size()> CreationOrder() {
  std::array<std::size_t, design::Controls.size()> byTabIndex{};
  std::iota(byTabIndex.begin(), byTabIndex.end(), std::size_t{0});
  // Equal tab indexes keep the table's order, as a stable sort would; std::stable_sort is not
  // constexpr.
  std::ranges::sort(byTabIndex, {}, [](std::size_t row) {
    return std::pair{design::Controls[row].tabIndex, row};
  });

  std::array<std::size_t, design::Controls.size()> order{};
  std::size_t next = 0;
  for (std::size_t row : byTabIndex) {
    if (!design::Controls[row].labels.empty()) continue;  // placed with the control it names
    for (std::size_t caption = 0; caption < design::Controls.size(); ++caption) {
      if (design::Controls[caption].labels == design::Controls[row].name)
        order.at(next++) = caption;
    }
    order.at(next++) = row;
  }
  if (next != order.size()) throw "a caption names no control";
  return order;
}

inline constexpr std::array<std::size_t, design::Controls.size()> Creation = CreationOrder();

}  // namespace orunika::win32
