// CALC_ON, the calculate command of velmora and drasin: checks the inputs,
// takes working copies, shows them rounded in the used-value column, runs the
// uniform-flow and critical-flow solvers for Q and for 1.2·Q, writes every
// result label with the flow state and enables 印刷. The two programs run the
// same procedure from their own tables.
#pragma once

#include <string>
#include <vector>

#include "frame/input_checks.hpp"
#include "frame/main_module.hpp"
#include "open_channel/model.hpp"

namespace open_channel {

// One input: checked by its rule, copied into its working copy, shown
// rounded in its used-value label.
struct CalcInput {
  Single Model::*input;
  Single Model::*working_copy;
  frame::Rule rule;
  std::string name;
  std::string used_label;
};

// A solver run on the model: uniform or critical flow, for Q or for 1.2·Q
// (the design discharge q_design_12).
using SolverRun = frame::SolveStatus (*)(Model& m, bool for_12q);

struct CalcTable {
  std::vector<CalcInput> inputs;  // in the order of the checks
  SolverRun uniform;
  SolverRun critical;
  // Labels whose numbers differ between the programs.
  std::string h12_label, qd_label, hc12_label, qdc_label;
};

const CalcTable& velmora_calc();
const CalcTable& drasin_calc();

void CALC_ON(frame::MainModule& main, Model& m, const CalcTable& table);

}  // namespace open_channel
