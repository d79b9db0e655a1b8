// Where each picture of the play field sits in its sheet, by name: the art generator draws it
// there, the game copies it from there and the picture tests check it there. A sheet's size and
// file are in picture_list.h beside this; this header includes nothing, so the generator can
// read it as it reads the picture list.
#pragma once

namespace slidestone {

// A run of equal cells in a sheet: cell n at (x + n * stepX, y + n * stepY). A run of masked
// sprites has each cell's mask (black where the sprite is drawn, white around it) at
// (maskX, maskY) with the same step. Some runs repeat in rows `rowStep` apart (the player's
// poses): Row(r) is the run r rows down.
struct SheetRun {
  int x = 0, y = 0, w = 32, h = 32;
  int count = 1;
  int stepX = 0, stepY = 0;
  int maskX = -1, maskY = -1;  // -1: no mask
  int rowStep = 0;

  constexpr int X(int n) const { return x + n * stepX; }
  constexpr int Y(int n) const { return y + n * stepY; }
  constexpr int MaskX(int n) const { return maskX + n * stepX; }
  constexpr int MaskY(int n) const { return maskY + n * stepY; }
  constexpr bool Masked() const { return maskX >= 0; }
  constexpr SheetRun Row(int r) const {
    SheetRun run = *this;
    run.y += r * rowStep;
    if (Masked()) run.maskY += r * rowStep;
    return run;
  }
};

// A single cell of 32 x 32.
constexpr SheetRun Cell(int x, int y) { return {x, y}; }
// `count` cells of 32 x 32 in a row, their masks `maskDx` to the right or `maskDy` below.
constexpr SheetRun Sprites(int x, int y, int count, int maskDx, int maskDy) {
  return {x, y, 32, 32, count, 32, 0, x + maskDx, y + maskDy};
}

// The field sheet (picture char3): the stone, the map tiles, the items and the enemies.
namespace field_sheet {
constexpr SheetRun kStone = Sprites(0, 0, 8, 0, 32);  // its spin, a cell per step
constexpr SheetRun kBrick = Cell(0, 64);
constexpr SheetRun kSteelBlock = Cell(32, 64);
constexpr SheetRun kSpeedUpSign = Cell(64, 64);
constexpr SheetRun kSpeedDownSign = Cell(96, 64);
constexpr SheetRun kArrowRight = Cell(128, 64);
constexpr SheetRun kArrowLeft = Cell(160, 64);
constexpr SheetRun kPipeTop = Cell(192, 64);
// UP and DOWN, the words that rise from the stone when its speed changes.
constexpr SheetRun kSpeedWords{224, 64, 32, 12, 2, 0, 12};
constexpr SheetRun kSnowyBrick = Cell(0, 96);
constexpr SheetRun kSnowySteelBlock = Cell(32, 96);
// The arrows turning under the broom: three steps each.
constexpr SheetRun kArrowRightTurning{64, 96, 32, 32, 3, 32, 0};
constexpr SheetRun kArrowLeftTurning{160, 96, 32, 32, 3, 32, 0};
constexpr SheetRun kGoalFlag = Sprites(0, 128, 4, 128, 0);
constexpr SheetRun kBucket = Sprites(0, 160, 3, 96, 0);
constexpr SheetRun kBall{192, 160, 16, 16, 1, 0, 0, 192, 176};
// Penguins: five walking cells, then alarmed, stopping and fast (5, 6, 7); the knocked-out one
// shows cell 5.
constexpr SheetRun kWalkerRight = Sprites(0, 192, 8, 0, 32);
constexpr SheetRun kWalkerLeft = Sprites(0, 256, 8, 0, 32);
constexpr int kKnockedOutWalkerCell = 5;
// Snowmen looking left; Row(1) looks right. Five cells; toppling, the watcher and the thrower go
// on along the same row. The thrower's throw is cells 5 to 7.
constexpr SheetRun kWatcher{0, 320, 32, 32, 5, 32, 0, 0, 352, 64};
constexpr SheetRun kThrower{0, 448, 32, 32, 8, 32, 0, 0, 480, 64};
}  // namespace field_sheet

// The overlay sheet (picture char4): looks of the speed tile, added onto the backdrop pixel by
// pixel (black adds nothing), and the sparkles of a cleared tile.
namespace overlay_sheet {
// The live tile at rest (0) and a glint sweeping across it (1 to 5).
constexpr SheetRun kLiveTile{0, 0, 32, 32, 6, 32, 0};
constexpr SheetRun kSpentTile = Cell(192, 0);
// Under the hammer (three cracks) and under the broom (three steps of fresh glass).
constexpr SheetRun kCracking{0, 32, 32, 32, 3, 32, 0};
constexpr SheetRun kCovering{96, 32, 32, 32, 3, 32, 0};
constexpr SheetRun kSparkles{192, 32, 8, 8, 4, 8, 0, 192, 40};
// A stage being built, before play begins: neither live nor spent.
constexpr SheetRun kPlainIce = Cell(0, 64);
}  // namespace overlay_sheet

// The time sheet (picture time): the head-up display's digits and labels and the big words of
// the stage flow, all on black.
namespace time_sheet {
// Row 0: the clock's black strip, its colons at x 32 and 128. Its first cell is plain black:
// what a place of the display is cleared with, and what a greyed tool icon is shaded with.
constexpr SheetRun kClockStrip{0, 0, 192, 32};
constexpr SheetRun kColons{32, 0, 32, 32, 2, 96, 0};
constexpr SheetRun kBlack = Cell(0, 0);
constexpr SheetRun kMinus{256, 0, 32, 32, 1, 0, 0, 288, 0};   // a clock cell with no time limit
constexpr SheetRun kLargeDigits{0, 32, 32, 32, 10, 32, 0};   // green 0 to 9
constexpr SheetRun kWhiteDigits{0, 64, 32, 32, 10, 32, 0};
constexpr SheetRun kLabels{0, 96, 64, 32, 3, 64, 0};         // TOTAL, STAGE, SPEED
constexpr int kTotalLabel = 0, kStageLabel = 1, kSpeedLabel = 2;
constexpr SheetRun kSmallDigits{0, 128, 16, 32, 10, 16, 0, 0, 160};
constexpr SheetRun kSlash{160, 128, 16, 48, 1, 0, 0, 176, 128};   // before the tool points
constexpr SheetRun kRedZero{192, 128, 16, 32, 1, 0, 0, 192, 160};  // no tool points left
// The stage-flow words, 256 x 64 (YES and NO 128 x 64, bright then dim). Both tints of YES and
// of NO have one shape, so one can be drawn over the other.
constexpr SheetRun kContinueWord{0, 192, 256, 64};
constexpr SheetRun kYesWords{0, 256, 128, 64, 2, 128, 0};
constexpr SheetRun kNoWords{0, 320, 128, 64, 2, 128, 0};
constexpr int kBrightWord = 0, kDimWord = 1;
constexpr SheetRun kTimeUpWord{0, 384, 256, 64};
constexpr SheetRun kClearWords{0, 448, 256, 64, 2, 0, 64};      // upright, then leaning
constexpr SheetRun kStartWords{0, 576, 256, 64, 2, 0, 64};      // sharp, then blurred
constexpr SheetRun kStoneStopWords{0, 704, 256, 64, 3, 0, 64};  // the game shows the first
}  // namespace time_sheet

// The tool icons, at 32 pixels (picture commandbox) and 24 (commandboxx): hammer, broom, spring
// and a spare, then the cursor frame with its mask. IconStrip is the icons as one strip.
constexpr SheetRun ToolIcons(int cell) { return {0, 0, cell, cell, 4, cell, 0}; }
constexpr SheetRun IconStrip(int cell, int icons) { return {0, 0, icons * cell, cell}; }
constexpr SheetRun CursorFrame(int cell) { return {4 * cell, 0, cell, cell, 1, 0, 0, 5 * cell, 0}; }

// The player (picture mainchar): four cells a pose, masks 128 to the right, a pose a row.
constexpr SheetRun kPlayerPoses{0, 0, 32, 32, 4, 32, 0, 128, 0, 32};
constexpr int kPlayerPoseCount = 9;
// The spring (picture jumpd): five heights, masks 160 to the right.
constexpr SheetRun kSpring = Sprites(0, 0, 5, 160, 0);

// The menu window's word sheet (picture messagebox): rows 64 high (y = 64 * row), the left half
// of a row the dim word, the right half (x 256) the bright one, on black.
constexpr int kWordH = 64;
constexpr int kBrightX = 256;
enum WordRow : int {
  kRowGameStart = 0,
  kRowOption = 1,
  kRowGameEnd = 2,
  kRowGameLv = 3,
  kRowLevelsDim = 4,     // EASY, NORMAL, HARD, EXIT in 128-pixel cells
  kRowLevelsBright = 5,
  kRowOnOff = 6,         // dim ON, dim OFF, bright ON, bright OFF
  kRowTimeLimit = 7,
  kRowStageSelect = 8,
  kRowHighScore = 9,     // HIGH SCORE, and NEW on the right: bright only
  kRowDigitsBright = 10,
  kRowDigitsDim = 11,
};
constexpr int RowY(int row) { return row * kWordH; }
constexpr int kValueCellW = 128;  // the cells of rows 4 to 6
// The digits 0 to 9, 32 x 64: Row(kRowDigitsBright) and Row(kRowDigitsDim).
constexpr SheetRun kMenuDigits{0, 0, 32, kWordH, 10, 32, 0, -1, -1, kWordH};
// SCORE alone, inside HIGH SCORE: the results show just that.
constexpr SheetRun kScoreWord{110, RowY(kRowHighScore), 150, kWordH};

// The menu window's other sheets: the logo (picture title) over the logo box, and the stone
// pattern (picture startback), of which a 320 x 240 piece at a scroll of 0 to 31 tiles the screen.
constexpr SheetRun kTitleLogo{0, 0, 550, 220};
constexpr SheetRun kPatternPiece{0, 0, 320, 240};

// The house window's sheets. clear1: the sheet of ice (512 x 480) right of 128 black columns,
// the grey cross line under it.
namespace house_sheet {
constexpr SheetRun kBlackColumns{0, 0, 128, 480};
constexpr SheetRun kIce{128, 0, 512, 480};
constexpr SheetRun kCrossLine{0, 480, 512, 4};
// clear2: the house (black round it), and the stone seen from above in eight turns, masks below.
constexpr SheetRun kHouse{0, 0, 256, 256};
constexpr SheetRun kTopStone = Sprites(0, 256, 8, 0, 32);
}  // namespace house_sheet

}  // namespace slidestone
