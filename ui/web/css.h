// The form's design (form/design.h) in CSS terms. Every length is a number of CSS pixels times
// `--px`, which the style sheet sets: one pixel on a desktop, and on a narrow touch screen the one
// factor that fills the width, so the form is scaled as a whole and nothing reflows.
#pragma once

#include <string>

#include "form/design.h"

namespace orunika::web {

// 15 twips to a CSS pixel, as 96 dots per inch give.
inline constexpr int TwipsPerPixel = design::TwipsPerInch / 96;

// The font's size in CSS pixels: 14.25 points.
inline constexpr int FontPixels = design::FontTenThousandthsOfAPoint * 96 / 72 / 10000;
static_assert(FontPixels * 72 * 10000 == design::FontTenThousandthsOfAPoint * 96,
              "the font must land on a whole CSS pixel");

// `twips` as a scaled CSS length.
std::string Length(int twips);

// "#d4d0c8": as CSS, the web app manifest and the theme colour all write it.
std::string Colour(design::Rgb rgb);

// The design's face first; then the same face by its Latin name, the free IPA one that Debian
// ships, and the Japanese gothics of other platforms.
std::u16string FontFamily();

}  // namespace orunika::web
