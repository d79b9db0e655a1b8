// Every number of the model that scripts, tests and --list-vars can name, in one place. The
// model's records declare their members from these lists (stagedata/model.h) and the script
// table reads and sets them through the same lists (shell/variables.cpp): a variable added here
// is at once known to `set`, `expect`, `print` and --list-vars, a table with its index range.
// Only macros live here, and the names in them are those of model.h.
//
// Numbers and record fields are listed as X(type, name, start value); tables as X(name, type),
// in the order --list-vars shows them.
#pragma once

// --- the fields of the table records ---------------------------------------------------------
#define SLIDESTONE_ENEMY_FIELDS(X)                                                             \
  X(int32_t, x, 0) X(int32_t, y, 0) X(int32_t, prevX, 0) X(int32_t, prevY, 0)                  \
  X(int32_t, state, 0) X(int32_t, frame, 0) X(int32_t, facing, 0) X(Flag, fast, 0)             \
  X(int32_t, windup, 0) X(int32_t, throwTimer, 0) X(int32_t, throwFrame, 0)
#define SLIDESTONE_ITEM_FIELDS(X) \
  X(int32_t, x, 0) X(int32_t, y, 0) X(int32_t, kind, 0) X(int32_t, frame, 0)
#define SLIDESTONE_SPEED_TILE_FIELDS(X) \
  X(int32_t, col, 0) X(int32_t, row, 0) X(int32_t, regrow, 0) X(Flag, broken, 0)
#define SLIDESTONE_SPARKLE_FIELDS(X) X(int32_t, x, 0) X(int32_t, y, 0) X(int32_t, frame, 0)
#define SLIDESTONE_STAGE_RECORD_FIELDS(X)                                                      \
  X(int32_t, playerX, 0) X(int32_t, playerY, 0) X(int32_t, stoneX, 0) X(int32_t, stoneY, 0)    \
  X(int32_t, time, 0) X(int32_t, toolPoints, 0) X(int32_t, parScore, 0)

// --- the numbers of the game, by concern: each list is one record of the model (model.h) -----
// clock: the virtual millisecond clock is the only time the game knows; the one random
// generator (see random.h)
#define SLIDESTONE_CLOCK_NUMBERS(X) X(int64_t, Now, 0) X(uint64_t, RandomState, 0)
// table sizes
#define SLIDESTONE_TABLE_SIZE_NUMBERS(X) \
  X(int32_t, EnemyCount, 0) X(int32_t, ItemCount, 0) X(int32_t, SpeedTileCount, 0)
// game-wide
#define SLIDESTONE_SESSION_NUMBERS(X)                                                           \
  X(int32_t, GameState, kStateTitle) X(Flag, QuitRequested, 0) X(int32_t, Difficulty, kNormal) \
  X(Flag, TimeLimitOn, kTrue) X(int32_t, StartStage, 0) X(int32_t, HighScore, 0)                \
  X(int32_t, Stage, 0) X(int32_t, Lives, 3) X(int32_t, TotalScore, 0) X(int32_t, StageScore, 0) \
  X(int16_t, BackdropIndex, 1) X(Flag, Paused, 0) X(Flag, StagePhaseFlag, kTrue)
// per stage: timer, ending (StageEndReason is a StageEndCode), renderer
#define SLIDESTONE_STAGE_NUMBERS(X)                                                           \
  X(int32_t, StageTime, 0) X(int32_t, ToolPoints, 0) X(int32_t, StageEndReason, kEndLostTry) \
  X(Flag, SceneDirty, 0)
#define SLIDESTONE_PLAYER_NUMBERS(X)                                                           \
  X(int32_t, PlayerX, 0) X(int32_t, PlayerY, 0) X(int32_t, PlayerPrevX, 0)                     \
  X(int32_t, PlayerPrevY, 0) X(int32_t, PlayerFrame, 0) X(int32_t, PlayerPose, 0)              \
  X(int32_t, IdleCount, 0) X(int32_t, ActionCount, 0) X(int32_t, PlayerCol, 0)                 \
  X(int32_t, PlayerFootRow, 0) X(Flag, PlayerInAction, 0) X(Flag, InPipe, 0)                   \
  X(Flag, PipeWarpPending, 0) X(Flag, Jumping, 0) X(Flag, DropThrough, 0)                      \
  X(Flag, PlacingSpring, 0) X(Flag, PlayerHit, 0) X(int32_t, PipeDir, 1) X(int32_t, JumpVy, 0) \
  X(int32_t, JumpFloorY, 0)
// stone and spring
#define SLIDESTONE_STONE_NUMBERS(X)                                                \
  X(int32_t, StoneX, 0) X(int32_t, StoneY, 0) X(int32_t, StonePrevX, 0)            \
  X(int32_t, StonePrevY, 0) X(int32_t, StoneDir, 1) X(int32_t, StoneSpeed, 3)      \
  X(int32_t, StonePeriod, 100) X(int32_t, StoneSpin, 0) X(int32_t, StoneSpinX, 0)  \
  X(int32_t, SpeedDecayCount, 0) X(int32_t, SpringRise, 0) X(Flag, StoneLaunched, 0) \
  X(Flag, SpringShown, 0) X(int32_t, StoneFlightSign, -1) X(int32_t, SpringX, 0)   \
  X(int32_t, SpringY, 0) X(int32_t, SpringStep, 1) X(int32_t, SpringTicks, 0)
#define SLIDESTONE_TOOL_MENU_NUMBERS(X)                                                   \
  X(Flag, MenuOpen, 0) X(int32_t, MenuCursor, 0) X(int32_t, MenuX, 0) X(int32_t, MenuY, 0) \
  X(int32_t, ToolAnim, 0) X(int32_t, ToolAnimCount, 0)
// enemies and the ball
#define SLIDESTONE_ENEMY_NUMBERS(X)                                                       \
  X(int32_t, EnemyAnim, 0) X(Flag, BallActive, 0) X(int32_t, BallX, 0) X(int32_t, BallY, 0) \
  X(int32_t, BallVx, 0)
// head-up display effects
#define SLIDESTONE_HUD_NUMBERS(X)                                                  \
  X(Flag, SpeedFlash, 0) X(Flag, PointsFlash, 0) X(int32_t, SpeedFlashStep, 0)     \
  X(int32_t, SpeedChange, 0) X(int32_t, PointsFlashStep, 0)
// tile pass and sparkles
#define SLIDESTONE_TILE_NUMBERS(X)                                                \
  X(int32_t, TileCycle, 0) X(Flag, SparkleOn, 0) X(int32_t, SparkleTicks, 0)      \
  X(int32_t, SparkleX, 0) X(int32_t, SparkleY, 0)
// stage flow
#define SLIDESTONE_FLOW_NUMBERS(X)                                                         \
  X(int32_t, FlowStep, 0) X(Flag, WordsRunning, 0) X(int32_t, WordCounter, 100)            \
  X(Flag, ContinuePromptOn, 0) X(int32_t, ContinueCursor, 0) X(Flag, FlowLatch, kTrue)
// title, menu and options
#define SLIDESTONE_MENU_NUMBERS(X)                                                       \
  X(int32_t, CursorRow, 0) X(int32_t, BackgroundScroll, 0) X(int32_t, TitleAnimTick, 0)  \
  X(int32_t, WalkerX, 0) X(int32_t, EnemyX, 0) X(int32_t, WalkerFrame, 0)                \
  X(int32_t, WalkerStep, 0) X(int32_t, EnemyFrame, 0)
// house shot, results, closing roll
#define SLIDESTONE_HOUSE_SHOT_NUMBERS(X)                                              \
  X(int32_t, ShotFrame, 0) X(int32_t, ShotSpin, 0) X(int32_t, ShotStoneX, 0)          \
  X(int32_t, ShotStoneY, 0) X(int32_t, ShotTargetX, 0) X(int32_t, ShotTargetY, 0)     \
  X(int32_t, ShotInterval, 30) X(int32_t, ShotDistance, 0) X(int32_t, DriftPeriod, 500) \
  X(int32_t, DriftStart, 0) X(int32_t, RollTick, 0)
// persistent step variables: 0 at program start, never reset by a stage or a game
#define SLIDESTONE_STEP_NUMBERS(X)                                                       \
  X(int64_t, walkClock, 0) X(int64_t, actionClock, 0) X(int64_t, stoneClock, 0)          \
  X(int64_t, springClock, 0) X(int64_t, flightClock, 0) X(int64_t, enemyClock, 0)        \
  X(int64_t, flowClock, 0) X(int64_t, stageTimerClock, 0) X(int64_t, tileClock, 0)       \
  X(int64_t, hudClock, 0) X(int64_t, menuClock, 0) X(int64_t, optionsClock, 0)           \
  X(int64_t, shotClock, 0) X(int64_t, rollClock, 0) X(int32_t, walkVy, 0)                \
  X(int32_t, stoneVy, 0) X(Flag, springActive, 0) X(Flag, stoneFlying, 0)                \
  X(Flag, launchBlocked, 0) X(Flag, stoneBumped, 0)                                      \
  X(int64_t, beepEndsAt, 0) /* when the no-points beep started last will have finished */

// Every number, in the order --list-vars shows them.
#define SLIDESTONE_GAME_NUMBERS(X)                                                       \
  SLIDESTONE_CLOCK_NUMBERS(X) SLIDESTONE_TABLE_SIZE_NUMBERS(X)                           \
  SLIDESTONE_SESSION_NUMBERS(X) SLIDESTONE_STAGE_NUMBERS(X) SLIDESTONE_PLAYER_NUMBERS(X) \
  SLIDESTONE_STONE_NUMBERS(X) SLIDESTONE_TOOL_MENU_NUMBERS(X) SLIDESTONE_ENEMY_NUMBERS(X) \
  SLIDESTONE_HUD_NUMBERS(X) SLIDESTONE_TILE_NUMBERS(X) SLIDESTONE_FLOW_NUMBERS(X)        \
  SLIDESTONE_MENU_NUMBERS(X) SLIDESTONE_HOUSE_SHOT_NUMBERS(X) SLIDESTONE_STEP_NUMBERS(X)

// --- the tables by concern: grids and tables of numbers by their indices, tables of records by
// field -------------------------------------------------------------------------------------
#define SLIDESTONE_FIELD_TABLES(X) X(Map, Grid) X(AiMap, Grid)
#define SLIDESTONE_KEY_TABLES(X) X(KeyState, std::array<Flag, kKeyCount>)
#define SLIDESTONE_TOOL_TABLES(X)                 \
  X(ToolEnabled, std::array<Flag, kToolSlots>) \
  X(StageItems, std::array<std::array<int32_t, kToolSlots>, kStageRecords>)
#define SLIDESTONE_ENEMY_TABLES(X)                \
  X(enemyVy, std::array<int32_t, kMaxEnemies>) \
  X(Enemies, std::array<EnemyRecord, kMaxEnemies>)
#define SLIDESTONE_FIELD_ITEM_TABLES(X)              \
  X(Items, std::array<ItemRecord, kMaxItems>)        \
  X(SpeedTiles, std::array<SpeedTileRecord, kMaxSpeedTiles>) \
  X(Sparkles, std::array<SparkleEntry, kMaxSparkles>)
#define SLIDESTONE_STAGE_TABLES(X) X(StageTable, std::array<StageRecord, kStageRecords>)

// Every table, in the order --list-vars shows them.
#define SLIDESTONE_GAME_TABLES(X)                                                   \
  SLIDESTONE_FIELD_TABLES(X) SLIDESTONE_KEY_TABLES(X) SLIDESTONE_TOOL_TABLES(X)      \
  SLIDESTONE_ENEMY_TABLES(X) SLIDESTONE_FIELD_ITEM_TABLES(X) SLIDESTONE_STAGE_TABLES(X)

// Declare the members of a list: a number or field with its start value, a table all zero.
#define SLIDESTONE_MEMBER(type, name, start) type name = start;
#define SLIDESTONE_TABLE_MEMBER(name, ...) __VA_ARGS__ name{};
