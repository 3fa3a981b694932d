#pragma once

#include <string>

namespace kalamo {

// A number as JavaScript's String(value) writes it: the fewest digits that read back as the
// same double, no ".0" on integers, "0.5" (never ".5"), the exponent form from 1e21 up and
// below 1e-6 ("1e+21", "1.5e-7"), "0" for minus zero, "Infinity", "-Infinity", "NaN".
std::string JsNumberText(double value);

}  // namespace kalamo
