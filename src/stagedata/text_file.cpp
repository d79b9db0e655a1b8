#include "stagedata/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace slidestone {

namespace {

std::string Size(size_t bytes) {
  return bytes >= (size_t(1) << 20) ? std::to_string(bytes >> 20) + " MB" : std::to_string(bytes >> 10) + " KB";
}

bool Sane(const struct stat& st, size_t maxBytes, std::string& why) {
  if (!S_ISREG(st.st_mode)) {
    why = S_ISDIR(st.st_mode) ? "a folder, not a file" : "not a regular file";
    return false;
  }
  if (st.st_size < 0 || size_t(st.st_size) > maxBytes) {
    why = "too large (" + std::to_string(st.st_size) + " bytes; at most " + Size(maxBytes) + ")";
    return false;
  }
  return true;
}

}  // namespace

bool IsSaneFile(const std::string& path, size_t maxBytes, std::string& why) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    why = errno == ENOENT ? "cannot open the file" : std::string("cannot open the file: ") + std::strerror(errno);
    return false;
  }
  return Sane(st, maxBytes, why);
}

bool ReadWholeFile(const std::string& path, size_t maxBytes, std::string& text, std::string& why) {
  // Looked at before it is opened: opening a pipe or a device can itself wait or have effects.
  if (!IsSaneFile(path, maxBytes, why)) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    why = std::string("cannot open the file: ") + std::strerror(errno);
    return false;
  }
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && Sane(st, maxBytes, why);  // it may have been swapped
  text.clear();
  char buffer[65536];
  while (ok) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      why = std::string("cannot read the file: ") + std::strerror(errno);
      ok = false;
    } else if (n == 0) {
      break;
    } else if (text.size() + size_t(n) > maxBytes) {
      why = "too large (more than " + Size(maxBytes) + ")";  // it grew while read
      ok = false;
    } else {
      text.append(buffer, size_t(n));
    }
  }
  ::close(fd);
  if (!ok) text.clear();
  return ok;
}

size_t Utf8CutAt(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text.size();
  size_t cut = maxBytes;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return cut;
}

bool IsControl(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b < 0x20 || b == 0x7F;
}

// Files saved again and again by some editors gather several marks; all of them go.
std::string_view WithoutByteOrderMark(std::string_view text) {
  while (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  return text;
}

void DropByteOrderMark(std::string& text) {
  text.erase(0, text.size() - WithoutByteOrderMark(text).size());
}

bool HasControlByte(std::string_view text) {
  for (const char c : text) {
    if (IsControl(c)) return true;
  }
  return false;
}

bool WriteAllTo(int fd, std::string_view text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

std::string Trim(std::string_view text) {
  const size_t a = text.find_first_not_of(" \t\r");
  if (a == std::string_view::npos) return "";
  return std::string(text.substr(a, text.find_last_not_of(" \t\r") - a + 1));
}

std::string EscapeControlBytes(std::string_view text) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (IsControl(c)) {
      out += "\\x";
      out += kHex[b >> 4];
      out += kHex[b & 15];
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace slidestone
