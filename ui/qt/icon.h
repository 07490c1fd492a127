#pragma once

#include <QIcon>

namespace orunika::ui {

// The globe: blue oceans, green land, drawn for 32 x 32 and for 16 x 16 in 16 colours.
QIcon GlobeIcon();

}  // namespace orunika::ui
