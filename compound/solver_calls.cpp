// How quorvel and mestra call their solver: the input globals themselves and
// every result global, in the solver's order, and the inputs each program
// checks and shows.
#include "compound/calc_command.hpp"
#include "compound/solvers/calc.hpp"

namespace compound {

namespace {

using frame::Rule;

// Both solvers take their inputs first and then the same results in the
// same order: `solve` passes its inputs and then these result globals.
template <class Solve>
frame::SolveStatus with_results(Model& s, Solve solve) {
  return solve(s.total_discharge_cq, s.discharge_q1, s.discharge_q2, s.discharge_q3, s.surface_width_wa,
               s.surface_width_w1, s.surface_width_w2, s.surface_width_w3, s.depth_h, s.depth_h2, s.step_rise_h3,
               s.flow_area_a, s.flow_area_a1, s.flow_area_a2, s.flow_area_a3, s.wetted_perimeter_p1,
               s.wetted_perimeter_p2, s.wetted_perimeter_p3, s.hydraulic_radius_r1, s.hydraulic_radius_r2,
               s.hydraulic_radius_r3, s.composite_n1, s.composite_n2, s.composite_n3, s.composite_n, s.velocity_v,
               s.velocity_v1, s.velocity_v2, s.velocity_v3, s.hydraulic_depth_sh, s.velocity_head_hv, s.froude_fr,
               s.freeboard_fb, s.section_state);
}

frame::SolveStatus quorvel_solve(Model& s) {
  return with_results(s, [&s](auto&... results) {
    return quorvel::CALC(s.q_discharge, s.slope_inv, s.bottom_width, s.wall_height, s.step_width, s.manning_n1,
                         s.manning_n2, s.manning_n3, s.manning_n4, s.side_slope, s.step_fall_pct, s.left_bank_slope,
                         s.right_bank_slope, s.fb_plus, s.fb_star, results...);
  });
}

// mestra has no wall slope m.
frame::SolveStatus mestra_solve(Model& s) {
  return with_results(s, [&s](auto&... results) {
    return mestra::CALC(s.q_discharge, s.slope_inv, s.bottom_width, s.wall_height, s.step_width, s.manning_n1,
                        s.manning_n2, s.manning_n3, s.manning_n4, s.step_fall_pct, s.left_bank_slope,
                        s.right_bank_slope, s.fb_plus, s.fb_star, results...);
  });
}

const CalcInput kQ{&Model::q_discharge, Rule::positive, "Q", "text16"};
const CalcInput kI{&Model::slope_inv, Rule::positive, "I", "text17"};
const CalcInput kB{&Model::bottom_width, Rule::positive, "B", "text18"};
const CalcInput kH1{&Model::wall_height, Rule::positive, "h1", "text19"};
const CalcInput kW{&Model::step_width, Rule::positive, "w", "text20"};
const CalcInput kN1{&Model::manning_n1, Rule::positive, "n1", "text21"};
const CalcInput kN2{&Model::manning_n2, Rule::positive, "n2", "text22"};
const CalcInput kN3{&Model::manning_n3, Rule::positive, "n3", "text23"};
const CalcInput kN4{&Model::manning_n4, Rule::positive, "n4", "text24"};
const CalcInput kM{&Model::side_slope, Rule::not_negative, "m", "text25"};
const CalcInput kM1{&Model::step_fall_pct, Rule::not_negative, "m1", "text26"};
const CalcInput kM2{&Model::left_bank_slope, Rule::not_negative, "m2", "text27"};
const CalcInput kM3{&Model::right_bank_slope, Rule::not_negative, "m3", "text28"};
const CalcInput kFbPlus{&Model::fb_plus, Rule::not_negative, "Fb+", "text29"};
const CalcInput kFbStar{&Model::fb_star, Rule::not_negative, "Fb*", "text30"};

}  // namespace

const CalcTable& quorvel_calc() {
  static const CalcTable t{{kQ, kI, kB, kH1, kW, kN1, kN2, kN3, kN4, kM, kM1, kM2, kM3, kFbPlus, kFbStar},
                           quorvel_solve};
  return t;
}

const CalcTable& mestra_calc() {
  static const CalcTable t{{kQ, kI, kB, kH1, kW, kN1, kN2, kN3, kN4, kM1, kM2, kM3, kFbPlus, kFbStar}, mestra_solve};
  return t;
}

}  // namespace compound
