// The stage-flow sequence on a hand-built stage screen: end words, the closing curtain and its
// decision, the replay with the try's points taken back, the opening curtain, music and the
// START banner, and the continue prompt.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/audio.h"
#include "graphics/forms.h"
#include "presentation/presentation.h"
#include "real_sheets.h"
#include "play/play.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

constexpr int kTick = 11;  // the flow runs when more than 10 ms have passed

struct FlowField {
  Game g;
  RecordingAudio audio;
  std::vector<std::string> sounds;

  FlowField() {
    g.audio = &audio;
    g.stageDir = SLIDESTONE_SOURCE_DIR "/tests/fixtures/stage_life";
    testing::LoadGameSheets(g);
    StageWindow& f = g.stageWindow;
    for (Surface* s : {&f.backdrop, &f.cleanField}) Copy(*s, 0, 0, kFieldW, kFieldH, f.stageback[1], 0, 0);
    // Some tiles, so the clean field is not just the backdrop.
    for (int c = 0; c < 19; ++c) KeyedCopy(f.cleanField, 32 * c, 320, 32, 32, f.fieldSheet, 0, 96);
    Copy(f.field, 0, 0, kFieldW, kFieldH, f.cleanField, 0, 0);
    g.GameState = kStatePlay;
    g.Stage = 2;
    g.Lives = 3;
    g.Now = 50000;
    g.flowClock = g.Now;
  }

  // A stage end as the tile pass leaves it.
  void EndStage(int32_t reason, bool withWords) {
    g.StagePhaseFlag = kTrue;
    g.StageEndReason = reason;
    g.FlowStep = -76;
    g.WordsRunning = withWords ? kTrue : kFalse;
    g.WordCounter = withWords ? 0 : 101;
    g.FlowLatch = kTrue;
  }

  void Tick(int n = 1) {
    for (int i = 0; i < n * kTick; ++i) {
      ++g.Now;
      StageFlowStep(g);
      for (std::string& c : audio.TakeCalls()) sounds.push_back(std::move(c));
    }
  }
  int Count(const std::string& call) const {
    int n = 0;
    for (const std::string& c : sounds) n += c == call;
    return n;
  }
};

Surface CleanField(const Game& g) {
  Surface s(kFieldW, kFieldH);
  Copy(s, 0, 0, kFieldW, kFieldH, g.stageWindow.cleanField, 0, 0);
  return s;
}

// The clean field darkened by the curtain `times` times over.
Surface Darkened(const Game& g, int times) {
  Surface s = CleanField(g);
  for (int i = 0; i < times; ++i)
    Shade(s, 0, 0, kFieldW, kFieldH, g.stageWindow.stageback[1], 608, 0, 8, kFieldH, 120);
  return s;
}

// How many of the columns [x0, x1) of row y on the field equal the reference.
int ColumnsMatching(const Surface& field, const Surface& ref, int x0, int x1, int y) {
  int n = 0;
  for (int x = x0; x < x1; ++x) n += field.At(x, y) == ref.At(x, y);
  return n;
}

TEST(StageFlow, TimeUpWithTriesLeftReplaysTheStageWithoutTheTrysPoints) {
  FlowField f;
  Game& g = f.g;
  f.EndStage(1, true);
  g.TotalScore = 500;
  g.StageScore = 120;
  g.stageWindow.field.Fill(Rgb(255, 0, 255));  // the frozen field with its figures

  f.Tick(100);  // the end words
  EXPECT_EQ(g.WordsRunning, kFalse);
  EXPECT_EQ(g.WordCounter, 101);
  EXPECT_EQ(g.Lives, 3);
  EXPECT_EQ(g.FlowStep, -76);

  f.Tick();  // first curtain tick: the clean field, the first strips, a try gone
  EXPECT_EQ(g.Lives, 2);
  const Surface once = Darkened(g, 1), clean = CleanField(g);
  EXPECT_EQ(ColumnsMatching(g.stageWindow.field, once, 0, 4, 200), 4);
  EXPECT_EQ(ColumnsMatching(g.stageWindow.field, once, 604, 608, 200), 4);
  EXPECT_EQ(ColumnsMatching(g.stageWindow.field, clean, 4, 604, 200), 600);

  f.Tick(75);  // steps -75 to -1: closed, decided
  EXPECT_EQ(g.FlowStep, 0);
  EXPECT_EQ(g.FlowLatch, kTrue);
  EXPECT_EQ(g.GameState, kStatePlay);
  EXPECT_EQ(f.Count("stopmusic"), 1);
  for (int y : {0, 175, 351})
    EXPECT_EQ(ColumnsMatching(g.stageWindow.field, once, 0, kFieldW, y), kFieldW)
        << "every column shaded exactly once, row " << y;
  EXPECT_EQ(g.stageWindow.field.Shown(), g.stageWindow.field.Pixels()) << "presented";

  g.BackdropIndex = 0;
  f.Tick();  // step 0: the replay
  EXPECT_EQ(g.TotalScore, 380);
  EXPECT_EQ(g.BackdropIndex, 1);
  EXPECT_EQ(g.ContinuePromptOn, kFalse);
  EXPECT_EQ(g.FlowStep, 1);
  f.Tick();  // step 1 uncovers the middle of the newly drawn field
  EXPECT_EQ(ColumnsMatching(g.stageWindow.field, CleanField(g), 300, 308, 100), 8);

  f.Tick(74);  // steps 2 to 75: the curtain opens from the middle
  EXPECT_EQ(f.Count("music sound/PSMAT526.mid -1"), 0);
  EXPECT_EQ(ColumnsMatching(g.stageWindow.field, CleanField(g), 4, 604, 100), 600);
  f.Tick();  // step 76: fully open, the music and the banner
  EXPECT_EQ(ColumnsMatching(g.stageWindow.field, CleanField(g), 0, kFieldW, 100), kFieldW);
  EXPECT_EQ(f.Count("music sound/PSMAT526.mid -1"), 1);
  EXPECT_EQ(g.WordsRunning, kTrue);
  EXPECT_EQ(g.FlowStep, 77);

  f.Tick(98);
  EXPECT_EQ(g.StagePhaseFlag, kTrue);
  EXPECT_EQ(f.Count("effect sound/migaku.wav 8"), 2) << "at WordCounter 130 and 173";
  f.Tick();
  EXPECT_EQ(g.StagePhaseFlag, kFalse) << "play resumes after WordCounter 199";
  EXPECT_EQ(g.WordsRunning, kFalse);
  EXPECT_EQ(g.WordCounter, 0);
  EXPECT_EQ(g.FlowStep, -76);
  EXPECT_EQ(g.stageWindow.field.Pixels(), CleanField(g).Pixels());
  EXPECT_EQ(g.Lives, 2);
}

TEST(StageFlow, AGoalLeadsToTheNextStageOrFirstToTheHouseShot) {
  struct Case {
    int32_t stageAfterGoal, state;
  };
  for (const Case c : {Case{1, kStateLoadStage}, Case{6, kStateLoadStage},
                       Case{7, kStateHouseSetup}, Case{18, kStateHouseSetup}}) {
    FlowField f;
    Game& g = f.g;
    f.EndStage(3, false);
    g.Stage = c.stageAfterGoal;
    g.ShotFrame = 33;
    f.Tick(75);
    EXPECT_EQ(g.GameState, kStatePlay) << "not before step -1";
    f.Tick();
    EXPECT_EQ(g.GameState, c.state) << "Stage " << c.stageAfterGoal;
    EXPECT_EQ(g.ShotFrame, 0);
    EXPECT_EQ(g.Lives, 3) << "a goal costs no try";
    EXPECT_EQ(f.Count("stopmusic"), 1);
    EXPECT_EQ(g.FlowStep, 0);
    EXPECT_EQ(g.FlowLatch, kTrue);
  }
}

// Every lit pixel of a 128 x 64 word of the time sheet shows on the field at (dx, dy).
bool WordShows(const Game& g, int sx, int sy, int dx, int dy) {
  int lit = 0, shown = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 128; ++x) {
      const Pixel p = g.stageWindow.time.At(sx + x, sy + y);
      if (p == 0) continue;
      ++lit;
      shown += g.stageWindow.field.At(dx + x, dy + y) == p;
    }
  return lit > 0 && shown == lit;
}

TEST(StageFlow, TheLastTryLostOpensThePromptWithYesLit) {
  FlowField f;
  Game& g = f.g;
  f.EndStage(2, false);
  g.Lives = 1;
  f.Tick();
  EXPECT_EQ(g.Lives, 0);
  f.Tick(75);
  EXPECT_EQ(g.FlowStep, 0);
  EXPECT_EQ(g.FlowLatch, kTrue);
  EXPECT_EQ(f.Count("stopmusic"), 0) << "with no tries left the decision waits for step 0";
  EXPECT_EQ(g.ContinuePromptOn, kFalse);

  Copy(g.stageWindow.hudPanel, 0, 0, 128, 48, g.stageWindow.time, 0, 0);  // where the lives icons were
  g.TotalScore = 900;
  f.Tick();
  EXPECT_EQ(g.ContinuePromptOn, kTrue);
  EXPECT_EQ(g.Lives, 0);
  EXPECT_EQ(g.TotalScore, 900) << "no replay";
  EXPECT_EQ(g.FlowStep, 1);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 128; ++x)
      ASSERT_EQ(g.stageWindow.hudPanel.Shown()[y * kScreenW + x], g.stageWindow.panelSheet.At(x, y))
          << "lives icons cleared and presented";
  // Step 0 uncovers the middle before darkening it again: the field stays evenly dark.
  EXPECT_EQ(ColumnsMatching(g.stageWindow.field, Darkened(g, 1), 0, kFieldW, 20), kFieldW);

  // The prompt shows at once, YES lit; Down lights NO.
  EXPECT_TRUE(WordShows(g, 0, 256, 240, 128)) << "YES bright";
  EXPECT_TRUE(WordShows(g, 128, 320, 240, 192)) << "NO dim";
  EXPECT_EQ(g.stageWindow.field.Shown(), g.stageWindow.field.Pixels());
  g.KeyState[kKeyDown] = kTrue;
  StageFlowStep(g);
  EXPECT_TRUE(WordShows(g, 128, 256, 240, 128)) << "YES dim";
  EXPECT_TRUE(WordShows(g, 0, 320, 240, 192)) << "NO bright";
  EXPECT_EQ(g.stageWindow.field.Shown(), g.stageWindow.field.Pixels());
}

TEST(StageFlow, PromptKeysMoveTheChoiceWithTheirSounds) {
  struct Case {
    int32_t from;
    int key;
    int32_t to;
    bool sound;
  };
  for (const Case c : {Case{0, kKeyDown, 1, true}, Case{1, kKeyDown, 0, true},
                       Case{0, kKeyUp, 1, true}, Case{1, kKeyUp, 0, false}}) {
    FlowField f;
    Game& g = f.g;
    g.StagePhaseFlag = kTrue;
    g.ContinuePromptOn = kTrue;
    g.ContinueCursor = c.from;
    g.KeyState[c.key] = kTrue;
    StageFlowStep(g);
    EXPECT_EQ(g.ContinueCursor, c.to) << c.from << " key " << c.key;
    EXPECT_EQ(g.KeyState[c.key], 0);
    EXPECT_EQ(f.audio.TakeCalls(),
              c.sound ? std::vector<std::string>{"effect sound/Akouka02.wav 8"}
                      : std::vector<std::string>{});
    // No step timer: the next pass of the same millisecond takes the next press.
    g.KeyState[c.key] = kTrue;
    StageFlowStep(g);
    EXPECT_NE(g.ContinueCursor, c.to);
  }
}

TEST(StageFlow, YesPlaysTheSameStageAgainWithThreeTries) {
  FlowField f;
  Game& g = f.g;
  g.StagePhaseFlag = kTrue;
  g.ContinuePromptOn = kTrue;
  g.FlowStep = 1;
  g.Lives = 0;
  g.TotalScore = 900;
  g.StageScore = 70;
  g.KeyState[kKeySpace] = kTrue;
  StageFlowStep(g);
  EXPECT_EQ(g.KeyState[kKeySpace], 0);
  EXPECT_EQ(f.audio.TakeCalls(), std::vector<std::string>{"effect sound/Akouka01.wav 8"});
  EXPECT_EQ(g.Lives, 3);
  EXPECT_EQ(g.TotalScore, 0);
  EXPECT_EQ(g.StageScore, 0);
  EXPECT_EQ(g.ContinuePromptOn, kFalse);
  EXPECT_EQ(g.GameState, kStateLoadStage);
  EXPECT_EQ(g.Stage, 2);
  EXPECT_EQ(g.StagePhaseFlag, kTrue);
  EXPECT_EQ(g.FlowStep, 1) << "the curtain goes on opening from step 1";
}

TEST(StageFlow, NoGoesBackToTheTitleWindow) {
  FlowField f;
  Game& g = f.g;
  ShowForm(g.forms, g.stageWindow);
  g.StagePhaseFlag = kTrue;
  g.ContinuePromptOn = kTrue;
  g.ContinueCursor = 1;
  g.Lives = 0;
  g.TotalScore = 900;
  g.KeyState[kKeySpace] = kTrue;
  StageFlowStep(g);
  EXPECT_EQ(f.audio.TakeCalls(), std::vector<std::string>{"effect sound/Akouka01.wav 8"});
  EXPECT_EQ(g.GameState, kStateTitle);
  EXPECT_TRUE(g.menuWindow.shown);
  EXPECT_GT(g.menuWindow.z, g.stageWindow.z);
  EXPECT_EQ(g.Lives, 0);
  EXPECT_EQ(g.TotalScore, 900);
}

TEST(StageFlow, ALostTryShowsOnlyTheCleanFieldFor41Ticks) {
  FlowField f;
  Game& g = f.g;
  f.EndStage(0, true);
  g.stageWindow.field.Fill(Rgb(255, 0, 255));
  f.Tick(40);
  EXPECT_EQ(g.WordsRunning, kTrue);
  EXPECT_EQ(g.stageWindow.field.Pixels(), CleanField(g).Pixels());
  f.Tick();
  EXPECT_EQ(g.WordsRunning, kFalse);
  EXPECT_EQ(g.WordCounter, 101);
  EXPECT_EQ(g.Lives, 3);
}

// The words of a tick, drawn by hand over the clean field.
Surface WithWord(const Game& g, int x, int y, int w, int h, int sy) {
  Surface s = CleanField(g);
  KeyedCopy(s, x, y, w, h, g.stageWindow.time, 0, sy, 256, 64);
  return s;
}

TEST(StageFlow, TimeUpAndStoneStopFallToTheMiddleAndStay) {
  struct Case {
    int32_t counter, y;
  };
  for (int32_t reason : {1, 2}) {
    for (const Case c : {Case{0, 0}, Case{10, 50}, Case{30, 150}, Case{31, 150}, Case{99, 150}}) {
      FlowField f;
      Game& g = f.g;
      g.StageEndReason = reason;
      g.WordsRunning = kTrue;
      g.WordCounter = c.counter;
      FlowWordsStep(g);
      EXPECT_EQ(g.stageWindow.field.Pixels(),
                WithWord(g, 176, c.y, 256, 64, reason == 1 ? 384 : 704).Pixels())
          << "reason " << reason << " counter " << c.counter;
    }
  }
}

TEST(StageFlow, StartBannerSlidesInStandsSharpAndSlidesOut) {
  struct Case {
    int32_t r, x;
    bool sharp;
  };
  const Case cases[] = {{0, -420, false}, {16, -196, false}, {43, 182, false},
                        {44, 182, true},  {72, 182, true},   {73, 182, false},
                        {74, 196, false}, {98, 532, false}};
  for (const Case c : cases) {
    FlowField f;
    Game& g = f.g;
    g.WordsRunning = kTrue;
    g.WordCounter = 100 + c.r;
    FlowWordsStep(g);
    EXPECT_EQ(g.stageWindow.field.Pixels(),
              WithWord(g, c.x, 151, 200, 50, c.sharp ? 576 : 640).Pixels())
        << "r " << c.r;
  }
}

TEST(StageFlow, StartBannerSoundsAtThirtyAndSeventyThree) {
  for (int32_t start : {100, 101}) {
    FlowField f;
    Game& g = f.g;
    g.StagePhaseFlag = kTrue;
    g.WordsRunning = kTrue;
    g.WordCounter = start;
    std::vector<int32_t> at;
    while (g.StagePhaseFlag == kTrue) {
      const int32_t counter = g.WordCounter;
      f.Tick();
      for (size_t i = 0; i < f.sounds.size(); ++i) at.push_back(counter);
      f.sounds.clear();
    }
    EXPECT_EQ(at, (std::vector<int32_t>{130, 173})) << "from " << start;
  }
}

TEST(StageFlow, StageClearCheersInARhythmAndSlantsFrom71) {
  struct Case {
    int32_t counter, column;
    bool slanted;
  };
  const Case cases[] = {{0, 0, false},  {6, 0, false},  {7, 1, false},  {8, 1, false},
                        {9, 2, false},  {12, 2, false}, {13, 3, false}, {14, 3, false},
                        {15, 0, false}, {70, 0, false}, {71, 1, true},  {98, 0, true}};
  for (const Case c : cases) {
    FlowField f;
    Game& g = f.g;
    g.StageEndReason = kEndGoal;
    g.PlayerX = 64;
    g.PlayerY = 288;
    g.WordsRunning = kTrue;
    g.WordCounter = c.counter;
    FlowWordsStep(g);
    Surface want = CleanField(g);
    MaskedPair(want, 64, 288, 32, 32, g.stageWindow.mainchar, 128 + 32 * c.column, 256,
               32 * c.column, 256);
    KeyedCopy(want, 176, 144, 256, 64, g.stageWindow.time, 0, c.slanted ? 512 : 448);
    EXPECT_EQ(g.stageWindow.field.Pixels(), want.Pixels()) << "counter " << c.counter;
  }
}

}  // namespace
}  // namespace slidestone
