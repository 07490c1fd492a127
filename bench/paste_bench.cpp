// A mebibyte pasted into the real, empty fu box at 4 han: how long the window is busy with it,
// from the paste to both result labels holding 12000 / 4000, then the undo reset after it; and the
// form's own part of that, the text boxes' update and ShowScore, for a page it reads as a number
// and for one too large for a double. Its own loop, as keystroke_bench, since each paste is timed
// alone and a run holds only a few of them.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_window.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int UntimedPastes = 1;
constexpr int TimedPastes = 10;

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

void Print(const char* what, std::vector<double> milliseconds) {
  std::ranges::sort(milliseconds);
  std::printf("%-44s median %8.2f ms   max %8.2f ms\n", what, milliseconds[milliseconds.size() / 2],
              milliseconds.back());
}

bool Shows(const QLabel* ron, const QLabel* tsumo, const QString& ronText, const QString& tsumoText,
           const char* after) {
  if (ron->text() == ronText && tsumo->text() == tsumoText) return true;
  std::fprintf(stderr, "paste_bench: %s left \"%s\" and \"%s\"\n", after, qPrintable(ron->text()),
               qPrintable(tsumo->text()));
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  orunika::bench::DrawOffscreenUnlessTold();
  QApplication application(argc, argv);
  orunika::bench::BenchWindow calculator;
  if (!calculator.Show("paste_bench")) return EXIT_FAILURE;
  auto& form = calculator.form;
  auto* fu = calculator.fu;
  auto* ron = calculator.ron;
  auto* tsumo = calculator.tsumo;
  calculator.han->setText(u"4"_qs);
  const QString page = QString((1 << 20) - 2, u'0') + u"45"_qs;
  const std::u16string pageText = page.toStdU16String();
  const std::u16string tooLarge(1 << 20, u'9');
  const QString required = u"入力が必要"_qs;

  std::vector<double> pasted, undoReset, formReads, formRejects;
  for (int i = 0; i < UntimedPastes + TimedPastes; ++i) {
    fu->setText({});  // empty, and with no undo steps, as after a fresh start
    const Clock::time_point pasting = Clock::now();
    fu->insert(page);
    const Clock::time_point shown = Clock::now();
    if (!Shows(ron, tsumo, u"12000"_qs, u"4000"_qs, "a paste")) return EXIT_FAILURE;
    QCoreApplication::processEvents();  // the undo reset, queued by the paste
    const Clock::time_point reset = Clock::now();

    form.b.SetText(tooLarge);
    const Clock::time_point rejected = Clock::now();
    if (!Shows(ron, tsumo, required, required, "a number too large")) return EXIT_FAILURE;
    form.b.SetText(pageText);
    const Clock::time_point read = Clock::now();
    if (!Shows(ron, tsumo, u"12000"_qs, u"4000"_qs, "the page")) return EXIT_FAILURE;

    if (i < UntimedPastes) continue;
    pasted.push_back(Milliseconds(shown - pasting));
    undoReset.push_back(Milliseconds(reset - shown));
    formRejects.push_back(Milliseconds(rejected - reset));
    formReads.push_back(Milliseconds(read - rejected));
  }

  std::printf("%d pastes of 1 MiB into the empty fu box at 4 han after %d untimed, platform %s\n",
              TimedPastes, UntimedPastes, qPrintable(QGuiApplication::platformName()));
  Print("paste -> c and d hold 12000 / 4000", pasted);
  Print("... then the undo reset", undoReset);
  Print("the form alone: the page read as a number", formReads);
  Print("the form alone: a number too large", formRejects);
  return EXIT_SUCCESS;
}
