#include "open_channel/window_sketch.hpp"

#include <string>

namespace open_channel {

using frame::draw_segments;

namespace {

constexpr Origin kWindowOrigin{150, 100};
constexpr rt::TextAngle kLevel = rt::TextAngle::Level;
constexpr rt::TextAngle kTurned = rt::TextAngle::QuarterTurn;

}  // namespace

// clang-format off
const WindowSketch& velmora_window_sketch() {
  static const WindowSketch sketch{
      .outline = {{{70, 100, 120, 295}, {120, 300, 325, 300}, {330, 300, 380, 100}}},
      .dimension_lines = {
          {-60, 100, 50, 100}, {-60, 300, 100, 300},                        // left extension lines
          {-50, 100, -50, 300},                                             // H+Fb
          {120, 320, 120, 460}, {330, 320, 330, 460},                       // bottom extension lines
          {120, 450, 330, 450},                                             // B
          {390, 100, 510, 100}, {384, 150, 510, 150}, {350, 300, 510, 300}, // right extension lines
          {500, 100, 500, 150}, {500, 150, 500, 300},                       // Fb, H
          {86, -60, 86, 130}, {364, -60, 364, 130},                         // top extension lines
          {86, -50, 364, -50},                                              // W
      },
      .water_surface = {86, 150, 364, 150},
      .labels = {{"H+Fb", -85, 235, kTurned}, {"B", 215, 415, kLevel}, {"Fb", 465, 143, kTurned},
                 {"H", 465, 230, kTurned}, {"W", 215, -85, kLevel}, {"1:m", 20, 180, kLevel}},
  };
  return sketch;
}

const WindowSketch& drasin_window_sketch() {
  static const WindowSketch sketch{
      .outline = {{{100, 100, 100, 295}, {100, 300, 345, 300}, {350, 300, 350, 100}}},
      .dimension_lines = {
          {-60, 100, 80, 100}, {-60, 300, 80, 300},                         // left extension lines
          {-50, 100, -50, 300},                                             // H+Fb
          {100, 320, 100, 460}, {350, 320, 350, 460},                       // bottom extension lines
          {100, 450, 350, 450},                                             // B
          {370, 100, 510, 100}, {370, 150, 510, 150}, {370, 300, 510, 300}, // right extension lines
          {500, 100, 500, 150}, {500, 150, 500, 300},                       // Fb, H
          {100, -60, 100, 80}, {350, -60, 350, 80},                         // top extension lines
          {100, -50, 350, -50},                                             // W
      },
      .water_surface = {100, 150, 350, 150},
      .labels = {{"H+Fb", -85, 235, kTurned}, {"B", 215, 415, kLevel}, {"Fb", 465, 143, kTurned},
                 {"H", 465, 230, kTurned}, {"W", 215, -85, kLevel}},
  };
  return sketch;
}
// clang-format on

void draw_window_sketch(rt::Printer& p, const WindowSketch& sketch) {
  const Origin o = kWindowOrigin;
  p.set_pen_width(5);
  draw_segments(p, o, sketch.outline);
  p.set_pen_width(1);
  draw_segments(p, o, sketch.dimension_lines);
  frame::draw_window_water_surface(p, o, 225, sketch.water_surface);
  for (const WindowLabel& label : sketch.labels)
    p.draw_text(o.x0 + label.dx, o.y0 + label.dy, label.text, label.angle);
}

void GRAPH_V(rt::Control& picture) {
  picture.draw([](rt::Printer& p) { draw_window_sketch(p, velmora_window_sketch()); });
}

void GRAPH_U(rt::Control& picture) {
  picture.draw([](rt::Printer& p) { draw_window_sketch(p, drasin_window_sketch()); });
}

void Graph(frame::MainModule& main, GraphProcedure draw) {
  rt::Control picture = main.main_form.control("picture1");
  draw(picture);
}

}  // namespace open_channel
