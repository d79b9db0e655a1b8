// What the fuzz targets that play share: a fresh game on a stage folder, headless and silent,
// with the sheets loaded once for the whole run (decoding them for every input would take far
// longer than the play itself), and a scratch folder of the run's own.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "audio/audio.h"
#include "graphics/forms.h"
#include "graphics/sheets.h"
#include "platform/sdl_image_io.h"
#include "services/settings.h"
#include "shell/app.h"
#include "presentation/game.h"

namespace slidestone::fuzz {

inline const std::string& ScratchFolder() {
  static const std::string dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "slidestone-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern;
  }();
  return dir;
}

inline void Put(const std::string& path, std::string_view text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(text.data(), std::streamsize(text.size()));
}

// The built game's data folder (the sheets, the shipped stages).
inline std::string DataFolder() { return SLIDESTONE_DATA_DIR; }

// A headless game on `stageDir`, its sheets copied from the ones loaded at the first call.
struct FuzzGame {
  std::unique_ptr<Game> game = std::make_unique<Game>();
  Game& g = *game;
  RecordingAudio audio;
  MemorySettings settings;
  std::unique_ptr<App> app;

  explicit FuzzGame(const std::string& stageDir) {
    static const std::unique_ptr<Game> sheets = [] {
      auto loaded = std::make_unique<Game>();
      CreateForms(loaded->forms);
      SdlImageIO images;
      std::string error;
      if (!LoadSheets(loaded->forms, DataFolder() + "/pictures", images, error)) std::abort();
      return loaded;
    }();
    g.forms = sheets->forms;
    g.stageDir = stageDir;
    g.audio = &audio;
    g.settings = &settings;
    app = std::make_unique<App>(g, /*splash=*/false);
  }
};

}  // namespace slidestone::fuzz
