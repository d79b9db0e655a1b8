// The stage folder under edit: opening it (or making it), loading one stage from it and saving
// one stage into it. A save writes that stage's map, its enemy map and its record in the stage
// table, all three as one step (folder_swap.h); the other records keep every byte, and the other
// stages' files and the messages are left as they are. The editor never writes what it could
// not read: a table whose records cannot be told apart is not saved into at all.
#pragma once

#include <string>

#include "editor/folder_swap.h"
#include "editor/stage_edits.h"

namespace slidestone::editor {

constexpr int kEditableStages = 18;

class StageFolder {
 public:
  // Opens DIR, first making it (18 empty stages, the messages from `messagesFrom` or plain
  // ones) when it does not exist. False with a reason when it cannot be made.
  bool Open(const std::string& dir, const std::string& messagesFrom, std::string& error);
  const std::string& dir() const { return dir_; }

  // Stage `stage` (0-17) as its files describe it. False with the reader's message (file, line
  // and field) when they do not load; `doc` is then an empty stage.
  bool Load(int stage, StageDoc& doc, std::string& error) const;
  // Writes the stage's files and its record. On failure nothing on disk has changed.
  bool Save(int stage, const StageDoc& doc, std::string& error);
  // What is wrong with the folder's messages, or "" (the editor never writes them).
  std::string MessagesFault() const;

  // For tests: called after each step of a save or of making the folder.
  SaveStepHook afterStep;

 private:
  std::string dir_;
};

// Makes the folder a file is to be written in.
bool MakeFolderFor(const std::string& path, std::string& error);

// The folder `--edit` uses when given none: $XDG_DATA_HOME/slidestone/stages/custom (default
// ~/.local/share), filled with a copy of `shipped` on first use (then `copied` is set). The
// shipped folder is only read.
bool DefaultCustomFolder(const std::string& shipped, std::string& dir, std::string& error, bool* copied = nullptr);

}  // namespace slidestone::editor
