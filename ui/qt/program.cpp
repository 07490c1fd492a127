#include "ui/qt/program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "form/bindings.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/look.h"

namespace orunika::ui {
namespace {

constexpr std::string_view Help =
    "Orunika is a calculator for the payments of a winning hand in Japanese (riichi)\n"
    "mahjong. Type the han count and the fu into its window and choose dealer or\n"
    "non-dealer: it shows at once what is paid for a win on a discard and for a\n"
    "self-drawn win. It takes no arguments but --help, which prints this text, and\n"
    "--version, which prints its version.\n";

}  // namespace

std::optional<int> AnswerCommandLine(std::span<char* const> arguments, std::string_view version) {
  for (const std::string_view argument : arguments) {
    if (argument == "--version") {
      std::printf("Orunika %.*s\n", static_cast<int>(version.size()), version.data());
    } else if (argument == "--help") {
      std::fwrite(Help.data(), 1, Help.size(), stdout);
    } else {
      continue;
    }
    return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
  }
  return std::nullopt;
}

void UseJapanese(QApplication& application) {
  // Not the default locale as well: the window shows no number or date that it would format.
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  auto* translator = new QTranslator(&application);
  if (translator->load(japanese, u"qtbase"_qs, u"_"_qs,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

void ShowCalculator(m& form, CalculatorWindow& window) {
  form.Load.Raise();
  window.show();
  const std::string_view first = bindings::Bindings[bindings::FirstFocus()].Name();
  window.findChild<QWidget*>(ToQString(first))->setFocus(Qt::OtherFocusReason);
}

}  // namespace orunika::ui
