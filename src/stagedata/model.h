// The model: every number and table of the game, in one record per concern, and nothing else.
// It holds no window, no surface and no service, so it can be copied whole (a snapshot of a
// moment of play) and stepped with nothing drawn.
//
// Names follow the game's own vocabulary exactly (StoneX, StagePhaseFlag, Enemies[i].throwTimer)
// so a reader holding the rules finds the code at once; they are also the names scripts use.
// Numbers are 32-bit signed; flags are 16-bit with -1 for true and 0 for false, read with On().
// Every table has its full size from the start.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "stagedata/codes.h"
#include "stagedata/game_variables.h"

namespace slidestone {

using Flag = int16_t;
constexpr Flag kTrue = -1;
constexpr Flag kFalse = 0;
// The one way to read a flag: it is set when it is not 0. The game stores only kTrue and kFalse,
// but a script may leave any number in a flag, and every step must then read it alike.
constexpr bool On(Flag f) { return f != kFalse; }

constexpr int kFieldW = 608;  // play field in pixels: 19 x 11 cells of 32
constexpr int kFieldH = 352;
constexpr int kGridCols = 20;
// A figure (the player, the stone, an enemy) whose top is at y has fallen out of the field.
constexpr bool BelowField(int32_t y) { return y >= kFieldH; }
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

  bool operator==(const Grid& o) const { return cells_ == o.cells_; }

  // Whether any cell holds a code `is` is true of (every cell of the grid, the field's and the
  // rim's). It reads them all without stopping early, which is quick for a grid this small.
  template <class Test>
  bool Any(Test is) const {
    int32_t any = 0;
    for (const int32_t code : cells_) any |= is(code) ? 1 : 0;
    return any != 0;
  }

 private:
  std::array<int32_t, kGridCols * kGridRows> cells_{};
  int32_t outside_ = 0;  // the sink of writes outside the grid: never read, never compared
};

// The records of the tables; their fields are listed in game_variables.h.
struct EnemyRecord {
  SLIDESTONE_ENEMY_FIELDS(SLIDESTONE_MEMBER)
  bool operator==(const EnemyRecord&) const = default;
};

struct ItemRecord {
  SLIDESTONE_ITEM_FIELDS(SLIDESTONE_MEMBER)
  bool operator==(const ItemRecord&) const = default;
};

struct SpeedTileRecord {
  SLIDESTONE_SPEED_TILE_FIELDS(SLIDESTONE_MEMBER)
  bool operator==(const SpeedTileRecord&) const = default;
};

struct SparkleEntry {
  SLIDESTONE_SPARKLE_FIELDS(SLIDESTONE_MEMBER)
  bool operator==(const SparkleEntry&) const = default;
};

struct StageRecord {
  SLIDESTONE_STAGE_RECORD_FIELDS(SLIDESTONE_MEMBER)
  bool operator==(const StageRecord&) const = default;
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
// The stage table file (xydata.dat) holds 21 records: the 18 stages and three more that are read
// but never played. StageTable and StageItems keep two rows beyond those, which nothing loads
// and play never reads (Stage stops at kStageCount); scripts name them, so they stay.
constexpr int kStageFileRecords = 21;
constexpr int kStageRecords = kStageFileRecords + 2;
constexpr int kToolSlots = 5;
constexpr int kMessageCount = 61;
constexpr int kKeyCount = 257;

// --- the records of the model, one per concern ---------------------------------------------
#define SLIDESTONE_RECORD(Name, ...)                   \
  struct Name {                                        \
    __VA_ARGS__                                        \
    bool operator==(const Name&) const = default;      \
  };

// The virtual clock and the random generator.
SLIDESTONE_RECORD(ClockState, SLIDESTONE_CLOCK_NUMBERS(SLIDESTONE_MEMBER))
// What lies on the field: the map and the stage-element grid, the items and speed tiles with
// their counts, the tile pass's cycle and the sparkles.
SLIDESTONE_RECORD(FieldState, SLIDESTONE_TABLE_SIZE_NUMBERS(SLIDESTONE_MEMBER)
                                  SLIDESTONE_TILE_NUMBERS(SLIDESTONE_MEMBER)
                                      SLIDESTONE_FIELD_TABLES(SLIDESTONE_TABLE_MEMBER)
                                          SLIDESTONE_FIELD_ITEM_TABLES(SLIDESTONE_TABLE_MEMBER))
// The game as a whole: the screen shown, the difficulty, stage, lives, scores, pause.
SLIDESTONE_RECORD(SessionState, SLIDESTONE_SESSION_NUMBERS(SLIDESTONE_MEMBER))
// The stage under way: its clock, tool points, how it ended; and the stage table it came from.
SLIDESTONE_RECORD(StageState, SLIDESTONE_STAGE_NUMBERS(SLIDESTONE_MEMBER)
                                  SLIDESTONE_TOOL_TABLES(SLIDESTONE_TABLE_MEMBER)
                                      SLIDESTONE_STAGE_TABLES(SLIDESTONE_TABLE_MEMBER))
SLIDESTONE_RECORD(PlayerState, SLIDESTONE_PLAYER_NUMBERS(SLIDESTONE_MEMBER))
SLIDESTONE_RECORD(StoneState, SLIDESTONE_STONE_NUMBERS(SLIDESTONE_MEMBER))
SLIDESTONE_RECORD(ToolMenuState, SLIDESTONE_TOOL_MENU_NUMBERS(SLIDESTONE_MEMBER))
SLIDESTONE_RECORD(EnemiesState, SLIDESTONE_ENEMY_NUMBERS(SLIDESTONE_MEMBER)
                                  SLIDESTONE_ENEMY_TABLES(SLIDESTONE_TABLE_MEMBER))
SLIDESTONE_RECORD(HudState, SLIDESTONE_HUD_NUMBERS(SLIDESTONE_MEMBER))
SLIDESTONE_RECORD(FlowState, SLIDESTONE_FLOW_NUMBERS(SLIDESTONE_MEMBER))
SLIDESTONE_RECORD(MenuState, SLIDESTONE_MENU_NUMBERS(SLIDESTONE_MEMBER))
SLIDESTONE_RECORD(HouseShotState, SLIDESTONE_HOUSE_SHOT_NUMBERS(SLIDESTONE_MEMBER))
// The paced steps' clocks and what those steps carry from one run to the next.
SLIDESTONE_RECORD(StepState, SLIDESTONE_STEP_NUMBERS(SLIDESTONE_MEMBER))
// The keyboard as the game sees it.
SLIDESTONE_RECORD(KeyboardState, SLIDESTONE_KEY_TABLES(SLIDESTONE_TABLE_MEMBER))
#undef SLIDESTONE_RECORD

// The whole model. Every name stays reachable as model.Name, whichever record holds it; a step
// that changes only one concern takes that record (and const what it only reads).
struct Model : ClockState,
               FieldState,
               SessionState,
               StageState,
               PlayerState,
               StoneState,
               ToolMenuState,
               EnemiesState,
               HudState,
               FlowState,
               MenuState,
               HouseShotState,
               StepState,
               KeyboardState {
  bool operator==(const Model&) const = default;
};

inline bool Solid(int32_t code) { return code != 0; }
// The map cell holding play-field pixel (px, py) is solid (anything but 0): the one probe the
// player, the stone and the enemies all stand, walk and land by.
inline bool SolidAt(const FieldState& f, int px, int py) { return Solid(f.Map.AtPixel(px, py)); }

}  // namespace slidestone
