// The command line as the program read it (main.cpp), for the run it picks.
#pragma once

#include <string>

namespace slidestone {

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

}  // namespace slidestone
