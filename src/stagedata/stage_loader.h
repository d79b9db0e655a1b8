// Starting a game and building a stage from its files.
#pragma once

namespace slidestone {

struct Game;

// Draws the head-up display of a stage just loaded. The loader only reads and sets; it calls
// this once the stage's counts are set, before the maps are read and the try's figures reset.
using StageHudPainter = void (*)(Game& g);

// New-game values, the stage table and messages, then the first stage; GameState 3.
void NewGame(Game& g, StageHudPainter drawHud);
// Builds stage Stage from its map and enemy map on the field buffers and has `drawHud` draw
// the head-up display; GameState 3.
void LoadStage(Game& g, StageHudPainter drawHud);

}  // namespace slidestone
