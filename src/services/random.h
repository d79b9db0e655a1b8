// The game's one random generator. Draws are reseeded from the virtual clock, as the game asks
// for; a reseed mixes the clock into the running state, so draws made in the same millisecond
// still differ from one another. Same start and same inputs give the same numbers.
// The state lives in the game (Game::RandomState); callers pass it in, so this file needs
// nothing else of the game.
#pragma once

#include <cstdint>

namespace slidestone {

// Reseeds the running state from the virtual clock `now`.
void Randomize(uint64_t& state, int64_t now);
// A uniform number in [0, 1).
double Rnd(uint64_t& state);
// Int(Rnd * count): a whole number 0 .. count - 1.
int32_t RandomBelow(uint64_t& state, int32_t count);

}  // namespace slidestone
