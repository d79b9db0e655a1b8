#include "editor/stage_folder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "stagedata/data_reader.h"

namespace slidestone::editor {

namespace fs = std::filesystem;

namespace {

std::array<std::string, kMessageCount> PlainMessages() {
  std::array<std::string, kMessageCount> m;
  for (int n = 0; n < kMessageCount; ++n) m[size_t(n)] = n < 50 ? "Nice shot!" : "Slidestone";
  return m;
}

}  // namespace

bool StageFolder::Open(const std::string& dir, const std::string& messagesFrom, std::string& error) {
  dir_ = dir;
  RemoveSaveLeftovers(dir);
  std::error_code ec;
  if (fs::exists(dir, ec)) {
    if (!fs::is_directory(dir, ec)) {
      error = dir + ": not a folder";
      return false;
    }
    return true;
  }
  std::array<std::string, kMessageCount> messages = PlainMessages();
  try {
    if (!messagesFrom.empty()) messages = ReadMessageFile(messagesFrom);
  } catch (const DataError&) {
    // plain messages will do
  }
  const StageDoc empty = EmptyStage();
  StageTableValues table;
  table.fill(empty.record);
  std::vector<NewFile> files = {{fs::path(MessageFilePath("")).filename().string(), MessageFileText(messages)},
                                {fs::path(StageTablePath("")).filename().string(), StageTableText(table)}};
  for (int s = 0; s < kEditableStages; ++s) {
    files.push_back({fs::path(MapFilePath("", s)).filename().string(), CodeFileText(empty.map)});
    files.push_back({fs::path(EnemyMapFilePath("", s)).filename().string(), CodeFileText(empty.objects)});
  }
  return MakeFolderAsOne(dir, files, error, afterStep);
}

bool StageFolder::Load(int stage, StageDoc& doc, std::string& error) const {
  doc = EmptyStage();
  try {
    const StageTableFile table = ReadStageTableParts(dir_);
    if (!table.faults[size_t(stage)].empty()) throw DataError(table.faults[size_t(stage)]);
    StageDoc d;
    d.record = table.values[size_t(stage)];
    d.map = ReadCodeFile(MapFilePath(dir_, stage));
    d.objects = ReadCodeFile(EnemyMapFilePath(dir_, stage));
    doc = d;
    return true;
  } catch (const DataError& e) {
    error = e.what();
    return false;
  }
}

bool StageFolder::Save(int stage, const StageDoc& doc, std::string& error) {
  // Only this stage's record is written; a table that cannot be taken apart into its records
  // is left for its owner to mend rather than rewritten around the stage.
  std::string table;
  try {
    const StageTableFile file = ReadStageTableParts(dir_);
    if (!file.whole) throw DataError(file.faults.back());
    table = StageTableWithRecord(file, stage, doc.record);
  } catch (const DataError& e) {
    error = std::string("the stage table cannot be read, so nothing was written: ") + e.what();
    return false;
  }
  const std::vector<NewFile> files = {
      {fs::path(MapFilePath("", stage)).filename().string(), CodeFileText(doc.map)},
      {fs::path(EnemyMapFilePath("", stage)).filename().string(), CodeFileText(doc.objects)},
      {fs::path(StageTablePath("")).filename().string(), table}};
  return ReplaceFilesAsOne(dir_, files, error, afterStep);
}

std::string StageFolder::MessagesFault() const {
  try {
    ReadMessageFile(dir_);
  } catch (const DataError& e) {
    return e.what();
  }
  return "";
}

bool MakeFolderFor(const std::string& path, std::string& error) {
  std::error_code ec;
  const fs::path dir = fs::path(path).parent_path();
  if (dir.empty() || fs::is_directory(dir, ec)) return true;
  if (fs::create_directories(dir, ec)) return true;
  error = "cannot make " + dir.string() + ": " + ec.message();
  return false;
}

bool DefaultCustomFolder(const std::string& shipped, std::string& dir, std::string& error, bool* copied) {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  std::string base;
  if (xdg && *xdg) {
    base = xdg;
  } else if (home && *home) {
    base = std::string(home) + "/.local/share";
  } else {
    error = "neither XDG_DATA_HOME nor HOME is set: give the stage folder to edit";
    return false;
  }
  dir = base + "/slidestone/stages/custom";
  std::error_code ec;
  if (fs::exists(dir, ec)) return true;
  fs::create_directories(fs::path(dir).parent_path(), ec);
  // Copied under a temporary name first, so a copy cut short is never taken for the folder.
  const std::string temp = dir + ".copying";
  fs::remove_all(temp, ec);
  fs::copy(shipped, temp, fs::copy_options::recursive, ec);
  if (!ec) fs::rename(temp, dir, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove_all(temp, ignored);
    error = "cannot copy " + shipped + " to " + dir + ": " + ec.message();
    return false;
  }
  if (copied) *copied = true;
  return true;
}

}  // namespace slidestone::editor
