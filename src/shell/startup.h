// Start-up and shut-down around the game-state loop.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace slidestone {

struct Game;

// Shows the title window, sets the option defaults, reads the high score and opens the sound.
void StartUp(Game& g);
// Closes the music and the windows.
void ShutDown(Game& g);

// The stored high score text as a number: a whole 32-bit decimal, else nothing.
std::optional<int32_t> ParseStoredScore(const std::string& text);

}  // namespace slidestone
