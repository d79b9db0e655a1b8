// The solver's runs move the clock straight over passes that would change nothing but the clock.
// A run that does so must pass through the very models a run stepping every pass goes through:
// at every key event, at the end of every move, and at the end of every proof and of random play.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "dice.h"
#include "services/settings.h"
#include "shell/proof_run.h"
#include "solver/moves.h"
#include "solver/sim.h"
#include "solver/stone_reach.h"
#include "stagedata/stage_format.h"

namespace slidestone::solver {
namespace {

namespace fs = std::filesystem;

const std::string kStageDir = SLIDESTONE_DATA_DIR "/stage";

// The same stage started twice: one run steps every pass, the other skips the quiet ones.
struct TwoRuns {
  Sim stepped, skipped;
  TwoRuns(int stage, int32_t difficulty) {
    stepped.skipQuiet = false;
    std::string why;
    EXPECT_TRUE(StartStage(stepped, kStageDir, stage, difficulty, why)) << why;
    EXPECT_TRUE(StartStage(skipped, kStageDir, stage, difficulty, why)) << why;
  }
  static void RunTo(Sim& sim, int32_t pass) {
    while (sim.pass < pass && !sim.Over()) sim.Advance(pass);
  }
  // Both runs to pass `pass` (or their end); whether they are alike there.
  ::testing::AssertionResult Alike(int32_t pass) {
    RunTo(stepped, pass);
    RunTo(skipped, pass);
    if (stepped.pass != skipped.pass) return ::testing::AssertionFailure() << "one run ended sooner";
    const Model& a = stepped.w;
    const Model& b = skipped.w;
    if (!(a == b)) {
      std::string parts;
      auto differs = [&parts](bool same, const char* name) { if (!same) parts += std::string(" ") + name; };
      differs(static_cast<const ClockState&>(a) == b, "clock");
      differs(static_cast<const FieldState&>(a) == b, "field");
      differs(static_cast<const SessionState&>(a) == b, "session");
      differs(static_cast<const StageState&>(a) == b, "stage");
      differs(static_cast<const PlayerState&>(a) == b, "player");
      differs(static_cast<const StoneState&>(a) == b, "stone");
      differs(static_cast<const ToolMenuState&>(a) == b, "tool menu");
      differs(static_cast<const EnemiesState&>(a) == b, "enemies");
      differs(static_cast<const HudState&>(a) == b, "hud");
      differs(static_cast<const StepState&>(a) == b, "steps");
      differs(static_cast<const KeyboardState&>(a) == b, "keys");
      return ::testing::AssertionFailure() << "the models part by pass " << pass << " in:" << parts;
    }
    return ::testing::AssertionSuccess();
  }
  // Plays the key events in both, comparing the models at every pass an event is delivered at.
  void Play(const std::vector<KeyPress>& line, int32_t end) {
    for (const KeyPress& k : line) {
      ASSERT_TRUE(Alike(k.pass));
      if (stepped.Over()) return;
      for (Sim* sim : {&stepped, &skipped}) k.down ? sim->Press(k.key) : sim->Release(k.key);
    }
    ASSERT_TRUE(Alike(end));
    EXPECT_EQ(stepped.log, skipped.log);
  }
};

// Random keys of play, held and let go at random, Enter and Z now and then.
std::vector<KeyPress> RandomLine(testing::Dice& dice, int32_t length) {
  static constexpr int kKeys[] = {kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeySpace,
                                  kKeyLeft, kKeyRight, kKeyUp, kKeySpace, kKeyEnter};
  std::vector<KeyPress> line;
  for (int32_t at = dice.Below(300); at < length;) {
    const int key = dice.Below(60) == 0 ? kKeyZ : kKeys[dice.Below(10)];
    const int32_t held = 1 + dice.Below(dice.Below(2) ? 40 : 700);
    line.push_back({at, int16_t(key), true});
    line.push_back({at + held, int16_t(key), false});
    at += held + dice.Below(900);
  }
  return line;
}

TEST(SolverSim, RandomPlaySkippingQuietPassesGoesThroughTheSteppedModels) {
  testing::Dice dice{22};
  int64_t stepped = 0, skipped = 0;
  for (int32_t difficulty : {kNormal, kHard}) {
    for (int stage = 1; stage <= kStageCount; ++stage) {
      SCOPED_TRACE("stage " + std::to_string(stage) + (difficulty == kHard ? " HARD" : " NORMAL"));
      TwoRuns runs(stage, difficulty);
      runs.Play(RandomLine(dice, 40000), 45000);
      stepped += runs.stepped.passesRun;
      skipped += runs.skipped.passesRun;
    }
  }
  // Random play keeps the menu open and the game paused a good while: every pass runs then.
  EXPECT_LT(skipped * 4, stepped * 3) << "many passes are quiet, and skipped";
}

// The key events of every shipped proof's play, as its run delivers them, by stage and level.
struct ProofLine {
  int stage;
  int32_t difficulty;
  std::vector<KeyPress> line;
};
std::vector<ProofLine> ProofLines() {
  const fs::path work = fs::temp_directory_path() / ("slidestone_solver_sim_" + std::to_string(::getpid()));
  fs::create_directories(work);
  RunKit kit;
  kit.settingsAt = [](const std::string&) -> std::unique_ptr<SettingsStore> {
    return std::make_unique<MemorySettings>();
  };
  std::vector<ProofLine> proofs;
  for (int32_t difficulty : {kNormal, kHard}) {
    for (int stage = 1; stage <= kStageCount; ++stage) {
      std::ifstream file(ProofFilePath(kStageDir, stage - 1, difficulty));
      std::vector<std::string> lines;
      for (std::string line; std::getline(file, line);) lines.push_back(line);
      const Outcome o = PlayProof(kit, kStageDir, lines, work.string());
      EXPECT_TRUE(o.ended && o.reason == kEndGoal) << stage << ": " << o.problem << o.cause;
      ProofLine p{stage, difficulty, {}};
      for (const TimedKey& k : o.keys)
        if (!k.event.pointer) p.line.push_back({int32_t(k.at), int16_t(k.event.code), k.event.down});
      proofs.push_back(p);
    }
  }
  fs::remove_all(work);
  return proofs;
}

std::string Name(const ProofLine& p) {
  return "stage " + std::to_string(p.stage) + (p.difficulty == kHard ? " HARD" : " NORMAL");
}

TEST(SolverSim, EveryProofSkippingQuietPassesGoesThroughTheSteppedModels) {
  for (const ProofLine& p : ProofLines()) {
    SCOPED_TRACE(Name(p));
    TwoRuns runs(p.stage, p.difficulty);
    runs.Play(p.line, int32_t(p.line.empty() ? 0 : p.line.back().pass) + 200000);
    EXPECT_TRUE(runs.skipped.Won());
    EXPECT_LT(runs.skipped.passesRun * 2, runs.stepped.passesRun) << "most passes are quiet, and skipped";
  }
}

// The stone's way from moments along every proof (springs, broken tiles, tools at work): a
// way that stops where the stone goes round again marks all that one followed to the end does.
TEST(SolverSim, TheStonesWayEndedWhereItGoesRoundAgainMarksAllTheWholeRunDoes) {
  auto distance = [](const Model& w) { return Nearness{w.StoneX + w.StoneY, w.StoneX - w.StoneY}; };
  int moments = 0, closed = 0;
  for (const ProofLine& p : ProofLines()) {
    SCOPED_TRACE(Name(p));
    Sim play;
    std::string why;
    ASSERT_TRUE(StartStage(play, kStageDir, p.stage, p.difficulty, why)) << why;
    for (size_t i = 0; i < p.line.size() && !play.Over(); ++i) {
      TwoRuns::RunTo(play, p.line[i].pass);
      p.line[i].down ? play.Press(p.line[i].key) : play.Release(p.line[i].key);
      if (i % 3 != 0) continue;
      const Model moment = TakeSnapshot(play.w);
      const int passes = play.w.StageTime * 100 + 1000;
      Sim whole, looped;
      whole.Restore(moment, play.pass);
      looped.Restore(moment, play.pass);
      ReachCache all(distance, false), round(distance, true);
      const StoneReach a = all.Of(whole, passes);
      const StoneReach b = round.Of(looped, passes);
      ASSERT_EQ(a.through, b.through) << "at pass " << play.pass;
      ASSERT_EQ(a.over, b.over) << "at pass " << play.pass;
      ASSERT_EQ(a.nearest, b.nearest) << "at pass " << play.pass;
      ASSERT_EQ(a.won, b.won) << "at pass " << play.pass;
      ++moments;
      if (looped.passesRun * 2 < whole.passesRun) ++closed;
    }
  }
  EXPECT_GT(closed * 4, moments) << "the stone often goes round, and the way stops early";
}

// Every move from moments of random play: the same result, keys and model either way.
TEST(SolverSim, EveryMoveEndsAlikeSkippingOrNot) {
  testing::Dice dice{7};
  int moments = 0;
  for (int stage = 1; stage <= kStageCount; ++stage) {
    SCOPED_TRACE("stage " + std::to_string(stage));
    Sim play;
    std::string why;
    ASSERT_TRUE(StartStage(play, kStageDir, stage, kNormal, why)) << why;
    for (int step = 0; step < 6 && !play.Over(); ++step) {
      if (FreeToAct(play.w)) {
        const Model moment = TakeSnapshot(play.w);
        const int32_t at = play.pass;
        for (int m = 0; m < kMoveCount; ++m) {
          SCOPED_TRACE(MoveName(Move(m)));
          Sim stepped, skipped;
          stepped.skipQuiet = false;
          stepped.Restore(moment, at);
          skipped.Restore(moment, at);
          ASSERT_EQ(PlayMove(stepped, Move(m)), PlayMove(skipped, Move(m)));
          ASSERT_EQ(stepped.pass, skipped.pass);
          ASSERT_EQ(stepped.log, skipped.log);
          ASSERT_TRUE(TakeSnapshot(stepped.w) == TakeSnapshot(skipped.w));
        }
        ++moments;
        PlayMove(play, Move(dice.Below(kMoveCount)));
      } else {
        play.Run(1 + dice.Below(500));
      }
    }
  }
  EXPECT_GT(moments, 40);
}

// A hop goes on from the top of its jump's flight: from moments of random play on every stage and
// level, it ends with the result, keys, pass and model of the hop played from the moment itself.
TEST(SolverMoves, AHopFromTheTopOfItsJumpEndsAsAHopFromTheStart) {
  testing::Dice dice{11};
  int shared = 0, landed = 0;
  for (int stage = 1; stage <= kStageCount; ++stage) {
    for (const int32_t level : {kNormal, kHard}) {
      SCOPED_TRACE("stage " + std::to_string(stage) + (level == kHard ? " HARD" : " NORMAL"));
      Sim play;
      std::string why;
      ASSERT_TRUE(StartStage(play, kStageDir, stage, level, why)) << why;
      for (int step = 0; step < 12 && !play.Over(); ++step) {
        if (!FreeToAct(play.w)) {
          play.Run(1 + dice.Below(500));
          continue;
        }
        const Model moment = TakeSnapshot(play.w);
        const int32_t at = play.pass;
        for (const Move hop : {Move::kJumpLeftShort, Move::kJumpRightShort}) {
          SCOPED_TRACE(MoveName(hop));
          Sim whole, fromTop;
          whole.Restore(moment, at);
          fromTop.Restore(moment, at);
          FlightTop top;
          PlayMove(fromTop, JumpOf(hop), &top);
          const MoveResult alone = PlayMove(whole, hop);
          if (top.at.pass < 0) continue;
          ++shared;
          ASSERT_EQ(PlayHopFrom(fromTop, hop, top), alone);
          ASSERT_EQ(fromTop.pass, whole.pass);
          ASSERT_EQ(fromTop.log, whole.log);
          ASSERT_TRUE(TakeSnapshot(fromTop.w) == TakeSnapshot(whole.w));
          if (alone == MoveResult::kDone) ++landed;
        }
        PlayMove(play, Move(dice.Below(kMoveCount)));
      }
    }
  }
  EXPECT_GT(shared, 100);
  EXPECT_GT(landed, 50);
}

}  // namespace
}  // namespace slidestone::solver

namespace slidestone::solver {
namespace {

// A jump straight up is tried only where something over the figure may catch it; it must still
// be tried, and kept, where a floor a cell above does.
TEST(SolverMoves, AStraightJumpIsKeptWhereAFloorACellAboveCatchesIt) {
  Sim sim;
  std::string why;
  ASSERT_TRUE(StartStage(sim, kStageDir, 1, kNormal, why)) << why;
  ASSERT_TRUE(sim.RunUntil([&] { return FreeToAct(sim.w); }, 5000));
  const int32_t x = sim.w.PlayerX, y = sim.w.PlayerY;
  for (int row = y / 32 - 3; row < y / 32; ++row)  // open sky over the figure
    for (const int px : {x + 4, x + 27}) sim.w.Map(px / 32, row) = kEmptyCell;
  const Model open = TakeSnapshot(sim.w);
  for (const int px : {x + 4, x + 27}) sim.w.Map(px / 32, y / 32 - 1) = kBrick;
  const Model roofed = TakeSnapshot(sim.w);
  struct Case {
    const Model* moment;
    MoveResult result;
    int32_t landsAt;
  };
  for (const Case& c : {Case{&open, MoveResult::kUseless, y}, Case{&roofed, MoveResult::kDone, y - 64}}) {
    sim.Restore(*c.moment, 0);
    EXPECT_EQ(PlayMove(sim, Move::kJump), c.result);
    EXPECT_EQ(sim.w.PlayerY, c.landsAt);
  }
}

// The map is read to skip a straight jump that cannot end anywhere but where it began: for every
// pattern of cells over the figure, a jump the hint skips lands where it stood when its keys are
// pressed.
TEST(SolverMoves, AStraightJumpIsSkippedOnlyWhereItWouldLandWhereItStood) {
  Sim sim;
  std::string why;
  ASSERT_TRUE(StartStage(sim, kStageDir, 1, kNormal, why)) << why;
  ASSERT_TRUE(sim.RunUntil([&] { return FreeToAct(sim.w); }, 5000));
  const Model start = TakeSnapshot(sim.w);
  const int32_t y = sim.w.PlayerY;
  int skipped = 0, moved = 0;
  for (const int dx : {0, 6, 14, 22}) {
    for (int pattern = 0; pattern < 64; ++pattern) {
      sim.Restore(start, 0);
      sim.w.PlayerX += dx;
      const int32_t x = sim.w.PlayerX;
      if (!FreeToAct(sim.w)) continue;
      for (int bit = 0; bit < 6; ++bit) {  // three rows over the figure, its two columns
        const int col = (bit % 2 == 0 ? x + 4 : x + 27) / 32, row = y / 32 - 3 + bit / 2;
        sim.w.Map(col, row) = (pattern >> bit) & 1 ? kBrick : kEmptyCell;
      }
      const Model moment = TakeSnapshot(sim.w);
      if (PlayMove(sim, Move::kJump) != MoveResult::kUseless) continue;
      ++skipped;
      sim.Restore(moment, 0);
      sim.Press(kKeyUp);
      ASSERT_TRUE(sim.RunUntil([&] { return On(sim.w.PlayerInAction); }, 200));
      sim.Release(kKeyUp);
      sim.RunUntil([&] { return !On(sim.w.PlayerInAction); }, 6000);
      sim.RunUntil([&] { return FreeToAct(sim.w); }, 3000);
      if (sim.w.PlayerX != x || sim.w.PlayerY != y) ++moved;
      EXPECT_EQ(sim.w.PlayerY, y) << "x + " << dx << ", cells over the figure " << pattern;
    }
  }
  EXPECT_GT(skipped, 0);
  EXPECT_EQ(moved, 0);
}

}  // namespace
}  // namespace slidestone::solver
