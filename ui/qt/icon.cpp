#include "ui/qt/icon.h"

#include <QPixmap>

#include "ui/icons/globe_16.xpm"
#include "ui/icons/globe_32.xpm"

namespace orunika::ui {

QIcon GlobeIcon() {
  QIcon icon;
  icon.addPixmap(QPixmap(globe_32_xpm));
  icon.addPixmap(QPixmap(globe_16_xpm));
  return icon;
}

}  // namespace orunika::ui
