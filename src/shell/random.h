// The game's one random generator. Draws are reseeded from the virtual clock, as the game asks
// for; a reseed mixes the clock into the running state, so draws made in the same millisecond
// still differ from one another. Same start and same inputs give the same numbers.
#pragma once

#include <cstdint>

namespace slidestone {

struct Game;

// Reseeds from the virtual clock.
void Randomize(Game& g);
// A uniform number in [0, 1).
double Rnd(Game& g);
// Int(Rnd * count): a whole number 0 .. count - 1.
int32_t RandomBelow(Game& g, int32_t count);

}  // namespace slidestone
