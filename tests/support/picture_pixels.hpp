// Reads the picture a picture box keeps (saved by the driver's save-picture)
// at points of its sketch.
#pragma once

#include <QImage>

namespace testing_support {

// Whether the picture has a dark pixel at or next to a point of the sketch,
// given in 0.1 mm from the box's corner (96 pixels to the inch).
bool dark_at(const QImage& image, double x, double y);

}  // namespace testing_support
