#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace orunika::win32 {

// A GDI object (font, brush) that is deleted when it goes out of scope.
struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

}  // namespace orunika::win32
