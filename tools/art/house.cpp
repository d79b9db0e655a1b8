// The house window's pictures: the sheet of ice the house scene plays on (clear1) and the house
// with the top-view stone (clear2).
#include <cmath>

#include "palette.h"
#include "sheets.h"

namespace art {

namespace {

using namespace pal;

// Pebbled ice: pale cyan lanes, side boards, a centre line and faint curling scratches.
void Sheet(Image& img, int x0, int w, int h) {
  Rng rng(31);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int lane = x / 128;
      Rgb c = lane % 2 ? Rgb{206, 234, 246} : Rgb{218, 240, 250};
      const int v = rng.Int(0, 99);
      if (v < 6) c = Mix(c, Rgb{170, 206, 228}, 0.35f);
      else if (v < 10) c = Mix(c, kWhite, 0.6f);
      if (x % 128 == 0 && x > 0) c = Mix(c, Rgb{150, 196, 226}, 0.5f);  // lane lines
      if (x == w / 2 || x == w / 2 - 1) c = Rgb{120, 150, 200};           // centre line
      if (x < 8 || x >= w - 8) {                                           // side boards
        const int b = x < 8 ? x : w - 1 - x;
        c = b == 0 ? Rgb{24, 30, 56} : b < 3 ? Rgb{70, 84, 130} : b < 6 ? Rgb{96, 112, 160} : Rgb{54, 66, 110};
      }
      img.Set(x0 + x, y, c);
    }
  // Long curved scratches left by earlier stones.
  for (int s = 0; s < 9; ++s) {
    const float cx = float(rng.Int(40, w - 40)), r = float(rng.Int(300, 900)), a0 = 4.2f + rng.Unit() * 0.9f;
    for (int k = 0; k < 260; ++k) {
      const float a = a0 + float(k) * 0.0012f * (s % 2 ? 1 : -1);
      const int x = static_cast<int>(cx + r * std::cos(a) + (s % 2 ? -r * std::cos(a0) : 0));
      const int y = static_cast<int>(float(h) + r * std::sin(a) + r * 0.2f);
      if (x < 10 || x >= w - 10 || y < 0 || y >= h) continue;
      img.Set(x0 + x, y, Mix(img.Get(x0 + x, y), kWhite, 0.55f));
    }
  }
}

// The house: rings painted under the ice, lit a little from the top-left, each edged by a
// darker line; black outside, so the keyed copy shows the sheet there.
void House(Image& img) {
  struct Ring {
    float r;
    Rgb c;
  };
  constexpr int kRings = 4;
  const Ring rings[kRings] = {{127.5f, {58, 110, 218}}, {85, {230, 242, 252}}, {42.5f, {222, 58, 70}}, {12, {244, 250, 255}}};
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      const float dx = float(x) + 0.5f - 128, dy = float(y) + 0.5f - 128, d = std::sqrt(dx * dx + dy * dy);
      if (d > rings[0].r) continue;
      int i = 0;
      while (i + 1 < kRings && d <= rings[i + 1].r) ++i;
      Rgb c = rings[i].c;
      // Soft light from the top-left across the whole house.
      const float lit = -(dx + dy) / (2 * 128.f);
      c = lit > 0 ? Mix(c, kWhite, 0.18f * lit) : Mix(c, Rgb{30, 40, 90}, -0.12f * lit);
      // Edges: a 1.5-pixel darker line at each ring's outer border.
      const float toEdge = rings[i].r - d;
      if (toEdge < 1.5f) c = Mix(c, Rgb{30, 40, 90}, i == 0 ? 0.75f : 0.35f);
      img.Set(x, y, NotBlack(c));
    }
}

}  // namespace

Image MakeClear1() {
  namespace house = slidestone::house_sheet;
  Image img(640, 512);  // the black columns stay black
  Sheet(img, house::kIce.x, house::kIce.w, house::kIce.h);
  const int lineEnd = house::kCrossLine.y + house::kCrossLine.h;
  for (int y = house::kCrossLine.y; y < 512; ++y)
    for (int x = 0; x < 640; ++x) img.Set(x, y, y < lineEnd ? Rgb{92, 108, 148} : Rgb{140, 146, 160});
  return img;
}

Image MakeClear2() {
  Image img(256, 320);
  House(img);
  const slidestone::SheetRun& stone = slidestone::house_sheet::kTopStone;
  for (int i = 0; i < stone.count; ++i) {
    Canvas cv(stone.w, stone.h);
    cv.Draw(TopStone(i));
    PutSprite(img, cv, stone.X(i), stone.Y(i), stone.MaskX(i), stone.MaskY(i));
  }
  return img;
}

}  // namespace art
