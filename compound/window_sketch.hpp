// Module Graph of quorvel and mestra: the fixed sketch of the compound
// section in the picture box picture1 of the main window, drawn once while
// the window is set up and kept by the box. It names the dimensions, the
// flow areas, the slopes and the roughness coefficients; it never shows a
// value.
#pragma once

#include "compound/main_channel.hpp"
#include "frame/main_module.hpp"
#include "runtime/forms.hpp"
#include "runtime/printer/printer.hpp"

namespace compound {

// Draws the window sketch at the origin (220, 250) in the current font.
void draw_window_sketch(rt::Printer& p, MainChannel channel);

// The drawing procedure on the picture object.
void GRAPH_V(rt::Control& picture, MainChannel channel);

// The program's `Graph`: binds the main window's picture1 and draws on it.
void Graph(frame::MainModule& main, MainChannel channel);

}  // namespace compound
