#include "shell/script.h"

#include <cstdlib>
#include <fstream>

#include "audio/audio.h"
#include "shell/app.h"
#include "shell/script_parse.h"
#include "shell/variables.h"
#include "stagedata/game.h"

namespace slidestone {

namespace {

// A check that did not hold while the script ran (a bad line is found before the first pass).
struct Failure {
  std::string message;
};

int64_t Value(Game& g, const std::string& name) {
  auto v = ReadVariable(g, name);
  if (!v) throw Failure{"unknown variable '" + name + "'"};
  return *v;
}

bool Holds(Game& g, const std::vector<ScriptClause>& cond) {
  for (const ScriptClause& c : cond) {
    const int64_t v = Value(g, c.name);
    bool ok = c.op == "==" ? v == c.value
            : c.op == "!=" ? v != c.value
            : c.op == "<"  ? v < c.value
            : c.op == "<=" ? v <= c.value
            : c.op == ">"  ? v > c.value
                           : v >= c.value;
    if (!ok) return false;
  }
  return true;
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
    for (int64_t ran = 0; !Holds(g, c.cond); ++ran) {
      if (ran >= c.number) {
        throw Failure{"until: not within " + std::to_string(c.number) + " ms: " + Describe(g, c.cond)};
      }
      if (!app.Pass()) return false;
    }
  } else if (cmd == "press" || cmd == "release") {
    app.input().Push({cmd == "press", c.key});
  } else if (cmd == "tap") {
    app.input().Push({true, c.key});
    if (!app.Pass()) return false;
    app.input().Push({false, c.key});
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

int KeyCodeFromName(const std::string& name) {
  static const std::pair<const char*, int> names[] = {
      {"LEFT", kKeyLeft},   {"RIGHT", kKeyRight}, {"UP", kKeyUp},         {"DOWN", kKeyDown},
      {"SPACE", kKeySpace}, {"ENTER", kKeyEnter}, {"ESCAPE", kKeyEscape}, {"Z", kKeyZ}};
  for (const auto& [n, code] : names) {
    if (name == n) return code;
  }
  char* end = nullptr;
  const long v = std::strtol(name.c_str(), &end, 10);
  if (!name.empty() && *end == '\0' && v >= 0 && v < kKeyCount) return int(v);
  return -1;
}

std::string KeyNameFromCode(int code) {
  switch (code) {
    case kKeyLeft: return "LEFT";
    case kKeyRight: return "RIGHT";
    case kKeyUp: return "UP";
    case kKeyDown: return "DOWN";
    case kKeySpace: return "SPACE";
    case kKeyEnter: return "ENTER";
    case kKeyEscape: return "ESCAPE";
    case kKeyZ: return "Z";
    default: return std::to_string(code);
  }
}

int RunScript(const std::string& path, ScriptHost& host) {
  std::ifstream in(path);
  if (!in) {
    std::fprintf(host.err, "script: cannot open %s\n", path.c_str());
    return 1;
  }
  std::vector<ScriptCommand> commands;
  if (ScriptError bad; !ParseScript(in, host.g, commands, bad)) {
    std::fprintf(host.err, "script:%d: %s\n", bad.line, bad.message.c_str());
    return 1;
  }
  for (const ScriptCommand& c : commands) {
    try {
      if (!Run(host, c)) return 0;  // the game ended: the rest is not run
    } catch (const Failure& f) {
      std::fflush(host.out);
      std::fprintf(host.err, "script:%d: %s\n", c.line, f.message.c_str());
      return 1;
    }
  }
  host.app.Quit();
  return 0;
}

void ScriptRecorder::Delivered(int64_t now, const KeyEvent& e) {
  if (now > cursor_) std::fprintf(file_, "wait %lld\n", static_cast<long long>(now - cursor_));
  cursor_ = now;
  std::fprintf(file_, "%s %s\n", e.down ? "press" : "release", KeyNameFromCode(e.code).c_str());
  std::fflush(file_);
}

void ScriptRecorder::Finish(int64_t now) {
  if (now > cursor_) std::fprintf(file_, "wait %lld\n", static_cast<long long>(now - cursor_));
  cursor_ = now;
  std::fflush(file_);
}

}  // namespace slidestone
