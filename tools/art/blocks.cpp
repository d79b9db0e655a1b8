#include "blocks.h"

#include <cmath>

#include "palette.h"

namespace art {

BlockTone MakeBlockTone(Rgb face, Rgb line) {
  return {face, Mix(face, Rgb{255, 250, 230}, 0.42f), Mix(Scale(face, 0.66f), Rgb{40, 30, 90}, 0.22f), line};
}

void DrawBlock(Image& img, int x, int y, int w, int h, const BlockTone& t, int bevel, bool round) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const bool edge = i == 0 || j == 0 || i == w - 1 || j == h - 1;
      const bool corner = (i == 0 || i == w - 1) && (j == 0 || j == h - 1);
      if (corner && round) continue;
      Rgb c = t.face;
      if (edge) c = t.line;
      else if (j <= bevel && i < w - 1 - j + 1) c = t.light;                  // top
      else if (i <= bevel && j < h - 1 - i) c = Mix(t.light, t.face, 0.35f);    // left
      else if (j >= h - 1 - bevel) c = t.dark;                                  // bottom
      else if (i >= w - 1 - bevel) c = Mix(t.dark, t.face, 0.3f);              // right
      img.Set(x + i, y + j, NotBlack(c));
    }
}

void DrawStud(Image& img, int x, int y, int w, int h, const BlockTone& t) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      const bool top = j == 0, side = i == 0 || i == w - 1;
      if (top && side) continue;  // rounded corners
      Rgb c = t.face;
      if (top || side) c = t.line;
      else if (j == 1 || i == 1) c = t.light;
      else if (i == w - 2) c = t.dark;
      img.Set(x + i, y + j, NotBlack(c));
    }
}

void DrawSnowCap(Image& img, int x, int y, int w, int seed) {
  Rng rng(static_cast<uint64_t>(seed));
  // Depth of the snow per column: a gentle lump with a couple of drips.
  std::vector<int> depth(w);
  const int drip1 = rng.Int(5, w / 2 - 3), drip2 = rng.Int(w / 2 + 2, w - 6);
  for (int i = 0; i < w; ++i) {
    float d = 5.5f + 1.2f * std::sin(float(i) * 0.45f + float(seed));
    if (std::abs(i - drip1) <= 1) d += (i == drip1 ? 4 : 2);
    if (std::abs(i - drip2) <= 1) d += (i == drip2 ? 3 : 1.5f);
    depth[i] = static_cast<int>(d);
  }
  for (int i = 0; i < w; ++i) {
    // The top edge rounds off at both ends.
    const int top = (i == 0 || i == w - 1) ? 2 : (i == 1 || i == w - 2) ? 1 : 0;
    for (int j = top; j <= depth[i]; ++j) {
      Rgb c = pal::kSnow;
      const bool edge = j == top || j == depth[i] || i == 0 || i == w - 1 ||
                        (i > 0 && j > depth[i - 1]) || (i + 1 < w && j > depth[i + 1]);
      if (edge) c = Rgb{60, 78, 120};
      else if (j == top + 1) c = pal::kSnowLight;
      else if (j >= depth[i] - 1) c = pal::kSnowShade;
      img.Set(x + i, y + j, c);
    }
  }
}

}  // namespace art
