// CALC_ON, the calculate commands of the two culvert tools.
//
// palwick checks Q, I, D and n, shows them rounded as used values, solves
// the uniform flow (OJ) and the critical flow (OS) of the design discharge,
// writes both result columns, reports an undersized pipe for either in red
// with that column at zero, and enables the print item of each solution
// that succeeded.
//
// soberin checks the same four values (Q from the saved-input file), shows
// I, D and n, finds the pipe's largest discharge (OJ) and writes its flow
// state.
//
// Both work on a copy of the model and show it only when every solver call
// ended in finite values: a calculation that cannot finish says so and
// leaves the working copies, the results, the labels and 印刷 as they were.
#pragma once

#include "culvert/model.hpp"
#include "frame/main_module.hpp"

namespace culvert::palwick {
void CALC_ON(frame::MainModule& main, Model& m);
}  // namespace culvert::palwick

namespace culvert::soberin {
void CALC_ON(frame::MainModule& main, Model& m);
}  // namespace culvert::soberin
