#include "ui/look.h"

#include <QColor>
#include <QFontDatabase>
#include <QStringList>

namespace orunika::ui {
namespace {

constexpr double PointSize = 14.25;
constexpr Rgb ToolTipYellow{255, 255, 225};

QColor ToColor(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// The first of the window's families that is installed, or else any Japanese gothic. Debian's
// fontconfig does not stand IPA fonts in for the Windows names, hence the IPA name among them.
// Only an installed family goes into the font: Qt looks up fallbacks, script by script, for every
// family it is given, which would cost start-up time for names that are not there.
QStringList GothicFamilies() {
  const QStringList wanted{u"ＭＳ Ｐゴシック"_qs, u"MS PGothic"_qs, u"IPAPGothic"_qs};
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
  font.setPointSizeF(PointSize);
  font.setWeight(QFont::Normal);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QPalette PaletteFor(Rgb background) {
  QPalette palette;
  const QColor black = ToColor(Black);
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
  QPalette palette = PaletteFor(ToolTipYellow);
  palette.setColor(QPalette::ToolTipBase, ToColor(ToolTipYellow));
  palette.setColor(QPalette::ToolTipText, ToColor(Black));
  return palette;
}

}  // namespace orunika::ui
