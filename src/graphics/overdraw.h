// A picture kept as a clean background with a few things drawn over it: the play field with its
// figures, the sheet of the house shot with the house, its lines and the stone. While neither the
// picture nor its background has been drawn into by anything else since the last redraw, the two
// differ only where that redraw drew, so bringing the background back there is enough.
#pragma once

#include <cstdint>

#include "graphics/surface.h"

namespace slidestone {

struct Overdraw {
  DrawLog drawn;                // what the last redraw drew over the background
  uint64_t backgroundWrites = 0;  // the write counts of both surfaces right after it
  uint64_t pictureWrites = 0;
  bool known = false;
};

// Makes `area` of the picture equal to the same rectangle of the background: only the
// rectangles the last redraw drew, when nothing else has touched either surface since, else the
// whole area.
void RestoreBackground(Overdraw& o, Surface& picture, const Surface& background, const Rect& area);

// Around the drawing over the background: everything drawn into the picture in between is noted.
void BeginOverdraw(Overdraw& o, Surface& picture);
void EndOverdraw(Overdraw& o, Surface& picture, const Surface& background);

}  // namespace slidestone
