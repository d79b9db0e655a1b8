// The player: a small curler in a yellow parka and red bobble hat, a broom strapped to the back.
// Rows of the sheet are poses, columns frames; every frame is built from one pose description.
#include <cmath>

#include "palette.h"
#include "sheets.h"

namespace art {

namespace {

using namespace pal;

const Tone kParka = MakeTone(kYellow);
const Tone kParkaFar = MakeTone(Scale(kYellow, 0.78f));
const Tone kHat = MakeTone(kRed);
const Tone kCuff = MakeTone(Rgb{240, 96, 96});
const Tone kPom = MakeTone(kSnowLight);
const Tone kFace{Mix(kSkin, Rgb{255, 240, 220}, 0.4f), kSkin, Rgb{226, 160, 132}, kSkin};
const Tone kTrousers = MakeTone(Rgb{52, 66, 128});
const Tone kTrousersFar = MakeTone(Rgb{38, 48, 98});
const Tone kBoot = MakeTone(Rgb{112, 70, 44});
const Tone kMitten = MakeTone(kRed);
const Tone kMittenFar = MakeTone(kRedDark);
const Tone kScarf = MakeTone(Rgb{70, 150, 236});
const Tone kStick = MakeTone(kWood);
const Tone kPad = MakeTone(Rgb{60, 80, 170});
const Tone kMallet = MakeTone(Rgb{226, 66, 60});
const Rgb kEye{30, 26, 40};
const Rgb kCheek{244, 138, 138};

enum class Eyes { Open, Closed, Cross, Wide, Happy };
enum class Carry { BroomBack, Sweep, Hammer, Spring, None };

// One side-view pose, facing right, in cell coordinates (feet rest on y = 32).
struct Side {
  float bob = 0, lean = 0;
  V2 nearFoot{17, 30.6f}, farFoot{15, 30.6f};
  V2 nearHand{14, 23}, farHand{19, 23};
  Eyes eyes = Eyes::Open;
  Carry carry = Carry::BroomBack;
  V2 toolGrip, toolEnd;  // held broom or hammer: grip and far end
  float scarfFlap = 0;
  bool mark = false;  // an exclamation mark above the head
  bool armsBehindHead = false;
};

// A curling broom: a wooden handle and a brush pad across its end.
void Broom(Figure& f, V2 pad, V2 end, bool padFirst = false) {
  const float ang = std::atan2(end.y - pad.y, end.x - pad.x) * 180.f / 3.14159f;
  if (padFirst) f.Ellipse(pad, 1.9f, 3.8f, kPad, ang);
  f.Limb(pad, end, 0.9f, kStick);
  if (!padFirst) f.Ellipse(pad, 1.9f, 3.8f, kPad, ang);
}

void Boot(Figure& f, V2 foot, bool far, float dir) {
  f.Ellipse({foot.x + dir * 0.9f, foot.y - 0.3f}, 2.7f, 1.7f, far ? MakeTone(Scale(kBoot.base, 0.75f)) : kBoot);
}

void Exclaim(Figure& f, V2 at) {
  f.Limb({at.x, at.y}, {at.x, at.y + 3}, 1.1f, MakeTone(kYellow));
  f.Circle({at.x, at.y + 5.6f}, 1.1f, MakeTone(kYellow));
}

Figure SideFigure(const Side& s) {
  Figure f;
  const float b = s.bob, l = s.lean;
  const V2 hip{16 + l * 0.4f, 25.5f + b * 0.5f};
  const V2 shoulder{16.5f + l, 18.5f + b};
  const V2 head{17 + l * 1.2f, 11.5f + b};
  if (s.carry == Carry::BroomBack) Broom(f, {head.x - 7.5f, head.y - 3}, {hip.x + 6.5f, hip.y + 2.5f}, true);
  // Far side, behind the body.
  f.Limb(shoulder, s.farHand, 1.6f, kParkaFar);
  f.Circle(s.farHand, 1.8f, kMittenFar);
  f.Limb(hip, s.farFoot, 2.0f, kTrousersFar);
  Boot(f, s.farFoot, true, 1);
  // Body.
  f.Ellipse({16 + l * 0.8f, 21.5f + b * 0.8f}, 5.6f, 5.4f, kParka);
  f.Limb(hip, s.nearFoot, 2.0f, kTrousers);
  Boot(f, s.nearFoot, false, 1);
  // Scarf tail flies behind.
  f.Limb({head.x - 3, head.y + 6}, {head.x - 7, head.y + 9 + s.scarfFlap}, 1.3f, kScarf, 1.0f);
  if (s.armsBehindHead) {
    f.Limb(shoulder, s.nearHand, 1.6f, kParka);
    f.Circle(s.nearHand, 1.9f, kMitten);
  }
  // Head and hat.
  f.Ellipse(head, 6.2f, 6.0f, kFace);
  f.Poly(Arc({head.x - 0.4f, head.y - 2.3f}, 6.7f, 5.4f, 180, 360, 14), kHat);
  f.Limb({head.x - 6.4f, head.y - 2.2f}, {head.x + 5.8f, head.y - 2.2f}, 1.2f, kCuff);
  f.Circle({head.x - 4.2f, head.y - 7.8f}, 2.1f, kPom);
  f.Limb({head.x - 3.5f, head.y + 6.2f}, {head.x + 3.6f, head.y + 6.2f}, 1.5f, kScarf);
  // Face, looking right.
  const float ex = head.x + 3.3f, ey = head.y + 0.6f;
  switch (s.eyes) {
    case Eyes::Open:
    case Eyes::Happy:
      f.Dot({ex, ey}, kEye).Dot({ex, ey + 1}, kEye);
      break;
    case Eyes::Wide:
      f.Dot({ex, ey - 1}, kEye).Dot({ex, ey}, kEye).Dot({ex, ey + 1}, kEye).Dot({ex - 1, ey}, kSnowLight);
      break;
    case Eyes::Closed:
      f.Dot({ex - 1, ey + 1}, kEye).Dot({ex, ey + 1}, kEye);
      break;
    case Eyes::Cross:
      f.Dot({ex - 1, ey - 1}, kEye).Dot({ex + 1, ey - 1}, kEye).Dot({ex, ey}, kEye).Dot({ex - 1, ey + 1}, kEye).Dot({ex + 1, ey + 1}, kEye);
      break;
  }
  f.Dot({ex + 1.4f, ey + 2.4f}, kCheek);
  // Held tools go between the body and the near arm.
  if (s.carry == Carry::Sweep) Broom(f, s.toolEnd, s.toolGrip);
  if (s.carry == Carry::Hammer) {
    f.Limb(s.toolGrip, s.toolEnd, 0.9f, kStick);
    const float dx = s.toolEnd.x - s.toolGrip.x, dy = s.toolEnd.y - s.toolGrip.y;
    const float len = std::sqrt(dx * dx + dy * dy);
    const V2 side{-dy / len * 3.6f, dx / len * 3.6f};
    f.Limb({s.toolEnd.x - side.x, s.toolEnd.y - side.y}, {s.toolEnd.x + side.x, s.toolEnd.y + side.y}, 2.4f, kMallet);
  }
  if (!s.armsBehindHead) {
    f.Limb(shoulder, s.nearHand, 1.6f, kParka);
    f.Circle(s.nearHand, 1.9f, kMitten);
  }
  if (s.mark) Exclaim(f, {head.x + 7.5f, head.y - 9});
  return f;
}

// One front-view pose (facing the viewer).
struct Front {
  float bob = 0, tilt = 0;
  V2 leftHand{9.5f, 23}, rightHand{22.5f, 23};
  V2 leftFoot{13, 30.6f}, rightFoot{19, 30.6f};
  Eyes eyes = Eyes::Open;
  int look = 0;       // -1 left, +1 right
  int mouth = 0;      // 0 none, 1 smile, 2 open
  bool sitting = false;
  int zzz = 0;        // 0 none, 1 small, 2 large
  bool spring = false;
  V2 springAt{16, 29};
};

// The spring as carried: steel plates and a golden coil, 7 pixels high.
void SmallSpring(Figure& f, V2 c) {
  f.Box(c.x - 3.5f, c.y - 4.5f, c.x + 3.5f, c.y + 1.5f, MakeTone(kGold));
  for (int i = 0; i < 3; ++i) f.Limb({c.x - 3.5f, c.y + 0.5f - float(i * 2)}, {c.x + 3.5f, c.y - 0.5f - float(i * 2)}, 0.6f, MakeTone(kYellow)).NoOutline();
  f.Box(c.x - 5, c.y + 1, c.x + 5, c.y + 3, MakeTone(kSteel));
  f.Box(c.x - 5, c.y - 6, c.x + 5, c.y - 4, MakeTone(kSteel));
}

Figure FrontFigure(const Front& s) {
  Figure f;
  const float b = s.bob;
  const V2 head{16 + float(s.look) * 0.6f, 11.5f + b};
  const float bodyY = s.sitting ? 24.5f : 21.5f + b * 0.8f;
  Broom(f, {24.5f, 7 + b}, {8.5f, 27 + b * 0.5f}, true);
  // Legs and boots.
  if (s.sitting) {
    f.Limb({13, 27}, s.leftFoot, 2.0f, kTrousers);
    f.Limb({19, 27}, s.rightFoot, 2.0f, kTrousers);
  } else {
    f.Limb({13.5f, 25 + b * 0.5f}, s.leftFoot, 2.0f, kTrousers);
    f.Limb({18.5f, 25 + b * 0.5f}, s.rightFoot, 2.0f, kTrousers);
  }
  f.Ellipse({s.leftFoot.x - 0.4f, s.leftFoot.y - 0.3f}, 2.5f, 1.7f, kBoot);
  f.Ellipse({s.rightFoot.x + 0.4f, s.rightFoot.y - 0.3f}, 2.5f, 1.7f, kBoot);
  f.Ellipse({16, bodyY}, 6.2f, s.sitting ? 4.8f : 5.4f, kParka);
  f.Limb({16, bodyY - 4}, {16, bodyY + 3.5f}, 0.5f, MakeTone(kGold)).NoOutline();  // zip
  const V2 ls{11.5f, bodyY - 2.5f}, rs{20.5f, bodyY - 2.5f};
  f.Limb(ls, s.leftHand, 1.6f, kParka);
  f.Limb(rs, s.rightHand, 1.6f, kParka);
  if (s.spring) SmallSpring(f, s.springAt);
  f.Circle(s.leftHand, 1.9f, kMitten);
  f.Circle(s.rightHand, 1.9f, kMitten);
  // Head.
  f.Ellipse(head, 6.4f, 6.0f, kFace);
  f.Poly(Arc({head.x, head.y - 2.3f}, 6.9f, 5.4f, 180, 360, 14), kHat);
  f.Limb({head.x - 6.6f, head.y - 2.2f}, {head.x + 6.6f, head.y - 2.2f}, 1.2f, kCuff);
  f.Circle({head.x + float(s.look) * 1.0f, head.y - 8.2f}, 2.1f, kPom);
  f.Limb({head.x - 5, head.y + 6.2f}, {head.x + 5, head.y + 6.2f}, 1.6f, kScarf);
  f.Limb({head.x + 2.5f, head.y + 7}, {head.x + 3.5f, head.y + 10.5f}, 1.2f, kScarf);
  const float ex = head.x + float(s.look) * 1.5f, ey = head.y + 0.8f;
  for (float side : {-2.6f, 2.6f}) {
    const float x = ex + side;
    switch (s.eyes) {
      case Eyes::Open: f.Dot({x, ey}, kEye).Dot({x, ey + 1}, kEye); break;
      case Eyes::Wide: f.Dot({x, ey - 1}, kEye).Dot({x, ey}, kEye).Dot({x, ey + 1}, kEye); break;
      case Eyes::Closed: f.Dot({x - 0.7f, ey + 1}, kEye).Dot({x + 0.7f, ey + 1}, kEye); break;
      case Eyes::Happy: f.Dot({x - 1, ey + 1}, kEye).Dot({x, ey}, kEye).Dot({x + 1, ey + 1}, kEye); break;
      case Eyes::Cross:
        f.Dot({x - 1, ey - 1}, kEye).Dot({x + 1, ey - 1}, kEye).Dot({x, ey}, kEye).Dot({x - 1, ey + 1}, kEye).Dot({x + 1, ey + 1}, kEye);
        break;
    }
    f.Dot({x + side * 0.5f, ey + 2.6f}, kCheek);
  }
  if (s.mouth == 1) f.Dot({head.x - 1, head.y + 3.4f}, kEye).Dot({head.x, head.y + 3.9f}, kEye).Dot({head.x + 1, head.y + 3.4f}, kEye);
  if (s.mouth == 2) f.Ellipse({head.x, head.y + 3.8f}, 1.3f, 1.2f, FlatTone(Rgb{150, 40, 60})).NoOutline();
  return f;
}

// A little Z for the dozing frames, plotted after the figure.
void Snore(Canvas& cv, int x, int y, int size) {
  const Rgb c{200, 226, 255};
  for (int i = 0; i < size; ++i) {
    cv.Plot(x + i, y, c);
    cv.Plot(x + i, y + size - 1, c);
    cv.Plot(x + size - 1 - i, y + i, c);
  }
}

Side WalkFrame(int f) {
  Side s;
  switch (f) {
    case 0:  // near leg forward
      s.nearFoot = {21, 30.6f}, s.farFoot = {11.5f, 30.6f};
      s.nearHand = {12.5f, 23.5f}, s.farHand = {21, 22.5f};
      break;
    case 1:  // passing, near leg under the body, far leg lifted
      s.bob = -1, s.nearFoot = {16.5f, 30.6f}, s.farFoot = {17.5f, 28.2f};
      s.nearHand = {15, 23.5f}, s.farHand = {18, 23}, s.scarfFlap = -1;
      break;
    case 2:  // far leg forward
      s.nearFoot = {11.5f, 30.6f}, s.farFoot = {21, 30.6f};
      s.nearHand = {21.5f, 22.5f}, s.farHand = {12.5f, 23};
      break;
    default:  // passing, near leg lifted
      s.bob = -1, s.nearFoot = {18, 28.2f}, s.farFoot = {16, 30.6f};
      s.nearHand = {18, 23.5f}, s.farHand = {15, 23}, s.scarfFlap = -1;
      break;
  }
  return s;
}

Side SweepFrame(int f) {
  Side s;
  s.carry = Carry::Sweep, s.lean = 1.8f, s.bob = 1.0f;
  s.nearFoot = {13.5f, 30.6f}, s.farFoot = {18.5f, 30.6f};
  const float padX[] = {24, 27, 20.5f, 25.5f};
  const float pad = padX[f];
  s.toolEnd = {pad, 29.8f};
  s.toolGrip = {pad - 8.5f, 16.5f};
  s.nearHand = {pad - 4.0f, 23.2f};
  s.farHand = {pad - 7.0f, 18.8f};
  return s;
}

Side HammerFrame(int f) {
  Side s;
  s.carry = Carry::Hammer;
  s.nearFoot = {12.5f, 30.6f}, s.farFoot = {19.5f, 30.6f};
  switch (f) {
    case 0:  // impact in front of the feet
      s.lean = 2, s.bob = 1.5f;
      s.nearHand = s.farHand = {22, 23.5f};
      s.toolGrip = {20.5f, 21}, s.toolEnd = {26.5f, 27.5f};
      break;
    case 1:  // lifting
      s.lean = 0.5f;
      s.nearHand = s.farHand = {21, 17.5f};
      s.toolGrip = {20, 19}, s.toolEnd = {25.5f, 11};
      break;
    case 2:  // raised behind the head
      s.lean = -1, s.bob = -0.5f, s.armsBehindHead = true;
      s.nearHand = s.farHand = {15.5f, 8.5f};
      s.toolGrip = {16.5f, 10}, s.toolEnd = {8.5f, 5.5f};
      break;
    default:  // swinging over the top
      s.lean = 0.5f, s.armsBehindHead = true;
      s.nearHand = s.farHand = {20, 9.5f};
      s.toolGrip = {19, 11}, s.toolEnd = {22.5f, 3.5f};
      break;
  }
  return s;
}

Canvas SideCell(const Side& s, bool left) {
  Canvas cv(32, 32);
  Xform xf;
  xf.flip = left;
  cv.Draw(SideFigure(s), xf);
  return cv;
}

Canvas FrontCell(const Front& s, const Xform& xf = {}) {
  Canvas cv(32, 32);
  cv.Draw(FrontFigure(s), xf);
  return cv;
}

}  // namespace

void DrawPlayerFront(Canvas& cv, int mood, const Xform& xf) {
  Front s;
  if (mood == 1) s.eyes = Eyes::Happy, s.mouth = 1, s.leftHand = {6, 13}, s.rightHand = {26, 13};
  cv.Draw(FrontFigure(s), xf);
}

Image MakeMainchar() {
  Image sheet(256, 320);
  auto put = [&](const Canvas& cv, int row, int col) {
    PutSprite(sheet, cv, slidestone::kPlayerPoses.Row(row), col);
  };

  for (int f = 0; f < 4; ++f) {
    put(SideCell(WalkFrame(f), false), 0, f);
    put(SideCell(WalkFrame(f), true), 1, f);
  }

  // Row 2: facing the viewer; idle glances left and right, then a stretch.
  {
    Front s;
    put(FrontCell(s), 2, 0);
    s.look = -1;
    put(FrontCell(s), 2, 1);
    s.look = 1;
    put(FrontCell(s), 2, 2);
    Front y;
    y.eyes = Eyes::Closed, y.mouth = 2, y.leftHand = {7, 6}, y.rightHand = {25, 6}, y.bob = -0.5f;
    put(FrontCell(y), 2, 3);
  }

  // Row 3: dozing (two frames), knocked out, and the startled halt.
  {
    Front d;
    d.sitting = true, d.eyes = Eyes::Closed, d.bob = 3;
    d.leftFoot = {10, 30.6f}, d.rightFoot = {22, 30.6f};
    d.leftHand = {10.5f, 27.5f}, d.rightHand = {21.5f, 27.5f};
    Canvas c0 = FrontCell(d);
    Snore(c0, 24, 3, 4);
    put(c0, 3, 0);
    d.bob = 3.6f;
    Canvas c1 = FrontCell(d);
    Snore(c1, 26, 0, 5);
    Snore(c1, 22, 6, 3);
    put(c1, 3, 1);

    Front k;
    k.eyes = Eyes::Cross, k.mouth = 2, k.leftHand = {6, 8}, k.rightHand = {26, 10};
    k.leftFoot = {11, 29}, k.rightFoot = {21.5f, 30.6f};
    Xform tilt;
    tilt.pivot = {16, 20}, tilt.angle = -14;
    put(FrontCell(k, tilt), 3, 2);

    Side h;
    h.lean = -1.5f, h.eyes = Eyes::Wide, h.mark = true;
    h.nearFoot = {18.5f, 30.6f}, h.farFoot = {13, 30.6f};
    h.nearHand = {24, 17}, h.farHand = {23, 14};
    put(SideCell(h, false), 3, 3);
  }

  for (int f = 0; f < 4; ++f) {
    put(SideCell(SweepFrame(f), false), 4, f);
    put(SideCell(HammerFrame(f), false), 5, f);
    put(SideCell(HammerFrame(f), true), 6, f);
  }

  // Row 7: setting a spring down in front of the feet.
  {
    Front s;
    s.spring = true;
    s.springAt = {16, 21}, s.leftHand = {11, 19.5f}, s.rightHand = {21, 19.5f};
    put(FrontCell(s), 7, 0);
    s.bob = 1.5f, s.springAt = {16, 24.5f}, s.leftHand = {11, 23.5f}, s.rightHand = {21, 23.5f};
    put(FrontCell(s), 7, 1);
    s.bob = 3, s.sitting = false, s.springAt = {16, 28.5f}, s.leftHand = {10.5f, 27}, s.rightHand = {21.5f, 27};
    s.leftFoot = {10.5f, 30.6f}, s.rightFoot = {21.5f, 30.6f};
    put(FrontCell(s), 7, 2);
    Front u;
    u.spring = true, u.springAt = {16, 28.5f}, u.mouth = 1, u.eyes = Eyes::Happy;
    u.leftFoot = {10.5f, 30.6f}, u.rightFoot = {21.5f, 30.6f}, u.leftHand = {7.5f, 20}, u.rightHand = {24.5f, 20};
    put(FrontCell(u), 7, 3);
  }

  // Row 8: facing the viewer and cheering.
  {
    Front s;
    s.mouth = 1, s.eyes = Eyes::Happy, s.leftHand = {8, 20}, s.rightHand = {24, 20};
    put(FrontCell(s), 8, 0);
    Front c = s;
    c.bob = 2, c.leftHand = {9.5f, 25}, c.rightHand = {22.5f, 25};
    c.leftFoot = {11.5f, 30.6f}, c.rightFoot = {20.5f, 30.6f};
    put(FrontCell(c), 8, 1);
    Front j = s;
    j.bob = -2.5f, j.mouth = 2, j.leftHand = {6, 5}, j.rightHand = {26, 5};
    j.leftFoot = {12.5f, 27}, j.rightFoot = {19.5f, 27};
    put(FrontCell(j), 8, 2);
    Front l = s;
    l.bob = 1, l.leftHand = {5.5f, 15}, l.rightHand = {26.5f, 15};
    put(FrontCell(l), 8, 3);
  }
  // Row 9 stays empty: nothing drawn, so its masks are all white.
  for (int f = 0; f < 4; ++f) put(Canvas(32, 32), 9, f);
  return sheet;
}

}  // namespace art
