// The game's numbered codes, each named once: what a cell is made of, what lies on it, what an
// enemy is doing, why a stage ended, which screen runs, which keys the game reads and which
// effect channel a sound cuts off. The numbers are the ones the stage files and the variables
// hold, so scripts and stage designers see the same values.
#pragma once

#include <cstdint>

namespace slidestone {

// Game states: the screen whose step handler the loop runs. 5 has no handler.
enum GameStateCode : int32_t {
  kStateTitle = 0,
  kStateMenu = 1,
  kStateLoadStage = 2,
  kStatePlay = 3,
  kStateOptions = 4,
  kStateHouseSetup = 6,
  kStateHouseShot = 7,
  kStateResults = 8,
  kStateClosingRoll = 9,
};

// Virtual-key codes: the game reads the first eight; the stage editor and scripts the rest.
// Letters are their capitals ('A'..'Z'), digit keys their digits ('0'..'9').
enum KeyCode : int {
  kKeyEnter = 13,
  kKeyEscape = 27,
  kKeySpace = 32,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyZ = 90,
  kMouseLeft = 1,
  kMouseRight = 2,
  kWheelUp = 3,    // a notch of the mouse wheel away from the user comes as a tap of this
  kWheelDown = 4,
  kKeyBackspace = 8,
  kKeyTab = 9,
  kKeyShift = 16,
  kKeyCtrl = 17,
  kKeyAlt = 18,
  kKeyPageUp = 33,
  kKeyPageDown = 34,
  kKeyEnd = 35,
  kKeyHome = 36,
  kKeyDelete = 46,
  kKeyF1 = 112,
  kKeyF12 = 123,
};

// The keys by the names scripts give them (letters, KEY0..KEY9 and F1..F12 are named by rule).
struct KeyName {
  const char* name;
  int code;
};
constexpr KeyName kKeyNames[] = {
    {"LEFT", kKeyLeft},       {"RIGHT", kKeyRight},       {"UP", kKeyUp},           {"DOWN", kKeyDown},
    {"SPACE", kKeySpace},     {"ENTER", kKeyEnter},       {"ESCAPE", kKeyEscape},   {"Z", kKeyZ},
    {"LBUTTON", kMouseLeft},  {"RBUTTON", kMouseRight},   {"WHEELUP", kWheelUp},    {"WHEELDOWN", kWheelDown},
    {"BACKSPACE", kKeyBackspace}, {"TAB", kKeyTab},       {"SHIFT", kKeyShift},     {"CTRL", kKeyCtrl},
    {"ALT", kKeyAlt},         {"PGUP", kKeyPageUp},       {"PGDN", kKeyPageDown},   {"END", kKeyEnd},
    {"HOME", kKeyHome},       {"DELETE", kKeyDelete}};

// Difficulty: the options' GAME LV, also the column of its word on the word sheet.
enum DifficultyCode : int32_t {
  kEasy = 0,
  kNormal = 1,
  kHard = 2,
};
constexpr int32_t kDifficultyLevels = 3;

// Each level's word as the options and the editor show it, and as a proof's file name holds it
// in lower case ("01-normal.script").
constexpr const char* kDifficultyWords[kDifficultyLevels] = {"EASY", "NORMAL", "HARD"};
constexpr const char* kDifficultyFileWords[kDifficultyLevels] = {"easy", "normal", "hard"};
constexpr const char* DifficultyWord(int32_t level) {
  return level >= 0 && level < kDifficultyLevels ? kDifficultyWords[level] : "?";
}

// Map codes: what a cell is made of. Every code but kEmptyCell is solid. The stage files hold
// 0 to 11; the others are states that play writes and the loader draws no picture for.
enum MapCode : int32_t {
  kEmptyCell = 0,
  kBrick = 1,          // the only code that stops the flying stone sideways and upward
  kMetalBlock = 2,
  kArrowRight = 3,
  kArrowLeft = 4,
  kPipe = 5,
  kArrowRightTurning = 6,  // the broom on a right arrow; the tile pass ends it as kArrowLeft
  kArrowLeftTurning = 7,   // the broom on a left arrow; the tile pass ends it as kArrowRight
  kSpeedUpSign = 8,
  kSpeedDownSign = 9,
  kSpentSpeedTile = 10,
  kSpeedTile = 11,
  kSpeedTileBreaking = 12,  // the hammer at work; the tile pass leaves a hole (kEmptyCell)
  kSpeedTileSweeping = 13,  // the broom on a spent tile; the tile pass ends it as kSpeedTile
  kPipeInUse = 50,          // the pipe cell the player travels through; kPipe again after
};

// The cells each tool works on: the hammer breaks a speed tile, live or spent; the broom turns an
// arrow round or restores a spent speed tile.
constexpr bool HammerBreaks(int32_t code) { return code == kSpeedTile || code == kSpentSpeedTile; }
constexpr bool BroomWorks(int32_t code) {
  return code == kArrowRight || code == kArrowLeft || code == kSpentSpeedTile;
}

// Object codes: what lies on a cell (the AiMap grid). Enemy marks exist only in the files: the
// loader turns them into enemy records and clears the cell.
enum ObjectCode : int32_t {
  kNoObject = 0,
  kGoal = 20,
  kBucket = 21,
  kPlacedSpring = 30,
  kWatcherMark = 40,
  kWalkerMark = 41,
  kThrowerMark = 42,
};

// Tool slots of the menu, of ToolEnabled and of a stage's offer; slots 3 and 4 are never used.
enum ToolSlot : int {
  kToolHammer = 0,
  kToolBroom = 1,
  kToolSpring = 2,
};

// Item kinds: the goal flags and buckets drawn on the field carry their object code; a
// collected bucket becomes kItemCollected.
constexpr int32_t kItemCollected = 0;

// Enemy states. Active ones move or watch and hurt the player; a knocked-out one lies dazed for
// ten enemy steps, then is gone.
enum EnemyState : int32_t {
  kWalkerLeft = -1,
  kWatcher = 0,
  kWalkerRight = 1,
  kEnemyGone = 2,
  kKnockedOutWalkerRight = 3,
  kKnockedOutWalkerLeft = 4,
  kKnockedOutWatcher = 5,
  kThrower = 6,
  kKnockedOutThrower = 7,
};

constexpr bool IsWalker(int32_t state) { return state == kWalkerLeft || state == kWalkerRight; }
constexpr bool IsActiveEnemy(int32_t state) {
  return IsWalker(state) || state == kWatcher || state == kThrower;
}
constexpr bool IsKnockedOut(int32_t state) {
  return state == kKnockedOutWalkerRight || state == kKnockedOutWalkerLeft ||
         state == kKnockedOutWatcher || state == kKnockedOutThrower;
}

// Why a stage ended (StageEndReason). A fall or a knock-out leaves kEndLostTry: the try is lost.
enum StageEndCode : int32_t {
  kEndLostTry = 0,
  kEndTimeUp = 1,
  kEndStoneStopped = 2,
  kEndGoal = 3,
};

}  // namespace slidestone
