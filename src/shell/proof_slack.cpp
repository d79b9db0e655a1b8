#include "shell/proof_slack.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>

#include "shell/proof_run.h"
#include "shell/script.h"
#include "shell/script_commands.h"
#include "stagedata/codes.h"

namespace slidestone {

namespace {

// What a proof line does, as far as the measure cares.
// A press that follows the key line before it by a fixed wait this short, with no `until`
// between, is part of the same gesture (a jump steered at once): its moment is the gesture's.
constexpr int64_t kGestureMs = 100;

enum class LineKind { kOther, kKey, kPress, kReady, kWait };

// The command a line starts with (none for a blank line, a comment or an unknown word), and the
// rest of the line.
std::optional<ScriptVerb> VerbOf(const std::string& line, std::string* rest = nullptr) {
  std::istringstream words(line.substr(0, line.find('#')));
  std::string command;
  words >> command;
  if (rest) std::getline(words, *rest);
  const ScriptCommandKind* kind = FindScriptCommand(command);
  return kind ? std::optional(kind->verb) : std::nullopt;
}

// An `until` on the player's own state (where they stand, a jump, a pipe, the tool menu, a cell
// their tool is changing) waits until the player is ready; one on the stone, an enemy or its ball
// waits for the right moment.
bool WaitsForPlayer(const std::string& condition) {
  static const char* const kOwn[] = {"Jumping", "InPipe", "MenuOpen", "PlacingSpring", "ToolPoints",
                                     "StagePhaseFlag", "GameState"};
  std::istringstream words(condition.substr(0, condition.find(" within ")));
  for (std::string w; words >> w;) {
    if (!std::isalpha(static_cast<unsigned char>(w[0])) || w == "and") continue;
    bool own = w.rfind("Player", 0) == 0 || w.rfind("Map[", 0) == 0;
    for (const char* name : kOwn) own = own || w == name;
    if (!own) return false;
  }
  return true;
}

std::vector<LineKind> Kinds(const std::vector<std::string>& lines) {
  std::vector<LineKind> kinds(lines.size(), LineKind::kOther);
  bool play = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string rest;
    const std::optional<ScriptVerb> verb = VerbOf(lines[i], &rest);
    if (!play) {
      const size_t a = lines[i].find_first_not_of(" \t\r");
      play = a != std::string::npos && lines[i].compare(a, sizeof kPlayMark - 1, kPlayMark) == 0;
    } else if (verb == ScriptVerb::kPress || verb == ScriptVerb::kTap) {
      kinds[i] = LineKind::kPress;
    } else if (verb == ScriptVerb::kRelease) {
      kinds[i] = LineKind::kKey;
    } else if (verb == ScriptVerb::kUntil) {
      kinds[i] = WaitsForPlayer(rest) ? LineKind::kReady : LineKind::kWait;
    } else if (verb == ScriptVerb::kWait && std::atoll(rest.c_str()) >= kGestureMs) {
      kinds[i] = LineKind::kWait;
    }
  }
  return kinds;
}

constexpr char kMark[] = "print Stage";

// The moment each line that matters was reached, from one run of the proof with a `print` after
// every key and `until` line of its play and before every press: a press line's entry is when it
// was reached, any other's when it was done. -1 for a line the run never reached.
std::vector<int64_t> LineTimes(const RunKit& kit, const std::string& stageDir,
                               const std::vector<std::string>& lines,
                               const std::vector<LineKind>& kinds, const std::string& workDir) {
  std::vector<std::string> marked;
  std::vector<size_t> order;  // the line each print stands for
  for (size_t i = 0; i < lines.size(); ++i) {
    if (kinds[i] == LineKind::kPress) {
      marked.push_back(kMark);
      order.push_back(i);
    }
    marked.push_back(lines[i]);
    if (kinds[i] == LineKind::kKey || kinds[i] == LineKind::kReady) {
      marked.push_back(kMark);
      order.push_back(i);
    }
  }
  const Outcome o = PlayProof(kit, stageDir, marked, workDir);
  std::vector<int64_t> times(lines.size(), -1);
  std::istringstream printed(o.printed);
  size_t k = 0;
  for (std::string row; std::getline(printed, row) && k < order.size();) {
    if (row.rfind("t=", 0) == 0) times[order[k++]] = std::stoll(row.substr(2));
  }
  return times;
}

}  // namespace

Slack MeasureSlack(const RunKit& kit, const std::string& stageDir, int stage, int32_t level,
                   const std::vector<std::string>& lines, const std::vector<TimedKey>& keys,
                   const std::string& workDir) {
  auto wins = [&](const std::vector<std::string>& moved) {
    const Outcome o = PlayProof(kit, stageDir, moved, workDir);
    return o.problem.empty() && o.ended && o.reason == kEndGoal && o.stage == stage - 1 &&
           o.difficulty == level;
  };
  const std::vector<LineKind> kinds = Kinds(lines);
  const std::vector<int64_t> times = LineTimes(kit, stageDir, lines, kinds, workDir);
  Slack s;
  s.measured = true;
  size_t event = 0;  // the first key event of each press line among those delivered in play
  ptrdiff_t anchor = -1;  // the last key line, or ready `until` after it, before this line
  bool waited = true;  // an `until` or a long wait since the last key line
  for (size_t i = 0; i < lines.size() && event < keys.size(); ++i) {
    if (kinds[i] == LineKind::kOther) continue;
    if (kinds[i] == LineKind::kWait || kinds[i] == LineKind::kReady) waited = true;
    if (kinds[i] == LineKind::kWait) continue;
    if (kinds[i] != LineKind::kPress || times[i] < 0 || !waited) {
      if (kinds[i] == LineKind::kKey || kinds[i] == LineKind::kPress) {
        event += VerbOf(lines[i]) == ScriptVerb::kTap ? 2 : 1;
        waited = false;
      }
      if (times[i] >= 0) anchor = static_cast<ptrdiff_t>(i);
      continue;
    }
    waited = false;
    const size_t press = event;
    event += VerbOf(lines[i]) == ScriptVerb::kTap ? 2 : 1;
    const int64_t at = times[i];
    // Later: the player waits a while longer, then does the rest as the proof does.
    auto later = [&](int64_t ms) {
      std::vector<std::string> moved(lines.begin(), lines.begin() + static_cast<ptrdiff_t>(i));
      moved.push_back("wait " + std::to_string(ms));
      moved.insert(moved.end(), lines.begin() + static_cast<ptrdiff_t>(i), lines.end());
      return moved;
    };
    // Earlier: once the player was ready, they wait that much less for the moment they chose.
    const ptrdiff_t from = anchor;
    anchor = static_cast<ptrdiff_t>(i);
    int64_t ready = at;
    if (from >= 0) ready = times[from] + (kinds[from] == LineKind::kReady ? 0 : kSlackMinGapMs);
    auto earlier = [&](int64_t ms) {
      std::vector<std::string> moved(lines.begin(), lines.begin() + from + 1);
      moved.push_back("wait " + std::to_string(at - times[from] - ms));
      moved.insert(moved.end(), lines.begin() + static_cast<ptrdiff_t>(i), lines.end());
      return moved;
    };
    for (const bool isLater : {false, true}) {
      const int64_t cap = isLater ? kSlackCapMs : std::min(kSlackCapMs, at - ready);
      if (cap <= 0) continue;
      auto movedBy = [&](int64_t ms) { return isLater ? later(ms) : earlier(ms); };
      if (wins(movedBy(cap))) continue;
      int64_t won = 0, lost = cap;
      while (lost - won > kSlackStepMs) {
        const int64_t mid = (won + lost) / 2;
        (wins(movedBy(mid)) ? won : lost) = mid;
      }
      if (!s.limited || won < s.ms) {
        s.limited = true;
        s.ms = won;
        s.later = isLater;
        s.at = keys[press].at;
        s.key = keys[press].event.code;
      }
    }
  }
  return s;
}

std::string DescribeSlack(const Slack& s) {
  if (!s.measured) return "not measured";
  if (!s.limited) return "no move within " + std::to_string(kSlackCapMs) + " ms loses";
  char text[96];
  std::snprintf(text, sizeof text, "%s at %lld.%lld s, %lld ms %s", KeyNameFromCode(s.key).c_str(),
                static_cast<long long>(s.at / 1000), static_cast<long long>(s.at % 1000 / 100),
                static_cast<long long>(s.ms), s.later ? "later" : "earlier");
  return text;
}

}  // namespace slidestone
