// libFuzzer target: the script parser, which checks every line of a replay before the first
// pass. Any input must either parse or give a bad line with its number; nothing else.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "shell/script_parse.h"
#include "shell/shot_path.h"
#include "presentation/game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace slidestone;
  static const std::unique_ptr<Game> game = std::make_unique<Game>();
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::vector<ScriptCommand> commands;
  ScriptError error;
  if (!ParseScript(in, *game, commands, error)) {
    if (error.line < 1 || error.message.empty()) std::abort();
    return 0;
  }
  for (const ScriptCommand& c : commands) {
    // A shot that passed the check never leaves the shots folder.
    if (c.verb == ScriptVerb::kShot && (c.args.size() != 1 || !ShotPathProblem(c.args[0]).empty())) std::abort();
  }
  return 0;
}
