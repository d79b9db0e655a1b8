#include "platform/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace slidestone {

namespace {

std::string Trim(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  const size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool SectionHeader(const std::string& line, std::string& name) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[' || t.back() != ']') return false;
  name = Trim(t.substr(1, t.size() - 2));
  return true;
}

bool KeyLine(const std::string& line, std::string& key, std::string& value) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  key = Trim(line.substr(0, eq));
  value = Trim(line.substr(eq + 1));
  return !key.empty();
}

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

}  // namespace

std::string IniSettings::PathFor(const std::string& app) const {
  if (!fixedPath_.empty()) return fixedPath_;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  const std::string base = (xdg && *xdg)     ? std::string(xdg)
                           : (home && *home) ? std::string(home) + "/.config"
                                             : std::string(".");
  return base + "/" + app + "/settings.ini";
}

std::optional<std::string> IniSettings::Read(const std::string& app, const std::string& section,
                                             const std::string& key) {
  std::string current, name, k, v;
  for (const std::string& line : ReadLines(PathFor(app))) {
    if (SectionHeader(line, name)) {
      current = name;
    } else if (current == section && KeyLine(line, k, v) && k == key) {
      return v;
    }
  }
  return std::nullopt;
}

bool IniSettings::Write(const std::string& app, const std::string& section, const std::string& key,
                        const std::string& value) {
  const std::string path = PathFor(app);
  std::vector<std::string> lines = ReadLines(path);

  // Replace the key in its section, or add it (and the section) where it belongs.
  std::string current, name, k, v;
  bool done = false;
  long sectionEnd = -1;
  for (size_t i = 0; i < lines.size() && !done; ++i) {
    if (SectionHeader(lines[i], name)) {
      current = name;
      if (current == section) sectionEnd = long(i) + 1;
    } else if (current == section) {
      if (KeyLine(lines[i], k, v) && k == key) {
        lines[i] = key + "=" + value;
        done = true;
      } else if (!Trim(lines[i]).empty()) {
        sectionEnd = long(i) + 1;
      }
    }
  }
  if (!done) {
    if (sectionEnd >= 0) {
      lines.insert(lines.begin() + sectionEnd, key + "=" + value);
    } else {
      if (!lines.empty() && !Trim(lines.back()).empty()) lines.push_back("");
      lines.push_back("[" + section + "]");
      lines.push_back(key + "=" + value);
    }
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\n";

  auto fail = [&](const std::string& why) {
    if (!reported_) {
      std::fprintf(stderr, "slidestone: cannot save settings to %s: %s\n", path.c_str(), why.c_str());
      reported_ = true;
    }
    return false;
  };
  std::error_code ec;
  const std::filesystem::path dir = std::filesystem::path(path).parent_path();
  if (!dir.empty()) std::filesystem::create_directories(dir, ec);
  // A temporary file of its own for every save, so two copies of the game saving at the same
  // moment can never write into one file.
  std::string temp = path + ".tmp.XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return fail("cannot create " + temp);
  ::fchmod(fd, 0644);
  const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
  ::close(fd);
  if (!written || std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return fail("write failed");
  }
  // Make the rename itself durable.
  const int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

}  // namespace slidestone
