#include <cmath>

#include "sheets.h"

namespace art {

std::vector<V2> Arc(V2 c, float rx, float ry, float a0, float a1, int steps) {
  std::vector<V2> pts;
  for (int i = 0; i <= steps; ++i) {
    const float a = (a0 + (a1 - a0) * float(i) / float(steps)) * 3.14159265f / 180.f;
    pts.push_back({c.x + rx * std::cos(a), c.y + ry * std::sin(a)});
  }
  return pts;
}

}  // namespace art
