#include "editor/folder_swap.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "stagedata/stage_format.h"

namespace slidestone::editor {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSaving = ".saving-";
constexpr const char* kMaking = ".making-";

// The folder by its real place, so that a folder reached through a link is the one swapped.
fs::path Resolved(const std::string& dir, bool exists) {
  std::error_code ec;
  fs::path p = exists ? fs::canonical(dir, ec) : fs::weakly_canonical(fs::absolute(dir, ec), ec);
  if (ec || p.empty()) p = fs::absolute(dir, ec);
  p = p.lexically_normal();
  if (!p.has_filename()) p = p.parent_path();
  return p;
}

// ".NAME.saving-" or ".NAME.making-": the start of a temporary name beside the folder.
std::string Prefix(const fs::path& dir, const char* kind) {
  std::string prefix(1, '.');
  prefix += dir.filename().string();
  prefix += kind;
  return prefix;
}

// A new, empty folder beside `dir` with a name of its own.
bool TemporaryFolder(const fs::path& dir, const char* kind, fs::path& temp, std::string& error) {
  std::string pattern = (dir.parent_path() / (Prefix(dir, kind) + "XXXXXX")).string();
  if (!::mkdtemp(pattern.data())) {
    error = "cannot make a folder beside " + dir.string() + ": " + std::strerror(errno);
    return false;
  }
  temp = pattern;
  return true;
}

void SyncFolder(const fs::path& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

bool WriteAll(const fs::path& dir, const std::vector<NewFile>& files, std::string& error,
              const SaveStepHook& hook) {
  for (const NewFile& f : files) {
    const fs::path path = dir / f.name;
    std::error_code ec;
    if (path.parent_path() != dir) fs::create_directories(path.parent_path(), ec);
    if (!WriteFileAtomically(path.string(), f.text, error)) return false;
    if (hook) hook(f.name);
  }
  return true;
}

void Remove(const fs::path& path) {
  std::error_code ec;
  fs::remove_all(path, ec);
}

}  // namespace

bool ReplaceFilesAsOne(const std::string& dirName, const std::vector<NewFile>& files, std::string& error,
                       const SaveStepHook& hook) {
  const fs::path dir = Resolved(dirName, true);
  fs::path temp;
  if (!TemporaryFolder(dir, kSaving, temp, error)) return false;
  struct stat st {};
  if (::stat(dir.c_str(), &st) == 0) ::chmod(temp.c_str(), st.st_mode & 07777);
  // Every file of the folder, linked: the new files replace their links, so the folder's own
  // files are never written into.
  std::error_code ec;
  const auto copy = fs::copy_options::recursive | fs::copy_options::copy_symlinks;
  fs::copy(dir, temp, copy | fs::copy_options::create_hard_links, ec);
  if (ec) {
    Remove(temp);
    fs::create_directory(temp, ec);
    ::chmod(temp.c_str(), st.st_mode & 07777);
    fs::copy(dir, temp, copy, ec);  // a file system without links: copies then
  }
  if (ec) {
    error = "cannot copy " + dir.string() + " to save it: " + ec.message();
    Remove(temp);
    return false;
  }
  if (hook) hook("copied");
  if (!WriteAll(temp, files, error, hook)) {
    Remove(temp);
    return false;
  }
  SyncFolder(temp);
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, dir.c_str(), RENAME_EXCHANGE) != 0) {
    const int why = errno;
    Remove(temp);
    if (why != EINVAL && why != ENOSYS && why != ENOTSUP) {
      error = "cannot put the saved files in place in " + dir.string() + ": " + std::strerror(why);
      return false;
    }
    // A file system that cannot trade two folders: each file is still replaced whole.
    return WriteAll(dir, files, error, hook);
  }
  SyncFolder(dir.parent_path());
  if (hook) hook("exchanged");
  Remove(temp);  // the folder as it was before the save
  if (hook) hook("cleaned");
  return true;
}

bool MakeFolderAsOne(const std::string& dirName, const std::vector<NewFile>& files, std::string& error,
                     const SaveStepHook& hook) {
  const fs::path dir = Resolved(dirName, false);
  std::error_code ec;
  fs::create_directories(dir.parent_path(), ec);
  fs::path temp;
  if (!TemporaryFolder(dir, kMaking, temp, error)) return false;
  ::chmod(temp.c_str(), 0777 & ~FileCreationMask());  // mkdtemp made it 0700
  if (hook) hook("made");
  if (!WriteAll(temp, files, error, hook)) {
    Remove(temp);
    return false;
  }
  SyncFolder(temp);
  // rename() would also take the place of an empty folder made there meanwhile: refuse that.
  if (fs::exists(dir, ec)) {
    error = "cannot make " + dir.string() + ": it exists already";
    Remove(temp);
    return false;
  }
  if (std::rename(temp.c_str(), dir.c_str()) != 0) {
    error = "cannot make " + dir.string() + ": " + std::strerror(errno);
    Remove(temp);
    return false;
  }
  SyncFolder(dir.parent_path());
  if (hook) hook("renamed");
  return true;
}

void RemoveSaveLeftovers(const std::string& dirName) {
  const fs::path dir = Resolved(dirName, false);
  const std::string saving = Prefix(dir, kSaving), making = Prefix(dir, kMaking);
  std::error_code ec;
  for (fs::directory_iterator it(dir.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const bool ours = name.rfind(saving, 0) == 0 || name.rfind(making, 0) == 0;
    if (ours && name.size() == saving.size() + 6 && it->is_directory(ec) && !it->is_symlink(ec)) {
      Remove(it->path());
    }
  }
  // "NAME.tmp.XXXXXX": a single file whose write was cut short.
  for (const fs::path& inside : {dir, dir / "proofs"}) {
    for (fs::directory_iterator it(inside, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      const size_t tmp = name.rfind(".tmp.");
      if (tmp != std::string::npos && tmp + 5 + 6 == name.size() && it->is_regular_file(ec) &&
          !it->is_symlink(ec)) {
        fs::remove(it->path(), ec);
      }
    }
  }
}

}  // namespace slidestone::editor
