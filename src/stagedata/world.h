// The world the rules run in: the model (model.h), what the platform lends it (sound, settings,
// the stage folder), the stage's texts, and the view that shows the stage (stage_view.h). It has
// no window and no surface: play and the loader see only this.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "stagedata/front_view.h"
#include "stagedata/model.h"
#include "stagedata/opening_lines.h"
#include "stagedata/stage_view.h"

namespace slidestone {

class Audio;
class SettingsStore;

// The views of a run nobody watches: they draw nothing. They have no state of their own.
inline StageView& UnwatchedView() {
  static StageView none;
  return none;
}
inline FrontView& UnwatchedFront() {
  static FrontView none;
  return none;
}

struct World;
bool Watched(const World& g);

struct World : Model {
  Audio* audio = nullptr;
  SettingsStore* settings = nullptr;
  StageView* view = &UnwatchedView();
  FrontView* front = &UnwatchedFront();  // what shows the screens around play
  std::string stageDir = "stage";  // folder of xydata.dat, messagedata.dat, map and Aimap files
  // What no script names: the stage's texts.
  std::array<std::string, kMessageCount> Messages{};
  OpeningLines openingLines;
  // The earliest pass at which a paced step the last pass looked at is next due (kNoStepDue when
  // it looked at none). Play notes every pass; on the other screens every change to what is seen
  // or heard comes from a paced step or a key, so a window with no input may sleep until then.
  static constexpr int64_t kNoStepDue = INT64_MAX;
  int64_t nextStepAt = kNoStepDue;

  World() = default;
  World(const World&) = delete;
  World& operator=(const World&) = delete;
};

// Somebody sees the screens: a run nobody watches points both views at nothing and draws no
// picture at all.
inline bool Watched(const StageView& view) { return &view != &UnwatchedView(); }
inline bool Watched(const World& g) { return Watched(*g.view); }

// The pacing of the paced steps: the clock they read and the world's note of the earliest pass
// at which one is next due (World::nextStepAt). A paced step takes this and the record its timer
// lives in (StepState); it needs nothing else of the world for its pace. It holds the clock's
// reading and a reference to the note, so it is passed by value and made afresh for each step;
// like a pointer, a const one still notes.
class Pacing {
 public:
  explicit Pacing(World& g) : now_(g.Now), nextStepAt_(g.nextStepAt) {}

  int64_t Now() const { return now_; }

  // Notes that something paced is next due at pass `at`.
  void NoteDueAt(int64_t at) const { nextStepAt_ = std::min(nextStepAt_, at); }

  // A step paced by its own timer is due when the clock is strictly more than its interval past
  // the last run; the due step stores the time first. After a long gap it fires once. A step
  // that runs may set others going at once (an action ends, the walk resumes), so after one the
  // next pass is due too.
  bool Due(int64_t& lastRun, int64_t interval) const {
    const bool due = now_ > lastRun + interval;
    if (due) lastRun = now_;
    NoteDueAt(due ? now_ + 1 : lastRun + interval + 1);
    return due;
  }

 private:
  int64_t now_;  // only the loop moves the clock, between passes: no step changes it
  int64_t& nextStepAt_;
};

// The same, for a caller that holds the whole world.
inline void NoteStepDueAt(World& g, int64_t at) { Pacing(g).NoteDueAt(at); }
inline bool StepDue(World& g, int64_t& lastRun, int64_t interval) {
  return Pacing(g).Due(lastRun, interval);
}

// A snapshot is a copy of the model at one moment; restoring it puts back every number and
// table, the random generator and the clocks, so the run goes on exactly as it went from there.
// The screen is not part of it: a restored run nobody watches draws nothing anyway.
inline Model TakeSnapshot(const World& g) { return static_cast<const Model&>(g); }
inline void RestoreSnapshot(World& g, const Model& snapshot) { static_cast<Model&>(g) = snapshot; }

}  // namespace slidestone
