// The flow-capacity calculation behind soberin's OJ, on a plain structure:
// the upward search of the central angle in steps of 0.0001 from 5 rad until
// A·V stops growing, and the flow at the last angle at which it still grew.
// OJ is this calculation followed by the copy into the caller's variables;
// tests use it to run every step of the search.
#pragma once

#include "frame/solve_status.hpp"
#include "runtime/number.hpp"

namespace culvert::soberin {

using rt::Single;

struct CapacityFlow {
  Single theta, Qmax, H, V, W, A, P, R, Fb, Fr, depth_ratio_pct;
};

// How the search gets through its first steps. The discharge of every pipe
// grows with the angle by the same factor from step to step, (θ − sin θ)^(5/3)
// over θ^(2/3) apart from the stored singles' rounding, and for the first
// steps that factor is larger than the rounding of a step's singles could
// ever undo. `pass_over_sure_growth` lets those steps go uncomputed wherever
// the pipe's values lie well inside the range of singles, and goes on from
// the last of them: the search ends where and as it ends when every step is
// worked out. `every_step` works out every one.
enum class CapacitySteps { pass_over_sure_growth, every_step };

// Fills `flow` with every result rounded (θ unrounded) and returns `solved`,
// or returns a failure with `flow` partly written.
frame::SolveStatus solve_capacity(Single D, Single n, Single I, CapacitySteps steps, CapacityFlow& flow);

}  // namespace culvert::soberin
