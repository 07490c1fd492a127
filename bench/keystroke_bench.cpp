// A keystroke's full path through the real widgets: the key event into the fu box, the form's
// ShowScore, and both result labels holding their new texts. Its own loop rather than Google
// Benchmark's, because the target is a percentile of single keystrokes and Google Benchmark only
// computes statistics over whole repetitions.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/bench_window.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int WarmUpKeystrokes = 200;
constexpr int TimedKeystrokes = 20000;

// Nearest rank, so that every figure printed is one keystroke actually measured.
double Percentile(std::vector<double> microseconds, double fraction) {
  std::ranges::sort(microseconds);
  const auto rank = static_cast<std::size_t>(std::ceil(fraction * microseconds.size()));
  return microseconds[std::max<std::size_t>(rank, 1) - 1];
}

double Microseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::micro>(duration).count();
}

void Print(const char* what, const std::vector<double>& microseconds) {
  std::printf("%-34s median %8.2f us   p99 %8.2f us   max %9.2f us\n", what,
              Percentile(microseconds, 0.50), Percentile(microseconds, 0.99),
              Percentile(microseconds, 1.0));
}

}  // namespace

int main(int argc, char* argv[]) {
  orunika::bench::DrawOffscreenUnlessTold();
  QApplication application(argc, argv);
  orunika::bench::BenchWindow calculator;
  if (!calculator.Show("keystroke_bench")) return EXIT_FAILURE;
  auto* han = calculator.han;
  auto* fu = calculator.fu;
  auto* ron = calculator.ron;
  auto* tsumo = calculator.tsumo;
  han->setText(u"3"_qs);
  fu->setText(u"4"_qs);
  fu->setFocus(Qt::TabFocusReason);
  fu->end(false);  // the keys edit the end of "4", as after typing it

  std::vector<double> toTexts;
  std::vector<double> toPainted;
  toTexts.reserve(TimedKeystrokes);
  toPainted.reserve(TimedKeystrokes);
  for (int i = 0; i < WarmUpKeystrokes + TimedKeystrokes; ++i) {
    // "40" is the dealer's 3 han 40 fu row; "4" is no fu of the table.
    const bool typeZero = i % 2 == 0;
    const QString ronText = typeZero ? u"7700"_qs : u"入力が必要"_qs;
    const QString tsumoText = typeZero ? u"2600"_qs : u"入力が必要"_qs;

    const Clock::time_point pressed = Clock::now();
    QTest::keyClick(fu, typeZero ? Qt::Key_0 : Qt::Key_Backspace);
    const Clock::time_point shown = Clock::now();
    if (ron->text() != ronText || tsumo->text() != tsumoText) {
      std::fprintf(stderr, "keystroke_bench: keystroke %d left \"%s\" and \"%s\"\n", i,
                   qPrintable(ron->text()), qPrintable(tsumo->text()));
      return EXIT_FAILURE;
    }
    // The labels only schedule their repaint; the event loop draws it into the backing store.
    const Clock::time_point painting = Clock::now();
    QCoreApplication::processEvents();
    const Clock::time_point painted = Clock::now();

    if (i < WarmUpKeystrokes) continue;
    toTexts.push_back(Microseconds(shown - pressed));
    toPainted.push_back(Microseconds((shown - pressed) + (painted - painting)));
  }

  std::printf("%d keystrokes ('0' and Backspace in turn) after %d untimed, platform %s\n",
              TimedKeystrokes, WarmUpKeystrokes, qPrintable(QGuiApplication::platformName()));
  Print("key event -> c and d hold the texts", toTexts);
  Print("... and repainted", toPainted);
  return EXIT_SUCCESS;
}
