// Feeds the form every text a user could type or paste, through the same path as typing: the han
// and fu boxes, then both seats. The payments themselves are checked by the core's tests and the
// scenarios every drawing plays; this run is for what only the sanitizers see, a read past an end
// or undefined behaviour, on inputs no table of cases lists.
//
// Input: byte 0 bit 1 picks UTF-16LE pairs, which reach every code unit, over one byte per unit,
// which keeps typed-looking texts easy to reach and the seeds readable (bit 0 is the seat the
// seeds were named for; both seats are tried). Byte 1 is the han text's length in code units; the
// han text and then the fu follow.
#include <algorithm>
#include <cstdint>
#include <string>

#include "form/m.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  std::u16string units;
  for (std::size_t i = 2, wide = (data[0] & 2) >> 1; i + wide < size; i += 1 + wide)
    units.push_back(static_cast<char16_t>(wide != 0 ? data[i] | data[i + 1] << 8 : data[i]));
  orunika::m form;
  form.Load.Raise();
  form.a.SetText(units.substr(0, data[1]));
  form.b.SetText(units.substr(std::min<std::size_t>(data[1], units.size())));
  form.h.SetValue(true);
  form.g.SetValue(true);
  return 0;
}
