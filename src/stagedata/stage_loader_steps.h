// The parts the stage loader is built from, one file each.
#pragma once

#include <string>

#include "stagedata/model.h"

namespace slidestone {

// The stage's two files: map<N>.dat (tiles) and Aimap<N>.dat (goal, buckets, enemies).
// Each fills its grid and appends the records of what it finds to the (emptied) tables.
void ReadMapFile(FieldState& field, const std::string& stageDir, int stage);
void ReadEnemyMapFile(FieldState& field, EnemiesState& enemies, const std::string& stageDir,
                      int stage);

}  // namespace slidestone
