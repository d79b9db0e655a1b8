// char3 rows 4 and 5: the goal flag waving (4 frames), the bucket of tool points (3 frames) and
// the snowball a thrower throws (16 x 16), each with its mask.
#include <cmath>

#include "palette.h"
#include "sheets.h"

namespace art {

namespace {

using namespace pal;

Canvas GoalFlag(int frame) {
  Canvas cv(32, 32);
  const float phase = float(frame) * 3.14159f / 2;
  const int pole = 7, x0 = pole + 2, x1 = 27;
  // The cloth: checks of white and deep blue, rippling away from the pole.
  for (int i = x0; i <= x1; ++i) {
    const float t = float(i - x0) / (x1 - x0);
    const float wave = std::sin(t * 5.2f - phase) * (0.6f + 2.0f * t);
    const float slope = std::cos(t * 5.2f - phase);
    const int top = static_cast<int>(std::lround(5 + wave - t * 1.5f));
    const int bottom = static_cast<int>(std::lround(16 + wave - t * 0.5f));
    for (int j = top; j <= bottom; ++j) {
      const bool check = (((i - x0) / 4) + ((j - top) * 3 / std::max(1, bottom - top + 1))) % 2 == 0;
      Rgb c = check ? Rgb{244, 246, 252} : Rgb{44, 58, 130};
      if (slope > 0.45f) c = Mix(c, Rgb{255, 255, 230}, check ? 0.0f : 0.25f);
      if (slope < -0.45f) c = Mix(c, Rgb{30, 30, 80}, 0.3f);
      cv.Plot(i, j, c);
    }
  }
  cv.Outline();
  Figure pole_;
  pole_.Ellipse({static_cast<float>(pole) + 0.5f, 30.f}, 5.5f, 2.2f, MakeTone(kSnow));  // a little snow heap
  pole_.Limb({pole + 0.5f, 3.5f}, {pole + 0.5f, 30}, 1.0f, MakeTone(kGold));
  pole_.Circle({pole + 0.5f, 3.f}, 1.9f, MakeTone(kYellow)).Gloss();
  cv.Draw(pole_);
  return cv;
}

Canvas Bucket(int frame) {
  Canvas cv(32, 32);
  Figure f;
  const Tone pail = MakeTone(Rgb{64, 150, 230});
  // Handle behind the snow heap.
  // The wire handle: a thin band between two arcs, drawn as one shape so it has one outline.
  std::vector<V2> handle = Arc({16, 15}, 10.8f, 10.f, 195, 345, 16);
  const std::vector<V2> inner = Arc({16, 15}, 9.3f, 8.5f, 345, 195, 16);
  handle.insert(handle.end(), inner.begin(), inner.end());
  f.Poly(handle, MakeTone(kGold));
  f.Ellipse({16, 15.5f}, 8.f, 4.5f, MakeTone(kSnow)).Gloss();
  f.Poly({{6, 16}, {26, 16}, {23.5f, 31}, {8.5f, 31}}, pail);
  f.Box(8, 21, 24, 23.5f, MakeTone(kYellow)).NoOutline();  // a painted band
  f.Limb({5.5f, 16}, {26.5f, 16}, 1.4f, MakeTone(Rgb{110, 190, 250}));  // rim
  cv.Draw(f);
  // The frames differ only in where the rim glints.
  const int gx[3] = {9, 15, 21};
  cv.Plot(gx[frame], 15, kWhite);
  cv.Plot(gx[frame] + 1, 15, kWhite);
  cv.Plot(gx[frame] - 1, 26, Rgb{170, 220, 255});
  return cv;
}

}  // namespace

void DrawItemRows(Image& s) {
  using namespace slidestone::field_sheet;
  for (int f = 0; f < kGoalFlag.count; ++f) PutSprite(s, GoalFlag(f), kGoalFlag, f);
  for (int f = 0; f < kBucket.count; ++f) PutSprite(s, Bucket(f), kBucket, f);
  Canvas ball(16, 16);
  Figure b;
  b.Circle({8, 8.5f}, 6.2f, Tone{kSnowLight, kSnow, kSnowShade, kWhite}).Gloss();
  ball.Draw(b);
  ball.Plot(6, 9, kSnowShade);
  ball.Plot(10, 6, kSnowShade);
  PutSprite(s, ball, kBall);
}

}  // namespace art
