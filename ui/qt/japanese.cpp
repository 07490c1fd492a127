#include "ui/qt/japanese.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orunika::ui {

void UseJapanese(QApplication& application) {
  // Not the default locale as well: the window shows no number or date that it would format.
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  auto* translator = new QTranslator(&application);
  if (translator->load(japanese, u"qtbase"_qs, u"_"_qs,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

}  // namespace orunika::ui
