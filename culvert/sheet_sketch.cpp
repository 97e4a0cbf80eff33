#include "culvert/sheet_sketch.hpp"

#include <string>

#include "frame/number_display.hpp"

namespace culvert {

using frame::draw_segment;

namespace {

constexpr double kCentreDx = 425, kCentreDy = 350;
constexpr double kPipeRadius = 200, kArcRadius = 50;
constexpr double kLabelDx = 790;

}  // namespace

// clang-format off
const PipeSheetSketch kPipeHigh{
    .water_dy = 300, .extension_start_dx = 670, .water_surface = {230, 300, 620, 300},
    .radius_end_left_dx = 230, .radius_end_right_dx = 620, .arc_start = 0.96, .arc_end = 0.54,
    .theta_dx = 410, .theta_dy = 410, .depth_label_dy = 500, .freeboard_label_dy = 300,
};

const PipeSheetSketch kPipeLow{
    .water_dy = 400, .extension_start_dx = 670, .water_surface = {230, 400, 620, 400},
    .radius_end_left_dx = 230, .radius_end_right_dx = 620, .arc_start = 0.04, .arc_end = 0.46,
    .theta_dx = 410, .theta_dy = 350, .depth_label_dy = 550, .freeboard_label_dy = 350,
};

const PipeSheetSketch kPipeNearlyFull{
    .water_dy = 300 - 80, .extension_start_dx = 600, .water_surface = {270, 220, 580, 220},
    .radius_end_left_dx = 277, .radius_end_right_dx = 573, .arc_start = 0.89, .arc_end = 0.61,
    .theta_dx = 410, .theta_dy = 410, .depth_label_dy = 440, .freeboard_label_dy = 260,
};
// clang-format on

const PipeSheetSketch& pipe_shape(Single depth, Single D) { return depth >= D / 2 ? kPipeHigh : kPipeLow; }

void draw_pipe_sheet_sketch(rt::Printer& p, Origin o, const PipeSheetSketch& shape, const PipeSketchLabels& labels) {
  const double yw = shape.water_dy;
  const double cx = o.x0 + kCentreDx, cy = o.y0 + kCentreDy;

  p.set_pen_width(10);
  p.circle(cx, cy, kPipeRadius);
  p.set_pen_width(1);

  // Diameter on the left; the horizontal lines touch the top and the bottom
  // of the pipe.
  draw_segment(p, o, {0, 150, 330, 150});
  draw_segment(p, o, {0, 550, 330, 550});
  draw_segment(p, o, {20, 150, 20, 550});

  // Freeboard and depth on the right, meeting at the middle of the pipe
  // whatever the water level.
  draw_segment(p, o, {520, 150, 850, 150});
  draw_segment(p, o, {shape.extension_start_dx, yw, 850, yw});
  draw_segment(p, o, {520, 550, 850, 550});
  draw_segment(p, o, {830, 150, 830, 300});
  draw_segment(p, o, {830, 300, 830, 550});

  draw_segment(p, o, shape.water_surface);

  // The central angle: dashed radii to the ends of the surface, and the arc
  // between them along the wetted part.
  p.set_line_style(rt::LineStyle::Dash);
  p.line(cx, cy, o.x0 + shape.radius_end_left_dx, o.y0 + yw);
  p.line(cx, cy, o.x0 + shape.radius_end_right_dx, o.y0 + yw);
  p.set_line_style(rt::LineStyle::Solid);
  p.arc(cx, cy, kArcRadius, shape.arc_start, shape.arc_end);
  p.draw_text(o.x0 + shape.theta_dx, o.y0 + shape.theta_dy, "θ");

  frame::draw_sheet_water_mark(p, o, kCentreDx, yw);

  const auto label = [&](std::string_view text, Single value, double dx, double dy) {
    p.draw_text(o.x0 + dx, o.y0 + dy, std::string(text) + frame::CHR_TO_STR(value), rt::TextAngle::QuarterTurn);
  };
  label("D=", labels.D, -20, 420);
  label(labels.depth_text, labels.depth, kLabelDx, shape.depth_label_dy);
  label(labels.freeboard_text, labels.freeboard, kLabelDx, shape.freeboard_label_dy);
}

void leave_room_for_sketch(frame::Sheet& sheet, Origin origin) {
  sheet.printer().move_to(origin.x0, origin.y0);
  sheet.empty_lines(kLinesBelowSketch);
}

}  // namespace culvert
