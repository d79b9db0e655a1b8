// char4: the pictures that are ADDED onto the backdrop to make the ice tiles (black adds
// nothing), and the four sparkles that fly up when the hammer clears a tile.
//  row 0, 0-5: the live speed tile, a bright pane of glass with a bold up-chevron (0), and the
//              same with a glint sweeping across it (1-5); all grey levels
//  row 0, 6:   the spent tile: dull, frosted and cracked, no chevron
//  row 1, 0-2: the tile cracking under the hammer; 3-5 the spent tile being covered with fresh
//              live glass from the top by the broom
//  row 1, 6:   four 8 x 8 sparkles at y 32 and their masks at y 40
//  row 2, 0:   the tile as a stage is built, before play begins: plain ice, neither live nor spent
#include <algorithm>
#include <cmath>
#include <tuple>

#include "sheets.h"

namespace art {

namespace {

// The bevelled edge every look shares, so each reads as the same kind of tile: light top and
// left, dark bottom and right. `lift` scales it (a spent tile's edge is dull).
int Bevel(int x, int y, int inside, float lift) {
  int v = inside;
  if (y == 0 || x == 0) v = static_cast<int>(200 * lift);
  else if (y == 31 || x == 31) v = static_cast<int>(70 * lift);
  else if (y == 1 || x == 1) v = static_cast<int>(140 * lift);
  else if (y == 30 || x == 30) v = static_cast<int>(90 * lift);
  return v;
}

// The live tile: bright glass with a sheen and two bold chevrons pointing up, speed to come.
Image LivePane() {
  Image c(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      int v = Bevel(x, y, 78, 1.f);
      const int d = x + y;
      if (x > 1 && y > 1 && x < 30 && y < 30) {
        if (d >= 6 && d <= 9) v += 50;
        if (d == 12) v += 28;
      }
      c.Set(x, y, Grey(v));
    }
  // Two chevrons, one above the other: apex in the middle column, arms three pixels thick.
  for (const int top : {6, 15}) {
    for (int t = 0; t <= 8; ++t)
      for (int w = 0; w < 3; ++w) {
        const int y = top + t + w;
        for (const int x : {16 - t, 15 + t}) c.Set(x, y, Grey(std::min(255, 110 + 140 - 8 * w)));
      }
  }
  return c;
}

Image LiveGlint(int k) {
  Image c = LivePane();
  const float centre = -2.f + 8.f * float(k);
  for (int y = 1; y < 31; ++y)
    for (int x = 1; x < 31; ++x) {
      const float d = float(x) + 0.45f * float(y) - centre - 6;
      const float a = std::max(0.f, 1.f - std::fabs(d) / 3.6f);
      if (a > 0) c.Set(x, y, Add(c.Get(x, y), Grey(static_cast<int>(170 * a))));
    }
  return c;
}

// The tile as the stage is built: plain pale ice with a soft sheen, no mark on it.
Image PlainIce() {
  Image c(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      int v = Bevel(x, y, 46, 0.8f);
      if (x > 1 && y > 1 && x < 30 && y < 30 && (y == 6 || y == 7) && x > 4 && x < 24) v += 22;
      c.Set(x, y, Grey(v));
    }
  return c;
}

// The spent tile: dull, frosted glass gone grey-blue, with hairline cracks and no chevron.
Image SpentBlock() {
  Image c(32, 32);
  Rng rng(21);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const int v = Bevel(x, y, 0, 0.45f);
      c.Set(x, y, v > 0 ? Grey(v) : Rgb{34, 38, 46});
    }
  for (int i = 0; i < 110; ++i) {  // frost
    const int x = rng.Int(2, 29), y = rng.Int(2, 29);
    c.Set(x, y, Add(c.Get(x, y), Rgb{26, 28, 32}));
  }
  for (const auto& [x0, y0, ang] : {std::tuple{4.f, 22.f, -0.5f}, std::tuple{19.f, 4.f, 1.9f}}) {
    float x = x0, y = y0, a = ang;
    for (int i = 0; i < 14; ++i) {
      const int ix = static_cast<int>(x), iy = static_cast<int>(y);
      if (ix < 2 || iy < 2 || ix > 29 || iy > 29) break;
      c.Set(ix, iy, Add(c.Get(ix, iy), Rgb{34, 36, 40}));
      a += (rng.Unit() - 0.5f) * 0.6f;
      x += std::cos(a), y += std::sin(a);
    }
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

// The tile after `stage` blows of the hammer (1-3).
Image Cracked(int stage) {
  Image c = PlainIce();
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

// The spent tile being covered from the top with fresh live glass: rows above `rows` are glass.
Image Covered(int rows) {
  Image c = SpentBlock();
  const Image g = LivePane();
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
  PutSprite(sheet, cv, slidestone::overlay_sheet::kSparkles, f);
}

}  // namespace

Image MakeChar4() {
  namespace looks = slidestone::overlay_sheet;
  Image sheet(224, 96);
  auto put = [&](const Image& look, const slidestone::SheetRun& run, int n) {
    sheet.BlitAll(look, run.X(n), run.Y(n));
  };
  put(LivePane(), looks::kLiveTile, 0);
  for (int k = 1; k <= 5; ++k) put(LiveGlint(k), looks::kLiveTile, k);
  put(SpentBlock(), looks::kSpentTile, 0);
  put(PlainIce(), looks::kPlainIce, 0);
  for (int s = 1; s <= 3; ++s) put(Cracked(s), looks::kCracking, s - 1);
  for (int k = 1; k <= 3; ++k) put(Covered(8 * k), looks::kCovering, k - 1);
  for (int f = 0; f < looks::kSparkles.count; ++f) Sparkle(sheet, f);
  return sheet;
}

}  // namespace art
