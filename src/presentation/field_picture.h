// The whole play field of a stage drawn from its code grids, for the editor and the picture of
// a stage: the loader's tiles and objects, then the figures as the first repaint of play shows
// them.
#pragma once

#include "stagedata/stage_field.h"

namespace slidestone {

struct Game;

// The whole field of a stage as it looks when its curtain opens, on the field: backdrop, tiles,
// goal flags, buckets, enemies, and the player and the stone at the starts of `record`. The
// backdrop and the clean field are rebuilt too. Changes the stage's tables and start variables.
FieldOverflow DrawStageField(Game& g, const CodeRows& map, const CodeRows& objects,
                             const RecordValues& record);

}  // namespace slidestone
