// libFuzzer target: the settings file. The input is a settings.ini as a player might have left
// it; the high score is read, a new one saved through the real store (lock, temporary file,
// rename) and read back. The saved value must read back exactly, and every other key must keep
// its value.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/settings_file.h"
#include "services/settings.h"

namespace {

const std::string& File() {
  static const std::string path = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "slidestone-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern + "/settings.ini";
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace slidestone;
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::ofstream(File(), std::ios::binary | std::ios::trunc) << text;

  IniSettings store(File());
  const auto stored = store.Read("VbApp", "score", "high");
  const int32_t before = stored ? ParseStoredScore(*stored).value_or(0) : 0;
  const auto otherBefore = IniValue(text, "audio", "music");

  const std::string value = std::to_string(int64_t(before) + 1);
  if (store.Write("VbApp", "score", "high", value)) {
    if (store.Read("VbApp", "score", "high") != value) std::abort();
    if (store.Read("VbApp", "audio", "music") != otherBefore) std::abort();
  }
  // The same on text alone, without the file system.
  const std::string again = IniWithValue(text, "score", "high", "7");
  if (IniValue(again, "score", "high") != "7") std::abort();
  if (IniValue(again, "audio", "music") != otherBefore) std::abort();
  return 0;
}
