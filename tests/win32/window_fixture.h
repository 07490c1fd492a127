// A calculator window of its own for each test, newly created and shown in the foreground as the
// program shows it, pumped through the program's own message delivery.
#pragma once

#include <windows.h>

#include <cwchar>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "form/m.h"
#include "ui/win32/calculator_window.h"

namespace orunika::win32::testing {

class Window {
 public:
  // Closes the window before it is made anew; a closed window posts the end of the program,
  // which the next pump takes and drops.
  void Start() {
    window_.reset();
    form_ = std::make_unique<m>();
    window_ = std::make_unique<CalculatorWindow>(GetModuleHandleW(nullptr), *form_);
    window_->Show(SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    Pump();
  }

  HWND Handle() const { return window_->Handle(); }
  HWND Control(std::string_view name) const { return window_->Control(name); }
  m& Form() { return *form_; }

  // Runs what keys, clicks and posted messages have left, as the program's message loop does.
  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) window_->Deliver(message);
  }

  // Keys pressed together into the focused window, as fingers do: down in order, up in reverse.
  void Press(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) inputs.push_back({INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
      inputs.push_back({INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Pump();
  }

  // Selects all of the box's text and pastes `text` over it from the clipboard.
  void Paste(HWND box, std::wstring_view text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    std::wmemcpy(static_cast<wchar_t*>(GlobalLock(memory)), text.data(), text.size());
    GlobalUnlock(memory);
    OpenClipboard(Handle());
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);  // the clipboard's from now on
    CloseClipboard();
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, WM_PASTE, 0, 0);
    Pump();
  }

 private:
  // Declared first, so that the window goes first, unbinding itself from the form.
  std::unique_ptr<m> form_;
  std::unique_ptr<CalculatorWindow> window_;
};

}  // namespace orunika::win32::testing
