// Texts that the sheets of velmora and drasin share.
#pragma once

#include <string_view>

#include "runtime/number.hpp"

namespace open_channel {

// The end of a Froude-number line of section (2), chosen by the Froude
// number as the page received it (already rounded to three decimals, so a
// value that rounds to 1.000 is critical flow).
inline std::string_view froude_comparison(rt::Single Fr) {
  if (Fr < 1) return "    < 1  (常　流)";
  if (Fr == 1) return "    = 1  (限界流)";
  return "    > 1  (射　流)";
}

}  // namespace open_channel
