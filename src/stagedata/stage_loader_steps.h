// The parts the stage loader is built from, one file each.
#pragma once

namespace slidestone {

struct World;

// The stage's two files: map<N>.dat (tiles) and Aimap<N>.dat (goal, buckets, enemies).
void ReadMapFile(World& g);
void ReadEnemyMapFile(World& g);

}  // namespace slidestone
