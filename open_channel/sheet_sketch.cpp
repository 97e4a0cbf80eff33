#include "open_channel/sheet_sketch.hpp"

#include <string>

#include "frame/number_display.hpp"

namespace open_channel {

using frame::draw_segment;
using frame::draw_segments;

// clang-format off
const SheetSketchShape kTrapezoidSteep{
    .outline = {{{160, 200, 260, 500}, {265, 500, 585, 500}, {590, 500, 690, 200}}},
    .total_height = {{{0, 200, 140, 200}, {0, 500, 240, 500}, {20, 200, 20, 500}}},
    .bottom_width = {{{260, 520, 260, 700}, {590, 520, 590, 700}, {260, 680, 590, 680}}},
    .top_right = {710, 200, 850, 200},
    .water_level_right = {670, 300, 850, 300},
    .bottom_right = {610, 500, 850, 500},
    .freeboard_dimension = {830, 200, 830, 300},
    .depth_dimension = {830, 300, 830, 500},
    .surface_width = {{{200, 0, 200, 280}, {650, 0, 650, 280}, {200, 20, 650, 20}}},
    .water_surface = {200, 300, 650, 300},
};

const SheetSketchShape kTrapezoidFlat{
    .outline = {{{130, 200, 320, 500}, {325, 500, 525, 500}, {530, 500, 720, 200}}},
    .total_height = {{{0, 200, 110, 200}, {0, 500, 300, 500}, {20, 200, 20, 500}}},
    .bottom_width = {{{320, 520, 320, 700}, {530, 520, 530, 700}, {320, 680, 530, 680}}},
    .top_right = {740, 200, 850, 200},
    .water_level_right = {670, 300, 850, 300},
    .bottom_right = {550, 500, 850, 500},
    .freeboard_dimension = {830, 200, 830, 300},
    .depth_dimension = {830, 300, 830, 500},
    .surface_width = {{{200, 0, 200, 280}, {650, 0, 650, 280}, {200, 20, 650, 20}}},
    .water_surface = {200, 300, 650, 300},
};

const SheetSketchShape kRectangle{
    .outline = {{{200, 200, 200, 495}, {200, 500, 645, 500}, {650, 500, 650, 200}}},
    .total_height = {{{0, 200, 180, 200}, {0, 500, 180, 500}, {20, 200, 20, 500}}},
    .bottom_width = {{{200, 520, 200, 700}, {650, 520, 650, 700}, {200, 680, 650, 680}}},
    .top_right = {670, 200, 850, 200},
    .water_level_right = {670, 300, 850, 300},
    .bottom_right = {670, 500, 850, 500},
    .freeboard_dimension = {830, 200, 830, 300},
    .depth_dimension = {830, 300, 830, 500},
    .surface_width = {{{200, 0, 200, 180}, {650, 0, 650, 180}, {200, 20, 650, 20}}},
    .water_surface = {200, 300, 650, 300},
};
// clang-format on

const SheetSketchShape& trapezoid_shape(Single m) { return m < 1 ? kTrapezoidSteep : kTrapezoidFlat; }

void draw_sheet_sketch(rt::Printer& p, Origin o, const SheetSketchShape& shape, Freeboard freeboard,
                       std::initializer_list<SketchLabel> labels) {
  const bool with_freeboard = freeboard == Freeboard::drawn;
  p.set_pen_width(10);
  draw_segments(p, o, shape.outline);
  p.set_pen_width(1);
  if (with_freeboard) draw_segments(p, o, shape.total_height);
  draw_segments(p, o, shape.bottom_width);
  if (with_freeboard) draw_segment(p, o, shape.top_right);
  draw_segment(p, o, shape.water_level_right);
  draw_segment(p, o, shape.bottom_right);
  if (with_freeboard) draw_segment(p, o, shape.freeboard_dimension);
  draw_segment(p, o, shape.depth_dimension);
  draw_segments(p, o, shape.surface_width);
  draw_segment(p, o, shape.water_surface);
  frame::draw_sheet_water_mark(p, o, 425, 300);

  for (const SketchLabel& label : labels) {
    p.draw_text(o.x0 + label.dx, o.y0 + label.dy, std::string(label.text) + frame::CHR_TO_STR(label.value),
                label.angle);
  }
}

}  // namespace open_channel
