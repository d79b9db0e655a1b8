#include "shell/script_parse.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "shell/script.h"
#include "shell/shot_path.h"
#include "shell/variables.h"
#include "stagedata/text_file.h"

namespace slidestone {

namespace {

struct BadLine {
  std::string message;
  int exitCode = 1;
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
  if (text.empty() || *end != '\0' || errno != 0) throw BadLine{"not a number: '" + text + "'"};
  return v;
}

// A span of game time for wait and within.
int64_t Duration(const std::string& text) {
  const int64_t ms = Number(text);
  if (ms < 0 || ms > kMaxWaitMs) {
    throw BadLine{"'" + text + "' ms is out of range: 0 to " + std::to_string(kMaxWaitMs) + " (a day of game time)"};
  }
  return ms;
}

int Key(const std::string& name) {
  const int code = KeyCodeFromName(name);
  if (code < 0) throw BadLine{"unknown key '" + name + "'"};
  return code;
}

void KnownVariable(Game& g, const std::string& name) {
  if (!ReadVariable(g, name)) throw BadLine{"unknown variable '" + name + "'"};
}

// NAME OP INTEGER [and NAME OP INTEGER]... over words [from, to).
std::vector<ScriptClause> Condition(Game& g, const std::vector<std::string>& w, size_t from,
                                    size_t to) {
  std::vector<ScriptClause> out;
  size_t i = from;
  while (true) {
    if (i + 3 > to) throw BadLine{"condition needs NAME OP INTEGER"};
    const std::string& op = w[i + 1];
    if (op != "==" && op != "!=" && op != "<" && op != "<=" && op != ">" && op != ">=") {
      throw BadLine{"unknown operator '" + op + "'"};
    }
    KnownVariable(g, w[i]);
    out.push_back({w[i], op, Number(w[i + 2])});
    i += 3;
    if (i == to) return out;
    if (w[i] != "and") throw BadLine{"expected 'and', found '" + w[i] + "'"};
    ++i;
  }
}

// Takes one line apart; `w` holds at least the verb.
ScriptCommand Command(Game& g, const std::vector<std::string>& w) {
  ScriptCommand c;
  c.verb = w[0];
  c.args.assign(w.begin() + 1, w.end());
  auto need = [&](size_t n) {
    if (c.args.size() != n) {
      throw BadLine{"'" + c.verb + "' takes " + std::to_string(n) + " argument(s)"};
    }
  };
  const std::string& v = c.verb;
  if (v == "wait") {
    need(1);
    c.number = Duration(w[1]);
  } else if (v == "until") {
    size_t end = w.size();
    c.number = 600000;
    if (w.size() >= 3 && w[w.size() - 2] == "within") {
      c.number = Duration(w.back());
      end = w.size() - 2;
    }
    c.cond = Condition(g, w, 1, end);
  } else if (v == "press" || v == "release") {
    need(1);
    c.key = Key(w[1]);
  } else if (v == "tap") {
    need(1);
    // A chord such as CTRL+S: the keys go down in order and come up the other way round.
    std::string rest = w[1];
    for (size_t plus; !rest.empty(); rest = plus == std::string::npos ? "" : rest.substr(plus + 1)) {
      plus = rest.find('+');
      c.chord.push_back(Key(rest.substr(0, plus)));
      if (plus == rest.size() - 1) throw BadLine{"a chord ends with '+'"};
    }
    c.key = c.chord.back();
  } else if (v == "move" || v == "click" || v == "drag") {
    // Mouse on the 640 x 480 screen; click and drag take the button last (left by default).
    const size_t count = v == "drag" ? 4 : 2;
    if (c.args.size() != count && c.args.size() != count + 1) {
      throw BadLine{"'" + v + "' takes " + std::to_string(count) + " numbers" +
                    (v == "move" ? "" : " and an optional left or right")};
    }
    if (v == "move" && c.args.size() != count) throw BadLine{"'move' takes 2 numbers"};
    for (size_t i = 0; i < count; ++i) {
      const int64_t n = Number(c.args[i]);
      const int64_t limit = i % 2 == 0 ? 640 : 480;
      if (n < 0 || n >= limit) throw BadLine{"'" + c.args[i] + "' is off the 640 x 480 screen"};
      c.points.push_back(int(n));
    }
    c.key = 1;
    if (c.args.size() == count + 1) {
      if (c.args.back() == "right") c.key = 2;
      else if (c.args.back() != "left") throw BadLine{"expected left or right, found '" + c.args.back() + "'"};
    }
  } else if (v == "set") {
    need(2);
    KnownVariable(g, w[1]);
    c.number = Number(w[2]);
    // A shared replay must not be able to put the game where its rules never go.
    const ValueRange range = VariableRange(g, w[1]).value_or(ValueRange{});
    if (c.number < range.lo || c.number > range.hi) {
      throw BadLine{w[1] + " takes " + std::to_string(range.lo) + " to " + std::to_string(range.hi) +
                        ", not " + w[2],
                    2};
    }
  } else if (v == "print") {
    for (const std::string& name : c.args) KnownVariable(g, name);
  } else if (v == "expect") {
    c.cond = Condition(g, w, 1, w.size());
  } else if (v == "sounds" || v == "quit") {
    need(0);
  } else if (v == "shot") {
    need(1);
    if (const std::string problem = ShotPathProblem(w[1]); !problem.empty()) throw BadLine{problem};
  } else {
    throw BadLine{"unknown command '" + v + "'"};
  }
  return c;
}

}  // namespace

bool ParseScript(std::istream& in, Game& g, std::vector<ScriptCommand>& out, ScriptError& error) {
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (number == 1) DropByteOrderMark(line);
    if (const size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    const auto words = Words(line);
    if (words.empty()) continue;
    try {
      out.push_back(Command(g, words));
      out.back().line = number;
    } catch (const BadLine& bad) {
      error = {number, bad.message, bad.exitCode};
      return false;
    }
  }
  return true;
}

}  // namespace slidestone
