#include "platform/solve_main.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/command_paths.h"
#include "platform/data_folder.h"
#include "platform/sdl_image_io.h"
#include "platform/settings_file.h"
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

}  // namespace

std::optional<int> SolveCommandLine(int argc, char** argv) {
  bool solve = false;
  for (int i = 1; i < argc; ++i) solve = solve || std::string(argv[i]) == "--solve";
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
  for (const auto& [option, value] : {std::pair{"--data", &data}, std::pair{"--stage-dir", &c.stageDir}}) {
    if (value->empty()) continue;
    if (const std::string p = PathProblem(option, *value, PathKind::kFolder); !p.empty()) {
      std::fprintf(stderr, "slidestone: %s\n", EscapeControlBytes(p).c_str());
      return 2;
    }
  }
  if (data.empty()) data = FindDataFolder(ProgramFolder());
  if (c.stageDir.empty()) c.stageDir = data + "/stage";
  c.terminal = isatty(fileno(stderr)) != 0;

  SdlImageIO images;
  RunKit kit;
  kit.images = &images;
  kit.picturesDir = data + "/pictures";
  kit.settingsAt = [](const std::string& path) -> std::unique_ptr<SettingsStore> {
    return std::make_unique<IniSettings>(path);
  };
  const auto start = std::chrono::steady_clock::now();
  const auto elapsed = [start] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  return RunSolveCommand(c, kit, elapsed, stdout, stderr);
}

}  // namespace slidestone
