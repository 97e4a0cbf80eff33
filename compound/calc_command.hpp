// CALC_ON, the calculate command of quorvel and mestra: checks the inputs,
// shows each rounded in the used-value column, runs the compound-section
// solver once on the inputs themselves, and shows the depths, the Froude
// number with the flow state, the discharge, the velocity, the freeboard and
// the section state, then enables 印刷. The two programs run the same
// procedure from their own tables.
#pragma once

#include <string>
#include <vector>

#include "compound/model.hpp"
#include "frame/input_checks.hpp"
#include "frame/main_module.hpp"

namespace compound {

// One input: checked by its rule, shown rounded in its used-value label.
struct CalcInput {
  Single Model::*input;
  frame::Rule rule;
  std::string name;
  std::string used_label;
};

// The solver run on the model's inputs, writing its results into the model.
using SolverRun = frame::SolveStatus (*)(Model& m);

struct CalcTable {
  std::vector<CalcInput> inputs;  // in the order of the checks
  SolverRun solve;
};

const CalcTable& quorvel_calc();
const CalcTable& mestra_calc();

// The section-state line: "＞＞＞ 単断面 ＜＜＜" when the main channel alone
// carries Q (state 2), "複断面" otherwise.
std::string section_state_text(Single state);

void CALC_ON(frame::MainModule& main, Model& m, const CalcTable& table);

}  // namespace compound
