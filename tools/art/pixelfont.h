// Two tiny hand-drawn pixel fonts for the words that must stay crisp at a few pixels high:
// the signs painted on the SPEED UP / SPEED DOWN blocks (3x5) and the UP / DOWN labels that rise
// from the stone (5x7).
#pragma once

#include <string>

#include "figure.h"

namespace art {

// Width in pixels of a text in the small (3x5) or large (5x7) font, with 1 pixel between letters.
int PixelTextWidth(const std::string& text, bool large);
// Plots the text with its top-left at (x, y); returns false for a letter the font lacks.
bool PixelText(Canvas& cv, const std::string& text, int x, int y, bool large, Rgb c);

}  // namespace art
