// char3 rows 6 to 17: the enemies, each row pair a facing and its masks.
//  - penguin walker: 5 waddle frames, then alarmed frames with an exclamation mark (the last one a
//    panicked dash, used for the fast walk after a speed tile);
//  - snowman watcher holding a red sign: standing, then toppling over in 4 frames;
//  - pink snowman thrower holding a blue sign: standing, toppling, and 3 throwing frames in which
//    the sign turns while the other arm swings a snowball.
#include <cmath>

#include "palette.h"
#include "sheets.h"

namespace art {

namespace {

using namespace pal;

const Rgb kCoal{38, 36, 50};

void Exclaim(Figure& f, V2 at) {
  f.Limb({at.x, at.y}, {at.x, at.y + 3.2f}, 1.0f, MakeTone(kYellow), 0.8f);
  f.Circle({at.x, at.y + 6.6f}, 0.9f, MakeTone(kYellow));
}

// The penguin, facing right. Alarmed: flippers up, eyes wide, beak open, an exclamation mark.
Figure Penguin(int frame, bool alarmed, bool fast) {
  Figure f;
  const Tone body = MakeTone(Rgb{48, 58, 110});
  const Tone belly{kSnowLight, kSnow, kSnowShade, kWhite};
  const Tone beak = MakeTone(kOrange);
  const float step = std::sin(float(frame * 2) * 3.14159f / 5);
  const float lift0 = alarmed ? 0 : std::max(0.f, step) * 1.6f, lift1 = alarmed ? 0 : std::max(0.f, -step) * 1.6f;
  f.Ellipse({12.5f, 30.6f - lift0}, 3.f, 1.6f, beak);
  if (alarmed && !fast) {
    f.Ellipse({9.5f, 13 + float(frame) * 0.5f}, 2.2f, 5.f, body, 35.f - float(frame * 8));  // far flipper up
  }
  f.Ellipse({15.5f, 20.5f}, 8.f, 9.8f, body);
  f.Ellipse({18, 22.5f}, 5.f, 7.2f, belly).NoOutline();
  f.Ellipse({19.5f, 31 - lift1}, 3.f, 1.6f, beak);
  // Scarf.
  f.Limb({10.5f, 16.8f}, {21.5f, 16.8f}, 1.5f, MakeTone(kRed));
  f.Limb({11.5f, 17.5f}, {8, 21.5f + step}, 1.2f, MakeTone(kRed), 0.9f);
  // Eye and beak.
  if (alarmed) {
    f.Circle({19.5f, 11.5f}, 2.3f, belly).NoOutline();
    f.Dot({20, 11}, kCoal).Dot({20, 12}, kCoal);
    f.Poly({{22, 12.5f}, {27.5f, 11.5f}, {23, 14}}, beak);
    f.Poly({{22, 14.5f}, {26.5f, 16}, {22, 15.8f}}, beak);
  } else {
    f.Circle({19.5f, 11.8f}, 1.7f, belly).NoOutline();
    f.Dot({20, 12}, kCoal).Dot({20, 11}, kCoal);
    f.Poly({{21.5f, 12.5f}, {27, 14}, {21.5f, 15.5f}}, beak);
  }
  // Near flipper.
  if (fast) f.Ellipse({10, 20}, 2.2f, 5.5f, body, 60);
  else if (alarmed) f.Ellipse({13, 11.5f + float(frame) * 0.5f}, 2.2f, 5.5f, body, -25.f + float(frame * 10));
  else f.Ellipse({12, 21 + step * 0.5f}, 2.4f, 5.5f, body, 12 + step * 8);
  return f;
}

// A snowman, facing right, holding a sign on a stick in its front twig hand.
// turn: how the sign faces (1 front, 0 edge-on, negative its back); ball: height of a snowball
// held up in the back hand while throwing (0 = none).
struct Snowman {
  Rgb snow;
  Rgb sign;
  bool watcher;
  float turn = 1;
  float ball = 0;
  bool dazed = false;
};

Figure SnowmanFigure(const Snowman& s) {
  Figure f;
  const Tone snow{Mix(s.snow, kWhite, 0.6f), s.snow, Mix(Scale(s.snow, 0.74f), Rgb{80, 70, 160}, 0.3f), kWhite};
  const Tone twig = MakeTone(Rgb{130, 86, 52});
  // Back arm (with a snowball when throwing).
  if (s.ball > 0) {
    const V2 hand{5, 17 - s.ball};
    f.Limb({10, 17}, hand, 0.8f, twig);
    f.Circle(hand, 3.f, Tone{kSnowLight, kSnow, kSnowShade, kWhite});
  } else {
    f.Limb({10, 18}, {4.5f, 14.5f}, 0.8f, twig);
    f.Limb({6.5f, 15.8f}, {5, 13}, 0.7f, twig);
  }
  f.Circle({15, 24.8f}, 7.f, snow);
  f.Circle({15, 14.5f}, 5.4f, snow);
  // Hat: a knitted cap for the watcher, a bucket-like one for the thrower.
  if (s.watcher) {
    f.Poly(Arc({15, 11.5f}, 5.6f, 4.5f, 180, 360, 10), MakeTone(kGreenDark));
    f.Limb({9.5f, 11.4f}, {20.5f, 11.4f}, 1.1f, MakeTone(kGreen));
  } else {
    f.Poly({{10.5f, 10.5f}, {19.5f, 10.5f}, {18.5f, 4.5f}, {11.5f, 4.5f}}, MakeTone(kNavy));
    f.Limb({9, 10.5f}, {21, 10.5f}, 1.0f, MakeTone(Rgb{70, 84, 150}));
  }
  // Face: coal eyes, carrot nose, coal buttons.
  if (s.dazed) {
    for (float ex : {15.5f, 18.5f}) f.Dot({ex - 1, 13}, kCoal).Dot({ex, 14}, kCoal).Dot({ex - 1, 15}, kCoal).Dot({ex + 1, 13}, kCoal).Dot({ex + 1, 15}, kCoal);
  } else {
    f.Dot({15.5f, 13}, kCoal).Dot({15.5f, 14}, kCoal).Dot({18.5f, 13}, kCoal).Dot({18.5f, 14}, kCoal);
  }
  f.Poly({{18.5f, 15}, {24.5f, 16.3f}, {18.5f, 17.5f}}, MakeTone(kOrange));
  f.Dot({17, 22}, kCoal).Dot({17.5f, 25.5f}, kCoal).Dot({17, 29}, kCoal);
  // Front arm with the sign.
  f.Limb({19.5f, 19}, {24, 21}, 0.8f, twig);
  f.Limb({25, 31}, {25, 6}, 0.9f, MakeTone(kWood));
  const float w = std::max(0.9f, 5.2f * std::fabs(s.turn));
  const Rgb face = s.turn < 0 ? Mix(s.sign, Rgb{30, 30, 60}, 0.35f) : s.sign;
  f.Ellipse({25, 6.5f}, w, 5.2f, MakeTone(face));
  if (s.turn > 0.3f) {
    if (s.watcher) {
      f.Box(25 - w * 0.62f, 5.5f, 25 + w * 0.62f, 7.6f, FlatTone(kSnowLight)).NoOutline();
    } else {  // a white snowflake on the thrower's sign
      f.Limb({25 - w * 0.55f, 6.5f}, {25 + w * 0.55f, 6.5f}, 0.55f, FlatTone(kSnowLight)).NoOutline();
      f.Limb({25 - w * 0.3f, 3.8f}, {25 + w * 0.3f, 9.2f}, 0.55f, FlatTone(kSnowLight)).NoOutline();
      f.Limb({25 + w * 0.3f, 3.8f}, {25 - w * 0.3f, 9.2f}, 0.55f, FlatTone(kSnowLight)).NoOutline();
    }
  }
  f.Limb({24, 21}, {25.5f, 20}, 0.8f, twig);  // twig fingers round the stick
  return f;
}

// Standing, or toppling over backwards (step 1-4).
Canvas SnowmanCell(Snowman s, int topple, bool left) {
  s.dazed = topple >= 2;
  Xform xf;
  xf.flip = left;
  xf.pivot = {10, 31};
  const float angle[5] = {0, -22, -48, -72, -90};
  xf.angle = left ? -angle[topple] : angle[topple];
  if (topple == 0) {
    Canvas cv(32, 32);
    xf.pivot = {16, 32};
    cv.Draw(SnowmanFigure(s), xf);
    return cv;
  }
  return FitCell(SnowmanFigure(s), xf, 32, 32, left ? 3 : -3);
}

Canvas PenguinCell(int frame, bool alarmed, bool fast, bool left) {
  Xform xf;
  xf.flip = left;
  const float step = std::sin(float(frame * 2) * 3.14159f / 5);
  xf.pivot = {16, 31};
  xf.angle = (fast ? 16.f : alarmed ? -6.f + float(frame * 4) : step * 6.f) * (left ? -1 : 1);
  Canvas cv = FitCell(Penguin(frame, alarmed, fast), xf);
  if (alarmed) {  // the exclamation mark stays upright whatever the body does
    Figure mark;
    Exclaim(mark, {29.f, 1.5f});
    Xform up;
    up.flip = left;
    cv.Draw(mark, up);
  }
  if (fast) {  // speed streaks behind the running penguin
    for (int k = 0; k < 3; ++k) {
      const int y = 14 + 6 * k, len = 4 - (k == 1 ? 0 : 1);
      for (int i = 0; i < len; ++i) {
        const int x = left ? 31 - i : i;
        if (!cv.Covered(x, y)) cv.Plot(x, y, Rgb{200, 226, 255});
      }
    }
  }
  return cv;
}

}  // namespace

void DrawPenguin(Canvas& cv, int frame, bool alarmed, bool fast, const Xform& xf) {
  cv.Draw(Penguin(frame, alarmed, fast), xf);
}

void DrawEnemyRows(Image& sheet) {
  namespace cells = slidestone::field_sheet;
  for (int dir = 0; dir < 2; ++dir) {
    const bool left = dir == 1;
    const slidestone::SheetRun& run = left ? cells::kWalkerLeft : cells::kWalkerRight;
    for (int f = 0; f < 5; ++f) PutSprite(sheet, PenguinCell(f, false, false, left), run, f);
    PutSprite(sheet, PenguinCell(0, true, false, left), run, 5);
    PutSprite(sheet, PenguinCell(2, true, false, left), run, 6);
    PutSprite(sheet, PenguinCell(1, true, true, left), run, 7);
  }
  const Snowman watcher{Rgb{228, 238, 250}, Rgb{226, 46, 52}, true};
  const Snowman thrower{Rgb{255, 186, 212}, Rgb{52, 104, 220}, false};
  // Facing 0 looks left, facing 1 looks right.
  for (int fac = 0; fac < 2; ++fac) {
    const bool left = fac == 0;
    const slidestone::SheetRun watcherRun = cells::kWatcher.Row(fac), throwerRun = cells::kThrower.Row(fac);
    for (int t = 5; t < 8; ++t) PutSprite(sheet, Canvas(32, 32), watcherRun, t);  // unused: white masks
    for (int t = 0; t < 5; ++t) {
      PutSprite(sheet, SnowmanCell(watcher, t, left), watcherRun, t);
      PutSprite(sheet, SnowmanCell(thrower, t, left), throwerRun, t);
    }
    // Throwing: the sign turns round while the snowball is swung up.
    const float turn[3] = {0.45f, 0.0f, -0.8f};
    const float ball[3] = {4, 8, 2};
    for (int k = 0; k < 3; ++k) {
      Snowman s = thrower;
      s.turn = turn[k], s.ball = ball[k];
      PutSprite(sheet, SnowmanCell(s, 0, left), throwerRun, 5 + k);
    }
  }
}

}  // namespace art
