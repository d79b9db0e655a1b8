// Writes every picture of the game into the folder given on the command line, and with an icon
// folder and sizes also the desktop icon at each size, in the icon theme's layout
// (ICONS/NxN/apps/slidestone.png).
#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "sheets.h"
#include "text.h"

int main(int argc, char** argv) {
  using namespace art;
  if (argc < 2 || argc == 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [ICON_FOLDER SIZE...]\n", argv[0]);
    return 2;
  }
  const std::filesystem::path out = argv[1];
  std::filesystem::create_directories(out);
  if (SDL_Init(0) != 0) {
    std::fprintf(stderr, "art: SDL_Init failed: %s\n", SDL_GetError());
    return 1;
  }

  std::vector<Picture> pics = {
      {"char1", MakeChar1()},
      {"char3", MakeChar3()},
      {"char4", MakeChar4()},
      {"mainchar", MakeMainchar()},
      {"jumpd", MakeJumpd()},
      {"commandbox", MakeCommandbox(32)},
      {"commandboxx", MakeCommandbox(24)},
      {"time", MakeTimeSheet()},
      {"stageback0", MakeStageback(0)},
      {"stageback1", MakeStageback(1)},
      {"title", MakeTitle()},
      {"messagebox", MakeMessagebox()},
      {"startback", MakeStartback()},
      {"clear1", MakeClear1()},
      {"clear2", MakeClear2()},
      {"logo1", MakeLogo1()},
      {"logo2", MakeLogo2()},
      {"icon", MakeIcon()},
  };
  pics.push_back({"contact", MakeContactSheet(pics)});

  int failures = 0;
  for (const Picture& p : pics) {
    const std::string path = (out / (p.name + ".png")).string();
    if (!p.img.SavePng(path)) {
      std::fprintf(stderr, "art: cannot write %s: %s\n", path.c_str(), SDL_GetError());
      ++failures;
    }
  }
  for (int i = 3; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size < 16 || size > 1024) {
      std::fprintf(stderr, "art: icon size %s is not 16 to 1024\n", argv[i]);
      ++failures;
      continue;
    }
    const std::string n = std::to_string(size);
    const std::filesystem::path dir = std::filesystem::path(argv[2]) / (n + "x" + n) / "apps";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "slidestone.png").string();
    if (!MakeIcon(size).SavePng(path)) {
      std::fprintf(stderr, "art: cannot write %s: %s\n", path.c_str(), SDL_GetError());
      ++failures;
    }
  }
  ShutDownText();
  SDL_Quit();
  return failures == 0 ? 0 : 1;
}
