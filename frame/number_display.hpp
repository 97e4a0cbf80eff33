// The two number routines of every program's main module: RC45 rounds a
// result half away from zero to a number of decimals, CHR_TO_STR turns a
// number into the three-decimal text that every label and edit shows.
#pragma once

#include <string>

#include "runtime/number.hpp"

namespace frame {

using rt::Single;

// Rounds x half away from zero to d decimals. x · 10^d is stored as a single
// before the half is added, so whether a decimal half goes up depends on the
// single precision value of x · 10^d. A value whose x · 10^d lies beyond the
// single precision range comes back as an infinity; callers check.
Single RC45(Single x, Single d);

// The number text of x cut (not rounded) to three decimals, with "0" before
// the point of values below 1 ("0.060", "200.000", "2.999" for 2.9995).
// A negative value keeps its minus sign. A value whose number text needs an
// exponent (from 1,000,000 up, or more than six decimals) is cut to three
// decimals from its exact value in fixed notation (0.0123456 gives "0.012",
// 1234567 gives "1234567.000").
std::string CHR_TO_STR(Single x);

}  // namespace frame
