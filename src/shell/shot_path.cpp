#include "shell/shot_path.h"

#include <string_view>

namespace slidestone {

std::string ShotPathProblem(const std::string& path) {
  constexpr std::string_view kPng = ".png";
  if (path.empty() || path.front() == '/') return "a shot must be a relative path inside the shots folder";
  if (path.size() <= kPng.size() || path.compare(path.size() - kPng.size(), kPng.size(), kPng) != 0) {
    return "a shot must be a .png file";
  }
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string_view step(path.data() + start, end - start);
    if (step.empty() || step == "." || step == "..") return "a shot path may not hold '..', '.' or '//'";
    start = end + 1;
  }
  for (const char c : path) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return "a shot path may not hold control bytes";
  }
  return "";
}

}  // namespace slidestone
