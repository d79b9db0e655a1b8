// A stage played by the solver: the real model stepped exactly as the game loop steps the stage
// screen (the screen's pass, then the key events of that pass, then the clock by one), with no
// window and no sound. Every key event is kept with the pass it was delivered at, counted from
// the first pass of play, so a line found here replays the same as a script.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "stagedata/world.h"

namespace slidestone::solver {

// One key going down or up, delivered after the stage pass number `pass` of play.
struct KeyPress {
  int32_t pass = 0;
  int16_t key = 0;
  bool down = false;
  bool operator==(const KeyPress&) const = default;
};

class Sim {
 public:
  Sim() { w.audio = &audio_; }
  Sim(const Sim&) = delete;
  Sim& operator=(const Sim&) = delete;

  World w;
  int32_t pass = 0;            // passes of play run so far
  std::vector<KeyPress> log;   // every event delivered, in order
  int64_t passesRun = 0;       // every pass this sim ever ran, restores or not (for throughput)

  // Queues a key event for the next pass, as a script's press and release do.
  void Press(int key) { Queue(key, true); }
  void Release(int key) { Queue(key, false); }
  // One pass: the stage screen, then the queued events, then the clock.
  void Pass();
  // Passes until `holds` is true (checked before each pass, as a script's `until`), the stage
  // ends or `limit` passes have run; whether it held.
  template <class Cond>
  bool RunUntil(Cond holds, int limit) {
    for (int i = 0; i < limit; ++i) {
      if (holds()) return true;
      if (Over()) return false;
      Pass();
    }
    return holds();
  }
  void Run(int passes) {
    for (int i = 0; i < passes && !Over(); ++i) Pass();
  }

  bool Pending() const { return !queued_.empty(); }
  // The stage has ended (won or lost); play steps no more.
  bool Over() const { return On(w.StagePhaseFlag); }
  bool Won() const { return Over() && w.StageEndReason == kEndGoal; }

  // Back to a moment of play: the model, the pass count and the log's length then.
  void Restore(const Model& m, int32_t atPass) {
    RestoreSnapshot(w, m);
    pass = atPass;
    log.clear();
    queued_.clear();
  }

 private:
  void Queue(int key, bool down) { queued_.push_back({0, int16_t(key), down}); }
  SilentAudio audio_;
  std::vector<KeyPress> queued_;
};

// A fresh game of stage `stage` (1-based) at `difficulty` read from stageDir, run through its
// curtain and START banner to the first moment of play. False with the reason when the folder
// cannot be read or play never begins.
bool StartStage(Sim& sim, const std::string& stageDir, int stage, int32_t difficulty, std::string& why);

}  // namespace slidestone::solver
