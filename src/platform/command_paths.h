// Checks of what the command line names: folders that must be folders, files that must be
// files, whole numbers, and the --record file, which must never destroy anything by accident.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace slidestone {

enum class PathKind {
  kFolder,     // must exist and be a folder
  kFile,       // must exist and be a regular file
  kFileToBe,   // a regular file, or nothing yet (it is created)
};

// What is wrong with `value` given to `option`, or "" when it fits `kind`.
std::string PathProblem(const std::string& option, const std::string& value, PathKind kind);

// The whole of `text` as a number from lo to hi ("3abc", "", "+", " 3" are not numbers).
std::optional<int> WholeNumber(const std::string& text, int lo, int hi);

// Opens the --record file for writing. It is never the script being played (that would erase
// the replay before it is read), and an existing file is replaced only with force.
std::FILE* OpenRecordFile(const std::string& record, const std::string& script, bool force,
                          std::string& why);

}  // namespace slidestone
