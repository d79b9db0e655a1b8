#include "shell/script.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <sstream>

#include "audio/audio.h"
#include "graphics/surface.h"
#include "shell/app.h"
#include "shell/script_parse.h"
#include "shell/variables.h"
#include "presentation/game.h"
#include "stagedata/text_file.h"

namespace slidestone {

namespace {

constexpr int kDragStep = 8;  // pixels the pointer moves per pass in a scripted drag

// A check that did not hold while the script ran (a bad line is found before the first pass).
struct Failure {
  std::string message;
};

int64_t Value(Game& g, const std::string& name) {
  auto v = ReadVariable(g, name);
  if (!v) throw Failure{"unknown variable '" + name + "'"};
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
    if (!checks.back().read) throw Failure{"unknown variable '" + c.name + "'"};
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

// Runs one checked command; returns false when the game has ended and the script must stop.
bool Run(ScriptHost& h, const ScriptCommand& c) {
  App& app = h.app;
  Game& g = h.g;
  const std::string& cmd = c.verb;
  if (cmd == "wait") {
    for (int64_t i = 0; i < c.number; ++i) {
      if (!app.Pass()) return false;
    }
  } else if (cmd == "until") {
    const std::function<bool()> holds = Condition(g, c.cond);
    for (int64_t ran = 0; !holds(); ++ran) {
      if (ran >= c.number) {
        throw Failure{"until: not within " + std::to_string(c.number) + " ms: " + Describe(g, c.cond)};
      }
      if (!app.Pass()) return false;
    }
  } else if (cmd == "press" || cmd == "release") {
    app.input().Push({cmd == "press", c.key});
  } else if (cmd == "tap") {
    for (int key : c.chord) app.input().Push({true, key});
    if (!app.Pass()) return false;
    for (auto key = c.chord.rbegin(); key != c.chord.rend(); ++key) app.input().Push({false, *key});
  } else if (cmd == "move") {
    app.input().Push({false, 0, true, c.points[0], c.points[1]});
  } else if (cmd == "click") {
    // Like tap: the button goes down at the next pass and up at the one after.
    app.input().Push({false, 0, true, c.points[0], c.points[1]});
    app.input().Push({true, c.key, false, c.points[0], c.points[1]});
    if (!app.Pass()) return false;
    app.input().Push({false, c.key, false, c.points[0], c.points[1]});
  } else if (cmd == "drag") {
    // Down at the start, then the pointer moves a few pixels a pass to the end, then up.
    const int x1 = c.points[0], y1 = c.points[1], x2 = c.points[2], y2 = c.points[3];
    app.input().Push({false, 0, true, x1, y1});
    app.input().Push({true, c.key, false, x1, y1});
    if (!app.Pass()) return false;
    const int steps = std::max(1, std::max(std::abs(x2 - x1), std::abs(y2 - y1)) / kDragStep);
    for (int i = 1; i <= steps; ++i) {
      app.input().Push({false, 0, true, x1 + (x2 - x1) * i / steps, y1 + (y2 - y1) * i / steps});
      if (!app.Pass()) return false;
    }
    app.input().Push({false, c.key, false, x2, y2});
  } else if (cmd == "set") {
    if (!WriteVariable(g, c.args[0], c.number)) throw Failure{"cannot set '" + c.args[0] + "'"};
  } else if (cmd == "print") {
    std::string line = "t=" + std::to_string(g.Now);
    for (const std::string& name : c.args) line += " " + name + "=" + std::to_string(Value(g, name));
    std::fprintf(h.out, "%s\n", line.c_str());
  } else if (cmd == "expect") {
    if (!Holds(g, c.cond)) throw Failure{"expect failed at t=" + std::to_string(g.Now) + ": " + Describe(g, c.cond)};
  } else if (cmd == "sounds") {
    if (h.sounds) {
      for (const std::string& call : h.sounds->TakeCalls()) std::fprintf(h.out, "%s\n", call.c_str());
    }
  } else if (cmd == "shot") {
    std::string error;
    if (!h.shot || !h.shot(c.args[0], error)) throw Failure{"shot " + c.args[0] + ": " + error};
  } else if (cmd == "quit") {
    app.Quit();
    return false;
  } else {
    throw Failure{"no way to run '" + cmd + "'"};  // a verb the parse step let through
  }
  return true;
}

}  // namespace

namespace {

constexpr int kF1 = kKeyF1, kF12 = kKeyF12;

}  // namespace

int KeyCodeFromName(const std::string& name) {
  for (const auto& [n, code] : kKeyNames) {
    if (name == n) return code;
  }
  // Letters by themselves (A..Z), digit keys as KEY0..KEY9, function keys F1..F12.
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return name[0];
  if (name.size() == 4 && name.compare(0, 3, "KEY") == 0 && name[3] >= '0' && name[3] <= '9') return name[3];
  if (name.size() >= 2 && name[0] == 'F' && name.find_first_not_of("0123456789", 1) == std::string::npos) {
    const int n = std::atoi(name.c_str() + 1);
    if (n >= 1 && n <= kF12 - kF1 + 1) return kF1 + n - 1;
  }
  char* end = nullptr;
  const long v = std::strtol(name.c_str(), &end, 10);
  if (!name.empty() && *end == '\0' && v >= 0 && v < kKeyCount) return int(v);
  return -1;
}

std::string KeyNameFromCode(int code) {
  for (const auto& [n, c] : kKeyNames) {
    if (c == code) return n;
  }
  if (code >= 'A' && code <= 'Z') {
    const char letter[2] = {char(code), '\0'};
    return letter;
  }
  if (code >= '0' && code <= '9') {
    const char digit[5] = {'K', 'E', 'Y', char(code), '\0'};
    return digit;
  }
  if (code >= kF1 && code <= kF12) {
    char function[8];
    std::snprintf(function, sizeof function, "F%d", code - kF1 + 1);
    return function;
  }
  return std::to_string(code);
}

int RunScript(const std::string& path, ScriptHost& host) {
  std::string text, why;
  if (!ReadWholeFile(path, kScriptMaxBytes, text, why)) {
    std::fprintf(host.err, "script: %s: %s\n", EscapeControlBytes(path).c_str(), why.c_str());
    return 1;
  }
  std::istringstream in(text);
  std::vector<ScriptCommand> commands;
  if (ScriptError bad; !ParseScript(in, host.g, commands, bad)) {
    std::fprintf(host.err, "script:%d: %s\n", bad.line, EscapeControlBytes(bad.message).c_str());
    return bad.exitCode;
  }
  const bool shots = std::any_of(commands.begin(), commands.end(),
                                 [](const ScriptCommand& c) { return c.verb == "shot"; });
  const bool unwatched = host.headless && !shots;
  const ScreenUnwatched unseen(host.g.forms.screen, unwatched);
  // Nobody will see the stage screen: play runs on the model alone and draws nothing.
  StageView* const shownBy = host.g.view;
  if (unwatched) host.g.view = &UnwatchedView();
  struct ViewBack {
    Game& g;
    StageView* view;
    ~ViewBack() { g.view = view; }
  } viewBack{host.g, shownBy};
  for (const ScriptCommand& c : commands) {
    try {
      if (!Run(host, c)) return 0;  // the game ended: the rest is not run
    } catch (const Failure& f) {
      std::fflush(host.out);
      std::fprintf(host.err, "script:%d: %s\n", c.line, EscapeControlBytes(f.message).c_str());
      return 1;
    }
  }
  host.app.Quit();
  return 0;
}

void ScriptRecorder::Delivered(int64_t now, const KeyEvent& e) {
  if (now > cursor_) std::fprintf(file_, "wait %lld\n", static_cast<long long>(now - cursor_));
  cursor_ = now;
  // A button's place was given by the move before it.
  if (e.pointer || ((e.code == kMouseLeft || e.code == kMouseRight) && e.x >= 0)) {
    if (e.pointer || e.down) std::fprintf(file_, "move %d %d\n", e.x, e.y);
    if (e.pointer) {
      std::fflush(file_);
      return;
    }
  }
  std::fprintf(file_, "%s %s\n", e.down ? "press" : "release", KeyNameFromCode(e.code).c_str());
  std::fflush(file_);
}

void ScriptRecorder::Finish(int64_t now) {
  if (now > cursor_) std::fprintf(file_, "wait %lld\n", static_cast<long long>(now - cursor_));
  cursor_ = now;
  std::fflush(file_);
}

}  // namespace slidestone
