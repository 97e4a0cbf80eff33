// What the calculate commands of palwick and soberin share: the input checks
// with their messages, the working copies, the used values shown rounded, a
// message for a calculation that cannot finish, and writing the labels.
#pragma once

#include <string>
#include <vector>

#include "culvert/model.hpp"
#include "frame/calc_display.hpp"
#include "frame/main_module.hpp"
#include "frame/solve_status.hpp"

namespace culvert {

using frame::LabelTexts;
using frame::show_labels;

// One input: checked to be greater than 0, copied into its working copy and
// shown rounded in its used-value label (none for soberin's Q).
struct CalcInput {
  Single Model::*input;
  Single Model::*working_copy;
  std::string name;        // as the input check's message names it
  std::string used_label;  // empty: the value is not shown
};

// The first steps of both commands: takes the focus off the edit fields,
// checks the inputs in order, copies them into the working copies of `s`
// and adds the texts of the used values to `texts`. When an input is refused
// it says so in a message box and returns false; `s` is then to be dropped.
bool take_inputs(frame::MainModule& main, const std::vector<CalcInput>& inputs, Model& s, LabelTexts* texts);

// A solver call that ended in an arithmetic fault (or could not settle where
// the calculation has no failure of its own): one message box naming the
// calculation; the caller then leaves everything as it was.
void show_calculation_error(frame::MainModule& main, const std::string& what, frame::SolveStatus status);

}  // namespace culvert
