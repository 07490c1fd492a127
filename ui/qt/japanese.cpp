#include "ui/qt/japanese.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orunika::ui {

void UseJapanese(QApplication& application) {
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  QLocale::setDefault(japanese);
  auto* translator = new QTranslator(&application);
  if (translator->load(japanese, u"qtbase"_qs, u"_"_qs,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

}  // namespace orunika::ui
