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
  return {
#define SHEET(name, width, height, surface, drawing) {#name ".png", &f.surface, width, height},
#define PICTURE(name, width, height, drawing)
#include "graphics/picture_list.h"
#undef SHEET
#undef PICTURE
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
