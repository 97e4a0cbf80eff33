// The two sketches of the compound-section sheet: on page 1, under
// "（２）断面形状", the section with every dimension, area width, slope and
// roughness written beside it; on page 2, the same outline with the wetted
// lengths and the surface widths named. Both are fixed figures whose labels
// are drawn at size 8; each leaves the print position at its last label, and
// its page prints its empty lines from there.
#pragma once

#include "compound/main_channel.hpp"
#include "compound/sheet_values.hpp"
#include "runtime/printer/printer.hpp"

namespace compound {

inline constexpr double kSketchLabelSize = 8;

// Page 1, at the origin (600, 1200); the last label, "n4=", stands at y 1190.
void draw_values_sketch(rt::Printer& p, MainChannel channel, const CompoundSheet& s);

// Page 2, at the origin (700, 1950); the last label, "L2", stands at y 2060.
void draw_wetted_lengths_sketch(rt::Printer& p, MainChannel channel);

}  // namespace compound
