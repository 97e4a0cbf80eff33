#include "sheet_support.hpp"

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

}  // namespace culvert_sheet
