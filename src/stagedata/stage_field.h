// Building a stage's field from its two code grids, the way the loader does it. The loader,
// the editor and the picture of a stage all draw through these, so a stage looks the same
// wherever it is shown.
#pragma once

#include "stagedata/stage_format.h"

namespace slidestone {

struct Game;

// Which tables had no room left (the extra cells are left empty).
struct FieldOverflow {
  bool speedTiles = false, items = false, enemies = false;
};

// Stores the map codes in Map, draws their tiles on gamebox2 and Bback (over the backdrop
// already there) and appends a SpeedTiles record for every speed tile.
FieldOverflow PlaceMapCodes(Game& g, const CodeRows& codes);
// Stores the object codes in AiMap, appends Items and Enemies records and draws each one's first
// sprite on gamebox2; enemy cells are left empty in AiMap.
FieldOverflow PlaceObjectCodes(Game& g, const CodeRows& codes);

// The whole field of a stage as it looks when its curtain opens, on gamebox2: backdrop, tiles,
// goal flags, buckets, enemies, and the player and the stone at the starts of `record`. Clean
// field buffers back and Bback are rebuilt too. Changes the stage's tables and start variables.
FieldOverflow DrawStageField(Game& g, const CodeRows& map, const CodeRows& objects,
                             const RecordValues& record);

}  // namespace slidestone
