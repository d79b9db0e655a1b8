#include "stagedata/opening_lines.h"

#include <cctype>
#include <charconv>

#include "stagedata/text_file.h"

namespace slidestone {

namespace {

// The first word of `rest`, taken off it.
std::string_view TakeWord(std::string_view& rest) {
  size_t start = 0;
  while (start < rest.size() && (rest[start] == ' ' || rest[start] == '\t')) ++start;
  size_t end = start;
  while (end < rest.size() && rest[end] != ' ' && rest[end] != '\t') ++end;
  const std::string_view word = rest.substr(start, end - start);
  rest.remove_prefix(end);
  return word;
}

int LevelOfWord(std::string_view word) {
  for (int level = 0; level < kDifficultyLevels; ++level) {
    std::string_view name = kDifficultyFileWords[level];
    if (word.size() != name.size()) continue;
    bool same = true;
    for (size_t i = 0; i < word.size(); ++i)
      same = same && std::tolower(static_cast<unsigned char>(word[i])) == name[i];
    if (same) return level;
  }
  return -1;
}

// The words as the strip shows them: control bytes become spaces, and a line too long for the
// strip is cut at the last space that fits (or mid-word when there is none), never inside a
// UTF-8 character.
std::string Shown(std::string_view words) {
  std::string text = Trim(words);
  for (char& c : text) {
    if (IsControl(c)) c = ' ';
  }
  if (text.size() <= kOpeningLineMaxBytes) return text;
  size_t cut = text.rfind(' ', kOpeningLineMaxBytes);
  if (cut == std::string::npos || cut == 0) cut = Utf8CutAt(text, kOpeningLineMaxBytes);
  return Trim(std::string_view(text).substr(0, cut));
}

}  // namespace

const std::string& OpeningLines::For(int32_t stage, int32_t level) const {
  static const std::string none;
  if (stage < 0 || stage >= kStageCount || level < 0 || level >= kDifficultyLevels) return none;
  return lines[size_t(stage)][size_t(level)];
}

std::string OpeningLineFilePath(const std::string& dir) { return dir + "/" + kOpeningLineFileName; }

OpeningLines ParseOpeningLines(std::string_view text) {
  OpeningLines result;
  // A line for one level wins over a line for every level, whichever comes first in the file.
  std::array<std::array<bool, kDifficultyLevels>, kStageCount> ownLine{};
  text = WithoutByteOrderMark(text);
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

    const std::string_view number = TakeWord(line);
    if (number.empty() || number[0] == '#') continue;
    int stage = 0;
    const auto [past, fault] = std::from_chars(number.data(), number.data() + number.size(), stage);
    if (fault != std::errc() || past != number.data() + number.size()) continue;
    if (stage < 1 || stage > kStageCount) continue;

    std::string_view words = line;
    const int level = LevelOfWord(TakeWord(words));
    if (level < 0) words = line;
    const std::string shown = Shown(words);
    if (shown.empty()) continue;

    auto& ofStage = result.lines[size_t(stage - 1)];
    for (int l = 0; l < kDifficultyLevels; ++l) {
      if (level >= 0 && l != level) continue;
      if (level < 0 && ownLine[size_t(stage - 1)][size_t(l)]) continue;
      ofStage[size_t(l)] = shown;
      if (level >= 0) ownLine[size_t(stage - 1)][size_t(l)] = true;
    }
  }
  return result;
}

OpeningLines ReadOpeningLines(const std::string& dir) {
  std::string text, why;
  if (!ReadWholeFile(OpeningLineFilePath(dir), kStageFileMaxBytes, text, why)) return OpeningLines();
  return ParseOpeningLines(text);
}

}  // namespace slidestone
