// The screens after a cleared stage: the house-shot set-up and scene, the final results, the
// closing roll and the high score it keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "frontend/frontend.h"
#include "services/settings.h"
#include "presentation/game.h"
#include "word_sheet.h"

namespace slidestone {
namespace {

constexpr Pixel kIce = Rgb(180, 230, 255);
constexpr Pixel kLine = Rgb(128, 128, 128);
constexpr Pixel kHouse = Rgb(200, 0, 0);
Pixel StonePixel(int frame) { return Rgb(10 + frame, 0, 200); }

using testing::Cell;
using testing::Word;
using testing::WordAt;

// Counts the saves, to tell "saved the same value" from "saved nothing".
class CountingSettings : public MemorySettings {
 public:
  Outcome Update(const std::string& app, const std::string& section, const std::string& key,
                 const Decide& decide, std::string* why = nullptr) override {
    const Outcome done = MemorySettings::Update(app, section, key, decide, why);
    writes += done == Outcome::kWritten;
    return done;
  }
  int writes = 0;
};

struct HouseTest : ::testing::Test {
  std::unique_ptr<Game> gp = std::make_unique<Game>();
  Game& g = *gp;
  RecordingAudio audio;
  CountingSettings settings;

  void SetUp() override {
    CreateForms(g.forms);
    g.audio = &audio;
    g.settings = &settings;
    HouseWindow& h = g.houseWindow;
    h.clear1.Resize(640, 512);
    for (int y = 0; y < 512; ++y)
      for (int x = 0; x < 640; ++x) h.clear1.Row(y)[x] = y >= 480 ? kLine : x < 128 ? 0 : kIce;
    h.clear2.Resize(256, 320);
    for (int y = 0; y < 320; ++y)
      for (int x = 0; x < 256; ++x)
        h.clear2.Row(y)[x] = y < 256 ? kHouse : y < 288 ? StonePixel(x / 32) : 0;
    testing::PaintWordSheet(g.menuWindow.messagebox);
    for (int i = 0; i < kMessageCount; ++i) g.Messages[i] = "text " + std::to_string(i);
    g.Now = 5000;
  }

  // A cleared stage: Stage already advanced, the par of the stage just played.
  void Cleared(int stage, int32_t par, int32_t score) {
    g.Stage = stage;
    g.StageTable[stage - 1].parScore = par;
    g.StageScore = score;
    g.ShotFrame = 0;
    g.GameState = kStateHouseSetup;
  }

  struct Tick {
    int32_t frame, x, y, interval;
    bool comment;
  };
  // Runs the scene to its end, one virtual millisecond per pass, noting every tick.
  std::vector<Tick> RunScene() {
    std::vector<Tick> ticks;
    for (int guard = 0; g.GameState == kStateHouseShot && guard < 100000; ++guard) {
      ++g.Now;
      const int32_t before = g.ShotFrame;
      HouseShotStep(g);
      if (g.ShotFrame != before) {
        ticks.push_back({before, g.ShotStoneX, g.ShotStoneY, g.ShotInterval, g.houseWindow.messagebox.visible});
      }
    }
    return ticks;
  }
  int MessageIndex(const std::string& text) {
    for (int i = 0; i < kMessageCount; ++i) {
      if (g.Messages[i] == text) return i;
    }
    return -1;
  }
};

// --- set-up -----------------------------------------------------------------------------------

TEST_F(HouseTest, SetUpPaintsTheSheetAndStartsTheSceneMusic) {
  g.houseWindow.messagebox1.visible = g.houseWindow.messagebox2.visible = true;
  Cleared(8, 500, 500);
  HouseSetupStep(g);
  EXPECT_EQ(g.GameState, kStateHouseShot);
  EXPECT_EQ(audio.TakeCalls(), (std::vector<std::string>{"stopmusic", "music sound/PSMAT525.mid 0"}));
  EXPECT_TRUE(g.houseWindow.shown);
  EXPECT_FALSE(g.houseWindow.messagebox1.visible);
  EXPECT_FALSE(g.houseWindow.messagebox2.visible);
  EXPECT_FALSE(g.houseWindow.messagebox.visible) << "no comment strip before the comment";
  // Scrolled left by 64 with wrap-around: the lanes lie between two black edges of 64.
  for (const Surface* s : {&g.houseWindow.cleanSheet, &g.houseWindow.canvas}) {
    EXPECT_EQ(s->At(63, 100), 0u);
    EXPECT_EQ(s->At(64, 100), kIce);
    EXPECT_EQ(s->At(575, 100), kIce);
    EXPECT_EQ(s->At(576, 100), 0u);
    EXPECT_EQ(s->At(639, 100), 0u);
  }
  EXPECT_EQ(g.houseWindow.canvas.Pixels(), g.houseWindow.cleanSheet.Pixels());
  EXPECT_EQ(g.ShotStoneX, 304);
  EXPECT_EQ(g.ShotStoneY, 416);
  EXPECT_EQ(g.ShotInterval, 30);
}

TEST_F(HouseTest, TheEndPointLiesOnACircleWhoseRadiusIsHalfTheShortfall) {
  const struct {
    int32_t par, score, distance;
  } cases[] = {
      {500, 600, 0}, {500, 500, 0}, {500, 499, 0}, {500, 498, 1},   {500, 400, 50},
      {1000, 522, 239}, {1000, 523, 238}, {1000, 0, 239}, {2147483647, -2147483647, 239},
  };
  for (const auto& c : cases) {
    std::set<int> signsOfA, sides;
    for (int seed = 0; seed < 40; ++seed) {
      g.Now = 1000 + 37 * seed;
      g.DriftStart = 123;
      Cleared(8, c.par, c.score);
      HouseSetupStep(g);
      const int d = c.distance;
      ASSERT_EQ(g.ShotDistance, d) << c.par << " " << c.score;
      const int a = g.ShotTargetY - 208, b = std::abs(g.ShotTargetX - 304);
      if (d == 0) {
        EXPECT_EQ(a, 0);
        EXPECT_EQ(b, 0);
        EXPECT_EQ(g.DriftPeriod, 500);
        EXPECT_EQ(g.DriftStart, 123) << "left alone without drift";
        continue;
      }
      EXPECT_GE(std::abs(a), 1);
      EXPECT_LE(std::abs(a), d);
      EXPECT_EQ(b, std::lround(std::sqrt(double(d * d - a * a)))) << "d " << d << " a " << a;
      if (b >= 1) {
        EXPECT_EQ(g.DriftPeriod, 276 / b);
        EXPECT_EQ(g.DriftStart, 276 % b);
      } else {
        EXPECT_EQ(g.DriftPeriod, 500);
      }
      signsOfA.insert(a > 0);
      if (b > 0) sides.insert(g.ShotTargetX > 304);
    }
    if (c.distance >= 50) {
      EXPECT_EQ(signsOfA.size(), 2u) << "above and below both occur, d " << c.distance;
      EXPECT_EQ(sides.size(), 2u) << "left and right both occur, d " << c.distance;
    }
  }
}

// --- the scene --------------------------------------------------------------------------------

TEST_F(HouseTest, AShotAtOrAboveParStopsOnTheCentreWithoutDrift) {
  Cleared(8, 500, 650);
  HouseSetupStep(g);
  audio.TakeCalls();
  const auto ticks = RunScene();
  ASSERT_EQ(ticks.size(), 350u);
  for (const Tick& t : ticks) ASSERT_EQ(t.x, 304) << "frame " << t.frame;
  EXPECT_EQ(ticks.back().y, 208);
  EXPECT_EQ(ticks[103].y, 208) << "2 pixels a frame from 416";
  EXPECT_EQ(ticks[102].y, 210);
  // The comment comes with frame 290 and comes from the best group.
  EXPECT_FALSE(ticks[288].comment);
  EXPECT_TRUE(ticks[289].comment);
  const int comment = MessageIndex(g.houseWindow.commentText.text);
  EXPECT_GE(comment, 0);
  EXPECT_LE(comment, 8);
  // Ticks of 30 ms up to frame 200, then one more every second tick, 100 from frame 340.
  EXPECT_EQ(ticks[199].interval, 30);
  EXPECT_EQ(ticks[200].interval, 31);
  EXPECT_EQ(ticks[337].interval, 99);
  EXPECT_EQ(ticks[338].interval, 100) << "the wait before frame 340 is 100 ms";
  EXPECT_EQ(ticks.back().interval, 100);
  // Then the next stage.
  EXPECT_EQ(g.GameState, kStateLoadStage);
  EXPECT_EQ(g.ShotFrame, 350);
  EXPECT_FALSE(g.houseWindow.messagebox.visible);
  EXPECT_TRUE(g.stageWindow.shown);
  EXPECT_GT(g.stageWindow.z, g.houseWindow.z);
  EXPECT_EQ(audio.TakeCalls(), std::vector<std::string>{"stopmusic"});
}

TEST_F(HouseTest, AFarShotDriftsTowardItsSideAndSettlesOnItsEndPoint) {
  for (int seed = 0; seed < 12; ++seed) {
    g.Now = 7000 + 101 * seed;
    g.shotClock = 0;
    Cleared(9, 1000, 522);
    HouseSetupStep(g);
    ASSERT_EQ(g.ShotDistance, 239);
    const int32_t tx = g.ShotTargetX, ty = g.ShotTargetY;
    const int b = std::abs(tx - 304);
    const auto ticks = RunScene();
    ASSERT_EQ(ticks.size(), 350u);
    int32_t last = 304;
    for (const Tick& t : ticks) {
      if (t.frame >= 276) {
        // Put on the end point before it is drawn; a drift step may still follow the drawing.
        EXPECT_LE(std::abs(t.x - tx), 1) << "settled, frame " << t.frame;
        continue;
      }
      // Sideways one pixel at a time, only toward the end point's side.
      EXPECT_LE(std::abs(t.x - last), 1) << "frame " << t.frame;
      EXPECT_TRUE(tx >= 304 ? t.x >= last : t.x <= last) << "frame " << t.frame;
      last = t.x;
    }
    EXPECT_LE(std::abs(last - 304), b) << "the drift adds up to about b by frame 276";
    EXPECT_GE(std::abs(last - 304), b - 2);
    EXPECT_EQ(ticks.back().y, ty);
    // The stone is drawn last, on its end point, in the frame it stopped turning on.
    EXPECT_EQ(g.houseWindow.canvas.At(tx + 16, ty + 31), StonePixel(g.ShotSpin));
    const int comment = MessageIndex(g.houseWindow.commentText.text);
    EXPECT_GE(comment, 40);
    EXPECT_LE(comment, 48);
  }
}

TEST_F(HouseTest, TheCommentComesFromTheGroupOfTheDistance) {
  const struct {
    int distance, first;
  } bands[] = {{0, 0}, {1, 10}, {50, 10}, {51, 20}, {100, 20}, {101, 30}, {150, 30}, {151, 40}, {239, 40}};
  for (const auto& band : bands) {
    std::set<int> seen;
    for (int i = 0; i < 300; ++i) {
      g.Now += 13;
      g.ShotDistance = band.distance;
      ShowShotComment(g);
      seen.insert(MessageIndex(g.houseWindow.commentText.text));
    }
    std::set<int> nine;
    for (int k = 0; k < 9; ++k) nine.insert(band.first + k);
    EXPECT_EQ(seen, nine) << "distance " << band.distance;
    EXPECT_TRUE(g.houseWindow.messagebox.visible);
  }
}

TEST_F(HouseTest, HoldingSpaceEndsTheSceneAtTheNextTickAndStaysHeld) {
  Cleared(8, 500, 500);
  HouseSetupStep(g);
  while (g.ShotFrame < 100) {
    ++g.Now;
    HouseShotStep(g);
  }
  g.KeyState[kKeySpace] = kTrue;
  ++g.Now;
  HouseShotStep(g);
  EXPECT_EQ(g.GameState, kStateHouseShot) << "not a tick yet";
  const auto ticks = RunScene();
  EXPECT_EQ(ticks.size(), 1u);
  EXPECT_EQ(g.ShotFrame, 101);
  EXPECT_EQ(g.GameState, kStateLoadStage);
  EXPECT_EQ(g.KeyState[kKeySpace], kTrue) << "the next stage sees it too";
  EXPECT_EQ(g.houseWindow.commentText.text, "") << "skipped before the comment";
}

TEST_F(HouseTest, AfterTheLastStageTheSceneLeadsToTheResults) {
  Cleared(18, 500, 500);
  HouseSetupStep(g);
  RunScene();
  EXPECT_EQ(g.GameState, kStateResults);
  EXPECT_TRUE(g.houseWindow.messagebox.visible) << "the results hide it";
  EXPECT_GT(g.houseWindow.z, g.stageWindow.z);
}

TEST_F(HouseTest, AnEndPointBelowTheStartIsReachedAtTheFirstTick) {
  Cleared(8, 1000, 522);
  HouseSetupStep(g);
  g.ShotTargetY = 440;
  ++g.Now;
  g.shotClock = 0;
  HouseShotStep(g);
  EXPECT_EQ(g.ShotFrame, 1);
  EXPECT_EQ(g.ShotStoneY, 440);
}

// --- results and closing roll -----------------------------------------------------------------

TEST_F(HouseTest, ResultsShowTheLevelAndTheLastSixDigitsOfTheScore) {
  g.houseWindow.messagebox.visible = g.houseWindow.messagebox1.visible = g.houseWindow.messagebox2.visible = true;
  g.houseWindow.canvas.Fill(kIce);
  g.Difficulty = kHard;
  g.TotalScore = 1234567;
  g.RollTick = 55;
  g.GameState = kStateResults;
  ResultsScreen(g);
  const Surface& s = g.houseWindow.canvas;
  EXPECT_EQ(WordAt(s, 101, 161), Word(256, 3)) << "GAME LV, bright";
  EXPECT_EQ(WordAt(s, 401, 161), Word(256, 5)) << "HARD, bright";
  EXPECT_EQ(WordAt(s, 165, 301), Word(110, 9)) << "SCORE out of HIGH SCORE";
  EXPECT_EQ(WordAt(s, 313, 301), Word(259, 9)) << "150 wide: ends before the digits";
  for (int n = 0; n < 6; ++n) EXPECT_EQ(WordAt(s, 321 + 32 * n, 301), Word(32 * (n + 2), 10)) << n;
  EXPECT_EQ(s.At(5, 5), 0u);
  EXPECT_EQ(s.At(639, 479), 0u);
  EXPECT_EQ(s.Shown(), s.Pixels());
  EXPECT_EQ(g.TotalScore, 1234567);
  EXPECT_EQ(g.RollTick, 0);
  EXPECT_EQ(g.GameState, kStateClosingRoll);
  EXPECT_FALSE(g.houseWindow.messagebox.visible || g.houseWindow.messagebox1.visible || g.houseWindow.messagebox2.visible);
  EXPECT_EQ(audio.TakeCalls(), std::vector<std::string>{"music sound/PSMAT051.mid 0"});
}

struct RollTest : HouseTest {
  struct Strip {
    bool visible;
    int x, y, w;
    std::string text;
    bool operator==(const Strip&) const = default;
  };
  struct Seen {
    Strip role, name;
  };
  std::vector<Seen> after;  // after[t]: the strips once the tick with RollTick t has run
  PixelBuffer screenAt398, screenAt399;
  int64_t started = 0;

  void Roll(int32_t high, int32_t total) {
    g.HighScore = high;
    g.TotalScore = total;
    g.GameState = kStateResults;
    ResultsScreen(g);
    audio.TakeCalls();
    started = g.Now;
    const HouseWindow& h = g.houseWindow;
    for (int guard = 0; g.GameState == kStateClosingRoll && guard < 100000; ++guard) {
      ++g.Now;
      const int32_t t = g.RollTick;
      ClosingRollStep(g);
      if (g.RollTick == t) continue;
      after.push_back({{h.messagebox2.visible, h.messagebox2.x, h.messagebox2.y,
                        h.messagebox2.Width(), h.roleText.text},
                       {h.messagebox1.visible, h.messagebox1.x, h.messagebox1.y,
                        h.messagebox1.Width(), h.namebox.text}});
      if (t == 398) screenAt398 = h.canvas.Shown();
      if (t == 399) screenAt399 = h.canvas.Shown();
    }
  }
};

TEST_F(RollTest, FourPairsOfLinesSlideInOverBlackThenTheTitle) {
  Roll(0, 500);
  ASSERT_EQ(after.size(), 1391u) << "the roll ends at the tick taking it past 1390";
  EXPECT_GE(g.Now - started, 1390 * 21) << "ticks more than 20 ms apart";

  // The results stay up to tick 398; at 399 the screen turns black.
  EXPECT_NE(std::count(screenAt398.begin(), screenAt398.end(), 0u), 640 * 480);
  EXPECT_EQ(std::count(screenAt399.begin(), screenAt399.end(), 0u), 640 * 480);

  auto role = [&](int t) { return after[t].role; };
  auto name = [&](int t) { return after[t].name; };
  EXPECT_FALSE(role(398).visible);
  EXPECT_FALSE(role(400).visible) << "the first tick of a pair clears the strips";
  EXPECT_EQ(role(401), (Strip{true, 632, 64, 480, "text 54"}));
  EXPECT_EQ(role(471), (Strip{true, 72, 64, 480, "text 54"}));
  EXPECT_FALSE(name(471).visible);
  EXPECT_EQ(name(472), (Strip{true, -192, 384, 192, "text 50"}));
  EXPECT_EQ(name(543), (Strip{true, 376, 384, 192, "text 50"}));
  EXPECT_EQ(role(599), role(471)) << "both lines stay until the pair ends";
  EXPECT_EQ(name(599), name(543));
  EXPECT_FALSE(role(600).visible);
  EXPECT_FALSE(name(600).visible);
  EXPECT_EQ(role(601), (Strip{true, 632, 64, 480, "text 55"}));
  EXPECT_EQ(name(743).text, "text 51");
  EXPECT_EQ(role(801).text, "text 56");
  // The fourth pair's role line comes to rest in the middle.
  EXPECT_EQ(role(1001), (Strip{true, 618, 208, 480, "text 57"}));
  EXPECT_EQ(role(1071), (Strip{true, 198, 208, 480, "text 57"}));
  EXPECT_EQ(name(1143), (Strip{true, 376, 384, 192, "text 53"}));
  EXPECT_EQ(role(1390), role(1071)) << "the last pair stays to the end";
  EXPECT_EQ(name(1390), name(1143));

  // Back at the title, with its music; the sweeping sound began each line.
  EXPECT_EQ(g.GameState, kStateMenu);
  EXPECT_GT(g.menuWindow.z, g.houseWindow.z);
  const auto calls = audio.TakeCalls();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "effect sound/migaku.wav 8"), 8);
  EXPECT_EQ(calls.back(), "music sound/PSMAT005.mid -1");
}

TEST_F(RollTest, OnlyAStrictlyGreaterTotalBecomesTheHighScoreAndIsSaved) {
  const struct {
    int32_t high, total, expected;
    int writes;
  } cases[] = {{0, 500, 500, 1}, {1200, 1201, 1201, 1}, {1200, 1200, 1200, 0}, {1200, 900, 1200, 0}};
  for (const auto& c : cases) {
    after.clear();
    settings.writes = 0;
    Roll(c.high, c.total);
    EXPECT_EQ(g.HighScore, c.expected) << c.high << " vs " << c.total;
    EXPECT_EQ(settings.writes, c.writes) << c.high << " vs " << c.total;
    if (c.writes) {
      EXPECT_EQ(settings.Read("VbApp", "score", "high"), std::to_string(c.expected));
    }
  }
}

}  // namespace
}  // namespace slidestone
