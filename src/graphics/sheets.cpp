#include "graphics/sheets.h"

#include <vector>

namespace slidestone {

namespace {

struct SheetEntry {
  const char* file;
  Surface* surface;
  int w, h;
};

std::vector<SheetEntry> Catalogue(Forms& f) {
  StageWindow& s = f.Form1;
  MenuWindow& m = f.Form2;
  HouseWindow& h = f.Form3;
  SplashWindow& p = f.Form4;
  return {
      {"char1.png", &s.char1, 320, 240},         {"char3.png", &s.char3, 256, 576},
      {"char4.png", &s.char4, 224, 64},          {"mainchar.png", &s.mainchar, 256, 320},
      {"jumpd.png", &s.jumpd, 320, 32},          {"commandbox.png", &s.commandbox, 192, 32},
      {"commandboxx.png", &s.commandboxx, 144, 24}, {"time.png", &s.time, 320, 896},
      {"stageback0.png", &s.stageback[0], 630, 352}, {"stageback1.png", &s.stageback[1], 630, 352},
      {"title.png", &m.title, 550, 220},         {"messagebox.png", &m.messagebox, 512, 768},
      {"startback.png", &m.startback, 352, 288}, {"clear1.png", &h.clear1, 640, 512},
      {"clear2.png", &h.clear2, 256, 320},       {"logo1.png", &p.Picture1, 300, 157},
      {"logo2.png", &p.Picture3, 400, 200},
  };
}

}  // namespace

std::vector<std::string> SheetFiles() {
  Forms none;
  std::vector<std::string> files;
  for (const SheetEntry& e : Catalogue(none)) files.emplace_back(e.file);
  return files;
}

namespace {

bool CheckHeader(const SheetEntry& e, const std::string& path, ImageIO& io, std::string& error) {
  std::string why;
  int headerW = -1, headerH = -1;
  if (!io.ReadSize(path, headerW, headerH, why)) {
    error = path + ": cannot load picture (" + why + ")";
    return false;
  }
  if (headerW >= 0 && (headerW != e.w || headerH != e.h)) {
    error = path + ": expected " + std::to_string(e.w) + "x" + std::to_string(e.h) +
            " pixels, found " + std::to_string(headerW) + "x" + std::to_string(headerH);
    return false;
  }
  return true;
}

}  // namespace

bool CheckSheets(const std::string& picturesDir, ImageIO& io, std::string& error) {
  Forms none;
  for (const SheetEntry& e : Catalogue(none)) {
    if (!CheckHeader(e, picturesDir + "/" + e.file, io, error)) return false;
  }
  return true;
}

bool LoadSheets(Forms& f, const std::string& picturesDir, ImageIO& io, std::string& error) {
  for (const SheetEntry& e : Catalogue(f)) {
    const std::string path = picturesDir + "/" + e.file;
    if (!CheckHeader(e, path, io, error)) return false;
    std::string why;
    if (!io.Load(path, *e.surface, why)) {
      error = path + ": cannot load picture (" + why + ")";
      return false;
    }
    if (e.surface->Width() != e.w || e.surface->Height() != e.h) {
      error = path + ": expected " + std::to_string(e.w) + "x" + std::to_string(e.h) +
              " pixels, found " + std::to_string(e.surface->Width()) + "x" +
              std::to_string(e.surface->Height());
      return false;
    }
  }
  return true;
}

}  // namespace slidestone
