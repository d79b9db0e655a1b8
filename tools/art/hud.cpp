// The `time` sheet: the head-up display's digits and labels and the big words of the stage
// flow (continue?, YES, NO, TIME UP, STAGE CLEAR, START, StoneStop), all on pure black.
#include <string>
#include <vector>

#include "palette.h"
#include "sheets.h"
#include "text.h"

namespace art {

namespace time_sheet = slidestone::time_sheet;
using slidestone::SheetRun;

namespace {

using namespace pal;

const WordStyle kGreenWord{Rgb{186, 255, 150}, Rgb{40, 190, 72}, Rgb{230, 255, 220}, Rgb{8, 44, 18}, 2, {}, 0};
const WordStyle kWhiteDigit{Rgb{255, 255, 255}, Rgb{178, 194, 226}, Rgb{0, 0, 0}, Rgb{24, 26, 52}, 2, {}, 0};
const WordStyle kRedLabel{Rgb{255, 150, 130}, Rgb{222, 40, 52}, Rgb{0, 0, 0}, Rgb{54, 8, 18}, 2, {}, 0};

// A word image made into a sprite cell and its mask (black where the word is drawn).
void WordSprite(Image& sheet, const Image& word, int x, int y, int w, int h, int mx, int my) {
  Image cell(w, h);
  PlaceWord(cell, word, 0, 0, w, h, Align::Centre, 0);
  sheet.BlitAll(cell, x, y);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) sheet.Set(mx + i, my + j, cell.Get(i, j).IsBlack() ? kWhite : kBlack);
}

// A digit at the one size at which all ten digits fit w x h.
Image Digit(int d, int w, int h, const WordStyle& s) {
  static const std::vector<std::string> kDigits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
  return StyleWord(SizedInk(fonts::kSpartanBlack, std::to_string(d), FitSize(fonts::kSpartanBlack, kDigits, w, h)), s);
}

// Two stacked squares, the colon between minutes and seconds.
void Colon(Image& sheet, int x) {
  Canvas cv(time_sheet::kColons.w, time_sheet::kColons.h);
  for (int dot = 0; dot < 2; ++dot)
    for (int j = 0; j < 4; ++j)
      for (int i = 0; i < 4; ++i) cv.Plot(14 + i, 9 + 11 * dot + j, j == 0 ? Rgb{200, 255, 170} : Rgb{60, 210, 80});
  cv.Outline(Rgb{8, 44, 18});
  sheet.BlitAll(cv.Sprite(), x, time_sheet::kColons.y);
}

WordStyle BigStyle(Rgb top, Rgb bottom, Rgb outline, Rgb depth) {
  WordStyle s;
  s.top = top, s.bottom = bottom, s.shine = Mix(top, kWhite, 0.6f), s.outline = outline;
  s.outlineW = 3, s.depthColour = depth, s.depth = 4;
  return s;
}

// The word in cell n of its run.
void BigWord(Image& sheet, const std::string& text, const SheetRun& run, int n, const WordStyle& s, float slant = 0,
             int smear = 0, const char* font = fonts::kSpartanBlack) {
  const int pad = 2 * (s.outlineW + 1) + s.depth;
  Ink ink = FitInk(font, text, run.w - pad - 8 - smear - static_cast<int>(slant * 44), run.h - pad - 6);
  if (slant != 0) ink = Slant(ink, slant);
  if (smear > 0) ink = Smear(ink, smear);
  PlaceWord(sheet, StyleWord(ink, s), run.X(n), run.Y(n), run.w, run.h, Align::Centre, 0);
}

}  // namespace

Image MakeTimeSheet() {
  Image sheet(320, 896);
  // Row 0: the clock's background (black, two colons), the minus sign and its mask.
  const SheetRun& colons = time_sheet::kColons;
  for (int i = 0; i < colons.count; ++i) Colon(sheet, colons.X(i));
  {
    Canvas cv(32, 32);
    for (int j = 0; j < 5; ++j)
      for (int i = 0; i < 16; ++i) cv.Plot(8 + i, 14 + j, j == 0 ? Rgb{200, 255, 170} : Rgb{60, 210, 80});
    cv.Outline(Rgb{8, 44, 18});
    PutSprite(sheet, cv, time_sheet::kMinus);
  }
  // Large digits, green (y 32) and white (y 64).
  for (int d = 0; d < 10; ++d) {
    const SheetRun &green = time_sheet::kLargeDigits, &white = time_sheet::kWhiteDigits;
    PlaceWord(sheet, Digit(d, 24, 24, kGreenWord), green.X(d), green.Y(d), green.w, green.h, Align::Centre, 0);
    PlaceWord(sheet, Digit(d, 24, 24, kWhiteDigit), white.X(d), white.Y(d), white.w, white.h, Align::Centre, 0);
  }
  // Labels.
  auto label = [&](const std::string& t, int n, const WordStyle& s) {
    const SheetRun& labels = time_sheet::kLabels;
    PlaceWord(sheet, StyleWord(FitInk(fonts::kSpartanBlack, t, 56, 17), s), labels.X(n), labels.Y(n), labels.w,
              labels.h, Align::Centre, 0);
  };
  label("TOTAL", time_sheet::kTotalLabel, kRedLabel);
  label("STAGE", time_sheet::kStageLabel, kRedLabel);
  label("SPEED", time_sheet::kSpeedLabel, kGreenWord);
  // Small digits with masks, the slash and the red zero.
  WordStyle smallGreen = kGreenWord, smallRed = kRedLabel;
  smallGreen.outlineW = smallRed.outlineW = 1;
  const SheetRun& small = time_sheet::kSmallDigits;
  for (int d = 0; d < small.count; ++d) {
    WordSprite(sheet, Digit(d, 11, 20, smallGreen), small.X(d), small.Y(d), small.w, small.h, small.MaskX(d),
               small.MaskY(d));
  }
  {
    Canvas cv(16, 48);
    for (int t = 0; t < 34; ++t)
      for (int k = 0; k < 3; ++k) cv.Plot(11 - t * 7 / 34 + k - 1, 7 + t, k == 0 ? Rgb{200, 255, 170} : Rgb{60, 210, 80});
    cv.Outline(Rgb{8, 44, 18});
    PutSprite(sheet, cv, time_sheet::kSlash);
  }
  const SheetRun& zero = time_sheet::kRedZero;
  WordSprite(sheet, Digit(0, 11, 20, smallRed), zero.x, zero.y, zero.w, zero.h, zero.maskX, zero.maskY);

  // The stage-flow words, 256 x 64 (YES and NO 128 x 64).
  const WordStyle ice = BigStyle(Rgb{255, 255, 255}, Rgb{120, 206, 255}, Rgb{14, 24, 64}, Rgb{30, 70, 150});
  const WordStyle bright = BigStyle(Rgb{255, 250, 170}, Rgb{255, 190, 30}, Rgb{50, 26, 6}, Rgb{150, 80, 10});
  const WordStyle dim = BigStyle(Rgb{150, 150, 110}, Rgb{104, 104, 70}, Rgb{26, 26, 16}, Rgb{60, 60, 40});
  const WordStyle red = BigStyle(Rgb{255, 200, 150}, Rgb{240, 60, 40}, Rgb{56, 8, 10}, Rgb{130, 20, 30});
  const WordStyle gold = BigStyle(Rgb{255, 255, 200}, Rgb{250, 170, 20}, Rgb{60, 24, 0}, Rgb{170, 60, 20});
  const WordStyle start = BigStyle(Rgb{230, 255, 255}, Rgb{60, 200, 255}, Rgb{10, 20, 60}, Rgb{24, 60, 150});
  using time_sheet::kBrightWord, time_sheet::kDimWord;
  BigWord(sheet, "continue?", time_sheet::kContinueWord, 0, ice);
  BigWord(sheet, "YES", time_sheet::kYesWords, kBrightWord, bright);
  BigWord(sheet, "YES", time_sheet::kYesWords, kDimWord, dim);
  BigWord(sheet, "NO", time_sheet::kNoWords, kBrightWord, bright);
  BigWord(sheet, "NO", time_sheet::kNoWords, kDimWord, dim);
  BigWord(sheet, "TIME UP", time_sheet::kTimeUpWord, 0, red);
  BigWord(sheet, "STAGE CLEAR", time_sheet::kClearWords, 0, gold);
  BigWord(sheet, "STAGE CLEAR", time_sheet::kClearWords, 1, gold, 0.3f);
  BigWord(sheet, "START", time_sheet::kStartWords, 0, start);
  WordStyle blur = start;
  blur.top = Mix(start.top, start.bottom, 0.3f), blur.depth = 0;
  BigWord(sheet, "START", time_sheet::kStartWords, 1, blur, 0.18f, 26);
  const SheetRun& stop = time_sheet::kStoneStopWords;
  BigWord(sheet, "StoneStop", stop, 0, BigStyle(Rgb{240, 240, 255}, Rgb{150, 130, 240}, Rgb{24, 14, 60}, Rgb{70, 40, 140}));
  BigWord(sheet, "StoneStop", stop, 1, BigStyle(Rgb{230, 232, 240}, Rgb{132, 134, 150}, Rgb{20, 20, 34}, Rgb{70, 72, 90}));
  BigWord(sheet, "StoneStop", stop, 2, red);
  return sheet;
}

}  // namespace art
