// Module Graph of palwick and soberin: the fixed sketch of a part-full pipe
// in the picture box picture1 of the main window, drawn once while the
// window is set up and kept by the box. The pipe wall, the water surface
// with its mark and strokes, and the dimension lines of the diameter, the
// depth and the freeboard, labelled "D", "H" and "Fb"; it carries no
// numbers. soberin's water stands higher in the pipe than palwick's.
#pragma once

#include <array>
#include <string_view>

#include "frame/main_module.hpp"
#include "frame/sketch.hpp"
#include "runtime/forms.hpp"

namespace culvert {

using frame::Origin;
using frame::Segment;

struct WindowLabel {
  std::string_view text;
  double dx, dy;  // turned a quarter turn to read upward
};

// What tells the two window sketches apart; everything else is common.
struct PipeWindowSketch {
  double water_dy;            // the water level below the origin
  double extension_start_dx;  // start of the water-level extension line on the right
  double depth_split_dy;      // where the two segments of the right-hand dimension line meet
  Segment water_surface;
  std::array<WindowLabel, 3> labels;  // "D", "Fb", "H"
};

const PipeWindowSketch& palwick_window_sketch();
const PipeWindowSketch& soberin_window_sketch();

// Draws a window sketch at the origin (150, 100) in the current font: the
// pipe wall with pen width 5, everything else with pen width 1.
void draw_pipe_window_sketch(rt::Printer& p, const PipeWindowSketch& sketch);

// The program's `Graph`: binds the main window's picture1 and calls its
// drawing procedure GRAPH_O.
using GraphProcedure = void (*)(rt::Control& picture);
void Graph(frame::MainModule& main, GraphProcedure draw);

}  // namespace culvert

namespace culvert::palwick {
void GRAPH_O(rt::Control& picture);
}  // namespace culvert::palwick

namespace culvert::soberin {
void GRAPH_O(rt::Control& picture);
}  // namespace culvert::soberin
