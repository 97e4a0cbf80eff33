// The page procedures of palwick's and soberin's calculation sheets: each
// draws its one page on the printer object of the job its driver started.
#pragma once

#include "culvert/sheet_values.hpp"
#include "runtime/printer/printer.hpp"

namespace culvert::palwick {

// Module Pjy: the uniform flow of the design discharge ("常流").
void JY_PAGE1(rt::Printer& p, const UniformSheet& s);
// Module Psy: the critical flow of the design discharge ("限界流").
void SY_PAGE1(rt::Printer& p, const CriticalSheet& s);

}  // namespace culvert::palwick

namespace culvert::soberin {

// Module Pjy: the largest discharge of the pipe and its flow state.
void JY_PAGE1(rt::Printer& p, const CapacitySheet& s);

}  // namespace culvert::soberin
