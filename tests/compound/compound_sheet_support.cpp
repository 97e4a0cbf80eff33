#include "compound_sheet_support.hpp"

#include "compound/calc_command.hpp"

namespace compound_sheet_test {

CompoundSheet solved_sheet(MainChannel channel, const std::function<void(compound::Model&)>& change) {
  compound::Model m{};
  m.q_discharge = 3.45f;
  m.slope_inv = 200.0f;
  m.bottom_width = 0.8f;
  m.wall_height = 0.8f;
  m.step_width = 0.6f;
  m.manning_n1 = 0.016f;
  m.manning_n2 = 0.03f;
  m.manning_n3 = 0.03f;
  m.manning_n4 = 0.03f;
  m.side_slope = channel == kQuorvel ? 0.3f : 0.0f;
  m.step_fall_pct = 5.0f;
  m.left_bank_slope = 1.0f;
  m.right_bank_slope = 1.0f;
  m.fb_plus = 0.1f;
  m.fb_star = 0.07f;
  if (change) change(m);
  const compound::CalcTable& calc = channel == kQuorvel ? compound::quorvel_calc() : compound::mestra_calc();
  calc.solve(m);
  return {compound::sheet_numbers(m), "SP0.00～SP1000.00", 0, 1, 0};
}

}  // namespace compound_sheet_test
