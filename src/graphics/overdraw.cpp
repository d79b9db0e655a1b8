#include "graphics/overdraw.h"

#include <algorithm>

namespace slidestone {

void RestoreBackground(Overdraw& o, Surface& picture, const Surface& background, const Rect& area) {
  const bool onlyDrawn = o.known && !o.drawn.overflowed && background.Writes() == o.backgroundWrites &&
                         picture.Writes() == o.pictureWrites;
  if (!onlyDrawn) {
    Copy(picture, area.x, area.y, area.w, area.h, background, area.x, area.y);
    return;
  }
  // What was drawn outside the area stays, as it would under a whole copy of the area.
  for (int i = 0; i < o.drawn.count; ++i) {
    const Rect& r = o.drawn.rects[size_t(i)];
    const int x0 = std::max(r.x, area.x), y0 = std::max(r.y, area.y);
    const int x1 = std::min(r.x + r.w, area.x + area.w), y1 = std::min(r.y + r.h, area.y + area.h);
    if (x1 > x0 && y1 > y0) Copy(picture, x0, y0, x1 - x0, y1 - y0, background, x0, y0);
  }
}

void BeginOverdraw(Overdraw& o, Surface& picture) {
  o.drawn.Clear();
  picture.AttachDrawLog(&o.drawn);
}

void EndOverdraw(Overdraw& o, Surface& picture, const Surface& background) {
  picture.AttachDrawLog(nullptr);
  o.backgroundWrites = background.Writes();
  o.pictureWrites = picture.Writes();
  o.known = true;
}

}  // namespace slidestone
