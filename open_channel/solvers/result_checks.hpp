// Rounding of solver results and the last check before they are handed out.
#pragma once

#include <initializer_list>

#include "frame/number_display.hpp"
#include "runtime/number.hpp"

namespace open_channel {

using rt::Single;

// True when every value is finite.
inline bool all_finite(std::initializer_list<Single> values) {
  for (const Single x : values) {
    if (!rt::is_finite(x)) return false;
  }
  return true;
}

// Rounds each value in place to three decimals with RC45, in the order given.
// False when a rounded value is not finite (RC45 overflows for values beyond
// about 3.4E+35).
inline bool round_three_decimals(std::initializer_list<Single*> values) {
  const Single digits = 3;
  bool finite = true;
  for (Single* x : values) {
    *x = frame::RC45(*x, digits);
    finite = finite && rt::is_finite(*x);
  }
  return finite;
}

}  // namespace open_channel
