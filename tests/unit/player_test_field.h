// A small hand-built play field for the player, action and tool-menu tests: a Game with its
// forms, a recording sound layer, the three tools offered on stage 0, and helpers that run the
// player step pass by pass the way the loop does (one pass per virtual millisecond), keeping the
// last drawn position as the renderer would.
#pragma once

#include <string>
#include <vector>

#include "audio/audio.h"
#include "graphics/forms.h"
#include "play/play.h"
#include "play/drawn_positions.h"
#include "presentation/game.h"

namespace slidestone::testing {

class PlayerField {
 public:
  Game g;
  RecordingAudio audio;

  PlayerField() {
    CreateForms(g.forms);
    g.audio = &audio;
    g.StagePhaseFlag = kFalse;
    g.Stage = 0;
    g.StageItems[0] = {1, 1, 1, 0, 0};
    g.ToolEnabled = {kTrue, kTrue, kTrue, kFalse, kFalse};
    g.ToolPoints = 5;
  }

  // Cells c0..c1 of row r get the code.
  void Cells(int r, int c0, int c1, int32_t code) {
    for (int c = c0; c <= c1; ++c) g.Map(c, r) = code;
  }
  // A floor of code 1 across the whole visible row.
  void Floor(int r) { Cells(r, 0, 18, 1); }

  void PlacePlayer(int x, int y) {
    g.PlayerX = g.PlayerPrevX = x;
    g.PlayerY = g.PlayerPrevY = y;
  }

  void Hold(int key) { g.KeyState[key] = kTrue; }
  void Release(int key) { g.KeyState[key] = kFalse; }

  // One loop pass of the player step; a repaint remembers the drawn position. Once a step has
  // ended the stage the stage flow takes over and play steps no longer run.
  void Pass() {
    g.Now += 1;
    if (g.StagePhaseFlag != kFalse) return;
    UpdatePlayer(g);
    if (g.SceneDirty != kFalse) {
      NoteDrawnPositions(g, g, g, g);
      g.SceneDirty = kFalse;
    }
  }
  // Passes until the walk step has run once (at most a second of passes).
  void WalkStep() { UntilClockMoves(g.walkClock); }
  // Passes until the action step has run once.
  void ActionStep() { UntilClockMoves(g.actionClock); }
  // Action steps until the action is over or the stage has ended (or the limit), returning the
  // y after each step.
  std::vector<int> ActionYs(int limit = 200) {
    std::vector<int> ys;
    while (g.PlayerInAction != kFalse && g.StagePhaseFlag == kFalse && int(ys.size()) < limit) {
      ActionStep();
      ys.push_back(g.PlayerY);
    }
    return ys;
  }

  std::vector<std::string> Sounds() { return audio.TakeCalls(); }

 private:
  void UntilClockMoves(const int64_t& clock) {
    const int64_t before = clock;
    for (int i = 0; i < 1000 && clock == before; ++i) Pass();
  }
};

// Per-step changes of a y sequence that starts from y0.
inline std::vector<int> Deltas(int y0, const std::vector<int>& ys) {
  std::vector<int> d;
  for (int y : ys) {
    d.push_back(y - y0);
    y0 = y;
  }
  return d;
}

}  // namespace slidestone::testing
