// libFuzzer target: a stage folder's five files (stage table, messages, a map, an enemy map, the
// opening lines),
// taken from one input cut at "\n====\n", written to a scratch folder and read as the game
// reads them. Every fault must be a DataError; anything else (a crash, a sanitizer report, an
// exception of another kind) is a finding.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "stagedata/data_reader.h"
#include "stagedata/opening_lines.h"
#include "stagedata/text_file.h"
#include "stagedata/stage_format.h"

namespace {

const std::string& Folder() {
  static const std::string dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "slidestone-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern;
  }();
  return dir;
}

void Put(const std::string& path, std::string_view text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(text.data(), std::streamsize(text.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace slidestone;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string& dir = Folder();
  const std::string files[] = {StageTablePath(dir), MessageFilePath(dir), MapFilePath(dir, 0),
                               EnemyMapFilePath(dir, 0), OpeningLineFilePath(dir)};
  constexpr std::string_view kCut = "\n====\n";
  for (const std::string& file : files) {
    const size_t cut = input.find(kCut);
    Put(file, input.substr(0, cut));
    input = cut == std::string_view::npos ? std::string_view() : input.substr(cut + kCut.size());
  }
  try {
    ReadStageTableFile(dir);
  } catch (const DataError&) {
  }
  try {
    const auto messages = ReadMessageFile(dir);
    for (const std::string& m : messages) {
      if (m.size() > kMessageMaxBytes) std::abort();  // the limit must hold for every message
    }
  } catch (const DataError&) {
  }
  for (int f = 2; f < 4; ++f) {
    try {
      ReadCodeFile(files[f]);
    } catch (const DataError&) {
    }
  }
  // The opening lines never fault: a line that cannot be read is passed over, and every line
  // kept fits the strip and holds no control byte.
  const OpeningLines lines = ReadOpeningLines(dir);
  for (const auto& ofStage : lines.lines) {
    for (const std::string& line : ofStage) {
      if (line.size() > kOpeningLineMaxBytes || HasControlByte(line)) std::abort();
    }
  }
  return 0;
}
