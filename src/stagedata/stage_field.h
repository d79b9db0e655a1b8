// Building a stage's field from its two code grids, the way the loader does it. The loader,
// the editor and the picture of a stage all draw through these (the whole picture is
// DrawStageField in presentation/field_picture.h), so a stage looks the same wherever it is shown.
#pragma once

#include "stagedata/stage_format.h"

namespace slidestone {

class Surface;
struct Game;

// The backdrop element in use (the sheet has two).
const Surface& StageBackdrop(const Game& g);

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

}  // namespace slidestone
