// The line each stage opens with: a few words over the top of the field while the curtain opens
// and for the first seconds of play, to say what the stage is about before the player needs it.
//
// They live in the stage folder, in a file people edit by hand:
//
//   # a comment
//   4 The stone only falls where its whole width is over nothing.
//   12 hard Two springs: the second one takes the first away.
//
// A number (the stage as the player counts, 1 to 18) and the words, for every level; or a
// number, a level word (easy, normal, hard) and the words, for that level only, in place of the
// line for every level. A folder without the file has no lines; a line that cannot be read is
// passed over, so a slip in one costs only that line.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "stagedata/codes.h"
#include "stagedata/model.h"

namespace slidestone {

constexpr const char* kOpeningLineFileName = "openings.txt";
// What the strip over the field has room for; longer lines are cut at a word.
constexpr size_t kOpeningLineMaxBytes = 72;
// How long a line stays once play has begun.
constexpr int kOpeningLineMs = 6000;

struct OpeningLines {
  // lines[stage][level]; "" for none. Made with OpeningLines(), never with braces: clang 14
  // crashes on brace initialization of this table (the fuzz build uses it).
  std::array<std::array<std::string, kDifficultyLevels>, kStageCount> lines;

  const std::string& For(int32_t stage, int32_t level) const;
};

std::string OpeningLineFilePath(const std::string& dir);
// Reads the lines of a stage folder; none when there is no such file.
OpeningLines ReadOpeningLines(const std::string& dir);
// The lines of a file's text (the reader's work, without the file).
OpeningLines ParseOpeningLines(std::string_view text);

}  // namespace slidestone
