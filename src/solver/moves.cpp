#include "solver/moves.h"

#include <cstdlib>

#include "stagedata/codes.h"

namespace slidestone::solver {

namespace {

// Bounds on how long a move may take, in passes (virtual ms). A move that runs out of them is
// not a move a player would make.
constexpr int kStartLimit = 200;     // for a walk step to take a key
constexpr int kWalkLimit = 2000;
constexpr int kActionLimit = 6000;   // a jump, a drop, a pipe trip
constexpr int kSettleLimit = 3000;   // a fall after a move
constexpr int kToolLimit = 8000;     // the hammer's and broom's work
constexpr int kStuckSteps = 3;       // walk steps without a pixel gained: a wall
constexpr int kWaitLimit = 1500;

bool Standing(const Model& w) {
  const int x = w.PlayerX, y = w.PlayerY;
  return y % 32 == 0 && (SolidAt(w, x + 8, y + 32) || SolidAt(w, x + 23, y + 32));
}

MoveResult Finish(Sim& sim, int32_t x0, int32_t y0) {
  sim.RunUntil([&] { return FreeToAct(sim.w); }, kSettleLimit);
  if (sim.Over()) return sim.Won() ? MoveResult::kWon : MoveResult::kLost;
  if (!FreeToAct(sim.w)) return MoveResult::kLost;  // left hanging: not a place to decide at
  if (sim.w.PlayerX == x0 && sim.w.PlayerY == y0) return MoveResult::kUseless;
  return MoveResult::kDone;
}

MoveResult Walk(Sim& sim, int key) {
  const Model& w = sim.w;
  const int32_t x0 = w.PlayerX, y0 = w.PlayerY;
  const int32_t target = key == kKeyRight ? (x0 / 32 + 1) * 32 : ((x0 + 31) / 32 - 1) * 32;
  int32_t lastX = x0;
  int64_t lastStep = w.walkClock;
  int still = 0;
  sim.Press(key);
  sim.RunUntil(
      [&] {
        if (w.PlayerX != lastX) {
          lastX = w.PlayerX;
          still = 0;
        } else if (w.walkClock != lastStep && ++still >= kStuckSteps) {
          return true;
        }
        lastStep = w.walkClock;
        return (key == kKeyRight ? w.PlayerX >= target : w.PlayerX <= target) || !Standing(w) ||
               On(w.PlayerInAction) || On(w.MenuOpen);
      },
      kWalkLimit);
  sim.Release(key);
  return Finish(sim, x0, y0);
}

// A hint read from the map, as for the tools: a jump straight up rises 78 pixels and lands only
// from above, on a cell whose top it meets falling with the figure's middle free. So it can end
// anywhere but where it began only on a floor a cell above (the cell over that one free, for the
// middle) or on something in the figure's own row. Nothing else moves it sideways or takes its
// floor away in the meantime (no tool is at work when the player is free to act), so elsewhere
// it lands where it stood, which the rules would call useless after a whole flight.
bool LandsAboveMaybe(const Model& w) {
  const int row = w.PlayerY / 32;
  auto any = [&w](int r) { return SolidAt(w, w.PlayerX + 4, r * 32) || SolidAt(w, w.PlayerX + 27, r * 32); };
  return any(row) || (any(row - 1) && !any(row - 2));
}

// The rest of a hop from the top of its flight, where it lets go of the steering key.
MoveResult HopFromTop(Sim& sim, int steer, int32_t x0, int32_t y0) {
  const Model& w = sim.w;
  sim.Release(steer);
  sim.RunUntil([&] { return !On(w.PlayerInAction); }, kActionLimit);
  sim.RunUntil([&] { return !On(w.PlayerInAction); }, kActionLimit);
  return Finish(sim, x0, y0);
}

MoveResult Jump(Sim& sim, int steer, bool wholeFlight, FlightTop* top) {
  const Model& w = sim.w;
  if (top) top->at.pass = -1;
  if (steer == 0 && !LandsAboveMaybe(w)) return MoveResult::kUseless;
  const int32_t x0 = w.PlayerX, y0 = w.PlayerY;
  sim.Press(kKeyUp);
  const bool started = sim.RunUntil([&] { return On(w.PlayerInAction); }, kStartLimit);
  if (steer != 0 && started) sim.Press(steer);
  sim.Release(kKeyUp);
  if (!started) return sim.Over() ? (sim.Won() ? MoveResult::kWon : MoveResult::kLost) : MoveResult::kUseless;
  if (steer == 0) {
    sim.RunUntil([&] { return !On(w.PlayerInAction); }, kActionLimit);
    return Finish(sim, x0, y0);
  }
  sim.RunUntil([&] { return w.JumpVy >= 0 || !On(w.PlayerInAction); }, kActionLimit);  // the top
  if (!wholeFlight) return HopFromTop(sim, steer, x0, y0);
  if (top) {
    sim.Keep(top->at);
    top->x0 = x0;
    top->y0 = y0;
  }
  sim.RunUntil([&] { return !On(w.PlayerInAction); }, kActionLimit);
  sim.Release(steer);
  sim.RunUntil([&] { return !On(w.PlayerInAction); }, kActionLimit);
  return Finish(sim, x0, y0);
}

MoveResult Down(Sim& sim) {
  const Model& w = sim.w;
  const int32_t x0 = w.PlayerX, y0 = w.PlayerY;
  sim.Press(kKeyDown);
  const bool started = sim.RunUntil([&] { return On(w.PlayerInAction); }, kStartLimit);
  sim.Release(kKeyDown);
  if (!started) return sim.Over() ? (sim.Won() ? MoveResult::kWon : MoveResult::kLost) : MoveResult::kUseless;
  sim.RunUntil([&] { return !On(w.PlayerInAction); }, kActionLimit);
  return Finish(sim, x0, y0);
}

// A hint read from the map, before the menu is opened at all: the rules still decide, and a
// tool they refuse makes the move useless. It only spares trying what cannot work.
bool WorthTrying(const Model& w, int slot) {
  if (w.ToolPoints <= 0 || !On(w.ToolEnabled[size_t(slot)])) return false;
  const int32_t under = w.Map((w.PlayerX + 15) / 32, w.PlayerY / 32 + 1);
  if (slot == kToolHammer) return HammerBreaks(under);
  if (slot == kToolBroom) return BroomWorks(under);
  const int c = (w.PlayerX + 16) / 32, r = w.PlayerY / 32;
  return w.AiMap(c, r) == kNoObject && w.Map(c, r) == kEmptyCell && !On(w.StoneLaunched);
}

MoveResult UseTool(Sim& sim, int slot) {
  const Model& w = sim.w;
  if (!WorthTrying(w, slot)) return MoveResult::kUseless;
  sim.Press(kKeySpace);
  const bool open = sim.RunUntil([&] { return On(w.MenuOpen); }, kStartLimit);
  sim.Release(kKeySpace);
  if (!open) return sim.Over() ? (sim.Won() ? MoveResult::kWon : MoveResult::kLost) : MoveResult::kUseless;
  for (int tries = 0; tries < 3 && w.MenuCursor != slot && !sim.Over(); ++tries) {
    sim.Press(kKeyRight);
    sim.Pass();
    sim.Release(kKeyRight);
    sim.Pass();
  }
  const int32_t points = w.ToolPoints;
  if (w.MenuCursor == slot && On(w.MenuOpen)) {
    sim.Press(kKeySpace);
    sim.Pass();
    sim.Release(kKeySpace);
    sim.Pass();
  }
  if (sim.Over()) return sim.Won() ? MoveResult::kWon : MoveResult::kLost;
  if (w.ToolPoints == points) return MoveResult::kUseless;
  sim.RunUntil([&] { return !On(w.MenuOpen) && !On(w.PlayerInAction); }, kToolLimit);
  sim.RunUntil([&] { return FreeToAct(w); }, kSettleLimit);
  if (sim.Over()) return sim.Won() ? MoveResult::kWon : MoveResult::kLost;
  return FreeToAct(w) ? MoveResult::kDone : MoveResult::kLost;
}

// What the stone is doing, coarsely: a change of it is the next event worth deciding at.
int64_t StoneEvent(const Model& w) {
  return (int64_t(w.StoneX / 16) << 40) ^ (int64_t(w.StoneY / 32) << 28) ^ (int64_t(w.StoneDir + 1) << 24) ^
         (int64_t(w.StoneSpeed) << 16) ^ (int64_t(On(w.StoneLaunched)) << 8) ^ int64_t(w.ToolPoints & 0xFF);
}

MoveResult Wait(Sim& sim) {
  const int64_t before = StoneEvent(sim.w);
  sim.RunUntil([&] { return StoneEvent(sim.w) != before; }, kWaitLimit);
  if (sim.Over()) return sim.Won() ? MoveResult::kWon : MoveResult::kLost;
  // The player may have been knocked about meanwhile (an enemy, a ball): that ends the try.
  sim.RunUntil([&] { return FreeToAct(sim.w); }, kSettleLimit);
  if (sim.Over()) return sim.Won() ? MoveResult::kWon : MoveResult::kLost;
  return FreeToAct(sim.w) ? MoveResult::kDone : MoveResult::kLost;
}

MoveResult PlayOnly(Sim& sim, Move m, FlightTop* top) {
  switch (m) {
    case Move::kWait: return Wait(sim);
    case Move::kWalkLeft: return Walk(sim, kKeyLeft);
    case Move::kWalkRight: return Walk(sim, kKeyRight);
    case Move::kJump: return Jump(sim, 0, true, nullptr);
    case Move::kJumpLeft: return Jump(sim, kKeyLeft, true, top);
    case Move::kJumpRight: return Jump(sim, kKeyRight, true, top);
    case Move::kJumpLeftShort: return Jump(sim, kKeyLeft, false, nullptr);
    case Move::kJumpRightShort: return Jump(sim, kKeyRight, false, nullptr);
    case Move::kDown: return Down(sim);
    case Move::kHammer: return UseTool(sim, kToolHammer);
    case Move::kBroom: return UseTool(sim, kToolBroom);
    case Move::kSpring: return UseTool(sim, kToolSpring);
  }
  return MoveResult::kUseless;
}

// A key let go at the last moment is delivered before the next move starts from here.
MoveResult Delivered(Sim& sim, MoveResult r) {
  if (sim.Pending()) {
    sim.Pass();
    if (sim.Over()) return sim.Won() ? MoveResult::kWon : MoveResult::kLost;
    if (r == MoveResult::kDone && !FreeToAct(sim.w)) r = MoveResult::kLost;
  }
  return r;
}

}  // namespace

const char* MoveName(Move m) {
  switch (m) {
    case Move::kWait: return "wait";
    case Move::kWalkLeft: return "walk left";
    case Move::kWalkRight: return "walk right";
    case Move::kJump: return "jump";
    case Move::kJumpLeft: return "jump left";
    case Move::kJumpRight: return "jump right";
    case Move::kJumpLeftShort: return "hop left";
    case Move::kJumpRightShort: return "hop right";
    case Move::kDown: return "down";
    case Move::kHammer: return "hammer";
    case Move::kBroom: return "broom";
    case Move::kSpring: return "spring";
  }
  return "?";
}

bool FreeToAct(const Model& w) {
  return !On(w.PlayerInAction) && !On(w.MenuOpen) && !On(w.PlayerHit) && Standing(w);
}

MoveResult PlayMove(Sim& sim, Move m, FlightTop* top) { return Delivered(sim, PlayOnly(sim, m, top)); }

MoveResult PlayHopFrom(Sim& sim, Move hop, const FlightTop& top) {
  sim.Resume(top.at);
  return Delivered(sim, HopFromTop(sim, hop == Move::kJumpLeftShort ? kKeyLeft : kKeyRight, top.x0, top.y0));
}

}  // namespace slidestone::solver
