// The spring (jumpd: 5 extension frames with masks) and the tool icons (commandbox at 32 pixels,
// commandboxx at 24): hammer, broom, spring, ice block, then the green-cornered selection frame
// and its mask.
#include <cmath>

#include "blocks.h"
#include "palette.h"
#include "sheets.h"

namespace art {

namespace {

using namespace pal;

// The spring standing on the floor, its top plate at `top` (the sprite is drawn 12 pixels low,
// so its rows 20-31 lie over the floor tile and stay empty). The coil is drawn as turns of wire,
// one bright and one shaded row each, so it reads as a coil at every extension.
Canvas Spring(int top) {
  Canvas cv(32, 32);
  const int base = 16;
  for (int y = top + 3; y < base; ++y) {
    const int phase = (base - 1 - y) % 3;  // front wire, back wire, gap
    if (phase == 2) continue;
    for (int x = 9; x <= 22; ++x) {
      if (phase == 1 && (x == 9 || x == 22)) continue;
      Rgb c = phase == 0 ? kYellow : Scale(kGold, 0.8f);
      if (phase == 0 && x < 13) c = Mix(kYellow, kWhite, 0.5f);
      if (phase == 0 && x > 19) c = kGold;
      cv.Plot(x, y, c);
    }
  }
  cv.Outline();
  Figure plates;
  plates.Box(5, base, 27, 20, MakeTone(kSteel));
  plates.Box(4, static_cast<float>(top), 28, float(top) + 3.f, MakeTone(kRed));
  cv.Draw(plates);
  return cv;
}

Figure Hammer() {
  Figure f;
  f.Limb({8, 25}, {19, 12}, 1.5f, MakeTone(kWood));
  f.Limb({14.5f, 6.5f}, {25, 15.5f}, 3.6f, MakeTone(Rgb{226, 66, 60}));
  return f;
}

Figure Broom() {
  Figure f;
  f.Limb({24, 5}, {11, 22}, 1.3f, MakeTone(kWood));
  f.Ellipse({10, 23.5f}, 4.2f, 9.f, MakeTone(Rgb{84, 120, 226}), 38);
  f.Limb({5, 18.5f}, {14.5f, 29}, 0.7f, MakeTone(Rgb{170, 196, 255})).NoOutline();
  return f;
}

Figure SpringIcon() {
  Figure f;
  const Tone coil = MakeTone(kYellow);
  for (int i = 0; i < 4; ++i) {
    const float y = 23 - float(i) * 4.f;
    f.Limb({10, y}, {22, y - 2}, 1.1f, coil);
    f.Limb({22, y - 2}, {10, y - 4}, 1.1f, MakeTone(kGold));
  }
  f.Box(6, 23, 26, 27, MakeTone(kSteel));
  f.Box(6, 4, 26, 8, MakeTone(kRed));
  return f;
}

Figure IceCube() {
  Figure f;
  f.Poly({{6, 11}, {16, 6}, {26, 11}, {26, 23}, {16, 28}, {6, 23}}, MakeTone(Rgb{120, 196, 240}));
  f.Poly({{6, 11}, {16, 16}, {26, 11}, {16, 6}}, FlatTone(Rgb{200, 238, 255}));
  f.Poly({{16, 16}, {26, 11}, {26, 23}, {16, 28}}, FlatTone(Rgb{78, 146, 214}));
  f.Limb({9, 13.5f}, {9, 20}, 0.6f, FlatTone(kWhite)).NoOutline();
  return f;
}

// A tool icon on a dark blue button.
void Icon(Image& sheet, int slot, int cell, const Figure& f) {
  const int x = slidestone::ToolIcons(cell).X(slot);
  DrawBlock(sheet, x, 0, cell, cell, MakeBlockTone(Rgb{36, 50, 104}, Rgb{14, 16, 36}), cell / 16);
  Canvas cv(cell, cell);
  Xform xf;
  xf.pivot = {0, 0};
  xf.sx = xf.sy = float(cell) / 32.f;
  cv.Draw(f, xf);
  sheet.Blit(cv.Sprite(), 0, 0, cell, cell, x, 0, true);
}

// Green brackets in the four corners, drawn as a sprite with its mask one cell to the right.
void SelectionFrame(Image& sheet, int cell) {
  Canvas cv(cell, cell);
  const int len = cell == 32 ? 10 : 8, thick = cell == 32 ? 3 : 2;
  const Rgb green{96, 240, 96}, light{196, 255, 180};
  for (int corner = 0; corner < 4; ++corner) {
    const bool right = corner & 1, bottom = corner & 2;
    for (int i = 0; i < len; ++i)
      for (int t = 0; t < thick; ++t) {
        const int a = right ? cell - 1 - i : i, b = bottom ? cell - 1 - t : t;
        const Rgb c = (t == 0) ? light : green;
        cv.Plot(a, b, c);  // along the top or bottom edge
        cv.Plot(bottom ? cell - 1 - t : t, right ? cell - 1 - i : i, c);
      }
  }
  // A dark inner line keeps the brackets visible on light icons.
  Canvas lined = cv;
  for (int y = 1; y < cell - 1; ++y)
    for (int x = 1; x < cell - 1; ++x)
      if (!cv.Covered(x, y) && (cv.Covered(x - 1, y) || cv.Covered(x, y - 1) || cv.Covered(x + 1, y) || cv.Covered(x, y + 1)))
        lined.Plot(x, y, Rgb{14, 60, 20});
  PutSprite(sheet, lined, slidestone::CursorFrame(cell));
}

}  // namespace

Image MakeJumpd() {
  Image sheet(320, 32);
  const int tops[5] = {11, 8, 6, 3, 1};
  const slidestone::SheetRun& spring = slidestone::kSpring;
  for (int k = 0; k < spring.count; ++k) PutSprite(sheet, Spring(tops[k]), spring, k);
  return sheet;
}

Image MakeCommandbox(int cell) {
  Image sheet(6 * cell, cell);
  Icon(sheet, 0, cell, Hammer());
  Icon(sheet, 1, cell, Broom());
  Icon(sheet, 2, cell, SpringIcon());
  Icon(sheet, 3, cell, IceCube());
  SelectionFrame(sheet, cell);
  return sheet;
}

}  // namespace art
