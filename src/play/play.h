// The rules of a stage, in the order a pass of play runs them: the player, the tool menu, the
// stone, the enemies, the stage clock, the tile pass, the head-up display's zooms and the end of
// the pass; pause and the stage-flow sequence between moments of play. Every step changes the
// model and asks the view (stagedata/stage_view.h) to show what changed.
//
// Each step takes the records it changes by reference, what it only reads as const, and the
// services it uses (the sound, the view, the pacing) by name. A step that reaches into many
// records takes a scope instead: it names each record the step may change, each it only reads
// (const) and each service it uses, and hands out nothing else. A scope holds just the world it
// is made from, so it costs a pointer, and a caller that holds the world simply passes it.
#pragma once

#include <cstdint>

#include "stagedata/world.h"

namespace slidestone {

class Audio;

// One pass of the stage screen: pause, or the stage-flow sequence, or a pass of play. Returns the
// first pass (a value of Now) at which the screen may change the model again: a run nobody
// watches may move the clock straight there, provided no key event comes in before it.
int64_t StagePass(World& g);

// The player (y is PlayerY) or the stone (StoneY) has fallen out of the field: the try ends.
// A player already struck ends it by the knock-out, and is only held at the field's edge. True
// when this fall ends the try (the caller sounds it).
bool FellOut(int32_t& y, bool playerStruck, SessionState& session);

// --- the player and the tool menu ----------------------------------------------------------
// What the open tool menu may change: the menu and the keys it takes, the tile it marks (and the
// speed tile it breaks), the figure's pose and the spring it starts placing, the tool points,
// the refusal beep's clock, and the ball that strikes the figure. Never a score or the session.
class ToolMenuScope {
 public:
  ToolMenuScope(World& g) : g_(g) {}  // a caller that holds the world passes it
  ToolMenuState& menu() const { return g_; }
  KeyboardState& keys() const { return g_; }
  FieldState& field() const { return g_; }
  PlayerState& player() const { return g_; }
  StoneState& stone() const { return g_; }
  EnemiesState& enemies() const { return g_; }
  StageState& stage() const { return g_; }
  StepState& steps() const { return g_; }
  const Model& model() const { return g_; }  // what it only reads: the offer, the clock, the hit tests
  Audio& audio() const { return *g_.audio; }
  StageView& view() const { return *g_.view; }

 private:
  World& g_;
};

// What the action under way may change: the figure, the spring it sets down (the field's mark,
// the stone's spring shown), the points zoom, the ball that strikes it, the scene and the end of
// the try. It only reads the keys (steering a jump) and never touches the menu.
class ActionScope {
 public:
  ActionScope(World& g) : g_(g) {}  // a caller that holds the world passes it
  PlayerState& player() const { return g_; }
  FieldState& field() const { return g_; }
  StoneState& stone() const { return g_; }
  EnemiesState& enemies() const { return g_; }
  HudState& hud() const { return g_; }
  StageState& stage() const { return g_; }
  SessionState& session() const { return g_; }
  StepState& steps() const { return g_; }
  const KeyboardState& keys() const { return g_; }
  const Model& model() const { return g_; }  // what it only reads: the hit tests
  Audio& audio() const { return *g_.audio; }
  StageView& view() const { return *g_.view; }
  Pacing pace() const { return Pacing(g_); }

 private:
  World& g_;
};

// What the player's steps may change: nearly every record of play. The figure walks, jumps and
// takes keys; it picks up buckets (the field, the tool points), marks tiles and places the
// spring; it wears the stone's speed down, starts the zooms, is struck (the ball goes) and
// falls out (the try ends).
class PlayerScope {
 public:
  PlayerScope(World& g) : g_(g) {}  // a caller that holds the world passes it
  PlayerState& player() const { return g_; }
  KeyboardState& keys() const { return g_; }
  ToolMenuState& menu() const { return g_; }
  FieldState& field() const { return g_; }
  StoneState& stone() const { return g_; }
  EnemiesState& enemies() const { return g_; }
  HudState& hud() const { return g_; }
  StageState& stage() const { return g_; }
  SessionState& session() const { return g_; }
  StepState& steps() const { return g_; }
  const Model& model() const { return g_; }  // what it only reads: the hit tests, the stone's launch
  Audio& audio() const { return *g_.audio; }
  StageView& view() const { return *g_.view; }
  Pacing pace() const { return Pacing(g_); }
  // The parts of the step: the open menu and the action under way.
  ToolMenuScope toolMenu() const { return ToolMenuScope(g_); }
  ActionScope action() const { return ActionScope(g_); }

 private:
  World& g_;
};

// The player step: the tool menu while it is open, else the action under way, else walking.
void UpdatePlayer(PlayerScope s);
// Jumps, drops, pipe travel, spring placing and the knock-out (every 30 ms).
void UpdatePlayerAction(ActionScope s);
// One call of the open tool menu.
void UpdateToolMenu(ToolMenuScope s);

// --- the stone -------------------------------------------------------------------------------
// What the stone's step may change: the stone and the spring, the field's spent tiles and the
// spring's mark, the enemies it knocks out, the speed zoom, the scores and the end of the stage.
// It only reads the player (a struck player stops the goal and the stop).
class StoneScope {
 public:
  StoneScope(World& g) : g_(g) {}  // a caller that holds the world passes it
  StoneState& stone() const { return g_; }
  FieldState& field() const { return g_; }
  EnemiesState& enemies() const { return g_; }
  HudState& hud() const { return g_; }
  StageState& stage() const { return g_; }
  SessionState& session() const { return g_; }
  StepState& steps() const { return g_; }
  const PlayerState& player() const { return g_; }
  Audio& audio() const { return *g_.audio; }
  StageView& view() const { return *g_.view; }
  Pacing pace() const { return Pacing(g_); }

 private:
  World& g_;
};

// The stone: a slide step when due, or the spring launch.
void UpdateStone(StoneScope s);

// --- the enemies -----------------------------------------------------------------------------
class EnemiesScope {
 public:
  EnemiesScope(World& g) : g_(g) {}  // a caller that holds the world passes it
  EnemiesState& enemies() const { return g_; }  // the enemies and the ball
  StageState& stage() const { return g_; }      // the scene has changed
  StepState& steps() const { return g_; }       // the enemies' timer
  const FieldState& field() const { return g_; }
  const PlayerState& player() const { return g_; }
  Pacing pace() const { return Pacing(g_); }

 private:
  World& g_;
};

// Walkers, watchers, throwers and the thrown ball (every 100 ms).
void UpdateEnemies(EnemiesScope s);

// --- the stage clock -------------------------------------------------------------------------
class StageTimerScope {
 public:
  StageTimerScope(World& g) : g_(g) {}  // a caller that holds the world passes it
  StageState& stage() const { return g_; }      // the time left, time up
  SessionState& session() const { return g_; }  // the stage ends
  StepState& steps() const { return g_; }       // the clock's timer
  const PlayerState& player() const { return g_; }
  StageView& view() const { return *g_.view; }
  Pacing pace() const { return Pacing(g_); }

 private:
  World& g_;
};

// The stage clock, every 100 ms.
void StageTimerStep(StageTimerScope s);

// --- the tile pass ---------------------------------------------------------------------------
// What the tile pass may change: the map's changing cells and what lives on the field (items,
// speed tiles, sparkles, drawn with the random generator), the tools' work (the figure's swing,
// the menu closing, the bonus and its zoom, the jump after the hammer), the pipe exit, and every
// pass the stage end, pause and give-up. It only reads the stone (a tile regrows only from
// under nothing).
class TilePassScope {
 public:
  TilePassScope(World& g) : g_(g) {}  // a caller that holds the world passes it
  FieldState& field() const { return g_; }
  ClockState& clock() const { return g_; }
  PlayerState& player() const { return g_; }
  KeyboardState& keys() const { return g_; }
  ToolMenuState& menu() const { return g_; }
  HudState& hud() const { return g_; }
  FlowState& flow() const { return g_; }
  StageState& stage() const { return g_; }
  SessionState& session() const { return g_; }
  StepState& steps() const { return g_; }
  const StoneState& stone() const { return g_; }
  Audio& audio() const { return *g_.audio; }
  StageView& view() const { return *g_.view; }
  Pacing pace() const { return Pacing(g_); }

 private:
  World& g_;
};

// The 40 ms map scan (pipe exit, glints, the tools' work, sparkles, goal flags, regrowing
// tiles), plus the stage end, pause and give-up checks of every pass.
void TilePass(TilePassScope s);
// One step of the sparkles over a cell the hammer has cleared (SparkleOn).
void SparkleStep(FieldState& field, ClockState& clock, StageState& stage, StageView& view);

// --- the head-up display, the end of the pass, the opening line ------------------------------
// One step of the tool-points and speed-digit zooms, every 30 ms.
void HudEffectsStep(HudState& hud, StepState& steps, StageView& view, Pacing pace);

class FieldFrameScope {
 public:
  FieldFrameScope(World& g) : g_(g) {}  // a caller that holds the world passes it
  StageState& stage() const { return g_; }  // the scene is drawn
  // The places the figures are drawn at (drawn_positions.h).
  PlayerState& player() const { return g_; }
  StoneState& stone() const { return g_; }
  EnemiesState& enemies() const { return g_; }
  const FieldState& field() const { return g_; }
  StageView& view() const { return *g_.view; }

 private:
  World& g_;
};

// The end of a pass of play: the field repainted when something changed, and presented.
void FieldFrameStep(FieldFrameScope s);
// The stage's opening line leaves the field once play has run a while (OpeningLineStep) or at
// once when the stage ends (HideOpeningLine). The line's state lives with the steps' clocks.
void OpeningLineStep(StepState& steps, const Model& m, StageView& view, Pacing pace);
void HideOpeningLine(StepState& steps, StageView& view);

// --- between moments of play -----------------------------------------------------------------
// While paused: waits for Enter.
void PauseStep(KeyboardState& keys, SessionState& session, Audio& audio);

// The curtain, end words, START banner and continue prompt between moments of play. It loads
// the stage again (after a lost try), so it takes the whole world.
void StageFlowStep(World& g);

// What the end words, the curtain's decision and the continue prompt may change.
class FlowScope {
 public:
  FlowScope(World& g) : g_(g) {}  // a caller that holds the world passes it
  FlowState& flow() const { return g_; }
  SessionState& session() const { return g_; }  // lives, scores, the next screen, play resumes
  HouseShotState& shot() const { return g_; }    // a cleared stage's house shot starts afresh
  KeyboardState& keys() const { return g_; }
  StepState& steps() const { return g_; }  // the opening line's clock starts with play
  const StageState& stage() const { return g_; }
  const ClockState& clock() const { return g_; }
  Audio& audio() const { return *g_.audio; }
  StageView& view() const { return *g_.view; }

 private:
  World& g_;
};

// One tick of the end words or the START banner.
void FlowWordsStep(FlowScope s);

// The head-up display of a stage that has just been loaded, from the counts the loader set,
// around one step of the stage clock (the loader calls it; see stage_loader.h).
void OpenStageHud(World& g);

// Hit tests. The menu variant of the enemy test counts only walkers and watchers; the
// tool-menu variant of the ball test uses the menu's narrower box.
bool IsHitByEnemy(const Model& m, bool menuVariant = false);
bool IsHitByBall(const Model& m, bool toolMenuVariant = false);

}  // namespace slidestone
