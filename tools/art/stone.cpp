// The granite stone: seen from the side as it slides (8 frames, the red handle turning once round),
// seen from above for the house scene, and large for the desktop icon.
#include <algorithm>
#include <cmath>

#include "palette.h"
#include "sheets.h"

namespace art {

namespace {

using namespace pal;

constexpr float kPi = 3.14159265f;
const Tone kGraniteTone{kGraniteLight, kGranite, kGraniteDark, Rgb{220, 222, 232}};
const Tone kHandle = MakeTone(kRed);

// Fixed speckles on the stone's side, as (angle around the stone, height) pairs.
struct Speck {
  float phi, y;
  bool light;
};
std::vector<Speck> Specks() {
  std::vector<Speck> v;
  Rng rng(7);
  for (int i = 0; i < 26; ++i) v.push_back({rng.Unit() * 2 * kPi, 20.f + rng.Unit() * 10.f, rng.Int(0, 2) == 0});
  return v;
}

}  // namespace

Figure SideStone(int frame, float speck) {
  const float th = float(frame) * kPi / 4;
  Figure f;
  const float hx = std::cos(th), hz = std::sin(th);  // handle direction: x across, z toward the viewer
  auto handleBar = [&]() {
    const V2 end{16 + 8.5f * hx, 13.6f + 1.6f * hz};
    f.Limb({16, 13.6f}, end, 1.8f, kHandle);
    f.Ellipse(end, 1.9f, 2.1f, kHandle);
  };
  if (hz < -0.01f) handleBar();  // the bar behind the post
  f.Ellipse({16, 24.2f}, 13.4f, 7.6f, kGraniteTone);
  f.Ellipse({16, 24.6f}, 12.8f, 1.0f, FlatTone(Rgb{96, 98, 114})).NoOutline();  // striking band
  f.Ellipse({16, 18.9f}, 9.8f, 2.4f, MakeTone(Rgb{168, 170, 184})).NoOutline();  // polished top
  // Speckles turn with the stone.
  for (const Speck& s : Specks()) {
    const float a = s.phi + th;
    const float depth = std::cos(a);
    if (depth < 0.2f) continue;
    const float dy = (s.y - 24.2f) / 7.6f;
    const float half = 13.4f * std::sqrt(std::max(0.f, 1 - dy * dy)) - 2.f;  // stay inside the body
    const float x = 16 + half * std::sin(a);
    if (std::fabs(s.y - 24.6f) < 1.2f) continue;
    const Rgb c = s.light ? Rgb{206, 208, 220} : Rgb{70, 72, 88};
    if (speck > 0) f.Ellipse({x, s.y}, speck * (0.4f + 0.6f * depth), speck, FlatTone(c)).NoOutline();
    else f.Dot({x, s.y}, c);
  }
  f.Limb({16, 18.2f}, {16, 13.6f}, 2.0f, kHandle);  // the post
  if (hz >= -0.01f) handleBar();
  return f;
}

Figure TopStone(int frame) {
  const float th = float(frame) * kPi / 4 - kPi / 2;
  Figure f;
  f.Circle({16, 16}, 13.4f, kGraniteTone);
  f.Ellipse({16, 16}, 9.2f, 9.2f, FlatTone(Rgb{96, 98, 114})).NoOutline();
  f.Circle({16, 16}, 8.4f, MakeTone(Rgb{164, 166, 180})).NoOutline();
  Rng rng(11);
  for (int i = 0; i < 30; ++i) {
    const float r = 9.5f + rng.Unit() * 3.2f, a = rng.Unit() * 2 * kPi + float(frame) * kPi / 4;
    f.Dot({16 + r * std::cos(a), 16 + r * std::sin(a)}, rng.Int(0, 2) ? Rgb{84, 86, 102} : Rgb{210, 212, 224});
  }
  const V2 end{16 + 9.f * std::cos(th), 16 + 9.f * std::sin(th)};
  f.Limb({16, 16}, end, 2.1f, kHandle);
  f.Circle(end, 2.4f, kHandle);
  f.Circle({16, 16}, 3.0f, kHandle).Gloss();
  return f;
}

void DrawStoneRows(Image& char3) {
  for (int i = 0; i < slidestone::field_sheet::kStone.count; ++i) {
    Canvas cv(32, 32);
    cv.Draw(SideStone(i));
    PutSprite(char3, cv, slidestone::field_sheet::kStone, i);
  }
}

Image MakeIcon(int kSize) {
  // Drawn four times larger than shown, with a thick outline, then averaged down. The drawing
  // was made for 128 pixels; other sizes scale it, but the outline never gets thinner than one
  // pixel, so the small icons keep their edge.
  constexpr int kSuper = 4;
  const float k = float(kSize) / 128.f;
  Canvas big(kSize * kSuper, kSize * kSuper);
  Xform xf;
  xf.pivot = {16, 16};
  xf.sx = xf.sy = 14.5f * k;
  xf.offset = {float(kSize * kSuper) / 2.f - 16, float(kSize * kSuper) / 2.f - 16 - 29 * k};
  big.Draw(SideStone(1, 0.45f), xf);
  const int W = big.W();
  std::vector<uint8_t> ring(static_cast<size_t>(W) * W, 0);
  const int kThick = std::max(kSuper, static_cast<int>(std::lround(10 * k)));
  const int kStep = kThick >= 8 ? 2 : 1;
  for (int y = 0; y < W; ++y)
    for (int x = 0; x < W; ++x) {
      if (big.Covered(x, y)) continue;
      for (int dy = -kThick; dy <= kThick && !ring[y * W + x]; dy += kStep)
        for (int dx = -kThick; dx <= kThick; dx += kStep)
          if (dx * dx + dy * dy <= kThick * kThick && big.Covered(x + dx, y + dy)) {
            ring[y * W + x] = 1;
            break;
          }
    }
  Image out(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      float r = 0, g = 0, b = 0, a = 0;
      for (int j = 0; j < kSuper; ++j)
        for (int i = 0; i < kSuper; ++i) {
          const int sx = x * kSuper + i, sy = y * kSuper + j;
          Rgb c;
          if (big.Covered(sx, sy)) c = big.Colours().Get(sx, sy);
          else if (ring[sy * W + sx]) c = kOutline;
          else continue;
          r += c.r, g += c.g, b += c.b, a += 1;
        }
      if (a > 0) out.Set(x, y, Rgb{uint8_t(r / a), uint8_t(g / a), uint8_t(b / a)});
      out.SetAlpha(x, y, static_cast<uint8_t>(255 * a / (kSuper * kSuper)));
    }
  return out;
}

}  // namespace art
