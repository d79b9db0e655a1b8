// The script commands in one table: each command's name, what follows it on the line, whether
// a proof may use it, and how it runs. The parser (script_parse.cpp) reads the names and the
// argument kinds, the runner (script.cpp) the handlers, `--verify` what a proof may use.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace slidestone {

struct ScriptHost;
struct ScriptCommand;

enum class ScriptVerb : uint8_t {
  kWait, kUntil, kPress, kRelease, kTap, kMove, kClick, kDrag, kSet, kPrint, kExpect, kSounds,
  kShot, kQuit,
};

// What follows a command's name on its line.
enum class ScriptArgs : uint8_t {
  kNothing,          // sounds, quit
  kDuration,         // MS
  kConditionWithin,  // COND [within MS]
  kCondition,        // COND
  kKey,              // KEY
  kChord,            // KEY or KEY+KEY...
  kPoint,            // X Y
  kPointButton,      // X Y [left|right]
  kLineButton,       // X1 Y1 X2 Y2 [left|right]
  kSetting,          // NAME VALUE
  kNames,            // NAME...
  kShotFile,         // FILE.png
};

// Runs one checked command; false when the game has ended and the script must stop. A check
// that does not hold throws ScriptFailure.
using ScriptHandler = bool (*)(ScriptHost& host, const ScriptCommand& command);

struct ScriptCommandKind {
  ScriptVerb verb;
  std::string_view name;
  ScriptArgs args;
  bool inProofs;  // what a player could have typed, or a look that changes nothing
  ScriptHandler run;
};

// A check that did not hold while the script ran (a bad line is found before the first pass).
struct ScriptFailure {
  std::string message;
};

// Every command, in the order of ScriptVerb.
std::span<const ScriptCommandKind> ScriptCommandKinds();

// The command of that name, or nullptr.
const ScriptCommandKind* FindScriptCommand(std::string_view name);
const ScriptCommandKind& KindOf(ScriptVerb verb);

}  // namespace slidestone
