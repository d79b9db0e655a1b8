#include "graphics/overdraw.h"

#include <algorithm>

namespace slidestone {

namespace {

void RestoreRects(const DrawLog& log, Surface& picture, const Surface& background, const Rect& area) {
  for (int i = 0; i < log.count; ++i) {
    const Rect& r = log.rects[size_t(i)];
    const int x0 = std::max(r.x, area.x), y0 = std::max(r.y, area.y);
    const int x1 = std::min(r.x + r.w, area.x + area.w), y1 = std::min(r.y + r.h, area.y + area.h);
    if (x1 > x0 && y1 > y0) Copy(picture, x0, y0, x1 - x0, y1 - y0, background, x0, y0);
  }
}

}  // namespace

void RestoreBackground(Overdraw& o, Surface& picture, const Surface& background, const Rect& area) {
  const bool allNoted = o.known && picture.AttachedDrawLog() == &o.pictureTouched &&
                        background.AttachedDrawLog() == &o.backgroundTouched && !o.drawn.overflowed &&
                        !o.pictureTouched.overflowed && !o.backgroundTouched.overflowed;
  if (!allNoted) {
    Copy(picture, area.x, area.y, area.w, area.h, background, area.x, area.y);
    return;
  }
  // What was drawn outside the area stays, as it would under a whole copy of the area. The
  // copies below are noted in pictureTouched too, which the next EndOverdraw clears.
  const DrawLog drawnOver = o.drawn, touched = o.pictureTouched, underneath = o.backgroundTouched;
  RestoreRects(drawnOver, picture, background, area);
  RestoreRects(touched, picture, background, area);
  RestoreRects(underneath, picture, background, area);
}

void BeginOverdraw(Overdraw& o, Surface& picture) {
  o.drawn.Clear();
  picture.AttachDrawLog(&o.drawn);
}

void EndOverdraw(Overdraw& o, Surface& picture, Surface& background) {
  o.pictureTouched.Clear();
  picture.AttachDrawLog(&o.pictureTouched);
  o.backgroundTouched.Clear();
  background.AttachDrawLog(&o.backgroundTouched);
  o.known = true;
}

}  // namespace slidestone
