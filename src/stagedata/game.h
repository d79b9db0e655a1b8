// The one state object of the game: the play-field model, every game-wide, per-stage, menu and
// scene variable, the step timers, the windows with their surfaces, and the services the
// platform lends the game (sound, settings, text, files).
//
// Names follow the game's own vocabulary exactly (StoneX, StagePhaseFlag, Enemies[i].throwTimer)
// so a reader holding the rules finds the code at once. Numbers are 32-bit signed; flags are
// 16-bit with -1 for true and 0 for false, read with On(). Every table has its full size from
// the start.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "graphics/forms.h"
#include "stagedata/codes.h"

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

struct EnemyRecord {
  int32_t x = 0, y = 0, prevX = 0, prevY = 0, state = 0, frame = 0, facing = 0;
  Flag fast = 0;
  int32_t windup = 0, throwTimer = 0, throwFrame = 0;
};

struct ItemRecord {
  int32_t x = 0, y = 0, kind = 0, frame = 0;
};

struct SpeedTileRecord {
  int32_t col = 0, row = 0, regrow = 0;
  Flag broken = 0;
};

struct SparkleEntry {
  int32_t x = 0, y = 0, frame = 0;
};

struct StageRecord {
  int32_t playerX = 0, playerY = 0, stoneX = 0, stoneY = 0, time = 0, toolPoints = 0,
          parScore = 0;
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
  // --- clock and platform services ----------------------------------------------------------
  int64_t Now = 0;            // the virtual millisecond clock, the only time the game knows
  uint64_t RandomState = 0;   // the one random generator (see random.h)
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

  // --- keyboard -------------------------------------------------------------------------------
  std::array<Flag, kKeyCount> KeyState{};

  // --- grids and tables -------------------------------------------------------------------------
  Grid Map, AiMap;
  std::array<EnemyRecord, kMaxEnemies> Enemies{};
  std::array<ItemRecord, kMaxItems> Items{};
  std::array<SpeedTileRecord, kMaxSpeedTiles> SpeedTiles{};
  std::array<SparkleEntry, kMaxSparkles> Sparkles{};
  std::array<StageRecord, kStageRecords> StageTable{};
  std::array<std::array<int32_t, kToolSlots>, kStageRecords> StageItems{};
  std::array<std::string, kMessageCount> Messages{};
  std::array<Flag, kToolSlots> ToolEnabled{};
  int32_t EnemyCount = 0, ItemCount = 0, SpeedTileCount = 0;

  // --- game-wide ----------------------------------------------------------------------------
  int32_t GameState = kStateTitle;
  Flag QuitRequested = 0;
  int32_t Difficulty = kNormal;
  Flag TimeLimitOn = kTrue;
  int32_t StartStage = 0;
  int32_t HighScore = 0;
  int32_t Stage = 0;
  int32_t Lives = 3;
  int32_t TotalScore = 0;
  int32_t StageScore = 0;
  int16_t BackdropIndex = 1;
  Flag Paused = 0;
  Flag StagePhaseFlag = kTrue;

  // --- per stage: timer, ending, renderer -------------------------------------------------------
  int32_t StageTime = 0;
  int32_t ToolPoints = 0;
  int32_t StageEndReason = kEndLostTry;  // a StageEndCode
  Flag SceneDirty = 0;

  // --- player ---------------------------------------------------------------------------------
  int32_t PlayerX = 0, PlayerY = 0, PlayerPrevX = 0, PlayerPrevY = 0;
  int32_t PlayerFrame = 0, PlayerPose = 0, IdleCount = 0, ActionCount = 0;
  int32_t PlayerCol = 0, PlayerFootRow = 0;
  Flag PlayerInAction = 0, InPipe = 0, PipeWarpPending = 0, Jumping = 0, DropThrough = 0,
       PlacingSpring = 0, PlayerHit = 0;
  int32_t PipeDir = 1;
  int32_t JumpVy = 0, JumpFloorY = 0;

  // --- stone and spring -----------------------------------------------------------------------
  int32_t StoneX = 0, StoneY = 0, StonePrevX = 0, StonePrevY = 0;
  int32_t StoneDir = 1, StoneSpeed = 3, StonePeriod = 100;
  int32_t StoneSpin = 0, StoneSpinX = 0, SpeedDecayCount = 0, SpringRise = 0;
  Flag StoneLaunched = 0, SpringShown = 0;
  int32_t StoneFlightSign = -1;
  int32_t SpringX = 0, SpringY = 0, SpringStep = 1, SpringTicks = 0;

  // --- tool menu ------------------------------------------------------------------------------
  Flag MenuOpen = 0;
  int32_t MenuCursor = 0, MenuX = 0, MenuY = 0, ToolAnim = 0, ToolAnimCount = 0;

  // --- enemies and the ball -------------------------------------------------------------------
  int32_t EnemyAnim = 0;
  Flag BallActive = 0;
  int32_t BallX = 0, BallY = 0, BallVx = 0;

  // --- head-up display effects ----------------------------------------------------------------
  Flag SpeedFlash = 0, PointsFlash = 0;
  int32_t SpeedFlashStep = 0, SpeedChange = 0, PointsFlashStep = 0;

  // --- tile pass and sparkles -----------------------------------------------------------------
  int32_t TileCycle = 0;
  Flag SparkleOn = 0;
  int32_t SparkleTicks = 0, SparkleX = 0, SparkleY = 0;

  // --- stage flow -----------------------------------------------------------------------------
  int32_t FlowStep = 0;
  Flag WordsRunning = 0;
  int32_t WordCounter = 100;
  Flag ContinuePromptOn = 0;
  int32_t ContinueCursor = 0;
  Flag FlowLatch = kTrue;

  // --- title, menu and options ----------------------------------------------------------------
  int32_t CursorRow = 0, BackgroundScroll = 0, TitleAnimTick = 0, WalkerX = 0, EnemyX = 0;
  int32_t WalkerFrame = 0, WalkerStep = 0, EnemyFrame = 0;

  // --- house shot, results, closing roll ------------------------------------------------------
  int32_t ShotFrame = 0, ShotSpin = 0, ShotStoneX = 0, ShotStoneY = 0, ShotTargetX = 0,
          ShotTargetY = 0, ShotInterval = 30, ShotDistance = 0, DriftPeriod = 500,
          DriftStart = 0;
  int32_t RollTick = 0;

  // --- persistent step variables: 0 at program start, never reset by a stage or a game ------
  int64_t walkClock = 0, actionClock = 0, stoneClock = 0, springClock = 0, flightClock = 0,
          enemyClock = 0, flowClock = 0, stageTimerClock = 0, tileClock = 0, hudClock = 0,
          menuClock = 0, optionsClock = 0, shotClock = 0, rollClock = 0;
  int32_t walkVy = 0;
  int32_t stoneVy = 0;
  int64_t beepEndsAt = 0;  // when the no-points beep started last will have finished
  Flag springActive = 0, stoneFlying = 0, launchBlocked = 0, stoneBumped = 0;
  std::array<int32_t, kMaxEnemies> enemyVy{};
  // What the menu and options screens last drew their words for, and the pass they last ran
  // in: their words are redrawn only when something they show has changed.
  int64_t frontWordsKey = -1, frontLastPass = -2;
};

// A step paced by its own timer is due when the clock is strictly more than its interval past
// the last run; the due step stores the time first. After a long gap it fires once.
inline bool StepDue(Game& g, int64_t& lastRun, int64_t interval) {
  if (g.Now > lastRun + interval) {
    lastRun = g.Now;
    return true;
  }
  return false;
}

inline bool Solid(int32_t code) { return code != 0; }
// The map cell holding play-field pixel (px, py) is solid (anything but 0): the one probe the
// player, the stone and the enemies all stand, walk and land by.
inline bool SolidAt(const Game& g, int px, int py) { return Solid(g.Map.AtPixel(px, py)); }

}  // namespace slidestone
