// OJ of soberin (module Oj): the largest discharge Qmax that a circular pipe
// of diameter D, roughness n and slope 1/I carries in uniform flow while
// running partly full, found by stepping the central angle up from 5 rad in
// steps of 0.0001 until A·V stops growing, with the flow state at that angle.
// Q is accepted and never read. Every result but θ is rounded to three
// decimals.
//
// ok is −1 and the status solved on every return the calculation allows. The
// search is bounded by a full pipe (θ = 2π, past the peak of A·V for every
// pipe), and a step that gives an infinite or undefined value is no result:
// either failure writes ok := 0 and leaves every other output as it was.
#pragma once

#include "frame/solve_status.hpp"
#include "runtime/number.hpp"

namespace culvert::soberin {

using rt::Single;

frame::SolveStatus OJ(Single& Q, Single& D, Single& n, Single& I, Single& theta, Single& Qmax, Single& H,
                      Single& V, Single& W, Single& A, Single& P, Single& R, Single& Fb, Single& Fr,
                      Single& depth_ratio_pct, Single& ok);

}  // namespace culvert::soberin
