#include "ui/web/css.h"

#include <array>
#include <cstdio>

namespace orunika::web {

std::string Length(int twips) {
  return "calc(" + std::to_string(twips / TwipsPerPixel) + " * var(--px))";
}

std::string Colour(design::Rgb rgb) {
  std::array<char, 8> hex{};
  std::snprintf(hex.data(), hex.size(), "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
  return hex.data();
}

std::u16string FontFamily() {
  return u"\"" + std::u16string(design::FontFace) +
         u"\", \"MS PGothic\", IPAPGothic, \"Hiragino Kaku Gothic ProN\", \"Yu Gothic\", "
         u"\"Noto Sans CJK JP\", sans-serif";
}

}  // namespace orunika::web
