// The places the bounces go back to, noted at every repaint of the play field.
#pragma once

#include "stagedata/model.h"

namespace slidestone {

// Notes where the player, the stone and every standing enemy are drawn by the repaint about to
// happen as their previous places (PlayerPrevX/Y, StonePrevX/Y, each enemy's prevX/Y).
//
// Play depends on this: a figure that walks or slides into a wall or past an edge is put back
// at its previous place, and that place is where it was last drawn, not where its last step
// left it. Between repaints a figure can take several steps, so where it turns back follows
// when the field was last repainted. Call it with every repaint, before the figures are drawn,
// and never elsewhere, or the bounces land somewhere else.
void NoteDrawnPositions(PlayerState& player, StoneState& stone, EnemiesState& enemies,
                        const FieldState& field);

}  // namespace slidestone
