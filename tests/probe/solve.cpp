// solve PROGRAM SOLVER ARGS...: runs one solver and prints its outputs.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "probe_registry.hpp"
#include "runtime/number_text.hpp"

namespace {

std::vector<probe::Solver> all_solvers() {
  std::vector<probe::Solver> all;
  for (auto family : {probe::open_channel_solvers, probe::compound_solvers, probe::culvert_solvers}) {
    for (auto& s : family()) all.push_back(std::move(s));
  }
  return all;
}

int usage(const std::vector<probe::Solver>& solvers) {
  std::fprintf(stderr, "usage: solve PROGRAM SOLVER ARGS...\n");
  for (const auto& s : solvers) {
    std::fprintf(stderr, "  solve %s %s", s.program.c_str(), s.name.c_str());
    for (const auto& in : s.inputs) std::fprintf(stderr, " %s", in.c_str());
    std::fprintf(stderr, "\n");
  }
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const auto solvers = all_solvers();
  if (argc < 3) return usage(solvers);
  const std::string program = argv[1], name = argv[2];
  for (const auto& s : solvers) {
    if (s.program != program || s.name != name) continue;
    if (static_cast<std::size_t>(argc - 3) != s.inputs.size()) return usage(solvers);
    std::vector<float> inputs;
    for (int k = 3; k < argc; ++k) {
      // Inputs are read as the program reads its edits (a trailing "e" that
      // the edit's limit left, say, is ignored), then stored as singles.
      const rt::ValResult v = rt::VAL(argv[k]);
      if (v.out_of_range) {
        std::fprintf(stderr, "solve: beyond the single range: %s\n", argv[k]);
        return 2;
      }
      inputs.push_back(static_cast<float>(v.value));
    }
    for (const auto& [out_name, value] : s.run(inputs)) {
      std::printf("%s=%.9g\n", out_name.c_str(), static_cast<double>(value));
    }
    return 0;
  }
  return usage(solvers);
}
