// Toy-block drawing: bevelled plastic blocks lit from the top-left, used by tiles, icons, panels
// and backdrops alike so they all share one look.
#pragma once

#include "image.h"

namespace art {

struct BlockTone {
  Rgb face, light, dark, line;
};
BlockTone MakeBlockTone(Rgb face, Rgb line = Rgb{24, 18, 36});

// A bevelled block filling (x, y, w, h): a 1-pixel line round it, lit top and left edges, shaded
// bottom and right edges. round = leave the four corner pixels untouched.
void DrawBlock(Image& img, int x, int y, int w, int h, const BlockTone& t, int bevel = 2, bool round = false);
// A round stud on top of a block (the knob of a toy brick): its cap spans (x, y, w, h).
void DrawStud(Image& img, int x, int y, int w, int h, const BlockTone& t);
// Snow lying on a block's top edge: covers rows y..y+depth with a soft lumpy underside.
void DrawSnowCap(Image& img, int x, int y, int w, int seed);

}  // namespace art
