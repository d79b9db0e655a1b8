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

  // The list the game's sheet catalogue reads: a picture drawn at another size than it says
  // would be refused by the game, so it is refused here, at build time.
  struct Listed {
    const char* name;
    int w, h;
  };
  const Listed listed[] = {
#define SHEET(name, width, height, surface, drawing) {#name, width, height},
#define PICTURE(name, width, height, drawing) {#name, width, height},
#include "graphics/picture_list.h"
#undef SHEET
#undef PICTURE
  };
  std::vector<Picture> pics = {
#define SHEET(name, width, height, surface, drawing) {#name, drawing},
#define PICTURE(name, width, height, drawing) {#name, drawing},
#include "graphics/picture_list.h"
#undef SHEET
#undef PICTURE
  };
  int failures = 0;
  for (size_t i = 0; i < pics.size(); ++i) {
    if (pics[i].img.W() != listed[i].w || pics[i].img.H() != listed[i].h) {
      std::fprintf(stderr, "art: %s is drawn %dx%d, the picture list says %dx%d\n", listed[i].name,
                   pics[i].img.W(), pics[i].img.H(), listed[i].w, listed[i].h);
      ++failures;
    }
  }
  pics.push_back({"contact", MakeContactSheet(pics)});

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
