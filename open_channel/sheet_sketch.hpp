// The section sketch of section "（３）断面形状" on the sheets of velmora and
// drasin: one drawing routine and a table per shape (velmora's steep and flat
// trapezoids, drasin's rectangle), with the labels each page writes beside
// its dimension lines. The page prints its empty lines after it.
#pragma once

#include <array>
#include <initializer_list>
#include <string_view>

#include "frame/sketch.hpp"
#include "runtime/number.hpp"

namespace open_channel {

using frame::Origin;
using frame::Segment;
using rt::Single;

// The segments of a sheet sketch, in drawing order; the parts marked
// "freeboard" are drawn only on the pages that print a freeboard.
struct SheetSketchShape {
  std::array<Segment, 3> outline;        // left side, bottom, right side (thick pen)
  std::array<Segment, 3> total_height;   // freeboard: left extension lines, dimension line
  std::array<Segment, 3> bottom_width;   // extension lines, dimension line
  Segment top_right;                     // freeboard: extension line of the top at the right
  Segment water_level_right;             // extension line of the water level at the right
  Segment bottom_right;                  // extension line of the bottom at the right
  Segment freeboard_dimension;           // freeboard
  Segment depth_dimension;
  std::array<Segment, 3> surface_width;  // extension lines, dimension line
  Segment water_surface;
};

extern const SheetSketchShape kTrapezoidSteep;  // velmora, m < 1
extern const SheetSketchShape kTrapezoidFlat;   // velmora, m ≥ 1
extern const SheetSketchShape kRectangle;       // drasin

// velmora's shape for the side slope m: steep below 1, flat from 1 on.
const SheetSketchShape& trapezoid_shape(Single m);

enum class Freeboard { drawn, not_drawn };

// A label: its fixed text followed by the value as CHR_TO_STR writes it,
// at (dx, dy) from the origin, level (widths) or turned to read upward
// (heights). A label of a sum receives the sum formed as a single.
struct SketchLabel {
  std::string_view text;
  Single value;
  double dx, dy;
  rt::TextAngle angle;
};

inline constexpr rt::TextAngle kLevel = rt::TextAngle::Level;
inline constexpr rt::TextAngle kTurned = rt::TextAngle::QuarterTurn;

// The empty lines a page of velmora or drasin prints after its sketch,
// counted from the last label (the surface width at dy −20): the heading
// "（４）計算" follows at y0 + 721.
inline constexpr int kLinesBelowSketch = 19;

// Draws the sketch at the origin: the outline with pen width 10, the rest
// with pen width 1, then the labels in their order, in the current font.
void draw_sheet_sketch(rt::Printer& p, Origin origin, const SheetSketchShape& shape, Freeboard freeboard,
                       std::initializer_list<SketchLabel> labels);

}  // namespace open_channel
