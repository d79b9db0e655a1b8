// Pieces shared by the screens around the play: the right-aligned six-digit numbers of the word
// sheet (its rows are in graphics/sheet_frames.h), and the black screen of the results and the roll.
#pragma once

#include <cstdint>

#include "graphics/sheet_frames.h"

namespace slidestone {

class Surface;
struct HouseWindow;


// Draws value with its last digit at x0 + 160, one 32-pixel bright digit per place and at most
// six places, working on a copy so the caller's number is untouched. 0 draws a single 0.
void DrawSixDigits(Surface& dst, const Surface& words, int32_t value, int x0, int y);

// Fills the house window's whole screen with the black columns of the sheet picture.
void PaintHouseScreenBlack(HouseWindow& w);

}  // namespace slidestone
