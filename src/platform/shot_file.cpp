#include "platform/shot_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "shell/shot_path.h"

namespace slidestone {

namespace {

// Closes a descriptor on every way out.
struct Fd {
  int fd = -1;
  explicit Fd(int f) : fd(f) {}
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
};

std::string Reason(const std::string& what) {
  return errno == ELOOP ? what + " is a symbolic link" : what + ": " + std::strerror(errno);
}

}  // namespace

bool PictureWriter::WriteAt(int dir, const std::string& name, const std::string& shown,
                            const Surface& frame, std::string& why) {
  Fd file(::openat(dir, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
  if (file.fd < 0 && errno == EEXIST) {
    // Something is there (a link to nowhere too): it is looked at, never followed.
    file.fd = ::openat(dir, name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file.fd < 0) {
      why = Reason(shown);
      return false;
    }
    struct stat st {};
    if (::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      why = shown + " is not a regular file";
      return false;
    }
    if (made_.count({st.st_dev, st.st_ino}) == 0) {
      unsigned char header[24] = {};
      int w = 0, h = 0;
      const ssize_t n = ::read(file.fd, header, sizeof header);
      if (n < 0 || !PngHeaderSize(header, size_t(n), w, h)) {
        why = shown + " exists and is not a PNG picture; it is left as it is";
        return false;
      }
      if (!force_) {
        why = shown + " exists; add --force to replace it";
        return false;
      }
    }
    ::fcntl(file.fd, F_SETFL, 0);
    if (::ftruncate(file.fd, 0) != 0 || ::lseek(file.fd, 0, SEEK_SET) != 0) {
      why = Reason(shown);
      return false;
    }
  }
  if (file.fd < 0) {
    why = Reason(shown);
    return false;
  }
  struct stat st {};
  if (::fstat(file.fd, &st) == 0) made_.insert({st.st_dev, st.st_ino});
  std::FILE* out = ::fdopen(file.fd, "wb");
  if (!out) {
    why = Reason(shown);
    return false;
  }
  file.fd = -1;  // the stream owns it now
  const bool ok = images_.SaveTo(frame, out, why);
  if (std::fclose(out) != 0 && ok) {
    why = Reason(shown);
    return false;
  }
  return ok;
}

bool PictureWriter::WriteShot(const Surface& frame, const std::string& shotsDir,
                              const std::string& path, std::string& why) {
  if (why = ShotPathProblem(path); !why.empty()) return false;
  const std::string root = shotsDir.empty() ? "." : shotsDir;
  Fd dir(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.fd < 0) {
    why = Reason("shots folder " + root);
    return false;
  }
  // Each folder on the way is opened from the one before without following links.
  size_t start = 0;
  for (size_t slash; (slash = path.find('/', start)) != std::string::npos; start = slash + 1) {
    const std::string step = path.substr(start, slash - start);
    const int next = ::openat(dir.fd, step.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (next < 0) {
      struct stat st {};
      if (::fstatat(dir.fd, step.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode)) errno = ELOOP;
      why = Reason(path.substr(0, slash));
      return false;
    }
    ::close(dir.fd);
    dir.fd = next;
  }
  return WriteAt(dir.fd, path.substr(start), path, frame, why);
}

bool PictureWriter::WriteFile(const Surface& frame, const std::string& path, std::string& why) {
  constexpr std::string_view kPng = ".png";
  const size_t slash = path.rfind('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.size() <= kPng.size() || name.compare(name.size() - kPng.size(), kPng.size(), kPng) != 0) {
    why = path + ": the picture must be a .png file";
    return false;
  }
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.fd < 0) {
    why = Reason(folder);
    return false;
  }
  return WriteAt(dir.fd, name, path, frame, why);
}

}  // namespace slidestone
