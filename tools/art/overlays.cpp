// char4: the pictures that are ADDED onto the backdrop to make the ice tiles (black adds
// nothing), and the four sparkles that fly up when the hammer clears a tile.
//  row 0, 0-5: the active speed tile, a pane of frosted glass with speed chevrons (0), and the
//              same with a glint sweeping across it (1-5); all grey levels
//  row 0, 6:   the ice block, the spent tile: clearly blue, faceted
//  row 1, 0-2: the ice block cracking; 3-5 the ice block being covered with fresh glass from the top
//  row 1, 6:   four 8 x 8 sparkles at y 32 and their masks at y 40
#include <algorithm>
#include <cmath>

#include "sheets.h"

namespace art {

namespace {

// The active tile: a bevelled pane with a diagonal sheen and two faint chevrons.
Image GlassPane() {
  Image c(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      int v = 30;
      if (y == 0 || x == 0) v = 120;
      else if (y == 31 || x == 31) v = 64;
      else if (y == 1 || x == 1) v = 78;
      else if (y == 30 || x == 30) v = 44;
      const int d = x + y;
      if (x > 1 && y > 1 && x < 30 && y < 30) {
        if (d >= 7 && d <= 10) v += 46;
        if (d == 13) v += 26;
        if (d >= 45 && d <= 46) v += 16;
      }
      c.Set(x, y, Grey(v));
    }
  // Chevrons pointing the way the tile speeds the stone on (both ways: a double chevron pair).
  for (int k = 0; k < 2; ++k) {
    const int cx = 12 + 8 * k;
    for (int t = -5; t <= 5; ++t) {
      const int x = cx + (5 - std::abs(t)) / 2 - 1, y = 16 + t;
      for (int w = 0; w < 2; ++w) c.Set(x + w, y, Add(c.Get(x + w, y), Grey(34)));
    }
  }
  return c;
}

Image GlassGlint(int k) {
  Image c = GlassPane();
  const float centre = -6.f + 10.f * float(k);
  for (int y = 1; y < 31; ++y)
    for (int x = 1; x < 31; ++x) {
      const float d = float(x) + 0.45f * float(y) - centre - 6;
      const float a = std::max(0.f, 1.f - std::fabs(d) / 3.2f);
      if (a > 0) c.Set(x, y, Add(c.Get(x, y), Grey(static_cast<int>(150 * a))));
    }
  return c;
}

// The spent tile: a block of blue ice with facets, frost specks and a bright rim.
Image IceBlock() {
  Image c(32, 32);
  Rng rng(21);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      Rgb v{8, 40, 86};
      if (y == 0 || x == 0) v = {96, 150, 190};
      else if (y == 31 || x == 31) v = {30, 70, 120};
      else if (y == 1 || x == 1) v = {50, 100, 150};
      else {
        // Facets: a lighter upper-left triangle, a deeper lower-right one.
        if (x + y < 22) v = Add(v, Rgb{10, 22, 30});
        if (x - y > 8) v = Add(v, Rgb{0, 10, 18});
        if (x + y == 22 || x - y == 8) v = Add(v, Rgb{30, 50, 60});
        if (x + y >= 6 && x + y <= 8) v = Add(v, Rgb{60, 80, 90});
      }
      c.Set(x, y, v);
    }
  for (int i = 0; i < 14; ++i) {
    const int x = rng.Int(3, 28), y = rng.Int(3, 28);
    c.Set(x, y, Add(c.Get(x, y), Rgb{70, 80, 90}));
  }
  return c;
}

void CrackLine(Image& c, float x0, float y0, float ang, int len, Rng& rng) {
  float x = x0, y = y0;
  for (int i = 0; i < len; ++i) {
    const int ix = static_cast<int>(x), iy = static_cast<int>(y);
    if (ix < 1 || iy < 1 || ix > 30 || iy > 30) break;
    c.Set(ix, iy, Add(c.Get(ix, iy), Rgb{150, 160, 170}));
    ang += (rng.Unit() - 0.5f) * 0.7f;
    x += std::cos(ang), y += std::sin(ang);
  }
}

// The ice block after `stage` blows of the hammer (1-3).
Image Cracked(int stage) {
  Image c = IceBlock();
  Rng rng(40);
  const float sx = 16, sy = 4;  // where the hammer lands
  const int lines = 2 + 3 * stage;
  for (int i = 0; i < lines; ++i) {
    const float ang = 3.14159f * (0.08f + 0.84f * rng.Unit());
    CrackLine(c, sx, sy, ang, 6 + 5 * stage + rng.Int(0, 5), rng);
  }
  if (stage == 3)  // chips knocked off the top edge
    for (int x : {12, 13, 19, 20, 21})
      for (int y = 0; y < 2; ++y) c.Set(x, y, Grey(6));
  return c;
}

// The ice block being covered from the top with fresh glass: rows above `rows` are glass.
Image Covered(int rows) {
  Image c = IceBlock();
  const Image g = GlassPane();
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const int edge = rows + ((x * 7) % 5 == 0 ? 1 : 0) - (x % 9 == 4 ? 1 : 0);
      if (y < edge) c.Set(x, y, g.Get(x, y));
      else if (y == edge) c.Set(x, y, Grey(170));  // the frost front
    }
  return c;
}

void Sparkle(Image& sheet, int f) {
  Canvas cv(8, 8);
  const Rgb core{255, 255, 255}, mid{170, 226, 255}, tip{96, 160, 236};
  auto plus = [&](int r, Rgb c) {
    for (int k = -r; k <= r; ++k) cv.Plot(3 + k, 3, c), cv.Plot(3, 3 + k, c);
  };
  switch (f) {
    case 0:
      plus(1, mid);
      cv.Plot(3, 3, core);
      break;
    case 1:
      plus(2, tip);
      plus(1, mid);
      cv.Plot(3, 3, core);
      break;
    case 2:
      plus(3, tip);
      for (int k = -2; k <= 2; ++k) cv.Plot(3 + k, 3 + k, mid), cv.Plot(3 + k, 3 - k, mid);
      plus(1, core);
      break;
    default:
      for (int k = -1; k <= 1; ++k) cv.Plot(3 + k, 3 + k, tip), cv.Plot(3 + k, 3 - k, tip);
      cv.Plot(3, 3, mid);
      break;
  }
  PutSprite(sheet, cv, 192 + 8 * f, 32, 192 + 8 * f, 40);
}

}  // namespace

Image MakeChar4() {
  Image sheet(224, 64);
  sheet.BlitAll(GlassPane(), 0, 0);
  for (int k = 1; k <= 5; ++k) sheet.BlitAll(GlassGlint(k), 32 * k, 0);
  sheet.BlitAll(IceBlock(), 192, 0);
  for (int s = 1; s <= 3; ++s) sheet.BlitAll(Cracked(s), 32 * (s - 1), 32);
  for (int k = 1; k <= 3; ++k) sheet.BlitAll(Covered(8 * k), 96 + 32 * (k - 1), 32);
  for (int f = 0; f < 4; ++f) Sparkle(sheet, f);
  return sheet;
}

}  // namespace art
