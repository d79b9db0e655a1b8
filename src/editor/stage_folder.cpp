#include "editor/stage_folder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "stagedata/data_reader.h"

namespace slidestone::editor {

namespace fs = std::filesystem;

namespace {

std::array<std::string, kMessageCount> PlainMessages() {
  std::array<std::string, kMessageCount> m;
  for (int n = 0; n < kMessageCount; ++n) m[size_t(n)] = n < 50 ? "Nice shot!" : "Slidestone";
  return m;
}

const char* kDifficultyNames[] = {"easy", "normal", "hard"};

}  // namespace

bool StageFolder::Open(const std::string& dir, const std::string& messagesFrom, std::string& error) {
  dir_ = dir;
  std::error_code ec;
  if (fs::exists(dir, ec)) {
    if (!fs::is_directory(dir, ec)) {
      error = dir + ": not a folder";
      return false;
    }
    return true;
  }
  if (!fs::create_directories(dir, ec)) {
    error = dir + ": cannot make the folder: " + ec.message();
    return false;
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
  bool ok = WriteFileAtomically(MessageFilePath(dir), MessageFileText(messages), error) &&
            WriteFileAtomically(StageTablePath(dir), StageTableText(table), error);
  for (int s = 0; ok && s < kEditableStages; ++s) {
    ok = WriteFileAtomically(MapFilePath(dir, s), CodeFileText(empty.map), error) &&
         WriteFileAtomically(EnemyMapFilePath(dir, s), CodeFileText(empty.objects), error);
  }
  return ok;
}

bool StageFolder::Load(int stage, StageDoc& doc, std::string& error) const {
  doc = EmptyStage();
  try {
    StageDoc d;
    d.record = ReadStageTableFile(dir_)[size_t(stage)];
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
  // The other records are kept as they are; a table that no longer loads is rebuilt around
  // this stage with empty records, which is better than refusing to save at all.
  StageTableValues table;
  try {
    table = ReadStageTableFile(dir_);
  } catch (const DataError&) {
    table.fill(EmptyStage().record);
  }
  table[size_t(stage)] = doc.record;
  return WriteFileAtomically(MapFilePath(dir_, stage), CodeFileText(doc.map), error) &&
         WriteFileAtomically(EnemyMapFilePath(dir_, stage), CodeFileText(doc.objects), error) &&
         WriteFileAtomically(StageTablePath(dir_), StageTableText(table), error);
}

std::string StageFolder::ProofPath(int stage, int difficulty) const {
  char name[32];
  std::snprintf(name, sizeof name, "%02d-%s.script", stage + 1, kDifficultyNames[difficulty < 0 || difficulty > 2 ? 1 : difficulty]);
  return dir_ + "/proofs/" + name;
}

bool MakeFolderFor(const std::string& path, std::string& error) {
  std::error_code ec;
  const fs::path dir = fs::path(path).parent_path();
  if (dir.empty() || fs::is_directory(dir, ec)) return true;
  if (fs::create_directories(dir, ec)) return true;
  error = "cannot make " + dir.string() + ": " + ec.message();
  return false;
}

bool DefaultCustomFolder(const std::string& shipped, std::string& dir, std::string& error) {
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
  return true;
}

}  // namespace slidestone::editor
