// The pieces that the compound-section sketches are drawn from, in the
// window and on the sheet: the outline of the main channel, the berms and
// the outer banks, the width dimensions under it, the lines that divide the
// flow areas above the water, and the water surface with its mark and
// strokes. Every point is an offset from the sketch's origin; the sketches
// are fixed figures, never scaled to the inputs or results.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "compound/main_channel.hpp"
#include "frame/sketch.hpp"
#include "runtime/printer/printer.hpp"

namespace compound {

using frame::draw_segment;
using frame::draw_segments;
using frame::Origin;
using frame::Segment;

// A text at (dx, dy) from the origin, level or turned to read upward.
struct SketchText {
  std::string text;
  double dx, dy;
  rt::TextAngle angle = rt::TextAngle::Level;
};

void draw_text(rt::Printer& p, Origin o, const SketchText& t);

// The section of one program, as both of its sketches draw it.
struct SectionShape {
  // Left bank, left berm floor, left wall, bed, right wall, right berm
  // floor, right bank: drawn with the thick pen.
  std::vector<Segment> outline;
  // Bed width B: its extension lines (the trapezoid only; the rectangle's
  // walls stand on the berm-width extension lines) and its dimension line.
  std::vector<Segment> bed_width;
  // Left berm width w: extension lines and dimension line.
  std::vector<Segment> left_berm_width;
  // Right berm width w: extension lines, broken where the bed-level line
  // crosses them, and dimension line.
  std::vector<Segment> right_berm_width;
};

const SectionShape& section_shape(MainChannel channel);

// The lines that divide the flow areas ①, ② and ③ above the water: the
// dividers over the two wall tops, the span line of the areas and its two
// ends. The window continues the dividers below the water line, dotted, down
// to the berm edges. `after_span_and_ends`, when given, are texts drawn right
// after the span line, its left end and its right end.
enum class DividerContinuations { dotted, none };
void draw_area_division(rt::Printer& p, Origin o, DividerContinuations continuations,
                        const std::array<SketchText, 3>* after_span_and_ends);

// The water surface: a small triangle pointing down onto the water line, the
// line itself, and eight level strokes under the triangle.
void draw_water_surface(rt::Printer& p, Origin o);

}  // namespace compound
