// Several files of a stage folder written as one step. A copy of the folder is made beside it
// (its files linked, not copied), the new files are written into the copy, and the copy then
// trades places with the folder in one rename: whoever reads the folder, and whenever the
// program is killed, finds it entirely as it was or entirely as saved. A new folder is made
// the same way under another name and renamed into place once it is complete. What a killed
// save leaves beside the folder is removed the next time the folder is opened.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace slidestone::editor {

struct NewFile {
  std::string name;  // inside the folder
  std::string text;
};

// Called after each step of a save or a making, with the step's name (for tests that stop a
// save part way, as a kill would).
using SaveStepHook = std::function<void(const std::string& step)>;

// Writes `files` into the existing folder `dir` as one step. False with a reason when it could
// not; the folder is then as it was.
bool ReplaceFilesAsOne(const std::string& dir, const std::vector<NewFile>& files, std::string& error,
                       const SaveStepHook& hook = {});

// Makes the folder `dir`, which must not exist, holding `files` (names may hold one folder
// level, made on the way). False with a reason; nothing is left at `dir` then.
bool MakeFolderAsOne(const std::string& dir, const std::vector<NewFile>& files, std::string& error,
                     const SaveStepHook& hook = {});

// Removes the leftovers of killed saves and makings beside `dir`, and the temporary files of
// killed single-file writes inside it.
void RemoveSaveLeftovers(const std::string& dir);

}  // namespace slidestone::editor
