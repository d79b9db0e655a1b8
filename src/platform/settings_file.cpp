#include "platform/settings_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <vector>

#include "stagedata/stage_format.h"
#include "stagedata/text_file.h"

namespace slidestone {

namespace fs = std::filesystem;

namespace {

// A temporary file this old is a leftover of a killed save, never one still being written.
constexpr auto kStaleTemporary = std::chrono::minutes(1);

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in{std::string(WithoutByteOrderMark(text))};
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The file's text; a missing file reads as empty. False for anything that is not a settings
// file of sane size (a pipe, a device, a folder, megabytes), with the reason.
bool ReadFile(const std::string& path, std::string& text, std::string& why) {
  text.clear();
  std::error_code ec;
  if (!fs::exists(path, ec)) return true;  // nothing saved yet (or a link to nothing yet)
  return ReadWholeFile(path, kSettingsMaxBytes, text, why);
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

std::string Errno(const std::string& what) { return what + ": " + std::strerror(errno); }

// The file a save must replace: the settings path with every symbolic link followed, so the
// link stays and its target gets the new text.
fs::path SaveTarget(const std::string& path) {
  fs::path target = path;
  std::error_code ec;
  for (int hops = 0; hops < 32 && fs::is_symlink(target, ec); ++hops) {
    const fs::path next = fs::read_symlink(target, ec);
    if (ec) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

// Removes "settings.ini.tmp.*" files older than a minute beside the target.
void RemoveStaleTemporaries(const fs::path& target) {
  const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  const std::string prefix = target.filename().string() + ".tmp.";
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(prefix, 0) != 0 || !it->is_regular_file(ec) || it->is_symlink(ec)) continue;
    const auto written = it->last_write_time(ec);
    if (!ec && now - written > kStaleTemporary) fs::remove(it->path(), ec);
  }
}

// Holds an exclusive advisory lock on a file until destroyed (closing the file releases it).
class SaveLock {
 public:
  explicit SaveLock(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~SaveLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  SaveLock(const SaveLock&) = delete;
  SaveLock& operator=(const SaveLock&) = delete;
  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace

std::optional<std::string> IniValue(const std::string& text, const std::string& section,
                                    const std::string& key) {
  std::string current, name, k, v;
  for (const std::string& line : Lines(text)) {
    if (SectionHeader(line, name)) {
      current = name;
    } else if (current == section && KeyLine(line, k, v) && k == key) {
      return v;
    }
  }
  return std::nullopt;
}

std::string IniWithValue(const std::string& text, const std::string& section, const std::string& key,
                         const std::string& value) {
  // Written back as the player's editor wrote it: its byte-order mark and its line ends.
  const std::string_view body = WithoutByteOrderMark(text);
  const std::string mark(text.substr(0, text.size() - body.size()));
  const size_t firstEnd = body.find('\n');
  const std::string eol = firstEnd != std::string::npos && firstEnd > 0 && body[firstEnd - 1] == '\r' ? "\r\n" : "\n";
  std::vector<std::string> lines = Lines(text);
  for (std::string& line : lines) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
  }
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
  std::string out = mark;
  for (const std::string& line : lines) out += line + eol;
  return out;
}

namespace {

// What keeps the settings' folder from taking a new file, in words, or "" when nothing does: it
// is something else than a folder, it cannot be made (a part of the path that is no folder, no
// permission, a read-only disk), or it cannot be written.
std::string FolderProblem(const fs::path& dir) {
  std::error_code ec;
  if (fs::exists(dir, ec) && !fs::is_directory(dir, ec)) return dir.string() + " is not a folder";
  if (!fs::is_directory(dir, ec)) {
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir)) {
      for (fs::path up = dir.parent_path(); !up.empty() && up != up.parent_path(); up = up.parent_path()) {
        if (fs::exists(up) && !fs::is_directory(up)) {
          return "cannot create the folder " + dir.string() + ": " + up.string() + " is not a folder";
        }
      }
      return "cannot create the folder " + dir.string() + ": " + (ec ? ec.message() : "reason unknown");
    }
  }
  if (::access(dir.c_str(), W_OK) != 0) return Errno(dir.string() + " is not writable");
  return "";
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
  const std::string path = PathFor(app);
  std::string text, why;
  if (!ReadFile(path, text, why)) {
    if (!readReported_) {
      std::fprintf(stderr, "slidestone: settings %s not read: %s\n", EscapeControlBytes(path).c_str(), why.c_str());
      readReported_ = true;
    }
    return std::nullopt;
  }
  return IniValue(text, section, key);
}

SettingsStore::Outcome IniSettings::Update(const std::string& app, const std::string& section,
                                           const std::string& key, const Decide& decide,
                                           std::string* why) {
  const std::string path = PathFor(app);
  const fs::path target = SaveTarget(path);
  auto fail = [&](const std::string& reason) {
    if (!reported_) {
      std::fprintf(stderr, "slidestone: cannot save settings to %s: %s\n",
                   EscapeControlBytes(path).c_str(), EscapeControlBytes(reason).c_str());
      reported_ = true;
    }
    if (why) *why = reason;
    return Outcome::kFailed;
  };

  std::error_code ec;
  if (fs::is_symlink(target, ec)) return fail(path + " is a loop of symbolic links");
  const fs::path dir = target.parent_path();
  if (!dir.empty()) {
    if (const std::string problem = FolderProblem(dir); !problem.empty()) return fail(problem);
  }

  // Read-only is the owner's wish: the file stays as it is (also for a user who could write it
  // anyway, as root can), and nothing is put beside it.
  struct stat st {};
  auto readOnly = [&] {
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0;
  };
  if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode) && readOnly()) {
    return fail(target.string() + " is read-only");
  }

  // Nothing is put beside a file that cannot be read either (a pipe, a device, megabytes).
  std::string old, unread;
  if (!ReadFile(target.string(), old, unread)) return fail(target.string() + ": " + unread);

  const SaveLock lock(target.string() + ".lock");
  if (!lock.held()) return fail(Errno("cannot lock " + target.string() + ".lock"));

  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) return fail(target.string() + " is not a regular file");
  if (exists && readOnly()) return fail(target.string() + " is read-only");

  if (exists && !ReadFile(target.string(), old, unread)) return fail(target.string() + ": " + unread);
  const auto value = decide(IniValue(old, section, key));
  if (!value) return Outcome::kKept;
  const std::string text = IniWithValue(old, section, key, *value);

  RemoveStaleTemporaries(target);
  // Each save writes a temporary file of its own, so a save never writes into another's file.
  // The file keeps its mode; a new one is 0644.
  std::string error;
  if (!WriteFileAtomically(target.string(), text, error, exists ? (st.st_mode & 07777) : 0644)) {
    return fail(error);
  }
  return Outcome::kWritten;
}

}  // namespace slidestone
