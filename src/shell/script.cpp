#include "shell/script.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "audio/audio.h"
#include "shell/app.h"
#include "shell/variables.h"
#include "stagedata/game.h"

namespace slidestone {

namespace {

struct Failure {
  std::string message;
};

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

int64_t Number(const std::string& text) {
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0) throw Failure{"not a number: '" + text + "'"};
  return v;
}

int Key(const std::string& name) {
  const int code = KeyCodeFromName(name);
  if (code < 0) throw Failure{"unknown key '" + name + "'"};
  return code;
}

struct Clause {
  std::string name, op;
  int64_t value;
};

// NAME OP INTEGER [and NAME OP INTEGER]...
std::vector<Clause> ParseCondition(const std::vector<std::string>& w, size_t from, size_t to) {
  std::vector<Clause> out;
  size_t i = from;
  while (true) {
    if (i + 3 > to) throw Failure{"condition needs NAME OP INTEGER"};
    const std::string& op = w[i + 1];
    if (op != "==" && op != "!=" && op != "<" && op != "<=" && op != ">" && op != ">=") {
      throw Failure{"unknown operator '" + op + "'"};
    }
    out.push_back({w[i], op, Number(w[i + 2])});
    i += 3;
    if (i == to) return out;
    if (w[i] != "and") throw Failure{"expected 'and', found '" + w[i] + "'"};
    ++i;
  }
}

int64_t Value(Game& g, const std::string& name) {
  auto v = ReadVariable(g, name);
  if (!v) throw Failure{"unknown variable '" + name + "'"};
  return *v;
}

bool Holds(Game& g, const std::vector<Clause>& cond) {
  for (const Clause& c : cond) {
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

std::string Describe(Game& g, const std::vector<Clause>& cond) {
  std::string s;
  for (const Clause& c : cond) {
    if (!s.empty()) s += " ";
    s += c.name + "=" + std::to_string(Value(g, c.name)) + " (wanted " + c.op + " " +
         std::to_string(c.value) + ")";
  }
  return s;
}

// Runs one line; returns false when the game has ended and the script must stop.
bool Run(ScriptHost& h, const std::vector<std::string>& w) {
  App& app = h.app;
  Game& g = h.g;
  const std::string& cmd = w[0];
  auto need = [&](size_t n) {
    if (w.size() != n) throw Failure{"'" + cmd + "' takes " + std::to_string(n - 1) + " argument(s)"};
  };
  if (cmd == "wait") {
    need(2);
    const int64_t ms = Number(w[1]);
    for (int64_t i = 0; i < ms; ++i) {
      if (!app.Pass()) return false;
    }
  } else if (cmd == "until") {
    size_t end = w.size();
    int64_t within = 600000;
    if (w.size() >= 3 && w[w.size() - 2] == "within") {
      within = Number(w.back());
      end = w.size() - 2;
    }
    const auto cond = ParseCondition(w, 1, end);
    for (int64_t ran = 0; !Holds(g, cond); ++ran) {
      if (ran >= within) {
        throw Failure{"until: not within " + std::to_string(within) + " ms: " + Describe(g, cond)};
      }
      if (!app.Pass()) return false;
    }
  } else if (cmd == "press" || cmd == "release") {
    need(2);
    app.input().Push({cmd == "press", Key(w[1])});
  } else if (cmd == "tap") {
    need(2);
    const int code = Key(w[1]);
    app.input().Push({true, code});
    if (!app.Pass()) return false;
    app.input().Push({false, code});
  } else if (cmd == "set") {
    need(3);
    if (!WriteVariable(g, w[1], Number(w[2]))) throw Failure{"unknown variable '" + w[1] + "'"};
  } else if (cmd == "print") {
    std::string line = "t=" + std::to_string(g.Now);
    for (size_t i = 1; i < w.size(); ++i) line += " " + w[i] + "=" + std::to_string(Value(g, w[i]));
    std::fprintf(h.out, "%s\n", line.c_str());
  } else if (cmd == "expect") {
    const auto cond = ParseCondition(w, 1, w.size());
    if (!Holds(g, cond)) throw Failure{"expect failed at t=" + std::to_string(g.Now) + ": " + Describe(g, cond)};
  } else if (cmd == "sounds") {
    need(1);
    if (h.sounds) {
      for (const std::string& call : h.sounds->TakeCalls()) std::fprintf(h.out, "%s\n", call.c_str());
    }
  } else if (cmd == "shot") {
    need(2);
    std::string error;
    if (!h.shot || !h.shot(w[1], error)) throw Failure{"shot " + w[1] + ": " + error};
  } else if (cmd == "quit") {
    need(1);
    app.Quit();
    return false;
  } else {
    throw Failure{"unknown command '" + cmd + "'"};
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
    std::fprintf(stderr, "script: cannot open %s\n", path.c_str());
    return 1;
  }
  std::vector<std::pair<int, std::vector<std::string>>> lines;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (const size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    auto words = Words(line);
    if (!words.empty()) lines.emplace_back(number, std::move(words));
  }
  for (const auto& [line, words] : lines) {
    try {
      if (!Run(host, words)) return 0;  // the game ended: the rest is not run
    } catch (const Failure& f) {
      std::fflush(host.out);
      std::fprintf(stderr, "script:%d: %s\n", line, f.message.c_str());
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
