#include "platform/command_paths.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace slidestone {

namespace fs = std::filesystem;

std::string PathProblem(const std::string& option, const std::string& value, PathKind kind) {
  if (value.empty()) return option + " needs a path, not an empty one";
  std::error_code ec;
  const fs::file_status st = fs::status(value, ec);
  const bool exists = fs::exists(st);
  switch (kind) {
    case PathKind::kFolder:
      if (!exists) return option + " " + value + ": no such folder";
      if (!fs::is_directory(st)) return option + " " + value + ": not a folder";
      break;
    case PathKind::kFile:
      if (!exists) return option + " " + value + ": no such file";
      if (!fs::is_regular_file(st)) return option + " " + value + ": not a regular file";
      break;
    case PathKind::kFileToBe:
      if (exists && !fs::is_regular_file(st)) return option + " " + value + ": not a regular file";
      break;
  }
  return "";
}

std::optional<int> WholeNumber(const std::string& text, int lo, int hi) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int v = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (v < lo || v > hi) return std::nullopt;
  return v;
}

std::FILE* OpenRecordFile(const std::string& record, const std::string& script, bool force,
                          std::string& why) {
  if (const std::string problem = PathProblem("--record", record, PathKind::kFileToBe); !problem.empty()) {
    why = problem;
    return nullptr;
  }
  std::error_code ec;
  if (!script.empty() && fs::equivalent(record, script, ec)) {
    why = "--record " + record + " is the script being played; it would be erased before it is read";
    return nullptr;
  }
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (force ? O_TRUNC : O_EXCL);
  const int fd = ::open(record.c_str(), flags, 0644);
  if (fd < 0) {
    why = errno == EEXIST ? "--record " + record + " already exists; add --force to replace it"
                          : "--record " + record + ": " + std::strerror(errno);
    return nullptr;
  }
  std::FILE* file = ::fdopen(fd, "w");
  if (!file) {
    why = "--record " + record + ": " + std::strerror(errno);
    ::close(fd);
  }
  return file;
}

}  // namespace slidestone
