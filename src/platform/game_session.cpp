#include "platform/game_session.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
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
#include "presentation/game.h"
#include "shell/app.h"
#include "shell/script.h"
#include "shell/watch.h"
#include "stagedata/data_reader.h"
#include "stagedata/text_file.h"

namespace slidestone {

namespace {

// Everything a run holds, in the order it is made; it is taken down the other way round.
struct Session {
  std::unique_ptr<ProofWatch> watch;
  std::unique_ptr<Game> game;
  SdlImageIO images;
  std::unique_ptr<IniSettings> settings;
  std::unique_ptr<Audio> device;
  std::unique_ptr<RecordingAudio> recording;
  std::unique_ptr<SdlTextPainter> text;
  std::unique_ptr<SdlWindow> window;
  std::unique_ptr<App> app;
  std::unique_ptr<editor::Editor> stageEditor;
  std::FILE* recordFile = nullptr;
  std::unique_ptr<ScriptRecorder> recorder;
};

// The exit code when the run cannot go on, else nothing.
using Stop = std::optional<int>;

// --watch: the stage's proof becomes the script, played with settings of its own and no splash.
Stop PrepareWatch(Options& opt, const std::string& stageDir, Session& s) {
  if (opt.watchStage == 0) return std::nullopt;
  s.watch = std::make_unique<ProofWatch>(opt.watchStage, opt.watchHard);
  std::string why;
  if (!s.watch->Prepare(stageDir, why)) return Fail(why);
  opt.script = s.watch->ScriptPath();
  opt.settings = s.watch->SettingsPath();
  opt.splash = false;
  return std::nullopt;
}

Stop CheckSoundFiles(const std::string& data) {
  for (const std::string& file : AllSoundFiles()) {
    if (IsMusicPiece(file)) continue;  // a missing piece is left out by the sound layer, said once
    if (!std::filesystem::exists(data + "/" + file)) return Fail(data + "/" + file + ": sound file missing");
  }
  return std::nullopt;
}

// The game with its windows and pictures, the settings, the sound, the text painter and the
// window (none headless).
Stop MakeDevices(const Options& opt, const std::string& data, const std::string& stageDir, Session& s) {
  s.game = std::make_unique<Game>();
  Game& g = *s.game;
  g.stageDir = stageDir;

  CreateForms(g.forms);
  std::string error;
  // The sheets are decoded while the window opens, after the files have been checked.
  const std::string pictures = data + "/pictures";
  if (!CheckSheets(pictures, s.images, error)) return Fail(error);
  if (!opt.headless) {
    std::vector<std::string> paths;
    for (const std::string& file : SheetFiles()) paths.push_back(pictures + "/" + file);
    s.images.DecodeAhead(paths);
  }

  s.settings = std::make_unique<IniSettings>(opt.settings);
  g.settings = s.settings.get();

  if (!opt.headless && !opt.mute) s.device = MakeSdlAudio(data, ReadVolumes(s.settings.get()));
  // Every call is kept for a script's `sounds`, and played on the way when there is a device;
  // outside scripts nobody reads the calls, so the device gets them directly.
  s.recording = std::make_unique<RecordingAudio>(s.device.get());
  g.audio = s.device && opt.script.empty() ? s.device.get() : s.recording.get();

  s.text = std::make_unique<SdlTextPainter>(TextFontFile(data, SystemTextFont()));

  if (!opt.headless) {
    s.window = std::make_unique<SdlWindow>();
    if (!s.window->Open(opt.scale, opt.fullscreen)) return 1;
    s.window->SetIcon(data + "/pictures/icon.png");
  }
  if (!LoadSheets(g.forms, pictures, s.images, error)) return Fail(error);
  return std::nullopt;
}

// --edit: the stage editor runs in place of the game's loop, in the same window and scripts.
Stop OpenEditor(const Options& opt, const std::string& data, Session& s) {
  if (!opt.edit) return std::nullopt;
  s.stageEditor = std::make_unique<editor::Editor>(*s.game, s.text.get());
  editor::Editor& stageEditor = *s.stageEditor;
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
    stageEditor.log = [](const std::string& m) { std::printf("editor: %s\n", m.c_str()); };
  }
  if (!stageEditor.Open(dir, data + "/stage", opt.editStage - 1, why)) return Fail(why);
  if (s.window) s.window->title = [&stageEditor] { return stageEditor.Title(); };
  App& app = *s.app;
  app.loop = [&stageEditor, &app] { return stageEditor.Pass(app.input()); };
  return std::nullopt;
}

// --record: the session's input written as a script, event by event as it is delivered.
Stop StartRecording(const Options& opt, Session& s) {
  if (opt.record.empty()) return std::nullopt;
  std::string error;
  s.recordFile = OpenRecordFile(opt.record, opt.script, opt.force, error);
  if (!s.recordFile) return Fail(error);
  // A header line of its own, as the test registration reads it: moved into tests/scripts,
  // the recording replays with the splash it was made with.
  std::fprintf(s.recordFile, "# recorded by slidestone\n%s", opt.splash ? "# with-splash\n" : "");
  s.recorder = std::make_unique<ScriptRecorder>(s.recordFile);
  s.app->input().recorder = s.recorder.get();
  return std::nullopt;
}

// Plays the script (a watched proof is one), else the window's own loop; returns the exit code.
int Play(const Options& opt, Session& s) {
  App& app = *s.app;
  Game& g = *s.game;
  SdlWindow* const window = s.window.get();
  SdlTextPainter* const text = s.text.get();
  if (opt.script.empty()) {
    window->Run(app, g, text);
    return 0;
  }
  if (window) app.afterPass = [&app, &g, window, text] { window->AfterReplayPass(app, g, text); };
  if (s.watch) {
    // The menus the proof walks pass unseen; the stage is shown at play speed.
    ProofWatch& watch = *s.watch;
    if (window) window->WatchReplay();
    app.afterPass = [&app, &g, &watch, window, text] {
      watch.AfterPass(g);
      if (watch.Over()) app.Quit();
      else if (window && watch.Shown()) window->AfterReplayPass(app, g, text);
    };
  }
  ScriptHost host{app, g, s.recording.get(), nullptr, stdout};
  host.headless = !window;
  host.shot = [&g, &opt, text, shots = PictureWriter(s.images, opt.force)](const std::string& path,
                                                                            std::string& why) mutable {
    Surface frame(kScreenW, kScreenH);
    ComposeScreen(g.forms, frame, text);
    return shots.WriteShot(frame, opt.shotsDir, path, why);
  };
  const int code = RunScript(opt.script, host);
  if (s.watch) {
    std::printf("watch: %s\n", s.watch->Result().empty() ? "ended before the stage did" : s.watch->Result().c_str());
  }
  return code;
}

}  // namespace

int Fail(const std::string& message) {
  std::fprintf(stderr, "slidestone: %s\n", EscapeControlBytes(message).c_str());
  return 1;
}

int RunGame(Options opt, const std::string& data, const std::string& stageDir) {
  Session s;
  if (const Stop stop = PrepareWatch(opt, stageDir, s)) return *stop;
  if (const Stop stop = CheckSoundFiles(data)) return *stop;
  if (const Stop stop = MakeDevices(opt, data, stageDir, s)) return *stop;
  s.app = std::make_unique<App>(*s.game, opt.splash && !opt.edit);
  if (const Stop stop = OpenEditor(opt, data, s)) return *stop;
  if (const Stop stop = StartRecording(opt, s)) return *stop;

  int code = 0;
  try {
    code = Play(opt, s);
  } catch (const DataError& e) {
    if (s.recordFile) std::fclose(s.recordFile);
    return Fail(e.what());
  }
  if (s.recorder) {
    s.recorder->Finish(s.game->Now);
    std::fclose(s.recordFile);
  }
  s.window.reset();
  s.device.reset();
  return code;
}

}  // namespace slidestone
