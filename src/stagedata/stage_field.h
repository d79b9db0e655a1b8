// Building a stage's field from its two code grids, the way the loader does it. The loader,
// the editor and the picture of a stage all build through these (the picture drawn from them is
// DrawStageField in presentation/field_picture.h), so a stage looks the same wherever it is shown.
#pragma once

#include "stagedata/stage_format.h"

#include "stagedata/model.h"

namespace slidestone {

// Which tables had no room left (the extra cells are left empty).
struct FieldOverflow {
  bool speedTiles = false, items = false, enemies = false;
};

// Stores the map codes in Map and appends a SpeedTiles record for every speed tile.
FieldOverflow PlaceMapCodes(FieldState& field, const CodeRows& codes);
// Stores the object codes in AiMap and appends Items and Enemies records; enemy cells are left
// empty in AiMap.
FieldOverflow PlaceObjectCodes(FieldState& field, EnemiesState& enemies, const CodeRows& codes);

}  // namespace slidestone
