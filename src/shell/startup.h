// Start-up and shut-down around the game-state loop.
#pragma once

namespace slidestone {

struct Game;

// Shows the title window, sets the option defaults, reads the high score and opens the sound.
void StartUp(Game& g);
// Closes the music and the windows.
void ShutDown(Game& g);

}  // namespace slidestone
