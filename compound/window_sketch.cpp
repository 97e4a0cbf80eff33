#include "compound/window_sketch.hpp"

#include "compound/section_drawing.hpp"

namespace compound {

namespace {

constexpr Origin kWindowOrigin{220, 250};
constexpr rt::TextAngle kTurned = rt::TextAngle::QuarterTurn;

// The depths at the right of the figure: extension lines at the water
// level, the berm edges, the wall tops and the bed, and the dimension lines
// of h2, h3 and h1 and of H.
const std::vector<Segment> kDepthLines = {{590, 30, 730, 30},   {530, 90, 650, 90},  {400, 100, 650, 100},
                                          {350, 300, 730, 300}, {640, 30, 640, 300}, {720, 30, 720, 300}};

}  // namespace

void draw_window_sketch(rt::Printer& p, MainChannel channel) {
  const Origin o = kWindowOrigin;
  const SectionShape& shape = section_shape(channel);
  p.set_pen_width(5);
  draw_segments(p, o, shape.outline);

  p.set_pen_width(1);
  draw_segments(p, o, shape.bed_width);
  draw_text(p, o, {"B", 215, 385});
  draw_segments(p, o, shape.left_berm_width);
  draw_text(p, o, {"w", -10, 385});
  draw_segments(p, o, shape.right_berm_width);
  draw_text(p, o, {"w", 440, 385});

  draw_segments(p, o, kDepthLines);
  for (const SketchText& t : {SketchText{"H", 685, 180, kTurned}, SketchText{"h1", 600, 220, kTurned},
                              SketchText{"h2", 600, 75, kTurned}, SketchText{"h3", 650, 112, kTurned}})
    draw_text(p, o, t);

  const std::array<SketchText, 3> areas = {SketchText{"①", 210, -160}, SketchText{"②", -35, -160},
                                           SketchText{"③", 460, -160}};
  draw_area_division(p, o, DividerContinuations::dotted, &areas);
  draw_water_surface(p, o);

  if (channel == MainChannel::trapezoid) draw_text(p, o, {"1:m", 120, 180});
  for (const SketchText& t : {SketchText{"m1", -10, 55}, SketchText{"m1", 430, 55}, SketchText{"1:m2", -110, -20},
                              SketchText{"1:m3", 490, -20}, SketchText{"n1", 215, 310}, SketchText{"n2", -10, 110},
                              SketchText{"n2", 430, 110}, SketchText{"n3", -200, -10}, SketchText{"n4", 610, -10}})
    draw_text(p, o, t);
}

void GRAPH_V(rt::Control& picture, MainChannel channel) {
  picture.draw([channel](rt::Printer& p) { draw_window_sketch(p, channel); });
}

void Graph(frame::MainModule& main, MainChannel channel) {
  rt::Control picture = main.main_form.control("picture1");
  GRAPH_V(picture, channel);
}

}  // namespace compound
