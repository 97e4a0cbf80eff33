// The pieces the pipe sketches are drawn from, in the window and on the
// sheets: straight segments given as offsets from the sketch's origin, and
// the level strokes under the water surface. The sketches are fixed figures,
// never scaled to the inputs or results.
#pragma once

#include <array>

#include "runtime/printer/printer.hpp"

namespace culvert {

// A segment from (x1, y1) to (x2, y2), offsets from the origin of its sketch.
struct Segment {
  double x1, y1, x2, y2;
};

// The origin of a sketch on its drawing surface.
struct Origin {
  double x0, y0;
};

inline void draw_segment(rt::Printer& p, Origin o, const Segment& s) {
  p.line(o.x0 + s.x1, o.y0 + s.y1, o.x0 + s.x2, o.y0 + s.y2);
}

// Eight level strokes under the water surface, one every 10 units from
// `first_dy` down, centred on `centre_dx`, each `half_lengths[k]` to either
// side; the last ones have no length and are drawn as single points.
inline void draw_water_strokes(rt::Printer& p, Origin o, double centre_dx, double first_dy,
                               const std::array<double, 8>& half_lengths) {
  for (std::size_t k = 0; k < half_lengths.size(); ++k) {
    const double dy = first_dy + 10.0 * static_cast<double>(k);
    draw_segment(p, o, {centre_dx - half_lengths[k], dy, centre_dx + half_lengths[k], dy});
  }
}

}  // namespace culvert
