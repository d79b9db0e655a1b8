#include "shell/script_parse.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "shell/script.h"
#include "shell/script_commands.h"
#include "shell/shot_path.h"
#include "shell/variables.h"
#include "stagedata/codes.h"
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

void Need(const ScriptCommand& c, std::string_view name, size_t n) {
  if (c.args.size() != n) {
    throw BadLine{"'" + std::string(name) + "' takes " + std::to_string(n) + " argument(s)"};
  }
}

// COND [within MS]: ten minutes of game time when no bound is given.
void TakeConditionWithin(Game& g, const std::vector<std::string>& w, ScriptCommand& c) {
  size_t end = w.size();
  c.number = 600000;
  if (w.size() >= 3 && w[w.size() - 2] == "within") {
    c.number = Duration(w.back());
    end = w.size() - 2;
  }
  c.cond = Condition(g, w, 1, end);
}

// A chord such as CTRL+S: the keys go down in order and come up the other way round.
void TakeChord(const std::string& word, ScriptCommand& c) {
  std::string rest = word;
  for (size_t plus; !rest.empty(); rest = plus == std::string::npos ? "" : rest.substr(plus + 1)) {
    plus = rest.find('+');
    c.chord.push_back(Key(rest.substr(0, plus)));
    if (plus == rest.size() - 1) throw BadLine{"a chord ends with '+'"};
  }
  c.key = c.chord.back();
}

// Mouse on the 640 x 480 screen: `count` numbers, then the button when it may be given (left
// by default).
void TakePoints(ScriptCommand& c, std::string_view name, size_t count, bool button) {
  if (c.args.size() != count && !(button && c.args.size() == count + 1)) {
    throw BadLine{"'" + std::string(name) + "' takes " + std::to_string(count) + " numbers" +
                  (button ? " and an optional left or right" : "")};
  }
  for (size_t i = 0; i < count; ++i) {
    const int64_t n = Number(c.args[i]);
    const int64_t limit = i % 2 == 0 ? 640 : 480;
    if (n < 0 || n >= limit) throw BadLine{"'" + c.args[i] + "' is off the 640 x 480 screen"};
    c.points.push_back(int(n));
  }
  c.key = kMouseLeft;
  if (c.args.size() == count + 1) {
    if (c.args.back() == "right") c.key = kMouseRight;
    else if (c.args.back() != "left") throw BadLine{"expected left or right, found '" + c.args.back() + "'"};
  }
}

// NAME VALUE, the value within the variable's range: a shared replay must not be able to put
// the game where its rules never go.
void TakeSetting(Game& g, const std::vector<std::string>& w, ScriptCommand& c) {
  KnownVariable(g, w[1]);
  c.number = Number(w[2]);
  const ValueRange range = VariableRange(g, w[1]).value_or(ValueRange{});
  if (c.number < range.lo || c.number > range.hi) {
    throw BadLine{w[1] + " takes " + std::to_string(range.lo) + " to " + std::to_string(range.hi) +
                      ", not " + w[2],
                  2};
  }
}

// Takes one line apart; `w` holds at least the command's name.
ScriptCommand Command(Game& g, const std::vector<std::string>& w) {
  const ScriptCommandKind* kind = FindScriptCommand(w[0]);
  if (!kind) throw BadLine{"unknown command '" + w[0] + "'"};
  ScriptCommand c;
  c.verb = kind->verb;
  c.args.assign(w.begin() + 1, w.end());
  switch (kind->args) {
    case ScriptArgs::kNothing:
      Need(c, kind->name, 0);
      break;
    case ScriptArgs::kDuration:
      Need(c, kind->name, 1);
      c.number = Duration(w[1]);
      break;
    case ScriptArgs::kConditionWithin:
      TakeConditionWithin(g, w, c);
      break;
    case ScriptArgs::kCondition:
      c.cond = Condition(g, w, 1, w.size());
      break;
    case ScriptArgs::kKey:
      Need(c, kind->name, 1);
      c.key = Key(w[1]);
      break;
    case ScriptArgs::kChord:
      Need(c, kind->name, 1);
      TakeChord(w[1], c);
      break;
    case ScriptArgs::kPoint:
      TakePoints(c, kind->name, 2, false);
      break;
    case ScriptArgs::kPointButton:
      TakePoints(c, kind->name, 2, true);
      break;
    case ScriptArgs::kLineButton:
      TakePoints(c, kind->name, 4, true);
      break;
    case ScriptArgs::kSetting:
      Need(c, kind->name, 2);
      TakeSetting(g, w, c);
      break;
    case ScriptArgs::kNames:
      for (const std::string& name : c.args) KnownVariable(g, name);
      break;
    case ScriptArgs::kShotFile:
      Need(c, kind->name, 1);
      if (const std::string problem = ShotPathProblem(w[1]); !problem.empty()) throw BadLine{problem};
      break;
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
