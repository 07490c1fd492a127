// Driving real Windows controls as a user does, in this process or another one.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace orunika::win32::drive {

// WM_GETTEXT reaches a control of another process too, which GetWindowTextW does not.
inline std::wstring TextOf(HWND control) {
  std::wstring text(256, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// Keys pressed together into the focused window, as fingers do: down in order, up in reverse.
inline void Press(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back({INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    inputs.push_back({INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Types the text into the focused window; '\b' is the Backspace key.
inline void Type(std::wstring_view text) {
  for (wchar_t typed : text) {
    if (typed == L'\b') {
      Press({VK_BACK});
      continue;
    }
    INPUT strokes[]{
        {INPUT_KEYBOARD, {.ki = {0, typed, KEYEVENTF_UNICODE, 0, 0}}},
        {INPUT_KEYBOARD, {.ki = {0, typed, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, 0, 0}}}};
    SendInput(2, strokes, sizeof(INPUT));
  }
}

}  // namespace orunika::win32::drive
