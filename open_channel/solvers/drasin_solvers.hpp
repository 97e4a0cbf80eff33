// The solvers of drasin (rectangular channel), called by the calculate
// command with its working copies and result globals, every argument by
// reference. Each returns `solved` with every output rounded to three
// decimals, or a failure with every output left as it was.
#pragma once

#include "frame/solve_status.hpp"
#include "runtime/number.hpp"

namespace open_channel {

using rt::Single;

// Uniform flow by Manning's formula: depth H, section values, freeboards and
// the height dH above H that adds 20 % of flow area.
frame::SolveStatus UJ(const Single& Q, const Single& B, const Single& n, const Single& I, const Single& Fb_plus,
                      const Single& Fb_star, Single& QD, Single& H, Single& hv, Single& V, Single& W, Single& A,
                      Single& S, Single& R, Single& Fb, Single& Fr, Single& Fbs, Single& dH);

// Critical flow, its depth in closed form: section values, the critical slope
// as the x of 1/x and the height dHc for a 20 % spare area.
frame::SolveStatus US(const Single& Q, const Single& B, const Single& n, Single& QDc, Single& Hc, Single& Vc,
                      Single& Wc, Single& Ac, Single& Sc, Single& Ic, Single& Rc, Single& Fbc, Single& dHc);

}  // namespace open_channel
