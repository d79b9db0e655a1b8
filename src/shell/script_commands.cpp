#include "shell/script_commands.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "audio/audio.h"
#include "presentation/game.h"
#include "shell/app.h"
#include "shell/script.h"
#include "shell/script_parse.h"
#include "shell/variables.h"

namespace slidestone {

namespace {

constexpr int kDragStep = 8;  // pixels the pointer moves per pass in a scripted drag

int64_t Value(Game& g, const std::string& name) {
  auto v = ReadVariable(g, name);
  if (!v) throw ScriptFailure{"unknown variable '" + name + "'"};
  return *v;
}

enum class Op { kEq, kNe, kLt, kLe, kGt, kGe };

Op OpOf(const std::string& op) {
  return op == "==" ? Op::kEq
       : op == "!=" ? Op::kNe
       : op == "<"  ? Op::kLt
       : op == "<=" ? Op::kLe
       : op == ">"  ? Op::kGt
                    : Op::kGe;
}

bool Compare(int64_t v, Op op, int64_t value) {
  switch (op) {
    case Op::kEq: return v == value;
    case Op::kNe: return v != value;
    case Op::kLt: return v < value;
    case Op::kLe: return v <= value;
    case Op::kGt: return v > value;
    case Op::kGe: return v >= value;
  }
  return false;
}

bool Compare(int64_t v, const ScriptClause& c) { return Compare(v, OpOf(c.op), c.value); }

bool Holds(Game& g, const std::vector<ScriptClause>& cond) {
  for (const ScriptClause& c : cond) {
    if (!Compare(Value(g, c.name), c)) return false;
  }
  return true;
}

// A condition waited for pass after pass, its names and operators looked up once.
std::function<bool()> Condition(Game& g, const std::vector<ScriptClause>& cond) {
  struct Check {
    std::function<int64_t()> read;
    Op op;
    int64_t value;
  };
  std::vector<Check> checks;
  for (const ScriptClause& c : cond) {
    checks.push_back({VariableReader(g, c.name), OpOf(c.op), c.value});
    if (!checks.back().read) throw ScriptFailure{"unknown variable '" + c.name + "'"};
  }
  return [checks = std::move(checks)] {
    for (const Check& c : checks) {
      if (!Compare(c.read(), c.op, c.value)) return false;
    }
    return true;
  };
}

std::string Describe(Game& g, const std::vector<ScriptClause>& cond) {
  std::string s;
  for (const ScriptClause& c : cond) {
    if (!s.empty()) s += " ";
    s += c.name + "=" + std::to_string(Value(g, c.name)) + " (wanted " + c.op + " " +
         std::to_string(c.value) + ")";
  }
  return s;
}

bool Wait(ScriptHost& h, const ScriptCommand& c) {
  for (int64_t i = 0; i < c.number; ++i) {
    if (!h.app.Pass()) return false;
  }
  return true;
}

bool Until(ScriptHost& h, const ScriptCommand& c) {
  const std::function<bool()> holds = Condition(h.g, c.cond);
  for (int64_t ran = 0; !holds(); ++ran) {
    if (ran >= c.number) {
      throw ScriptFailure{"until: not within " + std::to_string(c.number) + " ms: " + Describe(h.g, c.cond)};
    }
    if (!h.app.Pass()) return false;
  }
  return true;
}

bool Press(ScriptHost& h, const ScriptCommand& c) {
  h.app.input().Push({true, c.key});
  return true;
}

bool Release(ScriptHost& h, const ScriptCommand& c) {
  h.app.input().Push({false, c.key});
  return true;
}

bool Tap(ScriptHost& h, const ScriptCommand& c) {
  for (int key : c.chord) h.app.input().Push({true, key});
  if (!h.app.Pass()) return false;
  for (auto key = c.chord.rbegin(); key != c.chord.rend(); ++key) h.app.input().Push({false, *key});
  return true;
}

bool Move(ScriptHost& h, const ScriptCommand& c) {
  h.app.input().Push({false, 0, true, c.points[0], c.points[1]});
  return true;
}

// Like tap: the button goes down at the next pass and up at the one after.
bool Click(ScriptHost& h, const ScriptCommand& c) {
  Input& in = h.app.input();
  in.Push({false, 0, true, c.points[0], c.points[1]});
  in.Push({true, c.key, false, c.points[0], c.points[1]});
  if (!h.app.Pass()) return false;
  in.Push({false, c.key, false, c.points[0], c.points[1]});
  return true;
}

// Down at the start, then the pointer moves a few pixels a pass to the end, then up.
bool Drag(ScriptHost& h, const ScriptCommand& c) {
  Input& in = h.app.input();
  const int x1 = c.points[0], y1 = c.points[1], x2 = c.points[2], y2 = c.points[3];
  in.Push({false, 0, true, x1, y1});
  in.Push({true, c.key, false, x1, y1});
  if (!h.app.Pass()) return false;
  const int steps = std::max(1, std::max(std::abs(x2 - x1), std::abs(y2 - y1)) / kDragStep);
  for (int i = 1; i <= steps; ++i) {
    in.Push({false, 0, true, x1 + (x2 - x1) * i / steps, y1 + (y2 - y1) * i / steps});
    if (!h.app.Pass()) return false;
  }
  in.Push({false, c.key, false, x2, y2});
  return true;
}

bool Set(ScriptHost& h, const ScriptCommand& c) {
  if (!WriteVariable(h.g, c.args[0], c.number)) throw ScriptFailure{"cannot set '" + c.args[0] + "'"};
  return true;
}

bool Print(ScriptHost& h, const ScriptCommand& c) {
  std::string line = "t=" + std::to_string(h.g.Now);
  for (const std::string& name : c.args) line += " " + name + "=" + std::to_string(Value(h.g, name));
  std::fprintf(h.out, "%s\n", line.c_str());
  return true;
}

bool Expect(ScriptHost& h, const ScriptCommand& c) {
  if (!Holds(h.g, c.cond)) {
    throw ScriptFailure{"expect failed at t=" + std::to_string(h.g.Now) + ": " + Describe(h.g, c.cond)};
  }
  return true;
}

bool Sounds(ScriptHost& h, const ScriptCommand&) {
  if (h.sounds) {
    for (const std::string& call : h.sounds->TakeCalls()) std::fprintf(h.out, "%s\n", call.c_str());
  }
  return true;
}

bool Shot(ScriptHost& h, const ScriptCommand& c) {
  std::string error;
  if (!h.shot || !h.shot(c.args[0], error)) throw ScriptFailure{"shot " + c.args[0] + ": " + error};
  return true;
}

bool Quit(ScriptHost& h, const ScriptCommand&) {
  h.app.Quit();
  return false;
}

using enum ScriptVerb;
using enum ScriptArgs;

constexpr std::array kKinds{
    ScriptCommandKind{kWait, "wait", kDuration, true, Wait},
    ScriptCommandKind{kUntil, "until", kConditionWithin, true, Until},
    ScriptCommandKind{kPress, "press", kKey, true, Press},
    ScriptCommandKind{kRelease, "release", kKey, true, Release},
    ScriptCommandKind{kTap, "tap", kChord, true, Tap},
    ScriptCommandKind{kMove, "move", kPoint, true, Move},
    ScriptCommandKind{kClick, "click", kPointButton, true, Click},
    ScriptCommandKind{kDrag, "drag", kLineButton, true, Drag},
    ScriptCommandKind{kSet, "set", kSetting, false, Set},
    ScriptCommandKind{kPrint, "print", kNames, true, Print},
    ScriptCommandKind{kExpect, "expect", kCondition, true, Expect},
    ScriptCommandKind{kSounds, "sounds", kNothing, true, Sounds},
    ScriptCommandKind{kShot, "shot", kShotFile, false, Shot},
    ScriptCommandKind{kQuit, "quit", kNothing, false, Quit},
};

constexpr bool InVerbOrder() {
  for (size_t i = 0; i < kKinds.size(); ++i) {
    if (static_cast<size_t>(kKinds[i].verb) != i) return false;
  }
  return true;
}
static_assert(InVerbOrder() && kKinds.back().verb == ScriptVerb::kQuit);

}  // namespace

std::span<const ScriptCommandKind> ScriptCommandKinds() { return kKinds; }

const ScriptCommandKind* FindScriptCommand(std::string_view name) {
  for (const ScriptCommandKind& k : kKinds) {
    if (k.name == name) return &k;
  }
  return nullptr;
}

const ScriptCommandKind& KindOf(ScriptVerb verb) { return kKinds[static_cast<size_t>(verb)]; }

}  // namespace slidestone
