// A made-up menu word sheet (messagebox) whose every pixel names its 32 x 64 cell, so a test
// can read back which word of the sheet a screen shows at a point.
#pragma once

#include "graphics/surface.h"

namespace slidestone::testing {

constexpr Pixel kWordTag = 1u << 22;

// A word-sheet pixel: the column (x / 32) and row (y / 64) of its cell.
inline Pixel WordPixel(int x, int y) { return kWordTag | Pixel(x / 32) << 8 | Pixel(y / 64); }

// The word sheet at the game's size, every pixel a WordPixel.
inline void PaintWordSheet(Surface& words) {
  words.Resize(512, 768);
  for (int y = 0; y < 768; ++y)
    for (int x = 0; x < 512; ++x) words.Row(y)[x] = WordPixel(x, y);
}

struct Cell {
  int col = -1, row = -1;
  bool operator==(const Cell&) const = default;
};
// The word-sheet cell drawn at (x, y), or (-1, -1) when no word pixel is there.
inline Cell WordAt(const Surface& s, int x, int y) {
  const Pixel p = s.At(x, y);
  if ((p & 0xC00000u) != kWordTag) return {};
  return {int((p >> 8) & 255), int(p & 255)};
}
// The word cell a word of the sheet starts with: x in pixels, row of the sheet.
inline Cell Word(int x, int row) { return {x / 32, row}; }

}  // namespace slidestone::testing
