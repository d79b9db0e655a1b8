// Slidestone: the entry sequence. Reads the command line, finds the data, opens the window and
// the sound (or neither, headless), and runs the game: splash, start-up, the game-state loop and
// shut-down, interactively or from a script.
#include <SDL.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "editor/editor.h"
#include "graphics/sheets.h"
#include "platform/command_paths.h"
#include "platform/data_folder.h"
#include "platform/sdl_image_io.h"
#include "platform/sdl_text.h"
#include "platform/sdl_window.h"
#include "platform/settings_file.h"
#include "platform/shot_file.h"
#include "platform/solve_main.h"
#include "platform/stage_tools.h"
#include "shell/app.h"
#include "shell/script.h"
#include "shell/variables.h"
#include "shell/watch.h"
#include "stagedata/data_reader.h"
#include "presentation/game.h"
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

struct Options {
  std::string data, stageDir, settings, record, script, image, fullGame, shotsDir;
  bool force = false;
  bool fullscreen = false, mute = false, splash = true, headless = false, listVars = false;
  int scale = 0;
  bool verify = false, slack = false;
  int verifyStage = 0, imageStage = 0, watchStage = 0;
  bool watchHard = false;
  bool edit = false;
  std::string editDir;
  int editStage = 1;
};

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

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) Usage(a + " needs a value");
      if (argv[i + 1][0] == '\0') Usage(a + " needs a value, not an empty one");
      return argv[++i];
    };
    if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      std::exit(0);
    } else if (a == "--version") {
      std::printf("slidestone %s\n", SLIDESTONE_VERSION);
      std::exit(0);
    } else if (a == "--data") {
      o.data = value();
    } else if (a == "--stage-dir") {
      o.stageDir = value();
    } else if (a == "--settings") {
      o.settings = value();
    } else if (a == "--record") {
      o.record = value();
    } else if (a == "--script") {
      o.script = value();
    } else if (a == "--scale") {
      const std::string v = value();
      o.scale = WholeNumber(v, 1, 16).value_or(0);
      if (o.scale == 0) Usage("--scale needs a whole number from 1 to 16, not '" + EscapeControlBytes(v) + "'");
    } else if (a == "--shots-dir") {
      o.shotsDir = value();
    } else if (a == "--force") {
      o.force = true;
    } else if (a == "--fullscreen") {
      o.fullscreen = true;
    } else if (a == "--mute") {
      o.mute = true;
    } else if (a == "--no-splash") {
      o.splash = false;
    } else if (a == "--headless") {
      o.headless = true;
    } else if (a == "--list-vars") {
      o.listVars = true;
    } else if (a == "--verify") {
      o.verify = true;
      if (i + 1 < argc && StageNumber(argv[i + 1]) >= 0) o.verifyStage = StageNumber(argv[++i]);
    } else if (a == "--watch") {
      const std::string v = value();
      o.watchStage = StageNumber(v);
      if (o.watchStage < 1 || o.watchStage > 18) Usage("--watch needs a stage number from 1 to 18, not '" + EscapeControlBytes(v) + "'");
    } else if (a == "--hard") {
      o.watchHard = true;
    } else if (a == "--slack") {
      o.slack = true;
    } else if (a == "--write-full-game") {
      o.fullGame = value();
    } else if (a == "--image") {
      const std::string n = value();
      o.imageStage = StageNumber(n);
      if (o.imageStage < 0) Usage("--image needs a stage number, not '" + n + "'");
      o.image = value();
    } else if (a == "--edit") {
      o.edit = true;
      if (i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) != 0) o.editDir = argv[++i];
    } else if (a == "--stage") {
      const std::string v = value();
      o.editStage = WholeNumber(v, 1, 18).value_or(0);
      if (o.editStage == 0) Usage("--stage needs a stage number from 1 to 18, not '" + v + "'");
    } else {
      Usage("unknown option " + a);
    }
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

int Fail(const std::string& message) {
  std::fprintf(stderr, "slidestone: %s\n", EscapeControlBytes(message).c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Pictures are large: each gets a mapping of its own, so a freed one (the splash's) goes back to
  // the system at once and a new one starts as untouched zero pages. Left to itself the C library
  // raises this threshold after the first big free and serves later pictures from its heap.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  if (const auto solved = SolveCommandLine(argc, argv)) return *solved;
  Options opt = ParseOptions(argc, argv);
  if (opt.listVars) {
    for (const std::string& name : ListVariables()) std::printf("%s\n", name.c_str());
    return 0;
  }

  // Named files and folders are checked before anything starts, so a typo is reported as what
  // it is rather than as the first file missing inside it.
  const std::pair<const char*, const std::string*> folders[] = {
      {"--data", &opt.data}, {"--stage-dir", &opt.stageDir}, {"--shots-dir", &opt.shotsDir}};
  for (const auto& [option, value] : folders) {
    if (value->empty()) continue;
    if (const std::string p = PathProblem(option, *value, PathKind::kFolder); !p.empty()) return Fail(p);
  }
  if (!opt.script.empty()) {
    if (const std::string p = PathProblem("--script", opt.script, PathKind::kFile); !p.empty()) return Fail(p);
  }
  if (!opt.settings.empty()) {
    if (const std::string p = PathProblem("--settings", opt.settings, PathKind::kFileToBe); !p.empty()) {
      return Fail(p);
    }
  }

  const std::string data = opt.data.empty() ? FindDataFolder(ProgramFolder()) : opt.data;
  const std::string stageDir = opt.stageDir.empty() ? data + "/stage" : opt.stageDir;
  if (opt.verify) return RunVerify(data, stageDir, opt.verifyStage, opt.fullGame, opt.slack);
  if (!opt.image.empty()) return RunStageImage(data, stageDir, opt.imageStage, opt.image, opt.force);
  std::unique_ptr<ProofWatch> watch;
  if (opt.watchStage != 0) {
    watch = std::make_unique<ProofWatch>(opt.watchStage, opt.watchHard);
    std::string why;
    if (!watch->Prepare(stageDir, why)) return Fail(why);
    opt.script = watch->ScriptPath();
    opt.settings = watch->SettingsPath();
    opt.splash = false;
  }
  for (const std::string& file : AllSoundFiles()) {
    if (IsMusicPiece(file)) continue;  // a missing piece is left out by the sound layer, said once
    if (!std::filesystem::exists(data + "/" + file)) return Fail(data + "/" + file + ": sound file missing");
  }

  auto game = std::make_unique<Game>();
  Game& g = *game;
  g.stageDir = stageDir;

  CreateForms(g.forms);
  SdlImageIO images;
  std::string error;
  // The sheets are decoded while the window opens, after the files have been checked.
  const std::string pictures = data + "/pictures";
  if (!CheckSheets(pictures, images, error)) return Fail(error);
  if (!opt.headless) {
    std::vector<std::string> paths;
    for (const std::string& file : SheetFiles()) paths.push_back(pictures + "/" + file);
    images.DecodeAhead(paths);
  }

  IniSettings settings(opt.settings);
  g.settings = &settings;

  std::unique_ptr<Audio> device;
  if (!opt.headless && !opt.mute) device = MakeSdlAudio(data, ReadVolumes(&settings));
  // Every call is kept for a script's `sounds`, and played on the way when there is a device;
  // outside scripts nobody reads the calls, so the device gets them directly.
  RecordingAudio recording(device.get());
  g.audio = device && opt.script.empty() ? device.get() : &recording;

  SdlTextPainter text(TextFontFile(data, SystemTextFont()));

  std::unique_ptr<SdlWindow> window;
  if (!opt.headless) {
    window = std::make_unique<SdlWindow>();
    if (!window->Open(opt.scale, opt.fullscreen)) return 1;
    window->SetIcon(data + "/pictures/icon.png");
  }
  if (!LoadSheets(g.forms, pictures, images, error)) return Fail(error);

  App app(g, opt.splash && !opt.edit);
  std::unique_ptr<editor::Editor> stageEditor;
  if (opt.edit) {
    // The stage editor runs in place of the game's loop, in the same window and scripts.
    stageEditor = std::make_unique<editor::Editor>(g, &text);
    std::string dir = opt.editDir, why;
    if (dir.empty()) {
      bool copied = false;
      if (!editor::DefaultCustomFolder(data + "/stage", dir, why, &copied)) return Fail(why);
      std::printf("slidestone: %s %s (play it with --stage-dir %s)\n",
                  copied ? "copied the game's stages to edit them to" : "editing the copy of the game's stages in",
                  EscapeControlBytes(dir).c_str(), EscapeControlBytes(dir).c_str());
      std::fflush(stdout);
    }
    if (!opt.script.empty()) {
      stageEditor->log = [](const std::string& m) { std::printf("editor: %s\n", m.c_str()); };
    }
    if (!stageEditor->Open(dir, data + "/stage", opt.editStage - 1, why)) return Fail(why);
    if (window) window->title = [&] { return stageEditor->Title(); };
    app.loop = [&] { return stageEditor->Pass(app.input()); };
  }
  std::FILE* recordFile = nullptr;
  std::unique_ptr<ScriptRecorder> recorder;
  if (!opt.record.empty()) {
    recordFile = OpenRecordFile(opt.record, opt.script, opt.force, error);
    if (!recordFile) return Fail(error);
    // A header line of its own, as the test registration reads it: moved into tests/scripts,
    // the recording replays with the splash it was made with.
    std::fprintf(recordFile, "# recorded by slidestone\n%s", opt.splash ? "# with-splash\n" : "");
    recorder = std::make_unique<ScriptRecorder>(recordFile);
    app.input().recorder = recorder.get();
  }

  int code = 0;
  try {
    if (!opt.script.empty()) {
      if (window) app.afterPass = [&] { window->AfterReplayPass(app, g, &text); };
      if (watch) {
        // The menus the proof walks pass unseen; the stage is shown at play speed.
        if (window) window->WatchReplay();
        app.afterPass = [&] {
          watch->AfterPass(g);
          if (watch->Over()) app.Quit();
          else if (window && watch->Shown()) window->AfterReplayPass(app, g, &text);
        };
      }
      ScriptHost host{app, g, &recording, nullptr, stdout};
      host.headless = !window;
      host.shot = [&, shots = PictureWriter(images, opt.force)](const std::string& path, std::string& why) mutable {
        Surface frame(kScreenW, kScreenH);
        ComposeScreen(g.forms, frame, &text);
        return shots.WriteShot(frame, opt.shotsDir, path, why);
      };
      code = RunScript(opt.script, host);
      if (watch) std::printf("watch: %s\n", watch->Result().empty() ? "ended before the stage did" : watch->Result().c_str());
    } else {
      window->Run(app, g, &text);
    }
  } catch (const DataError& e) {
    if (recordFile) std::fclose(recordFile);
    return Fail(e.what());
  }
  if (recorder) {
    recorder->Finish(g.Now);
    std::fclose(recordFile);
  }
  window.reset();
  device.reset();
  return code;
}
