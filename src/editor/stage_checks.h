// What can make a stage unplayable or not what its maker meant, found while it is edited. None of
// it stops a save: the maker decides.
#pragma once

#include <string>
#include <vector>

#include "editor/stage_edits.h"

namespace slidestone::editor {

enum class CheckKind {
  NoGoal,
  LoneGoal,          // a goal of one cell: the stone is home only when it stops right over it
  PlayerInSolid,
  PlayerOutside,
  PlayerNotStanding,
  StoneInSolid,
  StoneOutside,
  StoneNotStanding,
  TooManyEnemies,
  TooManyItems,
  TooManySpeedTiles,
  PipeWithoutExit,
};

struct CheckResult {
  CheckKind kind;
  int col = -1, row = -1;  // the cell it is about, when there is one
  std::string text;        // short, for the panel
  bool note = false;       // worth knowing, but fine when meant: not counted as a warning
};

// How many of the results are warnings (not notes).
int WarningCount(const std::vector<CheckResult>& checks);

std::vector<CheckResult> CheckStage(const StageDoc& d);

}  // namespace slidestone::editor
