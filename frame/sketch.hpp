// The parts every section sketch is drawn from, in the window and on the
// sheets of all six programs: straight segments given as offsets from the
// sketch's origin, and the water surface's mark with the level strokes
// under it. The sketches are fixed figures, never scaled to the inputs or
// results.
#pragma once

#include <array>
#include <span>

#include "runtime/printer/printer.hpp"

namespace frame {

// A segment from (x1, y1) to (x2, y2), offsets from the origin of its sketch.
struct Segment {
  double x1, y1, x2, y2;
};

// The origin of a sketch on its drawing surface.
struct Origin {
  double x0, y0;
};

void draw_segment(rt::Printer& p, Origin o, const Segment& s);
void draw_segments(rt::Printer& p, Origin o, std::span<const Segment> segments);

// Eight level strokes under the water surface, one every 10 units from
// `first_dy` down, centred on `centre_dx`, each `half_lengths[k]` to either
// side; the last ones have no length and are drawn as single points.
void draw_water_strokes(rt::Printer& p, Origin o, double centre_dx, double first_dy,
                        const std::array<double, 8>& half_lengths);

// The water surface of a window sketch (and of the compound sheet's
// figures): a small triangle of three segments pointing down onto the
// surface at `mark_dx`, the surface line itself, and the short strokes
// under the mark.
void draw_window_water_surface(rt::Printer& p, Origin o, double mark_dx, const Segment& surface);

// The water mark of a sheet sketch at (`mark_dx`, `water_dy`): a small
// triangle standing on the surface, drawn from the current point with
// relative lines, and the long strokes under it. The surface line is the
// sketch's own.
void draw_sheet_water_mark(rt::Printer& p, Origin o, double mark_dx, double water_dy);

}  // namespace frame
