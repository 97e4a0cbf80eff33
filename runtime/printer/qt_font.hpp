// The Qt font for a font of the programs (runtime-internal; the window code
// shares it for its labels and edits).
#pragma once

#include <QFont>

#include "runtime/printer/draw_ops.hpp"

namespace rt {

// `face` is mapped to its installed stand-in; the character height (the em)
// is `pixel_height` units of the painter's coordinates.
QFont qt_font(const FontSpec& font, int pixel_height);

}  // namespace rt
