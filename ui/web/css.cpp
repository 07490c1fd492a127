#include "ui/web/css.h"

namespace orunika::web {

std::string Length(int twips) {
  return "calc(" + std::to_string(twips / TwipsPerPixel) + " * var(--px))";
}

std::string Colour(design::Rgb rgb) {
  return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
         std::to_string(rgb.blue) + ")";
}

std::u16string FontFamily() {
  return u"\"" + std::u16string(design::FontFace) +
         u"\", \"MS PGothic\", IPAPGothic, \"Hiragino Kaku Gothic ProN\", \"Yu Gothic\", "
         u"\"Noto Sans CJK JP\", sans-serif";
}

}  // namespace orunika::web
