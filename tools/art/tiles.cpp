// Map tiles of char3 rows 2 and 3: toy bricks and steel blocks (plain and snow-capped), the
// SPEED UP / SPEED DOWN sign blocks, the arrow blocks and their turning frames, the pipe top, and
// the UP / DOWN labels that rise from the stone when its speed changes.
#include "blocks.h"
#include "palette.h"
#include "pixelfont.h"
#include "sheets.h"

namespace art {

namespace {

using namespace pal;

const BlockTone kBrick = MakeBlockTone(Rgb{212, 56, 60}, Rgb{64, 14, 28});
const BlockTone kSteelBlock = MakeBlockTone(Rgb{132, 150, 176}, Rgb{28, 32, 52});
const BlockTone kArrowBlock = MakeBlockTone(Rgb{56, 104, 206}, Rgb{18, 24, 60});

// A toy brick: a bevelled body with two studs on top; the gaps between the studs stay black, so
// the keyed copy shows the backdrop there.
void Brick(Image& s, int x, int y) {
  DrawBlock(s, x, y + 4, 32, 28, kBrick);
  DrawStud(s, x + 4, y, 9, 5, kBrick);
  DrawStud(s, x + 19, y, 9, 5, kBrick);
  // Plastic shine.
  s.Set(x + 3, y + 7, Rgb{255, 196, 186});
  s.Set(x + 4, y + 7, Rgb{255, 196, 186});
  s.Set(x + 3, y + 8, Rgb{255, 196, 186});
}

void SteelBlock(Image& s, int x, int y) {
  DrawBlock(s, x, y, 32, 32, kSteelBlock);
  // An inset panel with a sheen and four rivets.
  const BlockTone inset{Rgb{118, 136, 162}, Rgb{92, 106, 130}, Rgb{176, 192, 214}, Rgb{62, 72, 98}};
  DrawBlock(s, x + 6, y + 6, 20, 20, inset, 1);
  for (int k = 0; k < 6; ++k) s.Set(x + 9 + k, y + 22 - k, Rgb{186, 202, 222});
  for (int k = 0; k < 4; ++k) s.Set(x + 14 + k, y + 21 - k, Rgb{170, 186, 208});
  for (int cy : {3, 27})
    for (int cx : {3, 27}) {
      s.Set(x + cx, y + cy, Rgb{226, 234, 246});
      s.Set(x + cx + 1, y + cy, Rgb{96, 108, 134});
      s.Set(x + cx, y + cy + 1, Rgb{96, 108, 134});
      s.Set(x + cx + 1, y + cy + 1, Rgb{52, 60, 84});
    }
}

// A sign block: a piece of plain stone wall with an enamel sign nailed to it, white letters
// and an arrow; the wall shows round the sign and under its shadow, so it reads as a notice
// on a wall, not as a working part of the field.
void SignBlock(Image& s, int x, int y, bool up) {
  // The wall: grey stones in two courses, mortar between.
  const Rgb stone{112, 108, 118}, mortar{58, 54, 64}, lit{140, 136, 146}, dark{86, 82, 94};
  for (int j = 0; j < 32; ++j)
    for (int i = 0; i < 32; ++i) {
      const int course = j / 8, shift = course % 2 == 0 ? 0 : 8;
      const bool joint = j % 8 == 7 || (i + shift) % 16 == 15;
      Rgb c = joint ? mortar : stone;
      if (!joint && j % 8 == 0) c = lit;
      if (!joint && j % 8 == 6) c = dark;
      s.Set(x + i, y + j, c);
    }
  // The sign's shadow on the wall, then the sign: a white rim round the enamel.
  const int px = x + 3, py = y + 4, pw = 25, ph = 23;
  for (int j = 0; j < ph; ++j)
    for (int i = 0; i < pw; ++i) s.Set(px + i + 2, py + j + 2, Rgb{40, 36, 46});
  const Rgb enamel = up ? Rgb{46, 150, 64} : Rgb{214, 84, 36};
  for (int j = 0; j < ph; ++j)
    for (int i = 0; i < pw; ++i) {
      const bool rim = i == 0 || j == 0 || i == pw - 1 || j == ph - 1;
      s.Set(px + i, py + j, rim ? Rgb{244, 244, 236} : enamel);
    }
  // Two nails at the top corners.
  for (const int nx : {px + 2, px + pw - 3}) {
    s.Set(nx, py + 2, Rgb{200, 200, 210});
    s.Set(nx, py + 3, Rgb{70, 70, 80});
  }
  Canvas cv(32, 32);
  const Rgb ink{250, 250, 240}, shadow = up ? Rgb{20, 70, 30} : Rgb{110, 36, 12};
  const std::string word = up ? "UP" : "DOWN";
  for (int pass = 0; pass < 2; ++pass) {
    const int o = pass == 0 ? 1 : 0;
    const Rgb c = pass == 0 ? shadow : ink;
    PixelText(cv, "SPEED", 6 + o, 7 + o, false, c);
    const int ww = PixelTextWidth(word, false);
    PixelText(cv, word, 16 - (ww + 1) / 2 + o, 14 + o, false, c);
    for (int r = 0; r < 3; ++r)  // the arrow under the word
      for (int k = -r - 1; k <= r; ++k) cv.Plot(15 + k + o, (up ? 21 + r : 23 - r) + o, c);
  }
  s.Blit(cv.Sprite(), 0, 0, 32, 32, x, y, true);
}

// The arrow drawn on an arrow block; sx squeezes it to show it turning (negative = mirrored).
Figure ArrowShape() {
  Figure f;
  f.Poly({{6, 12.5f}, {16, 12.5f}, {16, 7}, {26.5f, 16}, {16, 25}, {16, 19.5f}, {6, 19.5f}},
         Tone{Rgb{255, 255, 255}, Rgb{236, 244, 255}, Rgb{176, 200, 236}, kWhite});
  return f;
}

void ArrowBlock(Image& s, int x, int y, float sx) {
  DrawBlock(s, x, y, 32, 32, kArrowBlock);
  s.Set(x + 3, y + 3, Rgb{170, 200, 255});
  s.Set(x + 4, y + 3, Rgb{170, 200, 255});
  s.Set(x + 3, y + 4, Rgb{170, 200, 255});
  Canvas cv(32, 32);
  Xform xf;
  xf.pivot = {16, 16};
  xf.flip = sx < 0;
  xf.sx = std::max(0.08f, sx < 0 ? -sx : sx);
  cv.Draw(ArrowShape(), xf, Rgb{16, 22, 56});
  s.Blit(cv.Sprite(), 0, 0, 32, 32, x, y, true);
}

// Pipe top: a teal toy tube with a thick rim; the opening shows as a dark band on the rim.
void PipeTop(Image& s, int x, int y) {
  auto shadeAcross = [](int i, int w, Rgb base) {
    const float t = float(i) / float(w - 1);
    if (t < 0.18f) return Mix(base, kWhite, 0.35f);
    if (t < 0.3f) return Mix(base, kWhite, 0.6f);
    if (t > 0.78f) return Mix(Scale(base, 0.6f), Rgb{20, 30, 80}, 0.2f);
    return base;
  };
  const Rgb teal{44, 172, 168}, line{12, 40, 46};
  // Body.
  for (int j = 11; j < 32; ++j)
    for (int i = 0; i < 32; ++i) {
      Rgb c = (i < 3 || i > 28) ? Rgb{22, 78, 86} : shadeAcross(i - 3, 26, teal);
      if (i == 3 || i == 28) c = line;
      s.Set(x + i, y + j, c);
    }
  // Rim.
  for (int j = 0; j < 11; ++j)
    for (int i = 0; i < 32; ++i) {
      Rgb c = shadeAcross(i, 32, Rgb{56, 194, 186});
      if (i == 0 || i == 31 || j == 0 || j == 10) c = line;
      else if (j <= 3 && i >= 3 && i <= 28) c = j == 1 ? Rgb{10, 46, 52} : Rgb{20, 70, 76};
      s.Set(x + i, y + j, c);
    }
}

// A word for the rising speed label, 32 x 12, with an outline; on black for keyed copies.
void Label(Image& s, int x, int y, const std::string& word, Rgb fill, Rgb shade) {
  Canvas cv(32, 12);
  const int w = PixelTextWidth(word, true);
  const int lx = (32 - w) / 2;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) PixelText(cv, word, lx + dx, 2 + dy, true, Rgb{24, 18, 36});
  PixelText(cv, word, lx, 2, true, fill);
  for (int i = 0; i < 32; ++i)  // darker lower half of the letters
    for (int j = 6; j < 9; ++j)
      if (cv.Covered(i, j) && cv.Colours().Get(i, j) == fill) cv.Plot(i, j, shade);
  s.Blit(cv.Sprite(), 0, 0, 32, 12, x, y);
}

}  // namespace

void DrawTileRows(Image& s) {
  namespace sheet = slidestone::field_sheet;
  Brick(s, sheet::kBrick.x, sheet::kBrick.y);
  SteelBlock(s, sheet::kSteelBlock.x, sheet::kSteelBlock.y);
  SignBlock(s, sheet::kSpeedUpSign.x, sheet::kSpeedUpSign.y, true);
  SignBlock(s, sheet::kSpeedDownSign.x, sheet::kSpeedDownSign.y, false);
  ArrowBlock(s, sheet::kArrowRight.x, sheet::kArrowRight.y, 1);
  ArrowBlock(s, sheet::kArrowLeft.x, sheet::kArrowLeft.y, -1);
  PipeTop(s, sheet::kPipeTop.x, sheet::kPipeTop.y);
  const slidestone::SheetRun& words = sheet::kSpeedWords;
  Label(s, words.X(0), words.Y(0), "UP", Rgb{140, 255, 120}, Rgb{60, 200, 70});
  Label(s, words.X(1), words.Y(1), "DOWN", Rgb{255, 130, 100}, Rgb{230, 60, 50});

  // Snow-capped brick and steel, then the arrows turning under the broom.
  Brick(s, sheet::kSnowyBrick.x, sheet::kSnowyBrick.y);
  DrawSnowCap(s, sheet::kSnowyBrick.x, sheet::kSnowyBrick.y, 32, 3);
  SteelBlock(s, sheet::kSnowySteelBlock.x, sheet::kSnowySteelBlock.y);
  DrawSnowCap(s, sheet::kSnowySteelBlock.x, sheet::kSnowySteelBlock.y, 32, 8);
  const float turn[3] = {0.5f, 0.0f, -0.5f};
  for (int k = 0; k < 3; ++k) {
    ArrowBlock(s, sheet::kArrowRightTurning.X(k), sheet::kArrowRightTurning.Y(k), turn[k]);
    ArrowBlock(s, sheet::kArrowLeftTurning.X(k), sheet::kArrowLeftTurning.Y(k), -turn[k]);
  }
}

}  // namespace art
