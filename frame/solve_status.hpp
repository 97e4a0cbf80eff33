// How a solver call ended. Solvers show nothing themselves: the calculate
// commands turn a failure into a message box and leave the window as it was.
#pragma once

namespace frame {

enum class SolveStatus {
  solved,            // every output is set and finite
  no_convergence,    // an iteration or stepped search could not settle within its bound
  arithmetic_fault,  // a step overflowed, took an invalid power, or gave a value that is not finite
};

}  // namespace frame
