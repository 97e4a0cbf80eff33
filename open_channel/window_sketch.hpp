// Module Graph: the fixed sketch of the channel section in the picture box
// picture1 of the main window, drawn once while the window is set up and
// kept by the box: velmora's trapezoid (GRAPH_V) and drasin's rectangle
// (GRAPH_U), each labelled with the names of the quantities the tool works
// with.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "frame/main_module.hpp"
#include "frame/sketch.hpp"
#include "runtime/forms.hpp"

namespace open_channel {

using frame::Origin;
using frame::Segment;

struct WindowLabel {
  std::string_view text;
  double dx, dy;
  rt::TextAngle angle;
};

// A window sketch: the outline (pen width 5), the dimension and extension
// lines (pen width 1), the water surface and the labels; the water-surface
// mark and the water strokes are the same in both programs.
struct WindowSketch {
  std::array<Segment, 3> outline;
  std::vector<Segment> dimension_lines;
  Segment water_surface;
  std::vector<WindowLabel> labels;
};

const WindowSketch& velmora_window_sketch();
const WindowSketch& drasin_window_sketch();

// Draws a window sketch at the origin (150, 100) in the current font.
void draw_window_sketch(rt::Printer& p, const WindowSketch& sketch);

// The drawing procedures on the picture object.
void GRAPH_V(rt::Control& picture);
void GRAPH_U(rt::Control& picture);

// The program's `Graph`: binds the main window's picture1 and calls its
// drawing procedure.
using GraphProcedure = void (*)(rt::Control& picture);
void Graph(frame::MainModule& main, GraphProcedure draw);

}  // namespace open_channel
