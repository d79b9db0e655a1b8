// Lighting single play-field cells: an overlay-sheet cell added pixel by pixel onto the
// bare backdrop.
#pragma once

#include <cstdint>
#include <vector>

#include "graphics/forms.h"
#include "graphics/surface.h"

namespace slidestone {

// Whole-image pixel transfers, 0x00RRGGBB values row by row. Return 0, or -1 when refused
// (the array has the wrong size).
int GetPixels(const Surface& s, std::vector<uint32_t>& pixels);
int SetPixels(Surface& s, const std::vector<uint32_t>& pixels);

// Adds cell n of a run of the overlay sheet onto the backdrop under play-field cell (col, row),
// channel by channel with saturation, and writes the result to the field and the clean field.
void BlendCell(StageWindow& f, int col, int row, const SheetRun& look, int n = 0);

}  // namespace slidestone
