#include "platform/data_folder.h"

#include <filesystem>

namespace slidestone {

namespace fs = std::filesystem;

namespace {

// A folder counts as the data folder when it holds the stages and the pictures.
bool HoldsData(const fs::path& dir) {
  std::error_code ec;
  return fs::is_directory(dir / "stage", ec) && fs::is_directory(dir / "pictures", ec);
}

}  // namespace

std::string FindDataFolder(const std::string& programFolder) {
  const fs::path program(programFolder);
  const fs::path installed = program.parent_path() / "share" / "slidestone";
  if (HoldsData(installed)) return installed.lexically_normal().string();
  return programFolder;
}

std::string ProgramFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

std::string TextFontFile(const std::string& data, const std::string& systemFont) {
  std::error_code ec;
  if (fs::is_regular_file(systemFont, ec)) return systemFont;
  const fs::path own = fs::path(data) / "fonts" / fs::path(systemFont).filename();
  if (fs::is_regular_file(own, ec)) return own.string();
  return systemFont;
}

const char* SystemTextFont() { return SLIDESTONE_TEXT_FONT; }

}  // namespace slidestone
