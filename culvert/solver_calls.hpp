// How palwick and soberin call their solvers: the working copies and the
// result globals of the model, in the solvers' parameter orders.
#pragma once

#include "culvert/model.hpp"
#include "frame/solve_status.hpp"

namespace culvert {

frame::SolveStatus call_uniform_flow(Model& s);   // OJ of palwick
frame::SolveStatus call_critical_flow(Model& s);  // OS of palwick
frame::SolveStatus call_capacity(Model& s);       // OJ of soberin

}  // namespace culvert
