// The parts the stage loader is built from, one file each.
#pragma once

namespace slidestone {

struct Game;

// The stage's two files: map<N>.dat (tiles) and Aimap<N>.dat (goal, buckets, enemies).
void ReadMapFile(Game& g);
void ReadEnemyMapFile(Game& g);

}  // namespace slidestone
