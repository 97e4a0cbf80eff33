#include "frame/sketch.hpp"

namespace frame {

void draw_segment(rt::Printer& p, Origin o, const Segment& s) {
  p.line(o.x0 + s.x1, o.y0 + s.y1, o.x0 + s.x2, o.y0 + s.y2);
}

void draw_segments(rt::Printer& p, Origin o, std::span<const Segment> segments) {
  for (const Segment& s : segments) draw_segment(p, o, s);
}

void draw_water_strokes(rt::Printer& p, Origin o, double centre_dx, double first_dy,
                        const std::array<double, 8>& half_lengths) {
  for (std::size_t k = 0; k < half_lengths.size(); ++k) {
    const double dy = first_dy + 10.0 * static_cast<double>(k);
    draw_segment(p, o, {centre_dx - half_lengths[k], dy, centre_dx + half_lengths[k], dy});
  }
}

void draw_window_water_surface(rt::Printer& p, Origin o, double mark_dx, const Segment& surface) {
  const double yw = surface.y1;
  draw_segment(p, o, {mark_dx, yw, mark_dx + 15, yw - 20});
  draw_segment(p, o, {mark_dx + 15, yw - 20, mark_dx - 15, yw - 20});
  draw_segment(p, o, {mark_dx - 15, yw - 20, mark_dx, yw});
  draw_segment(p, o, surface);
  draw_water_strokes(p, o, mark_dx, yw + 10, {80, 40, 18, 10, 5, 3, 0, 0});
}

void draw_sheet_water_mark(rt::Printer& p, Origin o, double mark_dx, double water_dy) {
  p.move_to(o.x0 + mark_dx, o.y0 + water_dy);
  p.line_relative(15, -15);
  p.line_relative(-30, 0);
  p.line_relative(15, 15);
  draw_water_strokes(p, o, mark_dx, water_dy + 10, {100, 60, 30, 20, 10, 5, 0, 0});
}

}  // namespace frame
