// Pieces shared by the screens around the play: the word sheet's rows, the right-aligned
// six-digit numbers, and the black screen of the results and the roll.
#pragma once

#include <cstdint>

namespace slidestone {

class Surface;
struct HouseWindow;

// Rows of the menu window's word sheet (y = 64 * row). The left half of a row is the dim word,
// the right half (x 256) the bright one.
constexpr int kWordH = 64;
constexpr int kBrightX = 256;
enum WordRow : int {
  kRowGameStart = 0,
  kRowOption = 1,
  kRowGameEnd = 2,
  kRowGameLv = 3,
  kRowLevelsDim = 4,     // EASY, NORMAL, HARD, EXIT in 128-pixel cells
  kRowLevelsBright = 5,
  kRowOnOff = 6,         // dim ON, dim OFF, bright ON, bright OFF
  kRowTimeLimit = 7,
  kRowStageSelect = 8,
  kRowHighScore = 9,
  kRowDigitsBright = 10,
  kRowDigitsDim = 11,
};
constexpr int RowY(int row) { return row * kWordH; }

// Draws value with its last digit at x0 + 160, one 32-pixel bright digit per place and at most
// six places, working on a copy so the caller's number is untouched. 0 draws a single 0.
void DrawSixDigits(Surface& dst, const Surface& words, int32_t value, int x0, int y);

// Fills the house window's whole screen with the black columns of the sheet picture.
void PaintHouseScreenBlack(HouseWindow& w);

}  // namespace slidestone
