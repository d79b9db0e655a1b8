// The game: the model (model.h) with what the platform lends it (sound, settings, files), the
// stage's texts, and the windows with their surfaces.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "graphics/forms.h"
#include "stagedata/model.h"

namespace slidestone {

class Audio;
class SettingsStore;

struct Game : Model {
  // --- platform services ----------------------------------------------------------------------
  Audio* audio = nullptr;
  SettingsStore* settings = nullptr;
  std::string stageDir = "stage";  // folder of xydata.dat, messagedata.dat, map and Aimap files
  Forms forms;
  StageWindow& Form1 = forms.Form1;
  MenuWindow& Form2 = forms.Form2;
  HouseWindow& Form3 = forms.Form3;
  SplashWindow& Form4 = forms.Form4;

  Game() = default;
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // --- what no script names: the stage's texts, and what the menu and options screens last drew
  // their words for and the pass they last ran in (their words are redrawn only when something
  // they show has changed) ----------------------------------------------------------------------
  std::array<std::string, kMessageCount> Messages{};
  int64_t frontWordsKey = -1, frontLastPass = -2;
  // The earliest pass at which a paced step the last pass looked at is next due (kNoStepDue when
  // it looked at none). Play notes every pass; on the other screens every change to what is seen
  // or heard comes from a paced step or a key, so a window with no input may sleep until then.
  static constexpr int64_t kNoStepDue = INT64_MAX;
  int64_t nextStepAt = kNoStepDue;
};

// Notes that something paced is next due at pass `at` (see Game::nextStepAt).
inline void NoteStepDueAt(Game& g, int64_t at) { g.nextStepAt = std::min(g.nextStepAt, at); }

// A step paced by its own timer is due when the clock is strictly more than its interval past
// the last run; the due step stores the time first. After a long gap it fires once. A step that
// runs may set others going at once (an action ends, the walk resumes), so after one the next
// pass is due too.
inline bool StepDue(Game& g, int64_t& lastRun, int64_t interval) {
  const bool due = g.Now > lastRun + interval;
  if (due) lastRun = g.Now;
  NoteStepDueAt(g, due ? g.Now + 1 : lastRun + interval + 1);
  return due;
}

// A snapshot is a copy of the model at one moment; restoring it puts back every number and
// table, the random generator and the clocks, so the run goes on exactly as it went from there.
// The windows are not part of it: what they show is redrawn from the model by the steps that
// follow, and a run nobody watches draws nothing at all.
inline Model TakeSnapshot(const Game& g) { return static_cast<const Model&>(g); }
inline void RestoreSnapshot(Game& g, const Model& snapshot) { static_cast<Model&>(g) = snapshot; }

}  // namespace slidestone
