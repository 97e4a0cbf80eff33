// The pipe section of section "（３）断面形状" on the sheets of palwick and
// soberin: the pipe wall, the dimension lines of the diameter, the depth and
// the freeboard, the water surface with the dashed radii to its ends and the
// arc of the central angle θ, the water mark and strokes, and the labels
// with their values. A fixed figure: only the water level and the labels
// follow the sheet, by a choice between a few fixed shapes.
#pragma once

#include <string_view>

#include "frame/sheet.hpp"
#include "frame/sketch.hpp"
#include "runtime/number.hpp"

namespace culvert {

using frame::Origin;
using frame::Segment;
using rt::Single;

// What tells the shapes apart; the pipe and its outer dimension lines are
// common. Offsets from the sketch's origin; the pipe centre is (425, 350).
struct PipeSheetSketch {
  double water_dy;            // the water level
  double extension_start_dx;  // start of the water-level extension line on the right
  Segment water_surface;
  double radius_end_left_dx;   // where the dashed radii meet the water level
  double radius_end_right_dx;
  double arc_start, arc_end;  // fractions of a turn from +x towards +y
  double theta_dx, theta_dy;  // "θ"
  double depth_label_dy;      // the turned labels at dx 790
  double freeboard_label_dy;
};

// palwick: the water above the centre when the depth is at least half the
// diameter ("high"), below it otherwise ("low").
extern const PipeSheetSketch kPipeHigh;
extern const PipeSheetSketch kPipeLow;
// soberin: the water near the crown, as at the largest discharge.
extern const PipeSheetSketch kPipeNearlyFull;

// palwick's shape for a depth of the pipe diameter D.
const PipeSheetSketch& pipe_shape(Single depth, Single D);

// The labels: "D=" with the diameter, the depth ("H=" or "Hc=") and the
// freeboard ("Fb=" or "Fbc="), each followed by its value as CHR_TO_STR
// writes it and turned to read upward.
struct PipeSketchLabels {
  Single D;
  std::string_view depth_text;
  Single depth;
  std::string_view freeboard_text;
  Single freeboard;
};

// palwick's and soberin's sheets put the sketch's origin here.
inline constexpr Origin kPalwickSketchOrigin{450, 900};
inline constexpr Origin kSoberinSketchOrigin{450, 910};

// Draws the sketch at the origin in the current font: the pipe wall with pen
// width 10, the rest with pen width 1, the radii dashed.
void draw_pipe_sheet_sketch(rt::Printer& p, Origin origin, const PipeSheetSketch& shape,
                            const PipeSketchLabels& labels);

// The room of the sketch: the print position goes back to the sketch's
// origin and 16 empty lines follow, so the heading "（４）計算" stands at
// y0 + 624 whatever was printed above.
inline constexpr int kLinesBelowSketch = 16;
void leave_room_for_sketch(frame::Sheet& sheet, Origin origin);

}  // namespace culvert
