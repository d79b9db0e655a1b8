// Starting a game and building a stage from its files.
#pragma once

namespace slidestone {

struct World;

// Draws the head-up display of a stage just loaded. The loader only reads and sets; it calls
// this once the stage's counts are set, before the maps are read and the try's figures reset.
using StageHudPainter = void (*)(World& g);

// New-game values, the stage table and messages, then the first stage; GameState 3.
void NewGame(World& g, StageHudPainter drawHud);
// Builds stage Stage from its map and enemy map on the field buffers and has `drawHud` draw
// the head-up display; GameState 3.
void LoadStage(World& g, StageHudPainter drawHud);

}  // namespace slidestone
