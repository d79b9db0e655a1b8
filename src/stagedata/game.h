// The one state object of the game: the play-field model, every game-wide, per-stage, menu and
// scene variable, the step timers, the windows with their surfaces, and the services the
// platform lends the game (sound, settings, text, files).
//
// Names follow the game's own vocabulary exactly (StoneX, StagePhaseFlag, Enemies[i].throwTimer)
// so a reader holding the rules finds the code at once. Numbers are 32-bit signed; flags are
// 16-bit with -1 for true and 0 for false, read with On(). Every table has its full size from
// the start.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "graphics/forms.h"
#include "stagedata/codes.h"
#include "stagedata/game_variables.h"

namespace slidestone {

class Audio;
class SettingsStore;

using Flag = int16_t;
constexpr Flag kTrue = -1;
constexpr Flag kFalse = 0;
// The one way to read a flag: it is set when it is not 0. The game stores only kTrue and kFalse,
// but a script may leave any number in a flag, and every step must then read it alike.
constexpr bool On(Flag f) { return f != kFalse; }

constexpr int kFieldW = 608;  // play field in pixels: 19 x 11 cells of 32
constexpr int kFieldH = 352;
constexpr int kGridCols = 20;
constexpr int kGridRows = 13;

// A cell grid of 20 x 13 codes, indexed (column, row). Cells outside the grid read 0 (empty,
// not solid) and writes to them are dropped, so a probe just past the field's edge is safe.
class Grid {
 public:
  int32_t& operator()(int col, int row) {
    if (col < 0 || row < 0 || col >= kGridCols || row >= kGridRows) {
      outside_ = 0;
      return outside_;
    }
    return cells_[size_t(row) * kGridCols + col];
  }
  int32_t operator()(int col, int row) const {
    if (col < 0 || row < 0 || col >= kGridCols || row >= kGridRows) return 0;
    return cells_[size_t(row) * kGridCols + col];
  }
  // The code of the cell holding play-field pixel (px, py); div truncates toward zero.
  int32_t AtPixel(int px, int py) const { return (*this)(px / 32, py / 32); }

 private:
  std::array<int32_t, kGridCols * kGridRows> cells_{};
  int32_t outside_ = 0;
};

// The records of the tables; their fields are listed in game_variables.h.
struct EnemyRecord {
  SLIDESTONE_ENEMY_FIELDS(SLIDESTONE_MEMBER)
};

struct ItemRecord {
  SLIDESTONE_ITEM_FIELDS(SLIDESTONE_MEMBER)
};

struct SpeedTileRecord {
  SLIDESTONE_SPEED_TILE_FIELDS(SLIDESTONE_MEMBER)
};

struct SparkleEntry {
  SLIDESTONE_SPARKLE_FIELDS(SLIDESTONE_MEMBER)
};

struct StageRecord {
  SLIDESTONE_STAGE_RECORD_FIELDS(SLIDESTONE_MEMBER)
};

constexpr int kMaxEnemies = 11;
constexpr int kMaxItems = 11;
constexpr int kMaxSpeedTiles = 31;
constexpr int kMaxSparkles = 11;
// Stages of a game, numbered 0 to kStageCount - 1. Stage reaches kStageCount when the last one
// is cleared, and the house shot that follows ends the game.
constexpr int kStageCount = 18;
constexpr int kLastStageIndex = kStageCount - 1;
// The seventh stage: from it on every cleared stage ends with a house shot, and loading it
// starts the total score afresh.
constexpr int kFirstHouseShotStage = 6;
// Rows of StageTable and StageItems: room beyond the played stages, never read in play.
constexpr int kStageRecords = 23;
constexpr int kToolSlots = 5;
constexpr int kMessageCount = 61;
constexpr int kKeyCount = 257;

struct Game {
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

  // --- every number and table of the game, listed in game_variables.h: the clock, the random
  // generator, the game-wide, per-stage, player, stone, menu, flow and scene variables, the
  // persistent step variables, the keyboard, the grids and the tables ------------------------
  SLIDESTONE_GAME_NUMBERS(SLIDESTONE_MEMBER)
  SLIDESTONE_GAME_TABLES(SLIDESTONE_TABLE_MEMBER)

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

inline bool Solid(int32_t code) { return code != 0; }
// The map cell holding play-field pixel (px, py) is solid (anything but 0): the one probe the
// player, the stone and the enemies all stand, walk and land by.
inline bool SolidAt(const Game& g, int px, int py) { return Solid(g.Map.AtPixel(px, py)); }

}  // namespace slidestone
