#include "ui/qt/look.h"

#include <QColor>
#include <QFontDatabase>
#include <QStringList>

#include "ui/qt/text.h"

namespace orunika::ui {
namespace {

QColor ToColor(design::Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// The first of the window's families that is installed, or else any Japanese gothic. Debian's
// fontconfig does not stand IPA fonts in for the Windows names, hence the IPA name among them.
// Only an installed family goes into the font: Qt looks up fallbacks, script by script, for every
// family it is given, which would cost start-up time for names that are not there.
QStringList GothicFamilies() {
  const QStringList wanted{ToQString(design::FontFace), u"MS PGothic"_qs, u"IPAPGothic"_qs};
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : wanted) {
    if (installed.contains(family, Qt::CaseInsensitive)) return {family};
  }
  for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
    if (family.contains(u"Gothic"_qs, Qt::CaseInsensitive) || family.contains(u"ゴシック"_qs))
      return {family};
  }
  return wanted;
}

}  // namespace

QFont CalculatorFont() {
  QFont font;
  font.setFamilies(GothicFamilies());
  font.setPointSizeF(design::FontTenThousandthsOfAPoint / 10000.0);
  font.setWeight(QFont::Normal);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QPalette PaletteFor(design::Rgb background) {
  QPalette palette;
  const QColor black = ToColor(design::Black);
  const QColor fill = ToColor(background);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      palette.setColor(group, text, black);
    }
    for (QPalette::ColorRole fillRole : {QPalette::Window, QPalette::Base, QPalette::Button}) {
      palette.setColor(group, fillRole, fill);
    }
  }
  return palette;
}

QPalette ToolTipPalette() {
  QPalette palette = PaletteFor(design::ToolTipYellow);
  palette.setColor(QPalette::ToolTipBase, ToColor(design::ToolTipYellow));
  palette.setColor(QPalette::ToolTipText, ToColor(design::Black));
  return palette;
}

}  // namespace orunika::ui
