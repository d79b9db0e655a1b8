// The whole run as a machine advanced one virtual millisecond at a time: the logo splash, then
// start-up, then passes of the game-state loop until it ends, then shut-down. Interactive play
// and scripts drive it the same way, so a recorded session replays exactly.
#pragma once

#include <cstdint>
#include <functional>

#include "shell/game_loop.h"
#include "shell/input.h"

namespace slidestone {

struct Game;

constexpr int kSplashStepMs = 16;  // each fade step of the splash stays on screen this long

class App {
 public:
  App(Game& g, bool splash) : g_(g), phase_(splash ? Phase::Splash : Phase::StartUp) {}

  // Runs the pass of the current millisecond and advances the clock by one. Returns false once
  // the program has ended (shut-down has run).
  bool Pass();
  // Ends the program as Escape would: shut-down runs.
  void Quit();
  bool Ended() const { return phase_ == Phase::Ended; }
  Input& input() { return input_; }
  // Runs after every pass (a replay in a window uses it to show frames at real speed).
  std::function<void()> afterPass;
  // When set, runs each pass instead of the game-state loop (the stage editor is a loop of its
  // own); false ends the program.
  std::function<bool()> loop;

 private:
  enum class Phase { Splash, StartUp, Loop, Ended };
  Game& g_;
  Phase phase_;
  Input input_;
};

}  // namespace slidestone
