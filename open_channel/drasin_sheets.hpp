// The page procedures of drasin's calculation sheets: each draws its one
// page on the printer object of the job its driver started. They print
// velmora's sheets for the rectangle: no side slope, no hydraulic mean
// depth, the depth itself in the Froude number and a closed-form critical
// depth.
#pragma once

#include "open_channel/sheet_values.hpp"
#include "runtime/printer/printer.hpp"

namespace open_channel::drasin {

// Uniform flow: without freeboard (module Pjn), with the freeboard Fb (Pjy),
// with the supercritical-type freeboard Fbs (PJSY).
void JN_PAGE1(rt::Printer& p, const UniformSheet& s);
void JY_PAGE1(rt::Printer& p, const UniformSheet& s);
void JSY_PAGE1(rt::Printer& p, const UniformSheet& s);

// Critical flow: with the freeboard Fbc (module Psy), without freeboard (PSN).
void SY_PAGE1(rt::Printer& p, const CriticalSheet& s);
void SN_PAGE1(rt::Printer& p, const CriticalSheet& s);

}  // namespace open_channel::drasin
