// A picture kept as a clean background with a few things drawn over it: the play field with its
// figures, the sheet of the house shot with the house, its lines and the stone. Between redraws
// every rectangle drawn into either surface is noted (a tile changing under the figures, a cell
// lit in both), so the two differ only where the last redraw drew or where something was drawn
// since, and bringing the background back there is enough.
#pragma once

#include <cstdint>

#include "graphics/surface.h"

namespace slidestone {

struct Overdraw {
  DrawLog drawn;              // what the last redraw drew over the background
  DrawLog pictureTouched;     // drawn into the picture since, by anything else
  DrawLog backgroundTouched;  // drawn into the background since
  bool known = false;
};

// Makes `area` of the picture equal to the same rectangle of the background: only the rectangles
// noted since the last redraw, or the whole area when they are not all known (too many, a surface
// made anew, another log attached in between).
void RestoreBackground(Overdraw& o, Surface& picture, const Surface& background, const Rect& area);

// Around the drawing over the background: everything drawn into the picture in between is noted
// as drawn over it; after it, the notes of what else is drawn into either surface begin.
void BeginOverdraw(Overdraw& o, Surface& picture);
void EndOverdraw(Overdraw& o, Surface& picture, Surface& background);

// The tests' check of quick redraws, owned by the test and lent to a set of windows: after each
// quick redraw it draws again the slow way, over the whole area brought back from the
// background, and counts it when the two pictures differ.
struct RedrawCheck {
  int mismatches = 0;

  template <class Draw>
  void After(Surface& picture, const Surface& background, const Rect& area, Draw draw) {
    const PixelBuffer quick = picture.Pixels();
    Copy(picture, area.x, area.y, area.w, area.h, background, area.x, area.y);
    draw();
    if (quick != picture.Pixels()) ++mismatches;
  }
};

}  // namespace slidestone
