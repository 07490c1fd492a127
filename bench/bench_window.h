// The real calculator window as the window benchmarks drive it: on Qt's offscreen platform unless
// QT_QPA_PLATFORM says otherwise, so that they run wherever there is no display and no
// compositor's timing mixes into the figures.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include "form/m.h"
#include "ui/qt/calculator_window.h"

namespace orunika::bench {

// Call before the QApplication exists.
void DrawOffscreenUnlessTold();

struct BenchWindow {
  m form;
  ui::CalculatorWindow window{form};
  QLineEdit* han = nullptr;
  QLineEdit* fu = nullptr;
  QLabel* ron = nullptr;
  QLabel* tsumo = nullptr;

  // Shows the window as the program does and finds the controls; false, after saying so on
  // standard error, when the window never shows.
  bool Show(const char* program);
};

}  // namespace orunika::bench
