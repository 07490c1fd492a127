#include "ui/look.h"

#include <QColor>
#include <QFontDatabase>
#include <QStringList>

namespace orunika::ui {
namespace {

constexpr double PointSize = 14.25;
constexpr Rgb ToolTipYellow{255, 255, 225};

QColor ToColor(Rgb rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

// Debian's fontconfig does not stand IPA fonts in for the Windows names, so the IPA name follows
// them; failing all three, any Japanese gothic.
QStringList GothicFamilies() {
  QStringList families{u"ＭＳ Ｐゴシック"_qs, u"MS PGothic"_qs, u"IPAPGothic"_qs};
  for (const QString& family : families) {
    if (QFontDatabase::hasFamily(family)) return families;
  }
  for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
    if (family.contains(u"Gothic"_qs, Qt::CaseInsensitive) || family.contains(u"ゴシック"_qs)) {
      families.append(family);
      break;
    }
  }
  return families;
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
