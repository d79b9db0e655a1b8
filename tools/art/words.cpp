// The menu window's word sheet `messagebox`: the menu and option words, dim olive on the left half
// (not selected) and bright yellow on the right half (selected), rows 64 pixels high, on pure
// black.
// Both tints of a word share one shape, so one can be drawn over the other.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "sheets.h"
#include "text.h"

namespace art {

using slidestone::kBrightX;
using slidestone::kMenuDigits;
using slidestone::kScoreWord;
using slidestone::kValueCellW;
using slidestone::kWordH;
using slidestone::RowY;
using namespace slidestone;  // the WordRow names

namespace {

const char* const kFont = fonts::kSpartanBlack;

WordStyle Tint(bool bright) {
  WordStyle s;
  if (bright) {
    s.top = Rgb{255, 252, 190}, s.bottom = Rgb{255, 194, 28}, s.shine = Rgb{255, 255, 240};
    s.outline = Rgb{58, 30, 4}, s.depthColour = Rgb{176, 92, 12};
  } else {
    s.top = Rgb{178, 172, 100}, s.bottom = Rgb{118, 114, 58}, s.shine = Rgb{0, 0, 0};
    s.outline = Rgb{30, 28, 12}, s.depthColour = Rgb{74, 70, 34};
  }
  s.outlineW = 2, s.depth = 3;
  return s;
}

constexpr int kPad = 2 * 3 + 3;  // outline on both sides plus the extrusion
// The value words are narrowed a little so that NORMAL fits its cell without shrinking far.
constexpr float kValueSqueeze = 0.75f;

// The word at the common size, squeezed across if it would not fit maxW.
Ink WordInk(const std::string& text, int pt, int maxW) {
  Ink ink = SizedInk(kFont, text, pt);
  if (ink.w > maxW) ink = Stretch(ink, maxW, ink.h);
  return ink;
}

void Put(Image& sheet, const Ink& ink, bool bright, int x, int y, int w, Align al, int margin = 6) {
  PlaceWord(sheet, StyleWord(ink, Tint(bright)), x, y, w, kWordH, al, margin);
}

// A word in both tints: dim at x 0, bright at kBrightX.
void Both(Image& sheet, const std::string& text, int pt, int row) {
  const Ink ink = WordInk(text, pt, kBrightX - 12 - kPad);
  Put(sheet, ink, false, 0, RowY(row), kBrightX, Align::Left);
  Put(sheet, ink, true, kBrightX, RowY(row), kBrightX, Align::Left);
}

}  // namespace

Image MakeMessagebox() {
  Image sheet(512, 768);
  const int pt = FitSize(kFont, {"GAME START", "GAME END", "TIME LIMIT", "OPTION", "GAME LV"}, 256 - 12 - kPad, 36);
  Both(sheet, "GAME START", pt, kRowGameStart);
  Both(sheet, "OPTION", pt, kRowOption);
  Both(sheet, "GAME END", pt, kRowGameEnd);
  Both(sheet, "GAME LV", pt, kRowGameLv);
  Both(sheet, "TIME LIMIT", pt, kRowTimeLimit);
  Both(sheet, "STAGESERECT", pt, kRowStageSelect);

  // Rows 4-6: cells of kValueCellW. The options screen shows EASY, NORMAL and HARD in turn in one
  // place, so every value word shares one size and one width squeeze, set by NORMAL, the longest.
  const std::vector<std::string> values = {"EASY", "NORMAL", "HARD", "EXIT", "ON", "OFF"};
  const int cellInk = kValueCellW - 8 - kPad;
  const int small = std::min(pt, FitSize(kFont, values, static_cast<int>(cellInk / kValueSqueeze), 36));
  auto valueInk = [&](const std::string& text) {
    const Ink ink = SizedInk(kFont, text, small);
    return Stretch(ink, static_cast<int>(std::lround(float(ink.w) * kValueSqueeze)), ink.h);
  };
  for (int i = 0; i < 4; ++i) {
    const Ink ink = valueInk(values[i]);
    Put(sheet, ink, false, kValueCellW * i, RowY(kRowLevelsDim), kValueCellW, Align::Left, 5);
    Put(sheet, ink, true, kValueCellW * i, RowY(kRowLevelsBright), kValueCellW, Align::Left, 5);
  }
  for (int i = 0; i < 2; ++i) {
    const Ink ink = valueInk(values[4 + i]);
    Put(sheet, ink, false, kValueCellW * i, RowY(kRowOnOff), kValueCellW, Align::Left, 5);
    Put(sheet, ink, true, kBrightX + kValueCellW * i, RowY(kRowOnOff), kValueCellW, Align::Left, 5);
  }

  // Row 9: HIGH SCORE, with SCORE alone inside x 110-259 (the results screen copies just that),
  // and NEW on the right. All bright: they are headings, never unselected choices.
  {
    const Ink high = WordInk("HIGH", pt, 100 - kPad);
    const Ink score = WordInk("SCORE", pt, 144 - kPad);
    const int y = RowY(kRowHighScore);
    Put(sheet, high, true, 0, y, kScoreWord.x - 4, Align::Right, 4);
    Put(sheet, score, true, kScoreWord.x, y, 146, Align::Left, 2);
    Put(sheet, WordInk("NEW", pt, 200), true, 266, y, 246, Align::Left, 0);
  }

  // Rows 10 and 11: digits, bright then dim, 32 x 64 each.
  std::vector<std::string> digits;
  for (int d = 0; d < 10; ++d) digits.push_back(std::to_string(d));
  const int dpt = FitSize(kFont, digits, kMenuDigits.w - kPad - 1, 40);
  const SheetRun bright = kMenuDigits.Row(kRowDigitsBright), dim = kMenuDigits.Row(kRowDigitsDim);
  for (int d = 0; d < kMenuDigits.count; ++d) {
    const Ink ink = SizedInk(kFont, digits[d], dpt);
    Put(sheet, ink, true, bright.X(d), bright.Y(d), bright.w, Align::Centre);
    Put(sheet, ink, false, dim.X(d), dim.Y(d), dim.w, Align::Centre);
  }
  return sheet;
}

}  // namespace art
