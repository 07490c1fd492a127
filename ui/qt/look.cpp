#include "ui/qt/look.h"

#include <QColor>
#include <QFontDatabase>
#include <QPixmap>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include "ui/icons/globe_16.xpm"
#include "ui/icons/globe_32.xpm"

namespace orunika::ui {
namespace {

QColor ToColor(design::Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// The classic scheme's three-dimensional edges, from the lit outer edge to the darkest inner one,
// which the Windows style draws sunken boxes and option buttons with.
constexpr design::Rgb ButtonHighlight{255, 255, 255};
constexpr design::Rgb ThreeDLight{212, 208, 200};
constexpr design::Rgb ButtonShadow{128, 128, 128};
constexpr design::Rgb ThreeDDarkShadow{64, 64, 64};
// The classic window colour, which fills an option button's well whatever the form's colour.
constexpr design::Rgb WindowWhite{255, 255, 255};

// The first of the window's families that is installed, or else any Japanese gothic. Debian's
// fontconfig does not stand IPA fonts in for the Windows names, hence the IPA name among them.
// Only an installed family goes into the font: Qt looks up fallbacks, script by script, for every
// family it is given, which would cost start-up time for names that are not there.
QStringList GothicFamilies() {
  QStringList wanted{ToQString(design::FontFace), u"MS PGothic"_qs, u"IPAPGothic"_qs};
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
  QPalette palette;  // each colour for every group: active, inactive and disabled alike
  for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(text, ToColor(design::Black));
  for (QPalette::ColorRole fill : {QPalette::Window, QPalette::Base, QPalette::Button})
    palette.setColor(fill, ToColor(background));
  palette.setColor(QPalette::Light, ToColor(ButtonHighlight));
  palette.setColor(QPalette::Midlight, ToColor(ThreeDLight));
  palette.setColor(QPalette::Dark, ToColor(ButtonShadow));
  palette.setColor(QPalette::Shadow, ToColor(ThreeDDarkShadow));
  return palette;
}

QPalette TextBoxPalette(design::Rgb background) {
  QPalette palette = PaletteFor(background);
  palette.setColor(QPalette::Window, ToColor(ThreeDLight));
  return palette;
}

QPalette OptionButtonPalette(design::Rgb background) {
  QPalette palette = PaletteFor(background);
  palette.setColor(QPalette::Base, ToColor(WindowWhite));
  return palette;
}

void DrawInTheClassicStyle(QWidget& window) {
  QStyle* classic = QStyleFactory::create(u"Windows"_qs);
  if (!classic) return;  // a Qt built without it keeps its default style
  // Made after the controls and owned by the window, so that it outlives every control using it.
  // The window itself only fills its background, which no style draws.
  classic->setParent(&window);
  for (QWidget* control : window.findChildren<QWidget*>()) control->setStyle(classic);
}

QPalette ToolTipPalette() {
  QPalette palette = PaletteFor(design::ToolTipYellow);
  palette.setColor(QPalette::ToolTipBase, ToColor(design::ToolTipYellow));
  palette.setColor(QPalette::ToolTipText, ToColor(design::Black));
  return palette;
}

QIcon GlobeIcon() {
  QIcon icon;
  icon.addPixmap(QPixmap(globe_32_xpm));
  icon.addPixmap(QPixmap(globe_16_xpm));
  return icon;
}

}  // namespace orunika::ui
