#include "platform/solve_main.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "platform/command_paths.h"
#include "platform/data_folder.h"
#include "platform/sdl_image_io.h"
#include "platform/settings_file.h"
#include "shell/shortcuts.h"
#include "shell/solve_command.h"
#include "stagedata/text_file.h"

namespace slidestone {

namespace {

constexpr double kMaxSeconds = 86400;  // a day

int Bad(const std::string& problem) {
  std::fprintf(stderr, "slidestone: %s (try --help)\n", EscapeControlBytes(problem).c_str());
  return 2;
}

// A positive number of seconds, at most a day; nothing when the text is not one.
std::optional<double> Seconds(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !(v > 0) || v > kMaxSeconds) return std::nullopt;
  return v;
}

// The kit of the proof runs, the clock of the budgets, and the data folder found.
struct Platform {
  SdlImageIO images;
  RunKit kit;
  std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
  explicit Platform(const std::string& data) {
    kit.images = &images;
    kit.picturesDir = data + "/pictures";
    kit.settingsAt = [](const std::string& path) -> std::unique_ptr<SettingsStore> {
      return std::make_unique<IniSettings>(path);
    };
  }
  std::function<double()> Clock() const {
    return [start = start] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
  }
};

// The folders named, checked; the data folder found when none is named. False after saying why.
bool Folders(std::string& data, std::string& stageDir) {
  for (const auto& [option, value] : {std::pair{"--data", &data}, std::pair{"--stage-dir", &stageDir}}) {
    if (value->empty()) continue;
    if (const std::string p = PathProblem(option, *value, PathKind::kFolder); !p.empty()) {
      std::fprintf(stderr, "slidestone: %s\n", EscapeControlBytes(p).c_str());
      return false;
    }
  }
  if (data.empty()) data = FindDataFolder(ProgramFolder());
  if (stageDir.empty()) stageDir = data + "/stage";
  return true;
}

int Shortcuts(int argc, char** argv) {
  ShortcutsCommand c;
  std::string data;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--shortcuts") continue;
    if (a == "--verify") {
      if (i + 1 < argc && argv[i + 1][0] != '-') {
        const auto n = WholeNumber(argv[i + 1], 1, 18);
        if (!n) return Bad(std::string("--verify needs a stage number from 1 to 18, not '") + argv[i + 1] + "'");
        c.only = *n;
        ++i;
      }
      continue;
    }
    if (a != "--stage-dir" && a != "--data" && a != "--seconds" && a != "--out") {
      return Bad("--verify --shortcuts takes a stage number, --stage-dir, --data, --seconds and --out, not " + a);
    }
    if (i + 1 >= argc || argv[i + 1][0] == '\0') return Bad(a + " needs a value");
    const std::string v = argv[++i];
    if (a == "--stage-dir") {
      c.stageDir = v;
    } else if (a == "--data") {
      data = v;
    } else if (a == "--seconds") {
      const auto s = Seconds(v);
      if (!s) return Bad("--seconds needs a positive number of seconds (at most 86400), not '" + v + "'");
      c.seconds = *s;
    } else {
      c.outDir = v;
    }
  }
  bool verify = false;
  for (int i = 1; i < argc; ++i) verify = verify || std::string(argv[i]) == "--verify";
  if (!verify) return Bad("--shortcuts goes with --verify");
  if (!Folders(data, c.stageDir)) return 2;
  Platform p(data);
  return RunShortcuts(c, p.kit, p.Clock(), stdout, stderr);
}

}  // namespace

std::optional<int> SolveCommandLine(int argc, char** argv) {
  bool solve = false, shortcuts = false;
  for (int i = 1; i < argc; ++i) {
    solve = solve || std::string(argv[i]) == "--solve";
    shortcuts = shortcuts || std::string(argv[i]) == "--shortcuts";
  }
  if (shortcuts && !solve) return Shortcuts(argc, argv);
  if (!solve) return std::nullopt;

  SolveCommand c;
  std::string data;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc && argv[i + 1][0] != '\0';
    if (a == "--hard") {
      c.hard = true;
      continue;
    }
    if (a != "--solve" && a != "--stage-dir" && a != "--data" && a != "--seconds" && a != "--out") {
      return Bad("--solve takes --hard, --stage-dir, --data, --seconds and --out, not " + a);
    }
    if (!hasValue) return Bad(a + " needs a value");
    const std::string v = argv[++i];
    if (a == "--solve") {
      const auto n = WholeNumber(v, 1, 18);
      if (!n) return Bad("--solve needs a stage number from 1 to 18, not '" + v + "'");
      c.stage = *n;
    } else if (a == "--stage-dir") {
      c.stageDir = v;
    } else if (a == "--data") {
      data = v;
    } else if (a == "--seconds") {
      const auto s = Seconds(v);
      if (!s) return Bad("--seconds needs a positive number of seconds (at most 86400), not '" + v + "'");
      c.seconds = *s;
    } else {
      c.outPath = v;
    }
  }
  if (!Folders(data, c.stageDir)) return 2;
  c.terminal = isatty(fileno(stderr)) != 0;
  Platform p(data);
  return RunSolveCommand(c, p.kit, p.Clock(), stdout, stderr);
}

}  // namespace slidestone
