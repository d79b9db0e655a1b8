// The first step of a script: every line read, checked and taken apart before the first pass,
// so a typo on line 200 stops the script at once with its line number instead of after minutes
// of play. The run step (script.cpp) then only plays the commands.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "shell/script_commands.h"

namespace slidestone {

struct Game;

// The longest `wait` or `until ... within`: a day of game time. Longer would only keep a run
// busy for ever, and replays are shared.
constexpr int64_t kMaxWaitMs = 86400000;

// NAME OP INTEGER; a condition is one or more of these joined by `and`.
struct ScriptClause {
  std::string name, op;
  int64_t value = 0;
};

struct ScriptCommand {
  int line = 0;                    // in the file, for messages
  ScriptVerb verb = ScriptVerb::kWait;
  std::vector<std::string> args;   // the words after the verb, as written
  int64_t number = 0;              // wait MS, until ... within MS, set NAME VALUE
  int key = -1;                    // press, release, tap; the button of click and drag
  std::vector<int> chord;          // tap A+B: every key, pressed in order, let go in reverse
  std::vector<int> points;         // move X Y, click X Y, drag X1 Y1 X2 Y2: screen pixels
  std::vector<ScriptClause> cond;  // until, expect
};

struct ScriptError {
  int line = 0;
  std::string message;
  int exitCode = 1;  // 2 for a value `set` may not write
};

// Reads the whole script and checks every line: the command, its arguments, key names, variable
// names (against `g`, which is only read) and condition syntax. False with the first bad line.
bool ParseScript(std::istream& in, Game& g, std::vector<ScriptCommand>& out, ScriptError& error);

}  // namespace slidestone
