// What a player does, as the solver tries it: each move holds and lets go of real keys, pass
// by pass, from one moment where the player stands free to act to the next one (or to the end
// of the stage). The rules decide everything; a move only watches the model to know when to let
// go of a key.
#pragma once

#include <cstdint>

#include "solver/sim.h"

namespace slidestone::solver {

enum class Move : uint8_t {
  kWait,           // until the stone's next event: a new half cell, a turn, a new speed, a throw
  kWalkLeft,       // to the next cell edge, or off the ledge
  kWalkRight,
  kJump,           // straight up
  kJumpLeft,       // steering the whole flight
  kJumpRight,
  kJumpLeftShort,  // steering only while rising
  kJumpRightShort,
  kDown,           // through the floor, or down a pipe
  kHammer,
  kBroom,
  kSpring,
};
constexpr int kMoveCount = 12;

const char* MoveName(Move m);

enum class MoveResult : uint8_t {
  kUseless,  // not possible here, or nothing changed: the moment is not worth keeping
  kDone,     // the player stands free to act again
  kWon,
  kLost,
};

// The top of a flight steering all the way, where its hop lets go of the steering key: until
// there the two press the same keys, so the hop can go on from there rather than start again.
struct FlightTop {
  Sim::Point at;            // the run at the top (at.pass -1: the flight never got there)
  int32_t x0 = 0, y0 = 0;   // where the flight began
};

// Plays `m` from the sim's current moment, which must be one where the player stands free to act.
// A jump steering the whole flight keeps its top in `top` when given.
MoveResult PlayMove(Sim& sim, Move m, FlightTop* top = nullptr);
// The hop of the jump that kept `top`, played on from there: the same as PlayMove of the hop from
// the moment the jump started at.
MoveResult PlayHopFrom(Sim& sim, Move hop, const FlightTop& top);

// The player stands on a floor, with no action, no fall and no menu under way.
bool FreeToAct(const Model& w);

inline bool IsHop(Move m) { return m == Move::kJumpLeftShort || m == Move::kJumpRightShort; }
// The jump whose rise a hop shares.
inline Move JumpOf(Move hop) { return hop == Move::kJumpLeftShort ? Move::kJumpLeft : Move::kJumpRight; }

inline bool IsTool(Move m) { return m == Move::kHammer || m == Move::kBroom || m == Move::kSpring; }

}  // namespace slidestone::solver
