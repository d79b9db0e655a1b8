// Starting a game and building a stage from its files.
#pragma once

namespace slidestone {

struct Game;

// New-game values, the stage table and messages, then the first stage; GameState 3.
void NewGame(Game& g);
// Builds stage Stage from its map and enemy map and draws the stage screen; GameState 3.
void LoadStage(Game& g);

}  // namespace slidestone
