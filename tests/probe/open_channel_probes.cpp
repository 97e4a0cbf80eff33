#include "probe_registry.hpp"

namespace probe {

std::vector<Solver> open_channel_solvers() { return {}; }

}  // namespace probe
