// Pieces of the tile pass that live in their own files.
#pragma once

#include "play/play.h"

namespace slidestone {

// One due pass of the hammer or broom work on a marked cell (codes 12, 13, 6 and 7): the
// figure's swing, the sweeping sound, the three stages and the completion.
void ToolWorkStep(TilePassScope s, int col, int row);

}  // namespace slidestone
