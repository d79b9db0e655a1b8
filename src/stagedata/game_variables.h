// Every number of the model that scripts, tests and --list-vars can name, in one place. The
// model's records declare their members from these lists (stagedata/model.h) and the script
// table reads and sets them through the same lists (shell/variables.cpp): a variable added here
// is at once known to `set`, `expect`, `print` and --list-vars, a table with its index range.
// Only macros live here, and the names in them are those of model.h.
//
// Numbers and record fields are listed as X(type, name, start value, lowest, highest); tables
// as X(name, range of every entry, type), in the order --list-vars shows them. The range is what
// `set` accepts: the rules' own bounds where they have them (table sizes, the stage count, the
// backdrops, the field in pixels, the speed levels, the codes a cell may hold), elsewhere bounds
// wide enough for any play and far from where the game's sums could overflow.
#pragma once

// --- the ranges several variables share (lowest, highest) ------------------------------------
#define SLIDESTONE_FLAG_RANGE kTrue, kFalse
// Field positions in pixels: the field and as far again around it.
#define SLIDESTONE_FIELD_X_RANGE -kFieldW, 2 * kFieldW
#define SLIDESTONE_FIELD_Y_RANGE -kFieldH, 2 * kFieldH
// Screen positions of the menus and the house shot: the screen and as far again around it.
#define SLIDESTONE_SCREEN_X_RANGE -640, 2 * 640
#define SLIDESTONE_SCREEN_Y_RANGE -480, 2 * 480
// Virtual milliseconds: more than thirty years of play.
#define SLIDESTONE_CLOCK_RANGE 0, 1000000000000
// Counters, frames and steps: far beyond any the rules reach.
#define SLIDESTONE_COUNTER_RANGE -1000000, 1000000
#define SLIDESTONE_SCORE_RANGE 0, 999999999
// The stage files' own bounds (stage_format.cpp): tenths of a second, tool points, par.
#define SLIDESTONE_TIME_RANGE -1000000, 1000000
#define SLIDESTONE_POINTS_RANGE -1000000, 1000000
#define SLIDESTONE_PAR_RANGE -1000000000, 1000000000
#define SLIDESTONE_OFFER_RANGE INT32_MIN, INT32_MAX
#define SLIDESTONE_MAP_CODES kEmptyCell, kPipeInUse
#define SLIDESTONE_OBJECT_CODES kNoObject, kThrowerMark
// A table of records: each field has its own range.
#define SLIDESTONE_BY_FIELD 0, 0

// --- the fields of the table records ---------------------------------------------------------
#define SLIDESTONE_ENEMY_FIELDS(X)                       \
  X(int32_t, x, 0, SLIDESTONE_FIELD_X_RANGE)             \
  X(int32_t, y, 0, SLIDESTONE_FIELD_Y_RANGE)             \
  X(int32_t, prevX, 0, SLIDESTONE_FIELD_X_RANGE)         \
  X(int32_t, prevY, 0, SLIDESTONE_FIELD_Y_RANGE)         \
  X(int32_t, state, 0, kWalkerLeft, kKnockedOutThrower)                    \
  X(int32_t, frame, 0, SLIDESTONE_COUNTER_RANGE)         \
  X(int32_t, facing, 0, -1, 1)                           \
  X(Flag, fast, 0, SLIDESTONE_FLAG_RANGE)                \
  X(int32_t, windup, 0, SLIDESTONE_COUNTER_RANGE)        \
  X(int32_t, throwTimer, 0, SLIDESTONE_COUNTER_RANGE)    \
  X(int32_t, throwFrame, 0, SLIDESTONE_COUNTER_RANGE)
#define SLIDESTONE_ITEM_FIELDS(X)                   \
  X(int32_t, x, 0, SLIDESTONE_FIELD_X_RANGE)        \
  X(int32_t, y, 0, SLIDESTONE_FIELD_Y_RANGE)        \
  X(int32_t, kind, 0, kNoObject, kThrowerMark)      \
  X(int32_t, frame, 0, SLIDESTONE_COUNTER_RANGE)
#define SLIDESTONE_SPEED_TILE_FIELDS(X)              \
  X(int32_t, col, 0, 0, kGridCols - 1)               \
  X(int32_t, row, 0, 0, kGridRows - 1)               \
  X(int32_t, regrow, 0, SLIDESTONE_COUNTER_RANGE)    \
  X(Flag, broken, 0, SLIDESTONE_FLAG_RANGE)
#define SLIDESTONE_SPARKLE_FIELDS(X)                \
  X(int32_t, x, 0, SLIDESTONE_FIELD_X_RANGE)        \
  X(int32_t, y, 0, SLIDESTONE_FIELD_Y_RANGE)        \
  X(int32_t, frame, 0, SLIDESTONE_COUNTER_RANGE)
#define SLIDESTONE_STAGE_RECORD_FIELDS(X)               \
  X(int32_t, playerX, 0, 0, kFieldW - 32)               \
  X(int32_t, playerY, 0, 0, kFieldH - 32)               \
  X(int32_t, stoneX, 0, 0, kFieldW - 32)                \
  X(int32_t, stoneY, 0, 0, kFieldH - 32)                \
  X(int32_t, time, 0, SLIDESTONE_TIME_RANGE)            \
  X(int32_t, toolPoints, 0, SLIDESTONE_POINTS_RANGE)    \
  X(int32_t, parScore, 0, SLIDESTONE_PAR_RANGE)

// --- the numbers of the game, by concern: each list is one record of the model (model.h) -----
// clock: the virtual millisecond clock is the only time the game knows; the one random
// generator (see random.h)
#define SLIDESTONE_CLOCK_NUMBERS(X)             \
  X(int64_t, Now, 0, SLIDESTONE_CLOCK_RANGE)    \
  X(uint64_t, RandomState, 0, 0, INT64_MAX)
// table sizes
#define SLIDESTONE_TABLE_SIZE_NUMBERS(X)              \
  X(int32_t, EnemyCount, 0, 0, kMaxEnemies)           \
  X(int32_t, ItemCount, 0, 0, kMaxItems)              \
  X(int32_t, SpeedTileCount, 0, 0, kMaxSpeedTiles)
// game-wide
#define SLIDESTONE_SESSION_NUMBERS(X)                                   \
  X(int32_t, GameState, kStateTitle, kStateTitle, kStateClosingRoll)    \
  X(Flag, QuitRequested, 0, SLIDESTONE_FLAG_RANGE)                      \
  X(int32_t, Difficulty, kNormal, kEasy, kHard)                         \
  X(Flag, TimeLimitOn, kTrue, SLIDESTONE_FLAG_RANGE)                    \
  X(int32_t, StartStage, 0, 0, kLastStageIndex)                         \
  X(int32_t, HighScore, 0, SLIDESTONE_SCORE_RANGE)                      \
  X(int32_t, Stage, 0, 0, kStageCount)                              \
  X(int32_t, Lives, 3, 0, 99)                                           \
  X(int32_t, TotalScore, 0, SLIDESTONE_SCORE_RANGE)                     \
  X(int32_t, StageScore, 0, SLIDESTONE_SCORE_RANGE)                     \
  X(int16_t, BackdropIndex, 1, 0, 1)                                    \
  X(Flag, Paused, 0, SLIDESTONE_FLAG_RANGE)                             \
  X(Flag, StagePhaseFlag, kTrue, SLIDESTONE_FLAG_RANGE)
// per stage: timer, ending (StageEndReason is a StageEndCode), renderer
#define SLIDESTONE_STAGE_NUMBERS(X)                                 \
  X(int32_t, StageTime, 0, SLIDESTONE_TIME_RANGE)                   \
  X(int32_t, ToolPoints, 0, SLIDESTONE_POINTS_RANGE)                \
  X(int32_t, StageEndReason, kEndLostTry, kEndLostTry, kEndGoal)    \
  X(Flag, SceneDirty, 0, SLIDESTONE_FLAG_RANGE)
#define SLIDESTONE_PLAYER_NUMBERS(X)                      \
  X(int32_t, PlayerX, 0, SLIDESTONE_FIELD_X_RANGE)        \
  X(int32_t, PlayerY, 0, SLIDESTONE_FIELD_Y_RANGE)        \
  X(int32_t, PlayerPrevX, 0, SLIDESTONE_FIELD_X_RANGE)    \
  X(int32_t, PlayerPrevY, 0, SLIDESTONE_FIELD_Y_RANGE)    \
  X(int32_t, PlayerFrame, 0, SLIDESTONE_COUNTER_RANGE)    \
  X(int32_t, PlayerPose, 0, SLIDESTONE_COUNTER_RANGE)     \
  X(int32_t, IdleCount, 0, SLIDESTONE_COUNTER_RANGE)      \
  X(int32_t, ActionCount, 0, SLIDESTONE_COUNTER_RANGE)    \
  X(int32_t, PlayerCol, 0, -1, kGridCols)                 \
  X(int32_t, PlayerFootRow, 0, -1, kGridRows)             \
  X(Flag, PlayerInAction, 0, SLIDESTONE_FLAG_RANGE)       \
  X(Flag, InPipe, 0, SLIDESTONE_FLAG_RANGE)               \
  X(Flag, PipeWarpPending, 0, SLIDESTONE_FLAG_RANGE)      \
  X(Flag, Jumping, 0, SLIDESTONE_FLAG_RANGE)              \
  X(Flag, DropThrough, 0, SLIDESTONE_FLAG_RANGE)          \
  X(Flag, PlacingSpring, 0, SLIDESTONE_FLAG_RANGE)        \
  X(Flag, PlayerHit, 0, SLIDESTONE_FLAG_RANGE)            \
  X(int32_t, PipeDir, 1, -1, 1)                           \
  X(int32_t, JumpVy, 0, SLIDESTONE_COUNTER_RANGE)         \
  X(int32_t, JumpFloorY, 0, SLIDESTONE_FIELD_Y_RANGE)
// stone and spring
#define SLIDESTONE_STONE_NUMBERS(X)                           \
  X(int32_t, StoneX, 0, SLIDESTONE_FIELD_X_RANGE)             \
  X(int32_t, StoneY, 0, SLIDESTONE_FIELD_Y_RANGE)             \
  X(int32_t, StonePrevX, 0, SLIDESTONE_FIELD_X_RANGE)         \
  X(int32_t, StonePrevY, 0, SLIDESTONE_FIELD_Y_RANGE)         \
  X(int32_t, StoneDir, 1, -1, 1)                              \
  X(int32_t, StoneSpeed, 3, 0, 5)                             \
  X(int32_t, StonePeriod, 100, 1, 1000)                       \
  X(int32_t, StoneSpin, 0, SLIDESTONE_COUNTER_RANGE)          \
  X(int32_t, StoneSpinX, 0, SLIDESTONE_FIELD_X_RANGE)         \
  X(int32_t, SpeedDecayCount, 0, SLIDESTONE_COUNTER_RANGE)    \
  X(int32_t, SpringRise, 0, SLIDESTONE_COUNTER_RANGE)         \
  X(Flag, StoneLaunched, 0, SLIDESTONE_FLAG_RANGE)            \
  X(Flag, SpringShown, 0, SLIDESTONE_FLAG_RANGE)              \
  X(int32_t, StoneFlightSign, -1, -1, 1)                      \
  X(int32_t, SpringX, 0, SLIDESTONE_FIELD_X_RANGE)            \
  X(int32_t, SpringY, 0, SLIDESTONE_FIELD_Y_RANGE)            \
  X(int32_t, SpringStep, 1, SLIDESTONE_COUNTER_RANGE)         \
  X(int32_t, SpringTicks, 0, SLIDESTONE_COUNTER_RANGE)
#define SLIDESTONE_TOOL_MENU_NUMBERS(X)                     \
  X(Flag, MenuOpen, 0, SLIDESTONE_FLAG_RANGE)               \
  X(int32_t, MenuCursor, 0, 0, kToolSlots - 1)              \
  X(int32_t, MenuX, 0, SLIDESTONE_FIELD_X_RANGE)            \
  X(int32_t, MenuY, 0, SLIDESTONE_FIELD_Y_RANGE)            \
  X(int32_t, ToolAnim, 0, SLIDESTONE_COUNTER_RANGE)         \
  X(int32_t, ToolAnimCount, 0, SLIDESTONE_COUNTER_RANGE)
// enemies and the ball
#define SLIDESTONE_ENEMY_NUMBERS(X)                     \
  X(int32_t, EnemyAnim, 0, SLIDESTONE_COUNTER_RANGE)    \
  X(Flag, BallActive, 0, SLIDESTONE_FLAG_RANGE)         \
  X(int32_t, BallX, 0, SLIDESTONE_FIELD_X_RANGE)        \
  X(int32_t, BallY, 0, SLIDESTONE_FIELD_Y_RANGE)        \
  X(int32_t, BallVx, 0, SLIDESTONE_COUNTER_RANGE)
// head-up display effects
#define SLIDESTONE_HUD_NUMBERS(X)                             \
  X(Flag, SpeedFlash, 0, SLIDESTONE_FLAG_RANGE)               \
  X(Flag, PointsFlash, 0, SLIDESTONE_FLAG_RANGE)              \
  X(int32_t, SpeedFlashStep, 0, SLIDESTONE_COUNTER_RANGE)     \
  X(int32_t, SpeedChange, 0, SLIDESTONE_COUNTER_RANGE)        \
  X(int32_t, PointsFlashStep, 0, SLIDESTONE_COUNTER_RANGE)
// tile pass and sparkles
#define SLIDESTONE_TILE_NUMBERS(X)                         \
  X(int32_t, TileCycle, 0, SLIDESTONE_COUNTER_RANGE)       \
  X(Flag, SparkleOn, 0, SLIDESTONE_FLAG_RANGE)             \
  X(int32_t, SparkleTicks, 0, SLIDESTONE_COUNTER_RANGE)    \
  X(int32_t, SparkleX, 0, SLIDESTONE_FIELD_X_RANGE)        \
  X(int32_t, SparkleY, 0, SLIDESTONE_FIELD_Y_RANGE)
// stage flow
#define SLIDESTONE_FLOW_NUMBERS(X)                          \
  X(int32_t, FlowStep, 0, SLIDESTONE_COUNTER_RANGE)         \
  X(Flag, WordsRunning, 0, SLIDESTONE_FLAG_RANGE)           \
  X(int32_t, WordCounter, 100, SLIDESTONE_COUNTER_RANGE)    \
  X(Flag, ContinuePromptOn, 0, SLIDESTONE_FLAG_RANGE)       \
  X(int32_t, ContinueCursor, 0, 0, 1)                       \
  X(Flag, FlowLatch, kTrue, SLIDESTONE_FLAG_RANGE)
// title, menu and options
#define SLIDESTONE_MENU_NUMBERS(X)                             \
  X(int32_t, CursorRow, 0, 0, 3)                               \
  X(int32_t, BackgroundScroll, 0, SLIDESTONE_COUNTER_RANGE)    \
  X(int32_t, TitleAnimTick, 0, SLIDESTONE_COUNTER_RANGE)       \
  X(int32_t, WalkerX, 0, SLIDESTONE_SCREEN_X_RANGE)            \
  X(int32_t, EnemyX, 0, SLIDESTONE_SCREEN_X_RANGE)             \
  X(int32_t, WalkerFrame, 0, SLIDESTONE_COUNTER_RANGE)         \
  X(int32_t, WalkerStep, 0, SLIDESTONE_COUNTER_RANGE)          \
  X(int32_t, EnemyFrame, 0, SLIDESTONE_COUNTER_RANGE)
// house shot, results, closing roll
#define SLIDESTONE_HOUSE_SHOT_NUMBERS(X)                    \
  X(int32_t, ShotFrame, 0, SLIDESTONE_COUNTER_RANGE)        \
  X(int32_t, ShotSpin, 0, SLIDESTONE_COUNTER_RANGE)         \
  X(int32_t, ShotStoneX, 0, SLIDESTONE_SCREEN_X_RANGE)      \
  X(int32_t, ShotStoneY, 0, SLIDESTONE_SCREEN_Y_RANGE)      \
  X(int32_t, ShotTargetX, 0, SLIDESTONE_SCREEN_X_RANGE)     \
  X(int32_t, ShotTargetY, 0, SLIDESTONE_SCREEN_Y_RANGE)     \
  X(int32_t, ShotInterval, 30, SLIDESTONE_COUNTER_RANGE)    \
  X(int32_t, ShotDistance, 0, SLIDESTONE_COUNTER_RANGE)     \
  X(int32_t, DriftPeriod, 500, SLIDESTONE_COUNTER_RANGE)    \
  X(int32_t, DriftStart, 0, SLIDESTONE_COUNTER_RANGE)       \
  X(int32_t, RollTick, 0, SLIDESTONE_COUNTER_RANGE)
// persistent step variables: 0 at program start, never reset by a stage or a game
#define SLIDESTONE_STEP_NUMBERS(X)                                                                                   \
  X(int64_t, walkClock, 0, SLIDESTONE_CLOCK_RANGE)                                                                   \
  X(int64_t, actionClock, 0, SLIDESTONE_CLOCK_RANGE)                                                                 \
  X(int64_t, stoneClock, 0, SLIDESTONE_CLOCK_RANGE)                                                                  \
  X(int64_t, springClock, 0, SLIDESTONE_CLOCK_RANGE)                                                                 \
  X(int64_t, flightClock, 0, SLIDESTONE_CLOCK_RANGE)                                                                 \
  X(int64_t, enemyClock, 0, SLIDESTONE_CLOCK_RANGE)                                                                  \
  X(int64_t, flowClock, 0, SLIDESTONE_CLOCK_RANGE)                                                                   \
  X(int64_t, stageTimerClock, 0, SLIDESTONE_CLOCK_RANGE)                                                             \
  X(int64_t, tileClock, 0, SLIDESTONE_CLOCK_RANGE)                                                                   \
  X(int64_t, hudClock, 0, SLIDESTONE_CLOCK_RANGE)                                                                    \
  X(int64_t, menuClock, 0, SLIDESTONE_CLOCK_RANGE)                                                                   \
  X(int64_t, optionsClock, 0, SLIDESTONE_CLOCK_RANGE)                                                                \
  X(int64_t, shotClock, 0, SLIDESTONE_CLOCK_RANGE)                                                                   \
  X(int64_t, rollClock, 0, SLIDESTONE_CLOCK_RANGE)                                                                   \
  X(int32_t, walkVy, 0, SLIDESTONE_COUNTER_RANGE)                                                                    \
  X(int32_t, stoneVy, 0, SLIDESTONE_COUNTER_RANGE)                                                                   \
  X(Flag, springActive, 0, SLIDESTONE_FLAG_RANGE)                                                                    \
  X(Flag, stoneFlying, 0, SLIDESTONE_FLAG_RANGE)                                                                     \
  X(Flag, launchBlocked, 0, SLIDESTONE_FLAG_RANGE)                                                                   \
  X(Flag, stoneBumped, 0, SLIDESTONE_FLAG_RANGE)                                                                     \
  X(int64_t, beepEndsAt, 0, SLIDESTONE_CLOCK_RANGE) /* when the refusal beep started last will have finished */ \
  X(Flag, openingLineShown, 0, SLIDESTONE_FLAG_RANGE) /* the stage's opening line is over the field */           \
  X(int64_t, openingLineEndsAt, 0, SLIDESTONE_CLOCK_RANGE) /* when it goes; 0 until play has begun */

// Every number, in the order --list-vars shows them.
#define SLIDESTONE_GAME_NUMBERS(X)                                                       \
  SLIDESTONE_CLOCK_NUMBERS(X) SLIDESTONE_TABLE_SIZE_NUMBERS(X)                           \
  SLIDESTONE_SESSION_NUMBERS(X) SLIDESTONE_STAGE_NUMBERS(X) SLIDESTONE_PLAYER_NUMBERS(X) \
  SLIDESTONE_STONE_NUMBERS(X) SLIDESTONE_TOOL_MENU_NUMBERS(X) SLIDESTONE_ENEMY_NUMBERS(X) \
  SLIDESTONE_HUD_NUMBERS(X) SLIDESTONE_TILE_NUMBERS(X) SLIDESTONE_FLOW_NUMBERS(X)        \
  SLIDESTONE_MENU_NUMBERS(X) SLIDESTONE_HOUSE_SHOT_NUMBERS(X) SLIDESTONE_STEP_NUMBERS(X)

// --- the tables by concern: grids and tables of numbers by their indices, tables of records by
// field -------------------------------------------------------------------------------------
#define SLIDESTONE_FIELD_TABLES(X)           \
  X(Map, SLIDESTONE_MAP_CODES, Grid)         \
  X(AiMap, SLIDESTONE_OBJECT_CODES, Grid)
#define SLIDESTONE_KEY_TABLES(X)                                     \
  X(KeyState, SLIDESTONE_FLAG_RANGE, std::array<Flag, kKeyCount>)
#define SLIDESTONE_TOOL_TABLES(X)                                                                    \
  X(ToolEnabled, SLIDESTONE_FLAG_RANGE, std::array<Flag, kToolSlots>)                                \
  X(StageItems, SLIDESTONE_OFFER_RANGE, std::array<std::array<int32_t, kToolSlots>, kStageRecords>)
#define SLIDESTONE_ENEMY_TABLES(X)                                          \
  X(enemyVy, SLIDESTONE_COUNTER_RANGE, std::array<int32_t, kMaxEnemies>)    \
  X(Enemies, SLIDESTONE_BY_FIELD, std::array<EnemyRecord, kMaxEnemies>)
#define SLIDESTONE_FIELD_ITEM_TABLES(X)                                              \
  X(Items, SLIDESTONE_BY_FIELD, std::array<ItemRecord, kMaxItems>)                   \
  X(SpeedTiles, SLIDESTONE_BY_FIELD, std::array<SpeedTileRecord, kMaxSpeedTiles>)    \
  X(Sparkles, SLIDESTONE_BY_FIELD, std::array<SparkleEntry, kMaxSparkles>)
#define SLIDESTONE_STAGE_TABLES(X)                                              \
  X(StageTable, SLIDESTONE_BY_FIELD, std::array<StageRecord, kStageRecords>)

// Every table, in the order --list-vars shows them.
#define SLIDESTONE_GAME_TABLES(X)                                                   \
  SLIDESTONE_FIELD_TABLES(X) SLIDESTONE_KEY_TABLES(X) SLIDESTONE_TOOL_TABLES(X)      \
  SLIDESTONE_ENEMY_TABLES(X) SLIDESTONE_FIELD_ITEM_TABLES(X) SLIDESTONE_STAGE_TABLES(X)

// Declare the members of a list: a number or field with its start value, a table all zero.
#define SLIDESTONE_MEMBER(type, name, start, ...) type name = start;
#define SLIDESTONE_TABLE_MEMBER(name, range, ...) __VA_ARGS__ name{};
