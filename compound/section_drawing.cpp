#include "compound/section_drawing.hpp"

namespace compound {

void draw_text(rt::Printer& p, Origin o, const SketchText& t) {
  p.draw_text(o.x0 + t.dx, o.y0 + t.dy, t.text, t.angle);
}

// clang-format off
const SectionShape& section_shape(MainChannel channel) {
  static const SectionShape trapezoid{
      .outline = {{-180, -30, -60, 90}, {-60, 90, 70, 100}, {70, 100, 120, 295}, {120, 300, 325, 300},
                  {330, 300, 380, 100}, {380, 100, 510, 90}, {510, 90, 630, -30}},
      .bed_width = {{120, 320, 120, 430}, {330, 320, 330, 430}, {120, 420, 330, 420}},
      .left_berm_width = {{-60, 110, -60, 430}, {70, 120, 70, 430}, {-60, 420, 70, 420}},
      .right_berm_width = {{380, 120, 380, 290}, {380, 310, 380, 430}, {510, 110, 510, 290}, {510, 310, 510, 430},
                           {380, 420, 510, 420}},
  };
  static const SectionShape rectangle{
      .outline = {{-180, -30, -60, 90}, {-60, 90, 70, 100}, {70, 100, 70, 295}, {70, 300, 375, 300},
                  {380, 300, 380, 100}, {380, 100, 510, 90}, {510, 90, 630, -30}},
      .bed_width = {{70, 420, 380, 420}},
      .left_berm_width = {{-60, 110, -60, 430}, {70, 310, 70, 430}, {-60, 420, 70, 420}},
      .right_berm_width = trapezoid.right_berm_width,
  };
  return channel == MainChannel::trapezoid ? trapezoid : rectangle;
}
// clang-format on

void draw_area_division(rt::Printer& p, Origin o, DividerContinuations continuations,
                        const std::array<SketchText, 3>* after_span_and_ends) {
  const bool dotted = continuations == DividerContinuations::dotted;
  const auto continuation = [&](double dx) {
    p.set_line_style(rt::LineStyle::Dot);
    draw_segment(p, o, {dx, 40, dx, 90});
    p.set_line_style(rt::LineStyle::Solid);
  };
  const auto text = [&](std::size_t k) {
    if (after_span_and_ends) draw_text(p, o, (*after_span_and_ends)[k]);
  };
  draw_segment(p, o, {70, -130, 70, 20});
  if (dotted) continuation(70);
  draw_segment(p, o, {380, -130, 380, 20});
  if (dotted) continuation(380);
  draw_segment(p, o, {-120, -120, 570, -120});
  text(0);
  draw_segment(p, o, {-120, -130, -120, 20});
  text(1);
  draw_segment(p, o, {570, -130, 570, 20});
  text(2);
}

void draw_water_surface(rt::Printer& p, Origin o) {
  frame::draw_window_water_surface(p, o, 225, {-120, 30, 570, 30});
}

}  // namespace compound
