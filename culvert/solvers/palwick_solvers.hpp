// The partly full pipe solvers of palwick: OJ (module Oj) finds the uniform
// flow that carries the design discharge, OS (module Os) the critical flow of
// the same discharge. Both solve for the central angle θ of the water section
// and round every result but θ to three decimals.
//
// ok is −1 when a solution was found and 0 when none was: the angle left
// 0 < θ ≦ 2π (the pipe is too small for the discharge), a 32nd Newton step
// would have been needed, or a step gave an infinite or undefined value. A
// failed call writes ok := 0 and nothing else, except that OJ has already set
// Fr to 0 on entry; the status tells the two kinds of failure apart.
#pragma once

#include "frame/solve_status.hpp"
#include "runtime/number.hpp"

namespace culvert::palwick {

using rt::Single;

// Uniform flow by Manning's formula; I is the slope as the x of 1/x.
frame::SolveStatus OJ(Single& Q, Single& D, Single& n, Single& I, Single& theta, Single& QD, Single& H,
                      Single& V, Single& W, Single& A, Single& P, Single& R, Single& Fb, Single& Fr,
                      Single& free_area_pct, Single& ok);

// Critical flow; Ic is the critical slope as the x of 1/x.
frame::SolveStatus OS(Single& Q, Single& D, Single& n, Single& Ic, Single& theta_c, Single& QDc, Single& Hc,
                      Single& Vc, Single& Wc, Single& Ac, Single& Pc, Single& Rc, Single& Fbc,
                      Single& free_area_pct, Single& ok);

}  // namespace culvert::palwick
