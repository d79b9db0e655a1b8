// A stage played by the solver: the real model stepped exactly as the game loop steps the stage
// screen (the screen's pass, then the key events of that pass, then the clock by one), with no
// window and no sound. Every key event is kept with the pass it was delivered at, counted from
// the first pass of play, so a line found here replays the same as a script.
#pragma once

#include <algorithm>
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
  int32_t pass = 0;            // passes of play so far, the ones skipped over included
  std::vector<KeyPress> log;   // every event delivered, in order
  int64_t passesRun = 0;       // every pass this sim ever ran, restores or not (for throughput)
  // Whether the clock jumps over the passes that would change nothing but the clock (the model
  // after any run is the same either way; only the passes run differ).
  bool skipQuiet = true;

  // Queues a key event for the next pass, as a script's press and release do.
  void Press(int key) { Queue(key, true); }
  void Release(int key) { Queue(key, false); }
  // One pass: the stage screen, then the queued events, then the clock.
  void Pass();
  // Towards the pass `end` (a value of pass): over the quiet passes before it, then one pass
  // unless `end` is reached.
  void Advance(int32_t end) {
    SkipQuiet(end);
    if (pass < end) Pass();
  }
  // Passes until `holds` is true (checked before each pass, as a script's `until`), the stage
  // ends or `limit` passes have gone by; whether it held. `holds` reads the model, never the
  // clock, so it cannot change over the passes skipped.
  template <class Cond>
  bool RunUntil(Cond holds, int limit) {
    const int32_t end = pass + limit;
    while (pass < end) {
      if (holds()) return true;
      if (Over()) return false;
      Advance(end);
    }
    return holds();
  }
  void Run(int passes) {
    const int32_t end = pass + passes;
    while (pass < end && !Over()) Advance(end);
  }

  // Everything a run goes on from: the model, the pass, the key events so far and those waiting.
  // A run resumed from a point goes on exactly as the run that kept it would have.
  struct Point {
    Model model;
    int32_t pass = 0;
    std::vector<KeyPress> log, queued;
    int64_t changesAt = 0;
  };
  void Keep(Point& p) const {
    p.model = w;
    p.pass = pass;
    p.log = log;
    p.queued = queued_;
    p.changesAt = changesAt_;
  }
  void Resume(const Point& p) {
    RestoreSnapshot(w, p.model);
    pass = p.pass;
    log = p.log;
    queued_ = p.queued;
    changesAt_ = p.changesAt;
  }

  bool Pending() const { return !queued_.empty(); }
  // The stage has ended (won or lost); play steps no more.
  bool Over() const { return On(w.StagePhaseFlag); }
  bool Won() const { return Over() && w.StageEndReason == kEndGoal; }

  // Back to a moment of play: the model, the pass count and the log's length then.
  void Restore(const Model& m, int32_t atPass) {
    RestoreSnapshot(w, m);
    pass = atPass;
    changesAt_ = w.Now;
    log.clear();
    queued_.clear();
  }

 private:
  void Queue(int key, bool down) { queued_.push_back({0, int16_t(key), down}); }
  // Moves the clock to the first pass that may change the model, never beyond `end`; a key
  // waiting to be delivered is delivered after the very next pass.
  void SkipQuiet(int32_t end) {
    if (!skipQuiet || !queued_.empty() || changesAt_ <= w.Now) return;
    const int64_t to = std::min(changesAt_, w.Now + (end - pass));
    if (to <= w.Now) return;
    pass += int32_t(to - w.Now);
    w.Now = to;
  }
  SilentAudio audio_;
  std::vector<KeyPress> queued_;
  int64_t changesAt_ = 0;  // the first pass (a value of Now) that may change the model
};

// A fresh game of stage `stage` (1-based) at `difficulty` read from stageDir, run through its
// curtain and START banner to the first moment of play. False with the reason when the folder
// cannot be read or play never begins.
bool StartStage(Sim& sim, const std::string& stageDir, int stage, int32_t difficulty, std::string& why);

}  // namespace slidestone::solver
