// Backdrops: the play field's two pictures (an iceberg scene and a calm wall of toy blocks, each
// with the black strip at x 608-629 the game shades with), the blue panel behind the head-up
// display, and the green pattern of small stones behind the menus.
#include <cmath>

#include "blocks.h"
#include "palette.h"
#include "sheets.h"
#include "text.h"

namespace art {

namespace {

using namespace pal;

constexpr int kFieldW = 608, kFieldH = 352;

// Soft pale snowflakes, lightened into the picture (never pure white, so the field stays calm).
void Flakes(Image& img, int w, int h, int count, uint64_t seed, int strength) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    const int x = rng.Int(0, w - 1), y = rng.Int(0, h - 1);
    const bool big = rng.Int(0, 4) == 0;
    auto lift = [&](int px, int py, int s) {
      if (px < 0 || py < 0 || px >= w || py >= h) return;
      img.Set(px, py, Mix(img.Get(px, py), Rgb{220, 232, 255}, float(s) / 100.f));
    };
    lift(x, y, strength);
    if (big) {
      lift(x - 1, y, strength / 2), lift(x + 1, y, strength / 2);
      lift(x, y - 1, strength / 2), lift(x, y + 1, strength / 2);
    }
  }
}

Image ToyWall() {
  Image img(kFieldW, kFieldH);
  const Rgb hues[4] = {{54, 62, 104}, {62, 58, 102}, {48, 68, 102}, {58, 68, 112}};
  constexpr int bw = 48, bh = 24;
  Rng rng(5);
  for (int row = 0; row * bh < kFieldH; ++row) {
    const int shift = (row % 2) * (bw / 2);
    for (int col = -1; col * bw < kFieldW + bw; ++col) {
      const int x = col * bw + shift, y = row * bh;
      // Light falls from the top of the wall; lower rows sink into shadow.
      const float fade = 1.0f - 0.3f * float(y) / kFieldH;
      const Rgb face = Scale(hues[rng.Int(0, 3)], fade * (0.95f + 0.08f * rng.Unit()));
      const BlockTone t{face, Mix(face, Rgb{150, 170, 220}, 0.16f), Scale(face, 0.8f), Rgb{30, 30, 52}};
      DrawBlock(img, x, y, bw, bh, t, 2);
      // Two low studs peeking along the top of some bricks.
      if (rng.Int(0, 2) == 0) {
        for (int s = 0; s < 2; ++s)
          for (int i = 0; i < 10; ++i) img.Set(x + 9 + 20 * s + i, y + 4, Mix(face, Rgb{150, 170, 220}, 0.12f));
      }
    }
  }
  Flakes(img, kFieldW, kFieldH, 160, 9, 28);
  return img;
}

// An iceberg: a faceted polygon lit from the left, with a reflection below the waterline.
void Iceberg(Canvas& cv, const std::vector<V2>& pts, float peakX) {
  Figure f;
  f.Poly(pts, Tone{Rgb{236, 248, 255}, Rgb{178, 222, 244}, Rgb{98, 150, 204}, kWhite});
  // The shaded right flank.
  std::vector<V2> flank;
  for (V2 p : pts)
    if (p.x >= peakX) flank.push_back(p);
  float minY = 1e9f;
  for (V2 p : pts) minY = std::min(minY, p.y);
  flank.insert(flank.begin(), {peakX, minY});
  if (flank.size() >= 3) f.Poly(flank, FlatTone(Rgb{120, 178, 222})).NoOutline();
  cv.Draw(f, {}, Rgb{24, 40, 80});
}

Image Icebergs() {
  Image img(kFieldW, kFieldH);
  const int horizon = 236;
  for (int y = 0; y < kFieldH; ++y)
    for (int x = 0; x < kFieldW; ++x) {
      Rgb c;
      if (y < horizon) {
        const float t = float(y) / horizon;
        c = Mix(Rgb{20, 34, 86}, Rgb{118, 170, 214}, t * t);
      } else {
        const float t = float(y - horizon) / (kFieldH - horizon);
        c = Mix(Rgb{40, 86, 138}, Rgb{14, 30, 70}, t);
        if ((y * 7 + x / 23) % 11 == 0 && (x / 40 + y) % 3 == 0) c = Mix(c, Rgb{150, 200, 230}, 0.35f);  // ripples
      }
      img.Set(x, y, c);
    }
  Rng rng(3);
  for (int i = 0; i < 70; ++i) {  // stars in the upper sky
    const int x = rng.Int(0, kFieldW - 1), y = rng.Int(0, 120);
    img.Set(x, y, Mix(img.Get(x, y), kWhite, 0.5f + 0.4f * rng.Unit()));
  }
  Canvas cv(kFieldW, kFieldH);
  Iceberg(cv, {{30, 237}, {70, 150}, {104, 128}, {140, 170}, {176, 160}, {214, 237}}, 104);
  Iceberg(cv, {{330, 237}, {372, 96}, {408, 70}, {446, 118}, {490, 104}, {540, 237}}, 408);
  Iceberg(cv, {{230, 237}, {262, 196}, {290, 204}, {312, 237}}, 262);
  Iceberg(cv, {{540, 237}, {570, 180}, {600, 190}, {620, 237}}, 570);
  img.Blit(cv.Sprite(), 0, 0, kFieldW, kFieldH, 0, 0, true);
  // Reflections: the bergs mirrored faintly into the sea.
  for (int y = 237; y < kFieldH; ++y)
    for (int x = 0; x < kFieldW; ++x) {
      const int my = 2 * 236 - y;
      if (my < 0 || !cv.Covered(x, my)) continue;
      img.Set(x, y, Mix(img.Get(x, y), cv.Colours().Get(x, my), 0.22f));
    }
  Flakes(img, kFieldW, kFieldH, 120, 13, 45);
  return img;
}

}  // namespace

Image MakeStageback(int element) {
  Image sheet(630, kFieldH);  // x 608-629 stays pure black: the game's shading source
  sheet.BlitAll(element == 0 ? Icebergs() : ToyWall(), 0, 0);
  return sheet;
}

Image MakeChar1() {
  constexpr int W = 320, H = 240;
  Image img(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      // A gentle wave of light that repeats with the panel, so the 2 x 2 tiling has no seam.
      const float t = 0.5f + 0.5f * std::sin((float(x) + float(y) * 0.6f) * 2 * 3.14159f / W);
      img.Set(x, y, Mix(Rgb{30, 54, 132}, Rgb{38, 68, 156}, t));
    }
  // The game's name, repeated in faint diagonal rows, wrapping round the panel's edges.
  const Ink ink = FitInk(fonts::kSpartanBlack, "SLIDESTONE", 150, 22);
  for (int row = 0; row < 6; ++row) {
    const int oy = row * 40 + 9, ox = (row % 2) * 160 + row * 12;
    for (int rep = 0; rep < 2; ++rep)
      for (int y = 0; y < ink.h; ++y)
        for (int x = 0; x < ink.w; ++x) {
          const float a = ink.At(x, y);
          if (a <= 0.05f) continue;
          const int px = ((ox + rep * 160 + x) % W + W) % W, py = ((oy + y) % H + H) % H;
          img.Set(px, py, Mix(img.Get(px, py), Rgb{56, 90, 184}, a * 0.45f));
        }
  }
  return img;
}

Image MakeStartback() {
  // One 32 x 32 tile, repeated: green felt with a small curling stone seen from above.
  Image tile(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      Rgb c{34, 100, 56};
      if (((x + y) / 4) % 2 == 0) c = Rgb{37, 106, 59};  // soft diagonal weave
      tile.Set(x, y, c);
    }
  // The stone's shadow, then the stone.
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const float dx = float(x) + 0.5f - 17.5f, dy = float(y) + 0.5f - 17.5f;
      if (dx * dx + dy * dy < 7.6f * 7.6f) tile.Set(x, y, Mix(tile.Get(x, y), Rgb{10, 40, 24}, 0.5f));
    }
  Canvas stone(32, 32);
  Xform xf;
  xf.pivot = {16, 16}, xf.sx = xf.sy = 0.5f;
  stone.Draw(TopStone(1), xf, Rgb{14, 40, 26});
  // Sunk halfway into the green, so the words on top stay easy to read.
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (stone.Covered(x, y)) tile.Set(x, y, Mix(stone.Colours().Get(x, y), Rgb{30, 92, 52}, 0.45f));
  Image img(352, 288);
  for (int y = 0; y < 288; ++y)
    for (int x = 0; x < 352; ++x) img.Set(x, y, tile.Get(x % 32, y % 32));
  return img;
}

}  // namespace art
