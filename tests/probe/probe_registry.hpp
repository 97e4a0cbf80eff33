// The solver probe of the test tools: `solve PROGRAM SOLVER ARGS...` runs one
// solver on its inputs and prints every output as NAME=VALUE (%.9g), so that
// results can be compared bit for bit with an independent computation.
// Each program family lists its solvers in a table of its own.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace probe {

using Outputs = std::vector<std::pair<std::string, float>>;

struct Solver {
  std::string program;                   // "velmora"
  std::string name;                      // "VJ"
  std::vector<std::string> inputs;       // input parameter names, in declaration order
  std::function<Outputs(const std::vector<float>&)> run;
};

std::vector<Solver> open_channel_solvers();
std::vector<Solver> compound_solvers();
std::vector<Solver> culvert_solvers();

}  // namespace probe
