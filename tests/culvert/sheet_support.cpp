#include "sheet_support.hpp"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "culvert/solver_calls.hpp"

namespace culvert_sheet {

namespace {

culvert::Model with_inputs(float q, float i, float d, float n, const char* title) {
  culvert::Model m{};
  m.calc_q_discharge = q;
  m.calc_slope_inv = i;
  m.calc_pipe_diameter = d;
  m.calc_manning_n = n;
  m.sheet_title = title;
  m.opt_header = 0;
  m.opt_title = 1;
  m.opt_mincho = 0;
  return m;
}

}  // namespace

culvert::Model palwick_defaults() {
  culvert::Model m = with_inputs(0.3f, 200.0f, 0.6f, 0.016f, "SP0.00～SP1000.00 右側道路側溝");
  culvert::call_uniform_flow(m);
  culvert::call_critical_flow(m);
  return m;
}

culvert::Model soberin_defaults() {
  culvert::Model m = with_inputs(0.3f, 200.0f, 0.6f, 0.013f, "SP0.00 管渠流下能力");
  culvert::call_capacity(m);
  return m;
}

std::string compare_with_golden(const std::string& name, const std::string& dump) {
  const std::string path = std::string(GOLDEN_DIR) + "/" + name + ".txt";
  if (std::getenv("UPDATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << dump;
    return {};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return "no golden file " + path + " (run with UPDATE_GOLDEN=1 to write it)";
  const std::string golden(std::istreambuf_iterator<char>(in), {});
  if (golden == dump) return {};
  std::istringstream want(golden), got(dump);
  std::string w, g;
  for (int line = 1;; ++line) {
    const bool more_w = static_cast<bool>(std::getline(want, w));
    const bool more_g = static_cast<bool>(std::getline(got, g));
    if (!more_w && !more_g) break;
    if (w != g || more_w != more_g) {
      return name + ".txt line " + std::to_string(line) + ":\n  golden:   " + (more_w ? w : "(end)") +
             "\n  recorded: " + (more_g ? g : "(end)");
    }
  }
  return name + ".txt differs";
}

}  // namespace culvert_sheet
