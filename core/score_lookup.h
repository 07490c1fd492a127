#pragma once

#include <string_view>
#include <variant>

#include "core/payment_table.h"

namespace orunika {

// The inputs select no row; the window shows "入力が必要" in both result fields.
struct InputRequired {
  friend constexpr bool operator==(InputRequired, InputRequired) = default;
};

using ScoreResult = std::variant<PaymentRow, InputRequired>;

// Chooses the row for what was typed, exactly as typed: nothing is trimmed or folded, so only the
// plain decimal texts "1" to "13" are han counts. For 1 to 3 han the fu must be one of the row's
// fu texts; for 4 han the fu is read as a number (20, 25 and 30 only as those very texts, any
// number of 40 or more for the last row); the limit hands never read the fu. Every other input,
// however malformed, is InputRequired. Pure: it may be called from any thread.
ScoreResult LookupScore(Seat seat, std::u16string_view hanText, std::u16string_view fuText);

}  // namespace orunika
