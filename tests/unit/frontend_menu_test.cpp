// The screens before the play: splash, title, main menu with its logo scene, options.
//
// The sheets here are made up so that every pixel says where it came from: a word-sheet pixel
// names its 32 x 64 cell, a pattern pixel its place in the pattern, a sprite pixel its frame.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "frontend/frontend.h"
#include "presentation/front_screen.h"
#include "presentation/menu_words.h"
#include "services/settings.h"
#include "shell/startup.h"
#include "presentation/game.h"
#include "word_sheet.h"

namespace slidestone {
namespace {

using testing::Cell;
using testing::Word;
using testing::WordAt;

constexpr Pixel kPatternTag = 1u << 23;
constexpr Pixel kHaltPose = Rgb(9, 9, 9);


struct MenuTest : ::testing::Test {
  std::unique_ptr<Game> gp = std::make_unique<Game>();
  Game& g = *gp;
  RecordingAudio audio;
  MemorySettings settings;

  void SetUp() override {
    CreateForms(g.forms);
    g.audio = &audio;
    g.settings = &settings;
    MenuWindow& m = g.menuWindow;
    testing::PaintWordSheet(m.messagebox);
    m.startback.Resize(352, 288);
    for (int y = 0; y < 288; ++y)
      for (int x = 0; x < 352; ++x) m.startback.Row(y)[x] = kPatternTag | Pixel(x) << 9 | Pixel(y);
    m.title.Resize(550, 220);
    m.title.Fill(Rgb(200, 220, 255));
    // Walking frames: sprite colour by frame and row, solid black masks.
    Surface& mc = g.stageWindow.mainchar;
    mc.Resize(256, 288);
    for (int y = 0; y < 288; ++y)
      for (int x = 0; x < 256; ++x) mc.Row(y)[x] = x < 128 ? Rgb(100 + x / 32, 100 + y / 32, 1) : 0;
    for (int y = 96; y < 128; ++y)
      for (int x = 96; x < 128; ++x) mc.Row(y)[x] = kHaltPose;
    Surface& c3 = g.stageWindow.fieldSheet;
    c3.Resize(256, 576);
    for (int y = 256; y < 288; ++y)
      for (int x = 0; x < 256; ++x) c3.Row(y)[x] = Rgb(50 + x / 32, 50, 50);
  }

  std::vector<std::string> Calls() { return audio.TakeCalls(); }
  void Key(int code) { g.KeyState[code] = kTrue; }
  // One menu tick: the step timer is due.
  void MenuTick() {
    g.Now += 101;
    MainMenu(g);
  }
};

const std::string kCursor = "effect sound/Akouka02.wav 8";
const std::string kConfirm = "effect sound/Akouka01.wav 8";
const std::string kOption = "effect sound/Akouka03.wav 8";

// --- splash -----------------------------------------------------------------------------------

TEST_F(MenuTest, SplashFadesTheLogosInThenBothOut) {
  g.splashWindow.firstLogo.Resize(300, 157);
  g.splashWindow.firstLogo.Fill(Rgb(255, 255, 255));
  g.splashWindow.secondLogo.Resize(400, 200);
  g.splashWindow.secondLogo.Fill(Rgb(255, 255, 255));
  // Opacity of the first logo (seen at (160, 10)) and the second (at (110, 300)) per step.
  const struct {
    int step, first, second;
  } steps[] = {{0, 0, 0},      {1, 4, 0},      {63, 252, 0},   {64, 255, 0},  {65, 255, 8},
               {95, 255, 248}, {96, 255, 255}, {97, 247, 247}, {127, 7, 7}};
  for (const auto& s : steps) {
    LogoSplashStep(g, s.step);
    const Surface& canvas = g.splashWindow.canvas;
    EXPECT_EQ(RedOf(canvas.At(160, 10)), s.first) << "step " << s.step;
    EXPECT_EQ(RedOf(canvas.At(110, 300)), s.second) << "step " << s.step;
    EXPECT_EQ(canvas.At(20, 20), 0u) << "outside the logos stays black, step " << s.step;
    EXPECT_EQ(canvas.Shown(), canvas.Pixels()) << "each step is presented, step " << s.step;
  }
  EXPECT_TRUE(g.splashWindow.shown);
}

// --- title and background ---------------------------------------------------------------------

TEST_F(MenuTest, MenuBackgroundContinuesThePatternAcrossTheMiddleWithoutASeam) {
  // A pattern that repeats every 32 pixels both ways, as the real one does.
  Surface& sb = g.menuWindow.startback;
  for (int y = 0; y < 288; ++y)
    for (int x = 0; x < 352; ++x) sb.Row(y)[x] = kPatternTag | Pixel(x % 32) << 9 | Pixel(y % 32);
  auto pattern = [](int x, int y, int s) { return kPatternTag | Pixel((x + s) % 32) << 9 | Pixel((y + s) % 32); };
  for (int s : {0, 1, 17, 31}) {
    Surface out(640, 480);
    DrawMenuBackground(g.menuWindow, out, s);
    int wrong = 0;
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) wrong += out.At(x, y) != pattern(x, y, s);
    EXPECT_EQ(wrong, 0) << "scroll " << s;
  }
  // A part of the screen, across the middle both ways and inside one quarter, is the same
  // pattern there and leaves the rest alone.
  for (const Rect& area : {Rect{300, 200, 41, 90}, Rect{30, 160, 418, 304}, Rect{600, 0, 60, 30}}) {
    constexpr Pixel kUntouched = 0x123456;
    Surface out(640, 480);
    out.Fill(kUntouched);
    DrawMenuBackground(g.menuWindow, out, 13, area);
    int wrong = 0;
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) {
        const bool inside = x >= area.x && x < area.x + area.w && y >= area.y && y < area.y + area.h;
        wrong += out.At(x, y) != (inside ? pattern(x, y, 13) : kUntouched);
      }
    EXPECT_EQ(wrong, 0) << "area at " << area.x << "," << area.y;
  }
}

TEST_F(MenuTest, TitlePreparesTheMenuWithDimWordsAndStartsTheMusic) {
  g.CursorRow = 2, g.BackgroundScroll = 9, g.TitleAnimTick = 77, g.WalkerX = 40, g.EnemyX = 90;
  TitleScreen(g);
  EXPECT_EQ(g.GameState, kStateMenu);
  EXPECT_EQ(g.CursorRow, 0);
  EXPECT_EQ(g.BackgroundScroll, 0);
  EXPECT_EQ(g.TitleAnimTick, 0);
  EXPECT_EQ(g.WalkerX, 0);
  EXPECT_EQ(g.EnemyX, 0);
  EXPECT_EQ(Calls(), std::vector<std::string>{"music sound/PSMAT005.mid -1"});
  const Surface& box = g.menuWindow.startbox1;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(WordAt(box, 201, 251 + 64 * i), Word(0, i)) << i;
  EXPECT_EQ(box.Shown(), box.Pixels());
  EXPECT_EQ(g.menuWindow.startbox2.Shown(), g.menuWindow.startbox2.Pixels()) << "a clean logo, no figure";
  EXPECT_EQ(g.menuWindow.startbox2.At(300, 200), Rgb(200, 220, 255));
}

// --- main menu --------------------------------------------------------------------------------

TEST_F(MenuTest, ArrowsMoveTheCursorRoundWithASoundAndTheWordUnderItIsBright) {
  TitleScreen(g);
  Calls();
  const struct {
    int key, row;
  } moves[] = {{kKeyUp, 2}, {kKeyDown, 0}, {kKeyDown, 1}, {kKeyDown, 2}, {kKeyDown, 0}, {kKeyUp, 2},
               {kKeyUp, 1}};
  for (const auto& m : moves) {
    Key(m.key);
    MainMenu(g);
    EXPECT_EQ(g.CursorRow, m.row);
    EXPECT_EQ(g.KeyState[m.key], 0) << "the press is used up";
    EXPECT_EQ(Calls(), std::vector<std::string>{kCursor});
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(WordAt(g.menuWindow.startbox1, 201, 251 + 64 * i), Word(i == m.row ? 256 : 0, i));
    }
  }
}

TEST_F(MenuTest, AMovedCursorPutsBackThePatternOfTheLastTickAroundTheWords) {
  // The words end halfway along their cells: the rest is the sheet's black, which keyed copies
  // skip, so the pattern shows there.
  Surface& words = g.menuWindow.messagebox;
  for (int y = RowY(kRowGameStart); y < RowY(kRowGameStart + 3); ++y)
    for (int x : {128, kBrightX + 128})
      for (int i = 0; i < 128; ++i) words.Row(y)[x + i] = 0;
  TitleScreen(g);
  for (int i = 0; i < 3; ++i) MenuTick();
  Key(kKeyDown);
  ++g.Now;  // between ticks: only the words are drawn again
  MainMenu(g);
  Surface clean(640, 480);
  DrawMenuBackground(g.menuWindow, clean, g.BackgroundScroll);
  int background = 0, wrong = 0;
  for (int y = 250; y < 442; ++y)
    for (int x = 200; x < 456; ++x) {
      if (WordAt(g.menuWindow.startbox1, x, y) != Cell{}) continue;
      ++background;
      wrong += g.menuWindow.startbox1.At(x, y) != clean.At(x, y);
    }
  EXPECT_GT(background, 0);
  EXPECT_EQ(wrong, 0);
}

TEST_F(MenuTest, OptionHidesTheLogoBoxAndExitBringsItBackWithTheSceneReset) {
  TitleScreen(g);
  g.CursorRow = 1;
  Key(kKeySpace);
  MainMenu(g);
  EXPECT_EQ(g.GameState, kStateOptions);
  EXPECT_EQ(g.CursorRow, 0) << "the options open on GAME LV";
  EXPECT_FALSE(g.menuWindow.startbox2.visible);
  EXPECT_EQ(Calls(), (std::vector<std::string>{"music sound/PSMAT005.mid -1", kConfirm}));

  g.TitleAnimTick = 120, g.WalkerX = 60, g.EnemyX = 300;
  Key(kKeyUp);
  OptionsScreen(g);
  EXPECT_EQ(g.CursorRow, 3) << "Up on GAME LV goes to EXIT";
  Key(kKeySpace);
  OptionsScreen(g);
  EXPECT_EQ(g.GameState, kStateMenu);
  EXPECT_EQ(g.CursorRow, 0);
  EXPECT_TRUE(g.menuWindow.startbox2.visible);
  EXPECT_EQ(g.TitleAnimTick, 0);
  EXPECT_EQ(g.WalkerX, 0);
  EXPECT_EQ(g.EnemyX, 0);
  EXPECT_EQ(Calls(), (std::vector<std::string>{kCursor, kConfirm})) << "no music restart";
}

TEST_F(MenuTest, GameEndStopsTheMusicAndAsksToQuit) {
  TitleScreen(g);
  Calls();
  Key(kKeyUp);
  Key(kKeySpace);  // pressed together: acts on the moved cursor
  MainMenu(g);
  EXPECT_EQ(g.QuitRequested, kTrue);
  EXPECT_EQ(Calls(), (std::vector<std::string>{kCursor, kConfirm, "stopmusic"}));
}

TEST_F(MenuTest, BackgroundAndSceneAdvanceOnlyOnTicks) {
  TitleScreen(g);
  g.menuClock = 0;
  g.Now = 100;
  MainMenu(g);
  EXPECT_EQ(g.BackgroundScroll, 0) << "not more than 100 ms yet";
  g.Now = 101;
  MainMenu(g);
  EXPECT_EQ(g.BackgroundScroll, 1);
  EXPECT_EQ(g.TitleAnimTick, 1);
  const Pixel p = g.menuWindow.startbox1.At(10, 10);
  EXPECT_EQ(p, kPatternTag | Pixel(11) << 9 | Pixel(11)) << "the pattern crept by one pixel";
  g.Now = 201;
  MainMenu(g);
  EXPECT_EQ(g.BackgroundScroll, 1);
  g.Now = 202;
  MainMenu(g);
  EXPECT_EQ(g.BackgroundScroll, 2);
  g.BackgroundScroll = 31;
  MenuTick();
  EXPECT_EQ(g.BackgroundScroll, 0);
}

TEST_F(MenuTest, WalkerSetsOffAtTickFiftyAndWalksTwoPixelsATick) {
  TitleScreen(g);
  g.TitleAnimTick = 50;
  MenuTick();
  EXPECT_EQ(g.WalkerStep, 2);
  EXPECT_EQ(g.WalkerX, 3);
  // Drawn at its old place before moving: frame 0 of the walking-right row.
  const Pixel p = g.menuWindow.startbox2.At(1 + 5, 188 + 5);
  EXPECT_EQ(p, Rgb(100, 100, 1));
  g.EnemyX = 0;
  MenuTick();
  EXPECT_EQ(g.WalkerX, 5);
  EXPECT_EQ(g.WalkerFrame, 2);
}

TEST_F(MenuTest, WalkerHaltsNearTheEnemyThenRunsBack) {
  TitleScreen(g);
  g.TitleAnimTick = 7, g.WalkerX = 300, g.WalkerStep = 2, g.WalkerFrame = 1, g.EnemyX = 400;
  struct After {
    int x, step, frame, enemyX;
    bool haltPose;
  };
  const After ticks[] = {
      {300, 0, 1, 397, false},  // stops: the gap is 100
      {300, 0, 2, 394, true},
      {300, 0, 3, 391, true},
      {300, -5, 0, 388, false},  // turns to flee, not moving yet
      {295, -5, 1, 385, false},
      {290, -5, 2, 382, false},
  };
  for (size_t t = 0; t < std::size(ticks); ++t) {
    MenuTick();
    EXPECT_EQ(g.WalkerX, ticks[t].x) << "tick " << t;
    EXPECT_EQ(g.WalkerStep, ticks[t].step) << "tick " << t;
    EXPECT_EQ(g.WalkerFrame, ticks[t].frame) << "tick " << t;
    EXPECT_EQ(g.EnemyX, ticks[t].enemyX) << "tick " << t;
    EXPECT_EQ(g.menuWindow.startbox2.At(300 + 10, 188 + 10) == kHaltPose, ticks[t].haltPose) << "tick " << t;
  }
  // Running back, facing left: row 1 of the sheet.
  EXPECT_EQ(g.menuWindow.startbox2.At(295 + 3, 188 + 3), Rgb(100 + 1, 101, 1));
}

TEST_F(MenuTest, AnEnemyAlreadyPastTheFigureStopsItAndLeavesAtTheLeftEdge) {
  TitleScreen(g);
  g.TitleAnimTick = 7, g.WalkerX = 300, g.WalkerStep = 2, g.EnemyX = 200;
  MenuTick();
  EXPECT_EQ(g.WalkerStep, 0);
  g.EnemyX = 4;
  MenuTick();
  EXPECT_EQ(g.EnemyX, 1);
  MenuTick();
  EXPECT_EQ(g.EnemyX, 0) << "at 3 or less it leaves";
}

TEST_F(MenuTest, AnEnemyEntersAboutEveryOtherChance) {
  TitleScreen(g);
  int entered = 0;
  for (int chance = 0; chance < 200; ++chance) {
    g.TitleAnimTick = 100, g.EnemyX = 0, g.WalkerX = 0;
    MenuTick();
    if (g.EnemyX != 0) {
      EXPECT_EQ(g.EnemyX, 515) << "enters at 518 and moves 3 at once";
      ++entered;
    }
  }
  EXPECT_GT(entered, 60);
  EXPECT_LT(entered, 140);
}

// --- options ----------------------------------------------------------------------------------

struct OptionsTest : MenuTest {
  void SetUp() override {
    MenuTest::SetUp();
    TitleScreen(g);
    g.GameState = kStateOptions;
    Calls();
  }
  void Press(int code) {
    Key(code);
    OptionsScreen(g);
  }
};

TEST_F(OptionsTest, SpaceCyclesTheDifficultyAndTogglesTheTimeLimit) {
  for (int expected : {2, 0, 1, 2}) {
    Press(kKeySpace);
    EXPECT_EQ(g.Difficulty, expected);
    EXPECT_EQ(Calls(), std::vector<std::string>{kOption});
  }
  Press(kKeyDown);
  for (Flag expected : {kFalse, kTrue, kFalse}) {
    Press(kKeySpace);
    EXPECT_EQ(g.TimeLimitOn, expected);
  }
}

TEST_F(OptionsTest, StageSelectWrapsBothWays) {
  g.CursorRow = 2;
  Press(kKeyLeft);
  EXPECT_EQ(g.StartStage, 17) << "Left on 1 gives 18";
  EXPECT_EQ(Calls(), std::vector<std::string>{kOption});
  Press(kKeyRight);
  EXPECT_EQ(g.StartStage, 0) << "Right on 18 gives 1";
  for (int i = 1; i <= 17; ++i) Press(kKeySpace);
  EXPECT_EQ(g.StartStage, 17);
  Press(kKeySpace);
  EXPECT_EQ(g.StartStage, 0) << "Space on 18 gives 1";
  Press(kKeyRight);
  Press(kKeyRight);
  Press(kKeyLeft);
  EXPECT_EQ(g.StartStage, 1);
}

TEST_F(OptionsTest, LeftAndRightWaitForTheStageRow) {
  Key(kKeyLeft);
  OptionsScreen(g);
  EXPECT_EQ(g.KeyState[kKeyLeft], kTrue) << "not used on GAME LV";
  EXPECT_EQ(g.StartStage, 0);
  Press(kKeyDown);
  EXPECT_EQ(g.StartStage, 0);
  Press(kKeyDown);  // reaches STAGESERECT with Left still set
  EXPECT_EQ(g.StartStage, 17);
  EXPECT_EQ(g.KeyState[kKeyLeft], 0);
  EXPECT_EQ(Calls(), (std::vector<std::string>{kCursor, kCursor, kOption}));
}

TEST_F(OptionsTest, RowsShowTheValuesWithTheCursorRowBright) {
  struct Case {
    int row, difficulty, stage;
    Flag timeLimit;
    Cell level, onOff, tens, units, exit;
  };
  const Cell none{};
  const Case cases[] = {
      // GAME LV under the cursor: its value bright (row 5), the others dim.
      {0, 2, 8, kTrue, Word(256, 5), Word(0, 6), none, Word(288, 11), Word(384, 4)},
      {1, 0, 9, kFalse, Word(0, 4), Word(384, 6), Word(32, 11), Word(0, 11), Word(384, 4)},
      // A time limit a script set to 5 is on, as the stage clock reads it.
      {1, 1, 9, 5, Word(128, 4), Word(256, 6), Word(32, 11), Word(0, 11), Word(384, 4)},
      {2, 1, 17, kTrue, Word(128, 4), Word(0, 6), Word(32, 10), Word(256, 10), Word(384, 4)},
      {3, 1, 0, kTrue, Word(128, 4), Word(0, 6), none, Word(32, 11), Word(384, 5)},
  };
  for (const Case& c : cases) {
    // A fresh background each time: the rows are drawn over whatever was there.
    g.optionsClock = g.Now;
    g.Now += 101;
    g.CursorRow = c.row, g.Difficulty = c.difficulty, g.StartStage = c.stage;
    g.TimeLimitOn = c.timeLimit;
    OptionsScreen(g);
    const Surface& s = g.menuWindow.startbox1;
    EXPECT_EQ(WordAt(s, 321, 161), c.level) << "row " << c.row;
    EXPECT_EQ(WordAt(s, 321, 241), c.onOff) << "row " << c.row;
    EXPECT_EQ(WordAt(s, 385, 321), c.tens) << "row " << c.row;
    EXPECT_EQ(WordAt(s, 417, 321), c.units) << "row " << c.row;
    EXPECT_EQ(WordAt(s, 31, 401), c.exit) << "row " << c.row;
    EXPECT_EQ(WordAt(s, 31, 161), Word(c.row == 0 ? 256 : 0, 3));
    EXPECT_EQ(WordAt(s, 31, 321), Word(c.row == 2 ? 256 : 0, 8));
    EXPECT_EQ(WordAt(s, 31, 1), Word(256, 1)) << "OPTION always bright";
    EXPECT_EQ(s.Shown(), s.Pixels());
  }
}

TEST_F(OptionsTest, AShorterValueLeavesNothingOfTheLongerOneBehind) {
  // EASY ends halfway along its cell: the rest is the sheet's black, which keyed copies skip.
  Surface& words = g.menuWindow.messagebox;
  for (int y = RowY(kRowLevelsDim); y < RowY(kRowLevelsBright + 1); ++y)
    for (int x = 64; x < 128; ++x) words.Row(y)[x] = 0;
  g.optionsClock = g.Now;
  g.Now += 101;
  g.Difficulty = kHard, g.StartStage = 9;  // HARD and 10, on a fresh background
  OptionsScreen(g);
  const Surface& s = g.menuWindow.startbox1;
  ASSERT_EQ(WordAt(s, 320 + 100, 161), Word(256 + 100, 5));
  ASSERT_EQ(WordAt(s, 385, 321), Word(32, 11));

  Press(kKeySpace);  // HARD to EASY before the next background tick
  EXPECT_EQ(WordAt(s, 321, 161), Word(0, 5));
  EXPECT_EQ(WordAt(s, 320 + 100, 161), Cell{}) << "the end of HARD is still there";
  Surface clean(640, 480);
  DrawMenuBackground(g.menuWindow, clean, g.BackgroundScroll);
  EXPECT_EQ(s.At(320 + 100, 161), clean.At(320 + 100, 161));

  g.CursorRow = 2;
  Press(kKeyLeft);  // 10 to 9: the tens place empties
  EXPECT_EQ(WordAt(s, 385, 321), Cell{}) << "the 1 of 10 is still there";
  EXPECT_EQ(WordAt(s, 417, 321), Word(288, 10));
}

TEST_F(OptionsTest, HighScoreShowsAtMostSixDigitsRightAligned) {
  const struct {
    int32_t value;
    std::vector<int> digits;  // places n = 0..5, -1 where nothing is drawn
  } cases[] = {
      {0, {-1, -1, -1, -1, -1, 0}},
      {907, {-1, -1, -1, 9, 0, 7}},
      {123456, {1, 2, 3, 4, 5, 6}},
      {1234567, {2, 3, 4, 5, 6, 7}},
  };
  for (const auto& c : cases) {
    g.HighScore = c.value;
    g.optionsClock = g.Now;
    g.Now += 101;
    OptionsScreen(g);
    const Surface& s = g.menuWindow.startbox1;
    EXPECT_EQ(WordAt(s, 31, 81), Word(0, 9)) << "HIGH SCORE";
    for (int n = 0; n < 6; ++n) {
      const Cell want = c.digits[n] < 0 ? Cell{} : Word(32 * c.digits[n], 10);
      EXPECT_EQ(WordAt(s, 300 + 32 * n + 1, 81), want) << c.value << " place " << n;
    }
  }
}

// --- words drawn only when stale --------------------------------------------------------------

TEST_F(MenuTest, WordsDrawnOnlyWhenStaleLookAsIfDrawnOnEveryPass) {
  // A twin that forgets every pass that it has drawn, so it draws its words every time.
  auto twinPtr = std::make_unique<Game>();
  Game& twin = *twinPtr;
  RecordingAudio twinAudio;
  MemorySettings twinSettings;
  CreateForms(twin.forms);
  twin.audio = &twinAudio;
  twin.settings = &twinSettings;
  for (auto [from, to] : {std::pair{&g.menuWindow.messagebox, &twin.menuWindow.messagebox},
                          {&g.menuWindow.startback, &twin.menuWindow.startback},
                          {&g.menuWindow.title, &twin.menuWindow.title},
                          {&g.stageWindow.mainchar, &twin.stageWindow.mainchar},
                          {&g.stageWindow.fieldSheet, &twin.stageWindow.fieldSheet}}) {
    *to = *from;
  }

  // What happens before a pass: keys, and values written from outside (as a script does).
  const std::vector<std::pair<int, std::function<void(Game&)>>> events = {
      {5, [](Game& x) { x.KeyState[kKeyDown] = kTrue; }},
      {40, [](Game& x) { x.KeyState[kKeyDown] = kTrue; }},
      {41, [](Game& x) { x.KeyState[kKeyUp] = kTrue; }},
      {60, [](Game& x) { x.KeyState[kKeySpace] = kTrue; }},  // OPTION
      {70, [](Game& x) { x.KeyState[kKeySpace] = kTrue; }},  // NORMAL to HARD
      {75, [](Game& x) { x.KeyState[kKeyDown] = kTrue; }},
      {80, [](Game& x) { x.KeyState[kKeySpace] = kTrue; }},  // time limit OFF
      {85, [](Game& x) { x.TimeLimitOn = kTrue; }},
      {90, [](Game& x) { x.TimeLimitOn = 1; }},  // not -1: shown as OFF
      {95, [](Game& x) { x.KeyState[kKeyDown] = kTrue; }},
      {97, [](Game& x) { x.KeyState[kKeyLeft] = kTrue; }},
      {99, [](Game& x) { x.StartStage = 9; }},
      {130, [](Game& x) { x.KeyState[kKeyDown] = kTrue; }},
      {160, [](Game& x) { x.KeyState[kKeySpace] = kTrue; }},  // EXIT
      {170, [](Game& x) { x.CursorRow = 2; }},
  };
  for (Game* x : {&g, &twin}) TitleScreen(*x);
  for (int pass = 1; pass <= 320; ++pass) {
    for (Game* x : {&g, &twin}) {
      ++x->Now;
      for (const auto& [when, what] : events) {
        if (when == pass) what(*x);
      }
    }
    twin.frontScreen.ForgetWords();
    for (Game* x : {&g, &twin}) {
      if (x->GameState == kStateMenu) MainMenu(*x);
      else if (x->GameState == kStateOptions) OptionsScreen(*x);
    }
    ASSERT_EQ(g.GameState, twin.GameState) << "pass " << pass;
    ASSERT_TRUE(g.menuWindow.startbox1.Shown() == twin.menuWindow.startbox1.Shown()) << "pass " << pass;
  }
  EXPECT_EQ(g.GameState, kStateMenu);
}

// --- start-up ---------------------------------------------------------------------------------

TEST_F(MenuTest, StartUpSetsTheOptionDefaultsAndReadsTheHighScore) {
  g.Difficulty = kHard, g.TimeLimitOn = kFalse, g.StartStage = 9, g.QuitRequested = kTrue;
  settings.Write("VbApp", "score", "high", "8120");
  StartUp(g);
  EXPECT_EQ(g.Difficulty, kNormal);
  EXPECT_EQ(g.TimeLimitOn, kTrue);
  EXPECT_EQ(g.StartStage, 0);
  EXPECT_EQ(g.QuitRequested, kFalse);
  EXPECT_EQ(g.HighScore, 8120);
  EXPECT_TRUE(g.menuWindow.shown);
}

}  // namespace
}  // namespace slidestone
