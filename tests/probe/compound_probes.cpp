#include "probe_registry.hpp"

namespace probe {

std::vector<Solver> compound_solvers() { return {}; }

}  // namespace probe
