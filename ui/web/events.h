// What the form does with each event of its HTML controls: every change of a box and every seat
// chosen goes to the model; pastes and drops keep their first line; Tab and Shift+Tab go round the
// boxes and the selected seat, and the arrow keys round the seats, in every browser alike; a click
// outside them leaves the keyboard where it was.
#pragma once

#include <emscripten/val.h>

#include "form/m.h"

namespace orunika::web {

void Handle(m& form, emscripten::val event);

}  // namespace orunika::web
