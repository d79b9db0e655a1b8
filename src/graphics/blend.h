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

// Adds overlay-sheet cell (oc, orow) onto the backdrop under play-field cell (col, row),
// channel by channel with saturation, and writes the result to the field and the clean field.
void BlendCell(StageWindow& f, int col, int row, int oc, int orow);

}  // namespace slidestone
