// Slidestone: the entry sequence. Reads the command line, checks what it names, finds the data
// and runs the mode it asks for: a listing, --verify, --image, or the game itself
// (game_session.cpp: the window and the sound, or neither headless; the game or the editor,
// interactively or from a script).
#include <SDL.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <utility>

#include "platform/command_paths.h"
#include "platform/data_folder.h"
#include "platform/game_session.h"
#include "platform/options.h"
#include "platform/solve_main.h"
#include "platform/stage_tools.h"
#include "shell/variables.h"
#include "stagedata/text_file.h"

using namespace slidestone;

namespace {

const char kUsage[] =
    "usage: slidestone [--data DIR] [--stage-dir DIR] [--settings FILE] [--fullscreen] [--scale N]\n"
    "                  [--mute] [--no-splash] [--record FILE] [--script FILE] [--force]\n"
    "                  [--shots-dir DIR] [--headless] [--list-vars] [--help]\n"
    "       slidestone --verify [N] [--slack] [--stage-dir DIR] [--write-full-game FILE]\n"
    "       slidestone --image N FILE.png [--stage-dir DIR] [--force]\n"
    "       slidestone --watch N [--hard] [--stage-dir DIR] [--scale N] [--mute]\n"
    "       slidestone --solve N [--hard] [--stage-dir DIR] [--seconds S] [--out FILE]\n"
    "       slidestone --verify [N] --shortcuts [--stage-dir DIR] [--seconds S] [--out DIR]\n"
    "       slidestone --edit [DIR] [--stage N] [--data DIR] [--scale N] [--script FILE] [--headless]\n"
    "\n"
    "  --data DIR       folder holding stage/, sound/ and pictures/ (default: ../share/slidestone\n"
    "                   from the program when installed, else beside it)\n"
    "  --stage-dir DIR  use this folder instead of stage/\n"
    "  --settings FILE  keep the high score in FILE instead of ~/.config/VbApp/settings.ini\n"
    "  --fullscreen     start full screen (F11 or Alt+Enter toggles)\n"
    "  --scale N        window size: 640x480 times N (default: the largest that fits)\n"
    "  --mute           play no sound\n"
    "  --no-splash      skip the logo splash\n"
    "  --record FILE    write this session's input as a script (a new file)\n"
    "  --force          let --record, a script's shots and --image replace a file\n"
    "  --script FILE    play a script instead of reading the keyboard\n"
    "  --shots-dir DIR  where a script's shot pictures go (default: the current folder)\n"
    "  --headless       no window and no sound device (with --script)\n"
    "  --list-vars      print every variable name scripts can read or set\n"
    "  --verify [N]     replay the stage folder's proofs (of stage N only) and check them\n"
    "  --image N FILE   draw stage N's field at its start to a PNG\n"
    "  --watch N        play stage N's proof in the window, from the curtain to the end\n"
    "                   (Space doubles the speed, Escape ends); --hard: the HARD one\n"
    "  --slack          with --verify: also measure how far each press of a proof can move\n"
    "                   earlier and later before it loses (slow: dozens of replays a press)\n"
    "  --solve N        search for a winning line of stage N (NORMAL, or HARD with --hard)\n"
    "                   within S seconds (default 60), replay it, and write it as a proof\n"
    "                   script (a new file; default solve-NN-normal.script)\n"
    "  --shortcuts      with --verify: ask the solver, S seconds a proof (default 10), for a\n"
    "                   line that beats each proof; a row per finding, its script in DIR\n"
    "                   (default shortcuts/)\n"
    "  --write-full-game FILE  with --verify: stitch the NORMAL proofs into one whole game\n"
    "  --edit [DIR]     the stage editor on stage folder DIR (made when missing); without DIR\n"
    "                   a copy of the game's stages in $XDG_DATA_HOME/slidestone/stages/custom\n"
    "  --stage N        the stage the editor opens at, 1 to 18\n"
    "  --version        print the version\n"
    "\n"
    "controls:\n"
    "  Left, Right      walk (and steer in the air); move a menu cursor\n"
    "  Up               jump; close the tool menu\n"
    "  Down             drop through the floor, or go down a pipe; close the tool menu\n"
    "  Space            open the tool menu on solid ground; use the chosen tool; confirm\n"
    "  Enter            pause and resume (leaving the window pauses too)\n"
    "  Z                give up the try\n"
    "  Escape           quit at once\n"
    "  F11, Alt+Enter   window / full screen\n"
    "  gamepad          D-pad or left stick = arrows, A = Space, B = Z, Start = Enter,\n"
    "                   Back = Escape\n"
    "\n"
    "files:\n"
    "  ~/.config/VbApp/settings.ini  the high score ([score] high) and the volumes\n"
    "                   ([audio] music=0..100, effects=0..100)\n";

// A whole number from 1 to 99 (a stage number), else -1.
int StageNumber(const std::string& text) {
  if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos) {
    return -1;
  }
  return std::atoi(text.c_str());
}

// One line for a mistake on the command line; the full list is a --help away.
[[noreturn]] void Usage(const std::string& problem) {
  std::fprintf(stderr, "slidestone: %s (try --help)\n", EscapeControlBytes(problem).c_str());
  std::exit(2);
}

[[noreturn]] void Help() {
  std::fputs(kUsage, stdout);
  std::exit(0);
}

// The words after an option, read as its row asks for them.
class OptionArgs {
 public:
  OptionArgs(int argc, char** argv) : argc_(argc), argv_(argv) {}

  // The next word, as the option's name; false at the end.
  bool Next() {
    if (++i_ >= argc_) return false;
    name_ = argv_[i_];
    return true;
  }
  const std::string& Name() const { return name_; }
  // The word after the option, which it must have.
  std::string Value() {
    if (i_ + 1 >= argc_) Usage(name_ + " needs a value");
    if (argv_[i_ + 1][0] == '\0') Usage(name_ + " needs a value, not an empty one");
    return argv_[++i_];
  }
  // The word after the option when it is a stage number, else -1 and the word stays.
  int MaybeStageNumber() {
    const int n = i_ + 1 < argc_ ? StageNumber(argv_[i_ + 1]) : -1;
    if (n >= 0) ++i_;
    return n;
  }
  // The word after the option unless it is another option, else "".
  std::string MaybeWord() {
    if (i_ + 1 < argc_ && std::string(argv_[i_ + 1]).rfind("--", 0) != 0) return argv_[++i_];
    return "";
  }

 private:
  int argc_;
  char** argv_;
  int i_ = 0;
  std::string name_;
};

struct OptionRow {
  const char* name;
  void (*read)(Options& o, OptionArgs& args);  // sets what the option says, reading its words
};

// Every option and what it sets. The checks between options follow in ParseOptions.
const OptionRow kOptionRows[] = {
    {"--help", [](Options&, OptionArgs&) { Help(); }},
    {"-h", [](Options&, OptionArgs&) { Help(); }},
    {"--version",
     [](Options&, OptionArgs&) {
       std::printf("slidestone %s\n", SLIDESTONE_VERSION);
       std::exit(0);
     }},
    {"--data", [](Options& o, OptionArgs& args) { o.data = args.Value(); }},
    {"--stage-dir", [](Options& o, OptionArgs& args) { o.stageDir = args.Value(); }},
    {"--settings", [](Options& o, OptionArgs& args) { o.settings = args.Value(); }},
    {"--record", [](Options& o, OptionArgs& args) { o.record = args.Value(); }},
    {"--script", [](Options& o, OptionArgs& args) { o.script = args.Value(); }},
    {"--scale",
     [](Options& o, OptionArgs& args) {
       const std::string v = args.Value();
       o.scale = WholeNumber(v, 1, 16).value_or(0);
       if (o.scale == 0) Usage("--scale needs a whole number from 1 to 16, not '" + EscapeControlBytes(v) + "'");
     }},
    {"--shots-dir", [](Options& o, OptionArgs& args) { o.shotsDir = args.Value(); }},
    {"--force", [](Options& o, OptionArgs&) { o.force = true; }},
    {"--fullscreen", [](Options& o, OptionArgs&) { o.fullscreen = true; }},
    {"--mute", [](Options& o, OptionArgs&) { o.mute = true; }},
    {"--no-splash", [](Options& o, OptionArgs&) { o.splash = false; }},
    {"--headless", [](Options& o, OptionArgs&) { o.headless = true; }},
    {"--list-vars", [](Options& o, OptionArgs&) { o.listVars = true; }},
    {"--verify",
     [](Options& o, OptionArgs& args) {
       o.verify = true;
       if (const int n = args.MaybeStageNumber(); n >= 0) o.verifyStage = n;
     }},
    {"--watch",
     [](Options& o, OptionArgs& args) {
       const std::string v = args.Value();
       o.watchStage = StageNumber(v);
       if (o.watchStage < 1 || o.watchStage > 18) {
         Usage("--watch needs a stage number from 1 to 18, not '" + EscapeControlBytes(v) + "'");
       }
     }},
    {"--hard", [](Options& o, OptionArgs&) { o.watchHard = true; }},
    {"--slack", [](Options& o, OptionArgs&) { o.slack = true; }},
    {"--write-full-game", [](Options& o, OptionArgs& args) { o.fullGame = args.Value(); }},
    {"--image",
     [](Options& o, OptionArgs& args) {
       const std::string n = args.Value();
       o.imageStage = StageNumber(n);
       if (o.imageStage < 0) Usage("--image needs a stage number, not '" + n + "'");
       o.image = args.Value();
     }},
    {"--edit",
     [](Options& o, OptionArgs& args) {
       o.edit = true;
       if (std::string dir = args.MaybeWord(); !dir.empty()) o.editDir = dir;
     }},
    {"--stage",
     [](Options& o, OptionArgs& args) {
       const std::string v = args.Value();
       o.editStage = WholeNumber(v, 1, 18).value_or(0);
       if (o.editStage == 0) Usage("--stage needs a stage number from 1 to 18, not '" + v + "'");
     }},
};

Options ParseOptions(int argc, char** argv) {
  Options o;
  OptionArgs args(argc, argv);
  while (args.Next()) {
    const OptionRow* row = std::find_if(std::begin(kOptionRows), std::end(kOptionRows),
                                        [&](const OptionRow& r) { return args.Name() == r.name; });
    if (row == std::end(kOptionRows)) Usage("unknown option " + args.Name());
    row->read(o, args);
  }
  if (o.headless && o.script.empty() && o.watchStage == 0) Usage("--headless needs --script or --watch");
  if (!o.edit && o.editStage != 1) Usage("--stage goes with --edit");
  if (o.watchHard && o.watchStage == 0) Usage("--hard goes with --watch");
  if (o.watchStage != 0 && (!o.script.empty() || !o.record.empty() || o.edit || o.verify || !o.image.empty())) {
    Usage("--watch plays a proof on its own: not with --script, --record, --edit, --verify or --image");
  }
  if (o.slack && !o.verify) Usage("--slack goes with --verify");
  return o;
}

// Named files and folders are checked before anything starts, so a typo is reported as what it
// is rather than as the first file missing inside it. "" when all is well.
std::string NamedPathProblem(const Options& opt) {
  const std::pair<const char*, const std::string*> folders[] = {
      {"--data", &opt.data}, {"--stage-dir", &opt.stageDir}, {"--shots-dir", &opt.shotsDir}};
  for (const auto& [option, value] : folders) {
    if (value->empty()) continue;
    if (std::string p = PathProblem(option, *value, PathKind::kFolder); !p.empty()) return p;
  }
  if (!opt.script.empty()) {
    if (std::string p = PathProblem("--script", opt.script, PathKind::kFile); !p.empty()) return p;
  }
  if (!opt.settings.empty()) return PathProblem("--settings", opt.settings, PathKind::kFileToBe);
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  // Pictures are large: each gets a mapping of its own, so a freed one (the splash's) goes back to
  // the system at once and a new one starts as untouched zero pages. Left to itself the C library
  // raises this threshold after the first big free and serves later pictures from its heap.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  if (const auto solved = SolveCommandLine(argc, argv)) return *solved;
  const Options opt = ParseOptions(argc, argv);
  if (opt.listVars) {
    for (const std::string& name : ListVariables()) std::printf("%s\n", name.c_str());
    return 0;
  }
  if (const std::string problem = NamedPathProblem(opt); !problem.empty()) return Fail(problem);

  const std::string data = opt.data.empty() ? FindDataFolder(ProgramFolder()) : opt.data;
  const std::string stageDir = opt.stageDir.empty() ? data + "/stage" : opt.stageDir;
  if (opt.verify) return RunVerify(data, stageDir, opt.verifyStage, opt.fullGame, opt.slack);
  if (!opt.image.empty()) return RunStageImage(data, stageDir, opt.imageStage, opt.image, opt.force);
  return RunGame(opt, data, stageDir);
}
