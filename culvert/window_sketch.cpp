#include "culvert/window_sketch.hpp"

namespace culvert {

using frame::draw_segment;

namespace {

constexpr Origin kWindowOrigin{150, 100};
constexpr double kCentreDx = 225;

}  // namespace

// palwick's water stands 50 above the pipe centre (y0 + 200).
const PipeWindowSketch& palwick_window_sketch() {
  static const PipeWindowSketch sketch{
      .water_dy = 150,
      .extension_start_dx = 390,
      .depth_split_dy = 150,
      .water_surface = {80, 150, 365, 150},
      .labels = {{{"D", -85, 220}, {"Fb", 465, 115}, {"H", 465, 255}}},
  };
  return sketch;
}

// soberin's water stands 100 above the centre, near the crown as at the
// largest discharge: the surface is shorter, the extension line starts
// further left and the labels of the freeboard and the depth move up. The
// right-hand dimension line keeps palwick's two segments.
const PipeWindowSketch& soberin_window_sketch() {
  static const PipeWindowSketch sketch{
      .water_dy = 100,
      .extension_start_dx = 365,
      .depth_split_dy = 150,
      .water_surface = {113, 100, 332, 100},
      .labels = {{{"D", -85, 220}, {"Fb", 465, 95}, {"H", 465, 230}}},
  };
  return sketch;
}

void draw_pipe_window_sketch(rt::Printer& p, const PipeWindowSketch& sketch) {
  const Origin o = kWindowOrigin;
  const double yw = sketch.water_dy;

  p.set_pen_width(5);
  p.circle(o.x0 + kCentreDx, o.y0 + 200, 150);
  p.set_pen_width(1);

  // Diameter on the left; the horizontal lines touch the top and the bottom
  // of the pipe.
  draw_segment(p, o, {-60, 50, 150, 50});
  draw_segment(p, o, {-60, 350, 150, 350});
  draw_segment(p, o, {-50, 50, -50, 350});

  // Freeboard and depth on the right.
  draw_segment(p, o, {300, 50, 510, 50});
  draw_segment(p, o, {sketch.extension_start_dx, yw, 510, yw});
  draw_segment(p, o, {300, 350, 510, 350});
  draw_segment(p, o, {500, 50, 500, sketch.depth_split_dy});
  draw_segment(p, o, {500, sketch.depth_split_dy, 500, 350});

  frame::draw_window_water_surface(p, o, kCentreDx, sketch.water_surface);

  for (const WindowLabel& label : sketch.labels)
    p.draw_text(o.x0 + label.dx, o.y0 + label.dy, label.text, rt::TextAngle::QuarterTurn);
}

void Graph(frame::MainModule& main, GraphProcedure draw) {
  rt::Control picture = main.main_form.control("picture1");
  draw(picture);
}

}  // namespace culvert

namespace culvert::palwick {
void GRAPH_O(rt::Control& picture) {
  picture.draw([](rt::Printer& p) { draw_pipe_window_sketch(p, palwick_window_sketch()); });
}
}  // namespace culvert::palwick

namespace culvert::soberin {
void GRAPH_O(rt::Control& picture) {
  picture.draw([](rt::Printer& p) { draw_pipe_window_sketch(p, soberin_window_sketch()); });
}
}  // namespace culvert::soberin
