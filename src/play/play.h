// The rules of a stage, in the order a pass of play runs them: the player, the tool menu, the
// stone, the enemies, the stage clock, the tile pass, the head-up display's zooms and the end of
// the pass; pause and the stage-flow sequence between moments of play. Every step changes the
// model and asks the view (stagedata/stage_view.h) to show what changed.
#pragma once

#include <cstdint>

namespace slidestone {

struct World;

// One pass of the stage screen: pause, or the stage-flow sequence, or a pass of play. Returns the
// first pass (a value of Now) at which the screen may change the model again: a run nobody
// watches may move the clock straight there, provided no key event comes in before it.
int64_t StagePass(World& g);

// The player (y is PlayerY) or the stone (StoneY) has fallen out of the field: the try ends.
// A player already struck ends it by the knock-out, and is only held at the field's edge. True
// when this fall ends the try (the caller sounds it).
bool FellOut(World& g, int32_t& y);

// The player step: the tool menu while it is open, else the action under way, else walking.
void UpdatePlayer(World& g);
// Jumps, drops, pipe travel, spring placing and the knock-out (every 30 ms).
void UpdatePlayerAction(World& g);
// One call of the open tool menu.
void UpdateToolMenu(World& g);
// The stone: a slide step when due, or the spring launch.
void UpdateStone(World& g);
// Walkers, watchers, throwers and the thrown ball (every 100 ms).
void UpdateEnemies(World& g);
// The stage clock, every 100 ms.
void StageTimerStep(World& g);
// The 40 ms map scan (pipe exit, glints, the tools' work, sparkles, goal flags, regrowing
// tiles), plus the stage end, pause and give-up checks of every pass.
void TilePass(World& g);
void SparkleStep(World& g);
// One step of the tool-points and speed-digit zooms, every 30 ms.
void HudEffectsStep(World& g);
// The end of a pass of play: the field repainted when something changed, and presented.
void FieldFrameStep(World& g);
// The stage's opening line leaves the field once play has run a while (OpeningLineStep) or at
// once when the stage ends (HideOpeningLine).
void OpeningLineStep(World& g);
void HideOpeningLine(World& g);

// While paused: waits for Enter.
void PauseStep(World& g);
// The curtain, end words, START banner and continue prompt between moments of play.
void StageFlowStep(World& g);
void FlowWordsStep(World& g);

// The head-up display of a stage that has just been loaded, from the counts the loader set,
// around one step of the stage clock (the loader calls it; see stage_loader.h).
void OpenStageHud(World& g);

// Hit tests. The menu variant of the enemy test counts only walkers and watchers; the
// tool-menu variant of the ball test uses the menu's narrower box.
bool IsHitByEnemy(const World& g, bool menuVariant = false);
bool IsHitByBall(const World& g, bool toolMenuVariant = false);

}  // namespace slidestone
