#include "bench/bench_window.h"

#include <QtTest>
#include <cstdio>

#include "ui/qt/program.h"

namespace orunika::bench {

void DrawOffscreenUnlessTold() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

bool BenchWindow::Show(const char* program) {
  ui::ShowCalculator(form, window);
  if (!QTest::qWaitForWindowExposed(&window)) {
    std::fprintf(stderr, "%s: the window was never exposed\n", program);
    return false;
  }
  han = window.findChild<QLineEdit*>(u"a"_qs);
  fu = window.findChild<QLineEdit*>(u"b"_qs);
  ron = window.findChild<QLabel*>(u"c"_qs);
  tsumo = window.findChild<QLabel*>(u"d"_qs);
  return true;
}

}  // namespace orunika::bench
