#include "platform/shot_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

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

bool WriteShot(SdlImageIO& images, const Surface& frame, const std::string& shotsDir,
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
  const std::string name = path.substr(start);
  Fd file(::openat(dir.fd, name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644));
  if (file.fd < 0) {
    why = Reason(path);
    return false;
  }
  struct stat st {};
  if (::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    why = path + " is not a regular file";
    return false;
  }
  if (st.st_size > 0) {
    unsigned char header[24] = {};
    int w = 0, h = 0;
    const ssize_t n = ::read(file.fd, header, sizeof header);
    if (n < 0 || !PngHeaderSize(header, size_t(n), w, h)) {
      why = path + " exists and is not a PNG picture; it is left as it is";
      return false;
    }
  }
  ::fcntl(file.fd, F_SETFL, 0);
  if (::ftruncate(file.fd, 0) != 0 || ::lseek(file.fd, 0, SEEK_SET) != 0) {
    why = Reason(path);
    return false;
  }
  std::FILE* out = ::fdopen(file.fd, "wb");
  if (!out) {
    why = Reason(path);
    return false;
  }
  file.fd = -1;  // the stream owns it now
  const bool ok = images.SaveTo(frame, out, why);
  if (std::fclose(out) != 0 && ok) {
    why = Reason(path);
    return false;
  }
  return ok;
}

}  // namespace slidestone
