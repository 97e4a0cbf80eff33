#include "picture_pixels.hpp"

namespace testing_support {

bool dark_at(const QImage& image, double x, double y) {
  const int px = qRound(x * 96 / 254), py = qRound(y * 96 / 254);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (qGray(image.pixel(px + dx, py + dy)) < 100) return true;
  return false;
}

}  // namespace testing_support
